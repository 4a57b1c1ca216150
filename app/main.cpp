#include "app/program.h"
#include "runtime/platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a message about platform
// plugins; say plainly what is missing instead.
bool displayMissing()
{
#if defined(Q_OS_LINUX)
    const auto unset = [](const char *name) {
        const char *value = std::getenv(name);
        return !value || !*value;
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("konsultasi-tht: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or without one under a virtual display:\n"
                   "  xvfb-run -a konsultasi-tht\n",
                   stderr);
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("konsultasi-tht"));
    // Docks and Wayland compositors find the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KTHT_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    rt::DesktopPlatform platform;
    app::Program program(platform);
    QObject::connect(&program.forms(), &rt::Forms::ended, &application, &QCoreApplication::quit);
    program.start();
    return QApplication::exec();
}
