// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours every screen shows and the picture on every button.
//
// Run twice: under the platform's palette, and with KTHT_DISTINCT_PALETTE=1
// under one in which the system colours the screens name (7 text, 14
// highlight text, 15 button face, 24 tool-tip background) and the window
// colour all differ from one another and from white. There a colour taken
// from the wrong role, or a fixed one that follows the palette, shows.

#include "runtime/record.h"
#include "support/scripted.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {

QColor system(QPalette::ColorRole role)
{
    return QApplication::palette().color(role);
}

const QColor white(255, 255, 255);
const QColor lightYellow(255, 255, 128);
const QColor titleBlue(128, 128, 255);

void open(Fixture &f, const QString &screen)
{
    f.forms().record().setNamas("Rina");
    f.forms().record().setStatus("ya5");
    f.forms().screen(screen).show();
}

// The colour painted at a point of a control, as the window shows it.
QColor seen(const QImage &window, QWidget *control, QPoint at)
{
    const QPoint p = control->mapTo(control->window(), at);
    return window.pixelColor(p);
}

// A point inside the control that its text and border leave free.
QPoint freeCorner(QWidget *control)
{
    return {control->width() - 4, control->height() - 4};
}

struct Background
{
    const char *control;  // empty: the window
    QColor colour;
};

QImage pixelsOf(QWidget *window)
{
    return window->grab().toImage();
}

