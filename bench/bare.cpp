// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets program: one label in a window, ending after its first
// paint. The yardstick for the program's start-up time and memory. With
// "memory" it prints what it holds at its end (memory.h).

#include "firstpaint.h"
#include "memory.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstring>

int main(int argc, char *argv[])
{
    const bool reporting = argc > 1 && std::strcmp(argv[1], "memory") == 0;
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Selamat Datang"));
    new FirstPaint(&label, [reporting] {
        QTimer::singleShot(0, qApp, [reporting] {
            if (reporting)
                printMemoryReport(stdout);
            QCoreApplication::quit();
        });
    });
    label.show();
    return QApplication::exec();
}
