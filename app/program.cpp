// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "app/utama.h"
#include "consult/tanya.h"
#include "knowledge/tree.h"
#include "help/bant.h"
#include "result/kes2.h"
#include "runtime/look.h"

#include <QPixmapCache>

namespace app {

Program::Program(rt::Platform &platform) : forms_(platform)
{
    rt::installFontStandIns();
    // Started once the stand-ins are in, so no other thread reads fonts
    // while that table is written.
    fonts_.emplace();
    // The style caches pieces of what it paints under keys that hold the
    // widget's palette, and every window built afresh has new palettes, so
    // hardly a piece is ever found again. Qt 6.4's pixmap cache also keeps
    // the key of every piece it ever held, evicted or cleared: memory that
    // grows with each window built. With no room at all it keeps nothing.
    // The pictures are held apart from it (runtime/pictures.cpp).
    QPixmapCache::setCacheLimit(0);
    forms_.define(QStringLiteral("Utama"), [](rt::Forms &forms) { return std::make_unique<Utama>(forms); });
    forms_.define(QStringLiteral("kes2"), [](rt::Forms &forms) { return std::make_unique<result::Kes2>(forms); });
    forms_.define(QStringLiteral("bant"), [](rt::Forms &forms) { return std::make_unique<help::Bant>(forms); });
    for (int node = 0; node < int(knowledge::tree.size()); ++node) {
        forms_.define(consult::Tanya::screenName(node),
                      [node](rt::Forms &forms) { return std::make_unique<consult::Tanya>(forms, node); });
    }
}

void Program::start()
{
    forms_.screen(QStringLiteral("Utama")).show();
}

} // namespace app
