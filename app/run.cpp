// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/run.h"

#include "app/program.h"
#include "runtime/platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace app {
namespace {

constexpr int noDisplayStatus = 2;

void sayNoDisplay(const char *why)
{
    std::fprintf(stderr,
                 "konsultasi-tht: %s\n"
                 "Start it from a desktop session, or without one under a virtual display:\n"
                 "  xvfb-run -a konsultasi-tht\n",
                 why);
    std::fflush(stderr);
}

bool unset(const char *name)
{
    const char *value = std::getenv(name);
    return !value || !*value;
}

// Without a display the toolkit would abort with a message about platform
// plugins; say plainly what is missing instead.
bool displayMissing()
{
#if defined(Q_OS_LINUX)
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

// Installed while the application object connects to the display. A display
// named but not reachable makes the toolkit give up with a fatal message that
// advises reinstalling, and abort with a core dump: the program says what is
// wrong and ends with its own status instead. Its platform plugin's report of
// why (say, the display it could not connect to) still comes through.
void whileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Name what the toolkit was told to open.
        const char *named = "DISPLAY";
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            if (!unset(variable)) {
                named = variable;
                break;
            }
        }
        const char *value = std::getenv(named);
        char why[300];
        std::snprintf(why, sizeof why, "cannot open the display (%s=%s).", named, value ? value : "");
        sayNoDisplay(why);
        // Nothing is left to tidy: the application object is half made.
        std::_Exit(noDisplayStatus);
    }
    if (context.category && std::string_view(context.category) == "qt.qpa.plugin")
        return;  // the plugin loader's part of the advice to reinstall
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

} // namespace

int run(int argc, char *argv[])
{
    if (displayMissing()) {
        sayNoDisplay("no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).");
        return noDisplayStatus;
    }

    std::optional<QApplication> application;
    const QtMessageHandler previous = qInstallMessageHandler(whileConnecting);
    application.emplace(argc, argv);
    qInstallMessageHandler(previous);

    QApplication::setApplicationName(QStringLiteral("konsultasi-tht"));
    // Docks and Wayland compositors find the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KTHT_APP_ID));
    // The program ends when its screens say so (rt::Forms::ended), not when
    // the toolkit sees no window: the record is a screen without one.
    QApplication::setQuitOnLastWindowClosed(false);

    rt::DesktopPlatform platform;
    Program program(platform);
    QObject::connect(&program.forms(), &rt::Forms::ended, &*application, &QCoreApplication::quit);
    program.start();
    return QApplication::exec();
}

} // namespace app
