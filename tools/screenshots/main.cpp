// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes a picture of each kind of screen of the real program: it drives the
// screens in-process, as a user would click them, with the boxes answered
// from a script and the clock stopped, and saves each window as a PNG.
//   screenshots OUTPUT_DIR
// Run it on a display (scripts/screenshots uses a virtual one); with
// QT_SCALE_FACTOR=2 the pictures come out at twice the size.

#include "app/program.h"
#include "runtime/forms.h"
#include "runtime/messagebox.h"
#include "runtime/platform.h"
#include "runtime/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class ScriptedPlatform final : public rt::Platform
{
public:
    int messageBox(QWidget *, const QString &, int style, const QString &) override
    {
        return (style & rt::StyleYesNo) ? rt::AnswerYes : rt::AnswerOk;
    }
    QString inputBox(QWidget *, const QString &, const QString &) override { return QStringLiteral("Budi Santoso"); }
    bool printDialog(QWidget *, QPrinter &) override { return false; }
    QTime currentTime() override { return {10, 15, 30}; }
};

class Shooter
{
public:
    Shooter(app::Program &program, const QString &dir) : forms_(program.forms()), dir_(dir) {}

    QWidget *window(const QString &screen)
    {
        rt::Screen *s = forms_.existing(screen);
        if (!s || !s->window())
            fail(screen + " is not open");
        return s->window();
    }
    template <typename T = QAbstractButton>
    T *control(const QString &screen, const QString &name)
    {
        auto *found = window(screen)->findChild<T *>(name);
        if (!found)
            fail(screen + " has no " + name);
        return found;
    }
    void click(const QString &screen, const QString &button) { control(screen, button)->click(); settle(); }
    void choose(const QString &screen, bool ya)
    {
        control<QRadioButton>(screen, ya ? QStringLiteral("ya") : QStringLiteral("tidak"))->click();
    }
    void save(QWidget *widget, const QString &file)
    {
        settle();
        const QString path = QDir(dir_).filePath(file);
        if (!widget->grab().save(path))
            fail("cannot write " + path);
        std::printf("%s\n", qPrintable(path));
    }
    void save(const QString &screen, const QString &file) { save(window(screen), file); }

    [[noreturn]] static void fail(const QString &why)
    {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(why));
        std::exit(1);
    }

private:
    static void settle()
    {
        // Closed windows are deleted later, and new ones laid out; let both happen.
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    rt::Forms &forms_;
    QString dir_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2)
        Shooter::fail("usage: screenshots OUTPUT_DIR");
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        Shooter::fail("cannot make the output folder");

    ScriptedPlatform platform;
    app::Program program(platform);
    Shooter shot(program, QString::fromLocal8Bit(argv[1]));
    program.start();

    // The welcome screen with its clock running.
    QMetaObject::invokeMethod(shot.window("Utama")->findChild<QTimer *>("Timer1"), "timeout");
    shot.save("Utama", "utama.png");

    // The registration prompt, as the desktop shows it.
    const int registration = rt::StyleYesNo | rt::StyleQuestion | rt::StyleSecondDefault;
    const auto box = rt::DesktopPlatform::makeMessageBox(nullptr, QStringLiteral("Masukan Nama Anda untuk Registrasi...?"),
                                                         registration, QStringLiteral("Isi Nama"));
    box->show();
    shot.save(box.get(), "registrasi.png");
    box->hide();

    // A question, answered; then on to the result for "ya6", whose advice
    // fills most of the result screen.
    shot.click("Utama", "Command1");
    shot.choose("tanya0", true);
    shot.save("tanya0", "tanya.png");
    const std::pair<int, bool> answers[] = {{0, true}, {1, true}, {2, true}, {3, false}, {4, true}, {5, false}, {6, true}};
    for (const auto &[node, ya] : answers) {
        const QString screen = QStringLiteral("tanya%1").arg(node);
        shot.choose(screen, ya);
        shot.click(screen, "Command1");
    }
    shot.save("kes2", "kes2.png");

    // Help, in each of its views.
    shot.click("kes2", "Command1");
    shot.click("Utama", "Command3");
    shot.save("bant", "bant-judul.png");
    const std::pair<const char *, const char *> views[] = {
        {"Command1", "bant-cara.png"}, {"Command2", "bant-pembuat.png"}, {"Command4", "bant-istilah.png"}};
    for (const auto &[button, file] : views) {
        shot.click("bant", button);
        shot.save("bant", file);
    }
    program.forms().end();
    return 0;
}
