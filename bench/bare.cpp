// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets program: one label in a window, ending after its first
// paint. The yardstick for the program's start-up time and memory.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Selamat Datang"));
    new FirstPaint(&label, [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    label.show();
    return QApplication::exec();
}
