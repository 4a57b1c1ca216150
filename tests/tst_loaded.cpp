// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program loads: its pictures come in without an image decoder, on
// a plain display and (run again with QT_SCALE_FACTOR=2) on one scaled to
// 200 %, where the copies at twice the size are drawn; the clock ticks
// without a regular-expression engine; and the print support comes in only
// when the user prints. Every screen is built, the welcome
// screen painted, and every picture on a button or a window asked for at
// both pixel ratios. (The other screens are not painted: the toolkit's
// Fusion style decodes a picture of its own for a group box's frame, see
// README.md.) Read from the memory map Linux shows in /proc; skipped where
// there is none.

#include "runtime/record.h"
#include "support/scripted.h"

#include <QFile>
#include <QLabel>
#include <QTimer>

namespace {

QString mapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}

} // namespace

class TestLoaded : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ignoreOffscreenRaise();
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("no memory map to read here");
    }

    void noImageDecoder()
    {
        Fixture f;
        f.forms().record().setNamas(QStringLiteral("Rina"));
        f.forms().record().setStatus(QStringLiteral("ya5"));
        QStringList screens = {QStringLiteral("Utama"), QStringLiteral("kes2"), QStringLiteral("bant")};
        for (int node = 0; node < 13; ++node)
            screens << QStringLiteral("tanya%1").arg(node);
        for (const QString &screen : screens) {
            f.forms().screen(screen).show();
            QWidget *window = f.window(screen);
            QVERIFY(window);
            for (qreal ratio : {1.0, 2.0}) {
                for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                    if (!button->icon().isNull())
                        QVERIFY(!button->icon().pixmap(button->iconSize(), ratio).isNull());
                }
                for (int size : {16, 32, 48, 256}) {
                    if (!window->windowIcon().isNull())
                        QVERIFY(!window->windowIcon().pixmap(QSize(size, size), ratio).isNull());
                }
            }
        }
        QVERIFY(!f.window(QStringLiteral("Utama"))->grab().isNull());

        const QString libraries = mapped();
        for (const char *decoder : {"/imageformats/", "libjpeg", "libgif", "libtiff", "libwebp"})
            QVERIFY2(!libraries.contains(QLatin1String(decoder)), decoder);
        QVERIFY(!libraries.contains(QLatin1String("PrintSupport")));
    }

        // The clock's text is plain string work: no expression is compiled for
    // it, which would leave the code PCRE2's JIT writes for it, in memory
    // that is both writable and executable.
    void clockTicksWithoutAnExpression()
    {
        Fixture f;
        f.program.start();
        auto *timer = f.window(QStringLiteral("Utama"))->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        for (int second = 0; second < 3; ++second) {
            f.platform.now = QTime(10, 0, second);
            QMetaObject::invokeMethod(timer, "timeout");
        }
        QVERIFY(!f.control<QLabel>(QStringLiteral("Utama"), QStringLiteral("jam"))->text().isEmpty());
        const QStringList lines = mapped().split(QLatin1Char('\n'));
        for (const QString &line : lines)
            QVERIFY2(!line.section(QLatin1Char(' '), 1, 1, QString::SectionSkipEmpty).startsWith(QLatin1String("rwx")),
                     qPrintable(line));
    }

    // "&Cetak " brings in the print support, and its printer dialog asks.
    void printSupportWhenPrinting()
    {
        Fixture f;
        f.forms().record().setStatus(QStringLiteral("ya5"));
        f.forms().screen(QStringLiteral("kes2")).show();
        QVERIFY(!mapped().contains(QLatin1String("PrintSupport")));
        QVERIFY(f.click(QStringLiteral("kes2"), QStringLiteral("Command2")));
        QCOMPARE(f.platform.printDialogs, 1);
        QVERIFY(mapped().contains(QLatin1String("PrintSupport")));
    }
};

QTEST_MAIN(TestLoaded)
#include "tst_loaded.moc"
