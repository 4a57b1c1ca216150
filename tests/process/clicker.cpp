// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for the user of the real program, loaded into its process by
// the toolkit as a generic plugin (QT_QPA_GENERIC_PLUGINS=ktht-clicker:STEPS),
// so the executable is tested as it is shipped.
//
// STEPS, parted by '+': "report" prints what the program set up before its
// event loop; "SCREEN.BUTTON" clicks that button once the screen's window is
// shown; "SCREEN.close" closes that window as its close box does. Before its
// last step it prints "last step", so a test can time the end from there.

#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

class Clicker final : public QObject
{
public:
    explicit Clicker(const QString &steps) : steps_(steps.split(QLatin1Char('+'), Qt::SkipEmptyParts))
    {
        // Polls, since the plugin comes in before the program has a window.
        connect(&timer_, &QTimer::timeout, this, &Clicker::next);
        timer_.start(50);
    }

private:
    static QWidget *shown(const QString &name)
    {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->objectName() == name && window->isVisible())
                return window;
        }
        return nullptr;
    }

    static void say(const QString &line)
    {
        std::fprintf(stdout, "%s\n", qPrintable(line));
        std::fflush(stdout);
    }

    void next()
    {
        if (steps_.isEmpty()) {
            timer_.stop();
            return;
        }
        const QString step = steps_.first();
        if (step == QLatin1String("report")) {
            say(QStringLiteral("desktopFileName=%1").arg(QGuiApplication::desktopFileName()));
            say(QStringLiteral("applicationName=%1").arg(QCoreApplication::applicationName()));
            say(QStringLiteral("quitOnLastWindowClosed=%1")
                    .arg(QGuiApplication::quitOnLastWindowClosed() ? "true" : "false"));
            steps_.removeFirst();
            return;
        }
        const QString screen = step.section(QLatin1Char('.'), 0, 0);
        const QString control = step.section(QLatin1Char('.'), 1);
        QWidget *window = shown(screen);
        if (!window || !window->windowHandle() || !window->windowHandle()->isExposed())
            return;  // not yet
        steps_.removeFirst();
        if (steps_.isEmpty())
            say(QStringLiteral("last step"));
        if (control == QLatin1String("close")) {
            window->windowHandle()->close();
        } else if (auto *button = window->findChild<QAbstractButton *>(control)) {
            button->click();
        } else {
            say(QStringLiteral("no button %1 on %2").arg(control, screen));
        }
    }

    QStringList steps_;
    QTimer timer_;
};

} // namespace

class ClickerPlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "clicker.json")
public:
    QObject *create(const QString &key, const QString &steps) override
    {
        return key.compare(QLatin1String("ktht-clicker"), Qt::CaseInsensitive) == 0 ? new Clicker(steps)
                                                                                    : nullptr;
    }
};

#include "clicker.moc"
