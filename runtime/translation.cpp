// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/translation.h"

#include <QCoreApplication>

namespace rt {

QString Translation::resource()
{
    return QStringLiteral(":/translations/konsultasi_id.qm");
}

Translation::Translation()
{
    loaded_ = translator_.load(resource());
    // Without it the dialogs are still usable, only in English.
    if (loaded_)
        QCoreApplication::installTranslator(&translator_);
    else
        qWarning("konsultasi-tht: the Indonesian catalogue %s is missing", qPrintable(resource()));
}

Translation::~Translation()
{
    if (loaded_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace rt
