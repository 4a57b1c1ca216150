// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// On a display scaled to 200 % (run with QT_SCALE_FACTOR=2): every window
// keeps its designed size in device-independent pixels, so its proportions,
// and every picture has an image drawn for twice its size, so it stays sharp.

#include "consult/screens.h"
#include "consult/tanya.h"
#include "runtime/look.h"
#include "runtime/pictures.h"
#include "runtime/record.h"
#include "support/scripted.h"

#include <QImageReader>
#include <QToolButton>

class TestScaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(qApp->devicePixelRatio() == 2.0, "run with QT_SCALE_FACTOR=2");
    }

    void windowsKeepTheirDesign_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Utama") << "Utama" << rt::pxSize(9465, 6525);
        for (int node = 0; node < 13; ++node) {
            const auto &look = consult::looks[std::size_t(node)];
            QTest::newRow(qPrintable(consult::Tanya::screenName(node)))
                << consult::Tanya::screenName(node) << rt::pxSize(look.clientWidth, look.clientHeight);
        }
        QTest::newRow("kes2") << "kes2" << rt::pxSize(6135, 5670);
        QTest::newRow("bant") << "bant" << rt::pxSize(7350, 6000);
    }
    void windowsKeepTheirDesign()
    {
        QFETCH(QString, screen);
        QFETCH(QSize, size);
        Fixture f;
        f.forms().record().setStatus("ya6");
        f.forms().screen(screen).show();
        QWidget *w = f.window(screen);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        // Painted at the display's density, not enlarged afterwards.
        const QPixmap shot = w->grab();
        QCOMPARE(shot.size(), size * 2);
    }

    // Each picture, at the size a screen shows it, has an image with twice
    // as many pixels each way.
    void picturesHaveSharpImages_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<QSize>("shown");
        for (const char *name : {"mulai", "keluar", "bantuan"})
            QTest::newRow(name) << rt::icon(name) << QSize(16, 16);
        QTest::newRow("kembali") << rt::pictureIcon(":/assets/kembali.jpg") << QSize(20, 20);
        QTest::newRow("awal") << rt::pictureIcon(":/assets/awal.jpg") << QSize(20, 20);
        // The window icon, at the sizes docks and task switchers use.
        for (int size : {16, 24, 32, 48, 128})
            QTest::newRow(qPrintable(QStringLiteral("salib %1").arg(size))) << rt::icon("salib") << QSize(size, size);
    }
    void picturesHaveSharpImages()
    {
        QFETCH(QIcon, icon);
        QFETCH(QSize, shown);
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY2(std::any_of(sizes.begin(), sizes.end(),
                             [&](QSize s) { return s.width() >= 2 * shown.width() && s.height() >= 2 * shown.height(); }),
                 qPrintable(QStringLiteral("largest image %1 px").arg(sizes.isEmpty() ? 0 : sizes.last().width())));
    }

    // The welcome screen shows the copy of its picture at twice the size,
    // over the same area: between the title and the clock, pixel for pixel.
    void backgroundHasASharpCopy()
    {
        Fixture f;
        f.program.start();
        QWidget *w = f.window("Utama");
        const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage sharp = QImageReader(":/assets/latar@2x.jpg").read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sharp.size(), QSize(1280, 960));
        const QRect free(0, 2 * 80, 2 * w->width(), 2 * 250);
        QCOMPARE(shown.copy(free), sharp.copy(free));
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
