// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every control of every screen stands, typed from the screens' design
// tables in twips (15 to a pixel), and each window centred on the display
// each time it is built.

#include "runtime/record.h"
#include "support/scripted.h"

#include <QScreen>

namespace {

struct Place
{
    const char *control;    // empty: the window's client area
    const char *container;  // the control's parent
    int left, top, width, height;
};

// One question screen's design row; kembaliLeft 0: no back button.
struct QuestionRow
{
    int clientWidth, clientHeight;
    int questionLeft, questionTop;
    int frameLeft, frameTop, frameWidth;
    int tidakLeft, tidakWidth;
    int buttonsTop, diagnosaLeft, kembaliLeft, awalLeft, awalWidth;
};

constexpr QuestionRow questionRows[13] = {
    {6450, 3960, 120, 480, 1080, 1320, 4095, 2280, 1215, 2640, 1440, 0, 3120, 2055},
    {6120, 3690, 120, 480, 840, 1320, 4095, 2280, 1215, 2640, 600, 2160, 3840, 2055},
    {6105, 3690, 120, 480, 720, 1320, 4575, 2520, 975, 2640, 480, 2040, 3720, 1935},
    {6165, 3705, 120, 480, 840, 1320, 4455, 2520, 975, 2640, 480, 2040, 3720, 1935},
    {6300, 3780, 240, 600, 1080, 1440, 4095, 2280, 1215, 2760, 480, 2040, 3720, 2055},
    {6675, 3660, 240, 240, 1560, 1320, 3735, 2520, 975, 2640, 960, 2400, 3960, 1935},
    {6600, 3795, 120, 360, 1200, 1440, 3735, 2520, 975, 2880, 840, 2280, 3840, 1935},
    {6510, 3870, 360, 360, 1200, 1320, 3735, 2520, 975, 2640, 720, 2160, 3720, 2055},
    {6510, 3870, 240, 240, 1200, 1080, 3735, 2520, 975, 2640, 720, 2160, 3720, 1935},
    {6525, 3990, 120, 360, 1440, 1320, 3735, 2520, 975, 2880, 720, 2160, 3720, 2055},
    {6525, 3900, 360, 360, 1320, 1320, 3735, 2520, 975, 2880, 720, 2160, 3720, 1935},
    {6540, 3870, 120, 240, 1320, 1200, 3735, 2520, 975, 2640, 840, 2280, 3840, 1935},
    {6405, 3495, 240, 120, 1200, 1200, 3735, 2520, 975, 2520, 600, 2040, 3600, 2055},
};

QList<Place> questionPlaces(int node)
{
    const QuestionRow &r = questionRows[node];
    const char *question = node <= 1 ? "Pert1" : "PERT2";
    QList<Place> places = {
        {"", "", 0, 0, r.clientWidth, r.clientHeight},
        {question, "", r.questionLeft, r.questionTop, node == 0 ? 6135 : 5895, 495},
        {"Frame1", "", r.frameLeft, r.frameTop, r.frameWidth, 855},
        {"ya", "Frame1", 600, 360, 1095, 255},
        {"tidak", "Frame1", r.tidakLeft, 360, r.tidakWidth, 255},
        {"Command1", "", r.diagnosaLeft, r.buttonsTop, 1335, 615},
        {"Command3", "", r.awalLeft, r.buttonsTop, r.awalWidth, 615},
    };
    if (r.kembaliLeft)
        places.append({"Command2", "", r.kembaliLeft, r.buttonsTop, 1455, 615});
    return places;
}

const QList<Place> utamaPlaces = {
    {"", "", 0, 0, 9465, 6525},
    {"Label1", "", 240, 720, 9135, 450},
    {"jam", "", 7800, 5040, 1575, 375},
    {"Command1", "", 6360, 5760, 1215, 615},
    {"Command2", "", 7920, 5760, 1215, 615},
    {"Command3", "", 120, 5760, 1215, 615},
};

const QList<Place> kes2Places = {
    {"", "", 0, 0, 6135, 5670},
    {"diag", "", 120, 120, 5895, 4575},
    {"Label2", "diag", 120, 480, 2055, 375},
    {"names", "diag", 2280, 480, 3495, 375},
    {"ket", "diag", 120, 960, 5655, 3495},
    {"Command1", "", 1920, 4800, 1815, 615},
    {"Command2", "", 3840, 4800, 2055, 615},
};

const QList<Place> bantPlaces = {
    {"", "", 0, 0, 7350, 6000},
    {"Judul", "", 120, 120, 7095, 5055},
    {"ket1", "Judul", 120, 240, 6855, 1095},
    {"ket2", "Judul", 120, 1440, 6855, 1095},
    {"ket3", "Judul", 120, 2640, 6855, 1095},
    {"ket4", "Judul", 120, 3840, 6855, 1095},
    {"Command1", "", 120, 5280, 1815, 615},
    {"Command2", "", 2160, 5280, 1575, 615},
    {"Command4", "", 3960, 5280, 1575, 615},
    {"Command3", "", 5760, 5280, 1455, 615},
    // The text store, below the client area.
    {"Label1", "", 120, 6000, 2055, 375},
    {"CP1", "", 120, 6360, 4215, 495},
    {"CP2", "", 120, 6840, 4215, 495},
    {"CP3", "", 120, 7320, 4215, 615},
    {"CP4", "", 120, 8040, 4215, 615},
    {"Judulp", "", 120, 8760, 2055, 375},
    {"Pembuat1", "", 120, 9000, 4215, 375},
    {"Pembuat2", "", 120, 9240, 4215, 375},
    {"Pembuat3", "", 120, 9480, 4215, 375},
    {"Istilah1", "", 4800, 6120, 3495, 615},
    {"Istilah2", "", 4800, 6960, 3495, 975},
    {"Istilah3", "", 4800, 8280, 3495, 855},
    {"Istilah4", "", 4800, 9240, 3495, 615},
};

QStringList screens()
{
    QStringList names{"Utama", "kes2", "bant"};
    for (int node = 0; node < 13; ++node)
        names << QStringLiteral("tanya%1").arg(node);
    return names;
}

QList<Place> placesOf(const QString &screen)
{
    if (screen == "Utama")
        return utamaPlaces;
    if (screen == "kes2")
        return kes2Places;
    if (screen == "bant")
        return bantPlaces;
    return questionPlaces(screen.mid(5).toInt());
}

QRect pixels(const Place &p)
{
    return {p.left / 15, p.top / 15, p.width / 15, p.height / 15};
}

void open(Fixture &f, const QString &screen)
{
    f.forms().record().setStatus("ya5");
    f.forms().screen(screen).show();
}

// How far the window's middle lies from the middle of its display.
QPoint offCentre(QWidget *window)
{
    return window->frameGeometry().center() - window->screen()->availableGeometry().center();
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT
private slots:
    void rectangles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("rect");
        for (const QString &screen : screens()) {
            for (const Place &p : placesOf(screen)) {
                const QString control = p.control;
                QTest::addRow("%s %s", qPrintable(screen), *p.control ? p.control : "client area")
                    << screen << control << (*p.container ? QString(p.container) : screen) << pixels(p);
            }
        }
    }
    void rectangles()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, container);
        QFETCH(QRect, rect);
        Fixture f;
        open(f, screen);
        QWidget *window = f.window(screen);
        QVERIFY(window);
        if (control.isEmpty()) {
            QCOMPARE(window->size(), rect.size());
            return;
        }
        QWidget *c = window->findChild<QWidget *>(control);
        QVERIFY2(c, "no such control");
        QCOMPARE(c->parentWidget()->objectName(), container);
        QCOMPARE(c->geometry(), rect);
    }

    // No screen has a control the design does not place.
    void noOtherControls_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &screen : screens())
            QTest::newRow(qPrintable(screen)) << screen;
    }
    void noOtherControls()
    {
        QFETCH(QString, screen);
        Fixture f;
        open(f, screen);
        QStringList designed;
        for (const Place &p : placesOf(screen)) {
            if (*p.control)
                designed << p.control;
        }
        QStringList present;
        for (QWidget *w : f.window(screen)->findChildren<QWidget *>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                present << w->objectName();
        }
        designed.sort();
        present.sort();
        QCOMPARE(present, designed);
    }

    // Centred each time the window is built, wherever it was moved before.
    void centredOnTheDisplay_data() { noOtherControls_data(); }
    void centredOnTheDisplay()
    {
        QFETCH(QString, screen);
        Fixture f;
        open(f, screen);
        QWidget *window = f.window(screen);
        QVERIFY(window->screen());
        const QPoint off = offCentre(window);
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2 from the middle").arg(off.x()).arg(off.y())));
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));

        window->move(3, 5);
        f.forms().screen(screen).close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f.forms().screen(screen).show();
        const QPoint again = offCentre(f.window(screen));
        QVERIFY(qAbs(again.x()) <= 1 && qAbs(again.y()) <= 1);
    }
};

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
