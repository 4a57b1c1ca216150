// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started as from the desktop (app/run.cpp), ending itself:
//   ktht-bench-app         once the welcome screen has been painted;
//   ktht-bench-app walk    after walking all 11 paths from there, each
//                          screen painted on the way (for the peak memory).
// With "memory" as well, it prints what it holds at its end (memory.h).

#include "firstpaint.h"
#include "memory.h"

#include "app/program.h"
#include "runtime/forms.h"
#include "runtime/platform.h"
#include "runtime/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QTimer>

#include <cstring>

namespace {

// Answers every registration with Yes and the name "Bench".
class Answering final : public rt::Platform
{
public:
    int messageBox(QWidget *, const QString &, int, const QString &) override { return 6; }
    QString inputBox(QWidget *, const QString &, const QString &) override { return QStringLiteral("Bench"); }
    bool printDialog(QWidget *, QPrinter &) override { return false; }
    QTime currentTime() override { return QTime::currentTime(); }
};

const char *const paths[] = {"YYYTYY",  "YYYTYTY", "YYYTYTT", "YYYTTY",  "YYYTTTY", "YYYTTTT",
                             "YYYYYY",  "YYYYYTY", "YYYYYTT", "YYYYTY",  "YYYYTT"};

void click(rt::Forms &forms, const QString &screen, const char *name)
{
    forms.existing(screen)->window()->findChild<QAbstractButton *>(name)->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void walk(rt::Forms &forms)
{
    for (const char *path : paths) {
        click(forms, QStringLiteral("Utama"), "Command1");
        for (const char *a = path; *a; ++a) {
            const QString screen = forms.openScreens().first();
            forms.existing(screen)->window()->findChild<QRadioButton *>(*a == 'Y' ? "ya" : "tidak")->click();
            click(forms, screen, "Command1");
        }
        click(forms, QStringLiteral("kes2"), "Command1");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    bool walking = false, reporting = false;
    for (int i = 1; i < argc; ++i) {
        walking = walking || std::strcmp(argv[i], "walk") == 0;
        reporting = reporting || std::strcmp(argv[i], "memory") == 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("konsultasi-tht"));
    QApplication::setQuitOnLastWindowClosed(false);

    Answering platform;
    app::Program program(platform);
    QObject::connect(&program.forms(), &rt::Forms::ended, &application, &QCoreApplication::quit);
    program.start();
    new FirstPaint(program.forms().existing(QStringLiteral("Utama"))->window(), [&] {
        QTimer::singleShot(0, &application, [&] {
            if (walking)
                walk(program.forms());
            if (reporting)
                printMemoryReport(stdout);
            QCoreApplication::quit();
        });
    });
    return QApplication::exec();
}
