// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures come in as their pixels, built from the picture files: the
// same pixels a decoder gives, drawn from where they lie, and a damaged copy
// is refused rather than read past its end.

#include "runtime/flatpicture.h"
#include "runtime/pictures.h"

#include <QDir>
#include <QImageReader>
#include <QResource>
#include <QtTest>

#include <cstring>

namespace {

QImage sample(bool alpha)
{
    QImage image(5, 3, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(40 * x, 80 * y, 200, alpha ? 60 * y + 50 : 255));
    return image;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    // The copies at twice the size too: a scaled display decodes nothing.
    void everyPictureHasItsPixels_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList names = QDir(QStringLiteral(":/assets")).entryList(QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << QStringLiteral(":/assets/") + name;
    }
    void everyPictureHasItsPixels()
    {
        QFETCH(QString, path);
        const QResource flat(QStringLiteral(":/flat/") + path.mid(2));
        QVERIFY2(flat.isValid(), "no flat copy");
        QCOMPARE(flat.compressionAlgorithm(), QResource::NoCompression);
        const std::optional<rt::flat::Picture> stored = rt::flat::decode(flat.data(), flat.size());
        QVERIFY(stored);
        // The very pixels the decoder gives for the picture file; the ratio
        // an "@2x" name gives them comes with the name.
        const QImage decoded = QImageReader(path).read().convertToFormat(stored->lines.format());
        QImage pixels = stored->image();
        pixels.setDevicePixelRatio(path.contains("@2x.") ? 2.0 : 1.0);
        QCOMPARE(pixels, decoded);
        QCOMPARE(rt::picture(path).toImage(), decoded);

        // The background keeps only the band of lines that differ from its
        // ground; every other picture is whole, drawn from the program's own
        // data, not from a copy of it.
        QCOMPARE(stored->whole(), !path.contains("latar"));
        if (stored->whole()) {
            const auto *begin = flat.data();
            const QImage drawn = rt::picture(path).toImage();
            QVERIFY(drawn.constBits() >= begin && drawn.constBits() < begin + flat.size());
        }
    }

    // On a display scaled to 200 % a picture is the copy at twice the size,
    // marked so that it covers the same area, drawn from where it lies.
    void sharpCopyCoversTheSameArea()
    {
        const QPixmap sharp = rt::picture(QStringLiteral(":/assets/awal.jpg"), 2.0);
        QCOMPARE(sharp.size(), QSize(40, 40));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(20, 20));
        const QResource flat(QStringLiteral(":/flat/assets/awal@2x.jpg"));
        const QImage drawn = sharp.toImage();
        QVERIFY(drawn.constBits() >= flat.data() && drawn.constBits() < flat.data() + flat.size());
        // Where there is no sharper copy, the picture itself.
        QCOMPARE(rt::picture(QStringLiteral(":/assets/salib-16.png"), 2.0).size(), QSize(16, 16));
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("alpha");
        QTest::newRow("opaque") << false;
        QTest::newRow("with alpha") << true;
    }
    void roundTrip()
    {
        QFETCH(bool, alpha);
        const QImage image = sample(alpha);
        const QByteArray bytes = rt::flat::encode(image);
        const auto decoded = rt::flat::decode(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
        QVERIFY(decoded);
        QVERIFY(decoded->whole());
        QCOMPARE(decoded->lines.format(), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        QCOMPARE(decoded->image(), image.convertToFormat(decoded->lines.format()));
    }

    // A picture on a plain ground keeps the band from an even line to an
    // even line that holds every line differing from the ground.
    void bandOnAPlainGround_data()
    {
        QTest::addColumn<int>("first");  // the first and last lines not plain
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("top");    // the band kept
        QTest::addColumn<int>("lines");
        QTest::newRow("inside") << 3 << 6 << 2 << 6;
        QTest::newRow("even to odd") << 4 << 5 << 4 << 2;
        QTest::newRow("from the top") << 0 << 2 << 0 << 4;
        QTest::newRow("to the bottom") << 7 << 9 << 6 << 4;
        QTest::newRow("one line") << 5 << 5 << 4 << 2;
        QTest::newRow("none") << -1 << -1 << 0 << 2;
    }
    void bandOnAPlainGround()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, top);
        QFETCH(int, lines);
        QImage image(7, 10, QImage::Format_RGB32);
        image.fill(QColor(250, 250, 240));
        for (int y = first; y >= 0 && y <= last; ++y)
            image.setPixelColor(1 + y % 6, y, QColor(20, 40, 60));
        const QByteArray bytes = rt::flat::encode(image, true);
        const auto decoded = rt::flat::decode(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
        QVERIFY(decoded);
        QCOMPARE(decoded->top, top);
        QCOMPARE(decoded->lines.height(), lines);
        QCOMPARE(decoded->image(), image);
    }

    void misalignedPixelsAreCopied()
    {
        const QByteArray bytes = rt::flat::encode(sample(false));
        QByteArray shifted(bytes.size() + 1, '\0');
        std::memcpy(shifted.data() + 1, bytes.constData(), std::size_t(bytes.size()));
        const auto *data = reinterpret_cast<const uchar *>(shifted.constData()) + 1;
        const auto decoded = rt::flat::decode(data, bytes.size());
        QVERIFY(decoded);
        QCOMPARE(reinterpret_cast<std::uintptr_t>(decoded->lines.constBits()) % 4, 0u);
        QCOMPARE(decoded->image(), sample(false));
    }

    void damagedCopiesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = rt::flat::encode(sample(false));
        const auto patched = [&good](int offset, std::uint32_t value) {
            QByteArray bytes = good;
            std::memcpy(bytes.data() + offset, &value, sizeof value);
            return bytes;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header cut short") << good.left(20);
        QTest::newRow("no pixels") << good.left(36);
        QTest::newRow("last byte missing") << good.chopped(1);
        QTest::newRow("a byte too many") << good + '\0';
        QTest::newRow("not a flat picture") << QByteArray("GIF89a").leftJustified(good.size(), '\0');
        QTest::newRow("no width") << patched(8, 0);
        QTest::newRow("no height") << patched(12, 0);
        QTest::newRow("huge height") << patched(12, 1u << 30);
        QTest::newRow("unknown format") << patched(16, QImage::Format_Indexed8);
        QTest::newRow("lines shorter than the width") << patched(20, 16);
        QTest::newRow("lines not whole words") << patched(20, 21);
        QTest::newRow("no lines kept") << patched(28, 0);
        QTest::newRow("band below the picture") << patched(24, 3);
        QTest::newRow("band past the foot") << patched(24, 1);
    }
    void damagedCopiesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!rt::flat::decode(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