QImage iconImage(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage asset(const QString &name)
{
    return QImage(":/assets/" + name).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString tanya(int node)
{
    return QStringLiteral("tanya%1").arg(node);
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ignoreOffscreenRaise();
        if (!qEnvironmentVariableIsSet("KTHT_DISTINCT_PALETTE"))
            return;
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::WindowText, QColor(90, 20, 20));
        palette.setColor(QPalette::HighlightedText, QColor(250, 235, 190));
        palette.setColor(QPalette::Button, QColor(170, 200, 170));
        palette.setColor(QPalette::ToolTipBase, QColor(255, 215, 150));
        palette.setColor(QPalette::Window, QColor(180, 180, 225));
        QApplication::setPalette(palette);
        const QList<QColor> colours = {white, system(QPalette::WindowText), system(QPalette::HighlightedText),
                                       system(QPalette::Button), system(QPalette::ToolTipBase),
                                       system(QPalette::Window)};
        for (qsizetype i = 0; i < colours.size(); ++i)
            QCOMPARE(colours.count(colours[i]), 1);
    }

    // Backgrounds as the user sees them, by role: white and light yellow are
    // fixed; the others follow the system colours.
    void backgrounds_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("colour");
        const QColor highlightText = system(QPalette::HighlightedText);
        for (int node = 0; node < 13; ++node) {
            const QColor screenColour = node == 10 ? highlightText : white;
            // Elsewhere the options are transparent over the frame.
            const QColor optionColour = node <= 1 || node == 10 ? highlightText : QColor();
            const Background parts[] = {{"", screenColour},
                                        {node <= 1 ? "Pert1" : "PERT2", screenColour},
                                        {"Frame1", screenColour},
                                        {"ya", optionColour},
                                        {"tidak", optionColour}};
            for (const Background &b : parts)
                QTest::addRow("%s %s", qPrintable(tanya(node)), *b.control ? b.control : "window")
                    << tanya(node) << QString(b.control) << b.colour;
        }
        QTest::newRow("kes2 window") << "kes2" << "" << system(QPalette::Button);
        QTest::newRow("kes2 diag") << "kes2" << "diag" << highlightText;
        for (const char *label : {"Label2", "names", "ket"})
            QTest::addRow("kes2 %s", label) << "kes2" << label << system(QPalette::ToolTipBase);
        QTest::newRow("bant window") << "bant" << "" << highlightText;
        QTest::newRow("bant Judul") << "bant" << "Judul" << lightYellow;
        for (const char *label : {"ket1", "ket2", "ket3", "ket4"})
            QTest::addRow("bant %s", label) << "bant" << label << highlightText;
    }
    void backgrounds()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QColor, colour);
        Fixture f;
        open(f, screen);
        QWidget *window = f.window(screen);
        QWidget *c = control.isEmpty() ? window : window->findChild<QWidget *>(control);
        QVERIFY(c);
        const QImage pixels = pixelsOf(window);
        // Frames: above their border line, right of the caption (the style
        // shades the inside a little).
        const QPoint at = qobject_cast<QGroupBox *>(c) ? QPoint(c->width() - 3, 1)
                          : c == window               ? QPoint(2, 2)
                                                      : freeCorner(c);
        if (!colour.isValid()) {
            QVERIFY(!c->autoFillBackground());
            const QPoint beside(4, c->y() + at.y());  // the frame's inside, left of the option
            QCOMPARE(seen(pixels, c, at), seen(pixels, c->parentWidget(), beside));
            return;
        }
        QCOMPARE(seen(pixels, c, at), colour);
        // And painted so by the control itself, where it is not the window.
        if (c != window && colour != window->palette().color(QPalette::Window)) {
            QVERIFY(c->autoFillBackground());
            QCOMPARE(c->palette().color(c->backgroundRole()), colour);
        }
    }

    // The button faces: white on the welcome and the question screens
    // (highlight text on tanya10), highlight text on the result and help
    // screens.
    void buttonFaces_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QColor>("colour");
        const QColor highlightText = system(QPalette::HighlightedText);
        QTest::newRow("Utama") << "Utama" << white;
        for (int node = 0; node < 13; ++node)
            QTest::newRow(qPrintable(tanya(node))) << tanya(node) << (node == 10 ? highlightText : white);
        QTest::newRow("kes2") << "kes2" << highlightText;
        QTest::newRow("bant") << "bant" << highlightText;
    }
    void buttonFaces()
    {
        QFETCH(QString, screen);
        QFETCH(QColor, colour);
        Fixture f;
        open(f, screen);
        const auto buttons = f.window(screen)->findChildren<QAbstractButton *>();
        int faces = 0;
        for (QAbstractButton *button : buttons) {
            if (qobject_cast<QRadioButton *>(button))
                continue;
            QCOMPARE(button->palette().color(QPalette::Button), colour);
            ++faces;
        }
        QVERIFY(faces >= 2);
    }

    // Text in the default text colour everywhere but the welcome title.
    void textColours()
    {
        Fixture f;
        for (const QString &screen : {QStringLiteral("Utama"), QStringLiteral("kes2"), QStringLiteral("bant"),
                                      tanya(0), tanya(10)})
            open(f, screen);
        QCOMPARE(f.control("Utama", "Label1")->palette().color(QPalette::WindowText), titleBlue);
        const QColor text = system(QPalette::WindowText);
        const QList<std::pair<QString, QString>> labels = {
            {"Utama", "jam"}, {"kes2", "Label2"}, {"kes2", "names"}, {"kes2", "ket"},
            {"bant", "ket1"}, {"bant", "ket4"},  {"tanya0", "Pert1"}, {"tanya10", "PERT2"}};
        for (const auto &[screen, name] : labels) {
            QWidget *label = f.control(screen, name);
            QVERIFY2(label, qPrintable(screen + " " + name));
            QCOMPARE(label->palette().color(QPalette::WindowText), text);
        }
        // The welcome screen's labels are transparent over its picture.
        QVERIFY(!f.control("Utama", "Label1")->autoFillBackground());
        QVERIFY(!f.control("Utama", "jam")->autoFillBackground());
    }

    // Each button carries its own picture, at each of its sizes.
    void pictures_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("size");
        for (int size : {16, 32}) {
            const QString px = QStringLiteral("-%1.png").arg(size);
            QTest::addRow("Mulai %d", size) << "Utama" << "Command1" << "mulai" + px << size;
            QTest::addRow("Keluar %d", size) << "Utama" << "Command2" << "keluar" + px << size;
            QTest::addRow("Bantuan %d", size) << "Utama" << "Command3" << "bantuan" + px << size;
            for (int node : {0, 6, 12})
                QTest::addRow("tanya%d diagnose %d", node, size) << tanya(node) << "Command1" << "diagnosa" + px << size;
        }
        for (int node : {1, 3, 6, 12}) {
            QTest::addRow("tanya%d back", node) << tanya(node) << "Command2" << "kembali.jpg" << 20;
            QTest::addRow("tanya%d start", node) << tanya(node) << "Command3" << "awal.jpg" << 20;
        }
        QTest::newRow("tanya0 start") << tanya(0) << "Command3" << "awal.jpg" << 20;
    }
    void pictures()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QString, picture);
        QFETCH(int, size);
        Fixture f;
        open(f, screen);
        auto *b = f.control<QAbstractButton>(screen, button);
        QVERIFY(b);
        const QImage wanted = asset(picture);
        QCOMPARE(wanted.size(), QSize(size, size));
        QCOMPARE(iconImage(b->icon(), size), wanted);
    }

    void windowIcon()
    {
        Fixture f;
        open(f, "Utama");
        QCOMPARE(iconImage(f.window("Utama")->windowIcon(), 32), asset("salib-32.png"));
        // Opaque: a red cross on white inside a thin black frame.
        QVERIFY(!asset("salib-32.png").hasAlphaChannel() || asset("salib-32.png").pixelColor(0, 0).alpha() == 255);
        for (const QString &screen : {QStringLiteral("kes2"), QStringLiteral("bant"), tanya(3)}) {
            open(f, screen);
            const QIcon own = f.window(screen)->windowIcon();
            QVERIFY2(own.isNull() || own.cacheKey() == QApplication::windowIcon().cacheKey(), qPrintable(screen));
        }
    }

    // The welcome screen's picture lies unscaled from its top-left corner:
    // between the title and the clock, every pixel is the picture's.
    void welcomePicture()
    {
        Fixture f;
        open(f, "Utama");
        QWidget *w = f.window("Utama");
        const QRect free(0, 80, w->width(), 250);
        QCOMPARE(pixelsOf(w).copy(free).convertToFormat(QImage::Format_RGB32),
                 asset("latar.jpg").copy(free).convertToFormat(QImage::Format_RGB32));
    }

    // Where there is no button, there is no picture either: help and result
    // buttons carry none.
    void plainButtons()
    {
        Fixture f;
        for (const QString &screen : {QStringLiteral("kes2"), QStringLiteral("bant")}) {
            open(f, screen);
            for (QAbstractButton *b : f.window(screen)->findChildren<QAbstractButton *>())
                QVERIFY2(b->icon().isNull(), qPrintable(screen + " " + b->objectName()));
        }
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
