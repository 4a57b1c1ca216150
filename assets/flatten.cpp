// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Build step: stores a picture as the pixels it is drawn from, so that the
// program wraps it at start-up instead of decoding it (runtime/flatpicture.h).
//   ktht-flatten-picture IN OUT

#include "runtime/flatpicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ktht-flatten-picture IN OUT\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "ktht-flatten-picture: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(rt::flat::encode(picture)) < 0 || !out.flush()) {
        std::fprintf(stderr, "ktht-flatten-picture: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
