// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Build step: stores a picture as the pixels it is drawn from, so that the
// program wraps it instead of decoding it (runtime/flatpicture.h). With
// --band, only the band of lines that differ from its plain ground.
//   ktht-flatten-picture [--band] IN OUT

#include "runtime/flatpicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const bool band = argc == 4 && std::strcmp(argv[1], "--band") == 0;
    if (argc != 3 && !band) {
        std::fprintf(stderr, "usage: ktht-flatten-picture [--band] IN OUT\n");
        return 2;
    }
    const char *in = argv[argc - 2];
    const char *outPath = argv[argc - 1];
    QImageReader reader(QString::fromLocal8Bit(in));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "ktht-flatten-picture: %s: %s\n", in, qPrintable(reader.errorString()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(outPath));
    if (!out.open(QIODevice::WriteOnly) || out.write(rt::flat::encode(picture, band)) < 0 || !out.flush()) {
        std::fprintf(stderr, "ktht-flatten-picture: %s: %s\n", outPath, qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
