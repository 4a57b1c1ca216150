// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The executable as a process, as the desktop starts it: how it ends, what
// it sets up before its event loop, and what it says without a display. The
// user's clicks come from a generic plugin loaded into it (process/clicker.cpp).

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

struct Ended
{
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out, err;
};

// Runs the program offscreen with the clicker taking the given steps.
Ended runWith(const QString &steps, int startMs = 30000)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_PLUGIN_PATH", KTHT_CLICKER_PLUGINS);
    env.insert("QT_QPA_GENERIC_PLUGINS", "ktht-clicker:" + steps);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(KTHT_EXECUTABLE, QStringList());
    Ended e;
    if (!p.waitForStarted(startMs))
        return e;
    QElapsedTimer sinceLast;
    QElapsedTimer overall;
    overall.start();
    while (p.state() != QProcess::NotRunning && overall.elapsed() < startMs) {
        p.waitForReadyRead(20);
        e.out += QString::fromUtf8(p.readAllStandardOutput());
        if (!sinceLast.isValid() && e.out.contains("last step"))
            sinceLast.start();
        if (sinceLast.isValid() && sinceLast.elapsed() > KTHT_END_WITHIN_MS)
            break;
    }
    e.finished = p.state() == QProcess::NotRunning;
    if (!e.finished) {
        p.kill();
        p.waitForFinished();
    }
    e.out += QString::fromUtf8(p.readAllStandardOutput());
    e.err = QString::fromUtf8(p.readAllStandardError());
    e.status = p.exitStatus();
    e.code = p.exitCode();
    return e;
}

} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    // Each way of ending ends the process, cleanly, at once; the hand-overs
    // on the way (the welcome screen closing as a tool window opens) do not.
    void ends_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("Keluar") << "Utama.Command2";
        QTest::newRow("close box of the welcome screen") << "Utama.close";
        QTest::newRow("to help and back, then Keluar") << "Utama.Command3+bant.Command3+Utama.Command2";
        QTest::newRow("close box of help, the last window") << "Utama.Command3+bant.close";
    }
    void ends()
    {
        QFETCH(QString, steps);
        const Ended e = runWith(steps);
        QVERIFY2(e.out.contains("last step"), qPrintable("the program ended early:\n" + e.out + e.err));
        QVERIFY2(e.finished, qPrintable(QStringLiteral("still running %1 ms after the last step:\n").arg(KTHT_END_WITHIN_MS)
                                            + e.out + e.err));
        QCOMPARE(e.status, QProcess::NormalExit);
        QCOMPARE(e.code, 0);
        QVERIFY(!e.out.contains("no button"));
    }

    // What the program sets up before its event loop.
    void setUp()
    {
        const Ended e = runWith("report+Utama.Command2");
        QCOMPARE(e.code, 0);
        const QStringList lines = e.out.split('\n');
        QVERIFY2(lines.contains("desktopFileName=id.konsultasi_tht.KonsultasiTHT"), qPrintable(e.out));
        QVERIFY2(lines.contains("applicationName=konsultasi-tht"), qPrintable(e.out));
        // The record is a screen without a window: the program, not the
        // toolkit, decides when the last window has gone.
        QVERIFY2(lines.contains("quitOnLastWindowClosed=false"), qPrintable(e.out));
    }

    // Without a display the program says so itself and ends with status 2,
    // not with the toolkit's abort, core dump and advice to reinstall.
    void noDisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("says");
        QTest::newRow("none named") << "" << "konsultasi-tht: no display found";
        QTest::newRow("one that cannot be reached") << ":97" << "konsultasi-tht: cannot open the display (DISPLAY=:97)";
    }
    void noDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, says);
        QVERIFY2(!QFile::exists("/tmp/.X11-unix/X97"), "a display :97 is running here");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            env.remove(name);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(KTHT_EXECUTABLE, QStringList());
        QVERIFY(p.waitForFinished(30000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(err.contains(says), qPrintable(err));
        QVERIFY2(err.contains("xvfb-run -a konsultasi-tht"), qPrintable(err));
        QVERIFY2(!err.contains("Reinstalling", Qt::CaseInsensitive), qPrintable(err));
        QVERIFY2(!err.contains("platform plugin"), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
