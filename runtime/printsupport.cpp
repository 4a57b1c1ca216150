// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/printsupport.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace rt {

PrintSupport *printSupport()
{
    // Loaded once: the toolkit keeps the module until the program ends and
    // hands every later loader its one instance. Looked for beside the
    // program (its build tree, and on Windows), where an install puts it
    // (KTHT_PRINT_SUPPORT_DIR, relative to the program), or on the toolkit's
    // plugin path.
    const QString module = QStringLiteral(KTHT_PRINT_SUPPORT_MODULE);
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList names = {here + QLatin1Char('/') + module,
                               here + QStringLiteral("/" KTHT_PRINT_SUPPORT_DIR "/") + module, module};
    QString why;
    for (const QString &name : names) {
        QPluginLoader loader(name);
        if (auto *support = qobject_cast<PrintSupport *>(loader.instance()))
            return support;
        // A module found that would not load says more than the places
        // where there was none.
        if (why.isEmpty() && !loader.fileName().isEmpty())
            why = loader.errorString();
    }
    if (why.isEmpty())
        why = QStringLiteral("%1 is neither beside the program nor in %2 nor on the plugin path")
                  .arg(module, QStringLiteral(KTHT_PRINT_SUPPORT_DIR));
    qWarning("konsultasi-tht: printing is not available: %s", qPrintable(why));
    return nullptr;
}

} // namespace rt
