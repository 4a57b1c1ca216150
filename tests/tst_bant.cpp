// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The help screen: its design, the three views of the information panel, the
// hidden text-store labels, and the ways out.

#include "runtime/look.h"
#include "support/scripted.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace {

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;

struct Look
{
    QString text;
    double points;
    bool bold;
    Qt::Alignment alignment;
};

struct View
{
    QString title;
    std::array<Look, 4> ket;
};

const QString cp1 = "Anda hanya memilih jawaban pilihan sesuai dengan gejala-gejala yang Anda alami";
const QString cp2 = "Pendiagnosaan selesai, jika telah ditampilkan form Hasil diagnosa";
const QString cp3 = "Sistem Pakar ini hanya prototipe, sehingga bila ada keluhan lebih lanjut tentang penyakit Anda, "
                    "harap konsultasi ke Dokter THT terdekat";
const QString cp4 = "Bila Anda berkenan mencetak hasil diagnosa anda dapat mencetak langsung ke printer dengan menekan "
                    "tombol cetak pada form Hasil Diagnosa";
const QString pembuat1 = "Nama    : Wulan Sasmita";
const QString pembuat2 = "NIM       : 12030456";
const QString pembuat3 = "Jurusan Teknik Informatika";
const QString istilah1 = "Influenza: Penyakit ini memiliki gejala yang sama dengan penyakit tenggorokan. Disebabkan oleh "
                         "Virus yang dapat sembuh tanpa pengobatan ";
const QString istilah2 = "Vincent Angina:  Suatu kelainan yang bersifat akut dengan timbulnya ulcus-ulcus kecil pada daerah "
                         "rongga mulut yang disebabkan oleh kuman Anaerob garam negative dan spirogeta.";
const QString istilah3 = "Penisillin:  Antibiotik golongan beta laktam. Pada penggunaannya penisillin juga dikombinasikan "
                         "dengan zat yang membuat enzim betalaktamase menjadi tidak aktif. Kombinasi ini sangat baik untuk "
                         "satapilokok, hemofillus influrenza, dsb";
const QString istilah4 = "Tonsil =  Anak tekak,   Sinus =  Kelainan dari Sekret yaitu terdapat bakteri anaerob dan "
                         "disebabkan oleh jamur. Laring =  trakea ";

const View titleView{"Informasi",
                     {{{"Vuvedo Duvad Izududazire Ridevere Vovoviduded", 12, true, centre},
                       {"JURUSAN TEKNIK INFORMATIKA", 13.5, true, centre},
                       {"SEKOLAH TINGGI INFORMATIKA CONTOH", 13.5, true, centre},
                       {"Kota Contoh  - 2006", 13.5, false, centre}}}};
const View usageView{"Cara Pengunaan",
                     {{{cp1, 10, true, left}, {cp2, 10, true, left}, {cp3, 10, true, left}, {cp4, 10, true, left}}}};
const View authorView{"Pembuat",
                      {{{pembuat1, 12, true, centre},
                        {pembuat2, 12, true, centre},
                        {pembuat3, 12, true, centre},
                        {"", 12, true, centre}}}};
const View glossaryView{"Daftar Istilah",
                        {{{istilah1, 10, true, left},
                          {istilah2, 10, true, left},
                          {istilah3, 10, true, left},
                          {istilah4, 10, true, left}}}};

const View &view(const QString &name)
{
    if (name == "usage")
        return usageView;
    if (name == "author")
        return authorView;
    if (name == "glossary")
        return glossaryView;
    return titleView;
}

// The button that leads to each view.
const QStringList viewButtons{"Command1", "Command2", "Command4"};

QString ketName(int i)
{
    return QStringLiteral("ket%1").arg(i + 1);
}

// The caption as drawn: the access-key marker is not shown.
QString shown(QString caption)
{
    return caption.remove(caption.indexOf('&'), 1);
}

// Starts the program and opens help through the welcome screen.
void openHelp(Fixture &f)
{
    f.program.start();
    QVERIFY(f.click("Utama", "Command3"));
    QCOMPARE(f.forms().openScreens(), QStringList{"bant"});
}

void press(Fixture &f, const QStringList &buttons)
{
    for (const QString &button : buttons)
        QVERIFY2(f.click("bant", button), qPrintable(button));
}

void comparePanel(Fixture &f, const View &expected)
{
    auto *judul = f.control<QGroupBox>("bant", "Judul");
    QVERIFY(judul);
    QCOMPARE(judul->title(), expected.title);
    QCOMPARE(judul->font().pointSizeF(), 9.75);
    QVERIFY(judul->font().bold());
    for (int i = 0; i < 4; ++i) {
        auto *ket = f.control<QLabel>("bant", ketName(i));
        QVERIFY(ket);
        const Look &look = expected.ket[std::size_t(i)];
        QCOMPARE(ket->text(), look.text);
        QCOMPARE(ket->font().pointSizeF(), look.points);
        QCOMPARE(ket->font().bold(), look.bold);
        QCOMPARE(rt::designFamily(*ket), QStringLiteral("MS Sans Serif"));
        QCOMPARE(ket->alignment(), look.alignment);
        QCOMPARE(ket->geometry(), QRect(8, 16 + 80 * i, 457, 73));
        QVERIFY(!ket->isHidden());
        QCOMPARE(ket->palette().color(ket->backgroundRole()), rt::systemColour(14));
    }
}

} // namespace

class TestBant : public QObject
{
    Q_OBJECT
private slots:
    void windowDesign()
    {
        Fixture f;
        openHelp(f);
        QWidget *w = f.window("bant");
        QCOMPARE(w->windowTitle(), QStringLiteral("Bantuan"));
        QCOMPARE(w->size(), QSize(490, 400));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!w->testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(w->autoFillBackground());
        QCOMPARE(w->palette().color(QPalette::Window), rt::systemColour(14));
        QCOMPARE(rt::designFamily(*w), QStringLiteral("MS Sans Serif"));
        QCOMPARE(w->font().pointSizeF(), 12.0);
        QVERIFY(w->font().bold());

        auto *judul = f.control<QGroupBox>("bant", "Judul");
        QCOMPARE(judul->geometry(), QRect(8, 8, 473, 337));
        QVERIFY(judul->autoFillBackground());
        QCOMPARE(judul->palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(judul->focusPolicy(), Qt::NoFocus);

        // ket1 has the window's font, not the frame's.
        QCOMPARE(f.control("bant", "ket1")->font(), w->font());
        for (int i = 0; i < 4; ++i) {
            auto *ket = f.control<QLabel>("bant", ketName(i));
            QCOMPARE(ket->parentWidget(), judul);
            QVERIFY(ket->autoFillBackground());
            QVERIFY(ket->wordWrap());
            QCOMPARE(ket->focusPolicy(), Qt::NoFocus);
        }
        const auto labels = w->findChildren<QLabel *>();
        QCOMPARE(labels.size(), 4 + 13);
        for (const QLabel *label : labels)
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Command1") << "Command1" << QRect(8, 352, 121, 41) << "&Cara Penggunaan"
                                  << QKeySequence(Qt::ALT | Qt::Key_C);
        QTest::newRow("Command2") << "Command2" << QRect(144, 352, 105, 41) << "&Pembuat"
                                  << QKeySequence(Qt::ALT | Qt::Key_P);
        QTest::newRow("Command4") << "Command4" << QRect(264, 352, 105, 41) << "&Istilah"
                                  << QKeySequence(Qt::ALT | Qt::Key_I);
        QTest::newRow("Command3") << "Command3" << QRect(384, 352, 97, 41) << "&Kembali"
                                  << QKeySequence(Qt::ALT | Qt::Key_K);
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QKeySequence, key);
        Fixture f;
        openHelp(f);
        auto *button = f.control<QPushButton>("bant", name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->shortcut(), key);
        QCOMPARE(rt::designFamily(*button), QStringLiteral("MS Sans Serif"));
        QCOMPARE(button->font().pointSizeF(), 9.75);
        QVERIFY(button->font().bold());
        QCOMPARE(button->palette().color(QPalette::Button), rt::systemColour(14));
        QVERIFY(button->icon().isNull());
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
        QCOMPARE(button->toolTip(),
                 name == "Command4" ? QStringLiteral("Beberapa Istilah Penyakit Tenggorokkan") : QString());
    }

    void focusFollowsTabIndex()
    {
        Fixture f;
        openHelp(f);
        QWidget *w = f.window("bant");
        QCOMPARE(w->focusWidget(), f.control("bant", "Command4"));
        // Only the buttons take the focus; Tab wraps round to the first.
        for (const char *next : {"Command3", "Command2", "Command1", "Command4"}) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            QCOMPARE(w->focusWidget(), f.control("bant", next));
        }
    }

    void accessKeysSwitchViews()
    {
        Fixture f;
        openHelp(f);
        QWidget *w = f.window("bant");
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto *judul = f.control<QGroupBox>("bant", "Judul");
        // An access key clicks its button with a short animation, hence the waits.
        QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(judul->title(), usageView.title);
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(judul->title(), authorView.title);
        QTest::keyClick(w, Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(judul->title(), glossaryView.title);
        QTest::keyClick(w, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(f.forms().openScreens(), QStringList{"Utama"});
    }

    void views_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("view");
        QTest::newRow("at opening") << QStringList{} << "title";
        QTest::newRow("Cara first") << QStringList{"Command1"} << "usage";
        QTest::newRow("Pembuat first") << QStringList{"Command2"} << "author";
        QTest::newRow("Istilah first") << QStringList{"Command4"} << "glossary";
        QTest::newRow("Cara after Istilah") << QStringList{"Command4", "Command1"} << "usage";
        QTest::newRow("Pembuat after Istilah, Cara") << QStringList{"Command4", "Command1", "Command2"} << "author";
        QTest::newRow("Istilah after Istilah, Cara, Pembuat")
            << QStringList{"Command4", "Command1", "Command2", "Command4"} << "glossary";
        QTest::newRow("Cara after Pembuat") << QStringList{"Command2", "Command1"} << "usage";
        QTest::newRow("Cara twice") << QStringList{"Command1", "Command1"} << "usage";
        QTest::newRow("Pembuat twice") << QStringList{"Command2", "Command2"} << "author";
        QTest::newRow("Istilah twice") << QStringList{"Command4", "Command4"} << "glossary";
    }
    void views()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, view);
        Fixture f;
        openHelp(f);
        press(f, presses);
        QCOMPARE(f.forms().openScreens(), QStringList{"bant"});
        comparePanel(f, ::view(view));
        QVERIFY(!f.forms().hasRecord());
    }

    void secondPressChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        for (const QString &button : viewButtons)
            QTest::newRow(qPrintable(button)) << button;
    }
    void secondPressChangesNothing()
    {
        QFETCH(QString, button);
        Fixture f;
        openHelp(f);
        QWidget *w = f.window("bant");
        press(f, {button});
        const QImage once = w->grab().toImage();
        press(f, {button});
        QCOMPARE(w->grab().toImage(), once);
    }

    void textStore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Label1") << "Label1" << QRect(8, 400, 137, 25) << "Cara Pengunaan" << 9.75 << true;
        QTest::newRow("CP1") << "CP1" << QRect(8, 424, 281, 33) << cp1 << 8.25 << false;
        QTest::newRow("CP2") << "CP2" << QRect(8, 456, 281, 33) << cp2 << 8.25 << false;
        QTest::newRow("CP3") << "CP3" << QRect(8, 488, 281, 41) << cp3 << 8.25 << false;
        QTest::newRow("CP4") << "CP4" << QRect(8, 536, 281, 41) << cp4 << 8.25 << false;
        QTest::newRow("Judulp") << "Judulp" << QRect(8, 584, 137, 25) << "Pembuat" << 9.75 << true;
        QTest::newRow("Pembuat1") << "Pembuat1" << QRect(8, 600, 281, 25) << pembuat1 << 8.25 << false;
        QTest::newRow("Pembuat2") << "Pembuat2" << QRect(8, 616, 281, 25) << pembuat2 << 8.25 << false;
        QTest::newRow("Pembuat3") << "Pembuat3" << QRect(8, 632, 281, 25) << pembuat3 << 8.25 << false;
        QTest::newRow("Istilah1") << "Istilah1" << QRect(320, 408, 233, 41) << istilah1 << 8.25 << false;
        QTest::newRow("Istilah2") << "Istilah2" << QRect(320, 464, 233, 65) << istilah2 << 8.25 << false;
        QTest::newRow("Istilah3") << "Istilah3" << QRect(320, 552, 233, 57) << istilah3 << 8.25 << false;
        QTest::newRow("Istilah4") << "Istilah4" << QRect(320, 616, 233, 41) << istilah4 << 8.25 << false;
    }
    // The store stays put below the client area, whatever view is shown.
    void textStore()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(bool, bold);
        Fixture f;
        openHelp(f);
        QWidget *w = f.window("bant");
        auto *label = f.control<QLabel>("bant", name);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), w);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        for (const QString &button : QStringList{QString()} + viewButtons) {
            if (!button.isEmpty())
                press(f, {button});
            QCOMPARE(label->text(), text);
            QCOMPARE(label->geometry(), geometry);
            QVERIFY(label->geometry().top() >= w->height());
            QVERIFY(!label->isHidden());
        }
    }

    void glossaryKeepsItsBlanks()
    {
        Fixture f;
        openHelp(f);
        press(f, {"Command4"});
        QVERIFY(f.control<QLabel>("bant", "ket1")->text().endsWith("pengobatan "));
        QVERIFY(f.control<QLabel>("bant", "ket2")->text().startsWith("Vincent Angina:  Suatu"));
        QVERIFY(f.control<QLabel>("bant", "ket3")->text().startsWith("Penisillin:  Antibiotik"));
        QCOMPARE(f.control<QLabel>("bant", "ket3")->text().size(), 232);
        QVERIFY(f.control<QLabel>("bant", "ket4")->text().contains("Tonsil =  Anak tekak,   Sinus =  Kelainan"));
        QVERIFY(f.control<QLabel>("bant", "ket4")->text().endsWith("Laring =  trakea "));
    }

    void kembaliReturnsAndReopensAtTitleView_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::newRow("from the title view") << QStringList{};
        QTest::newRow("from the usage view") << QStringList{"Command1"};
        QTest::newRow("from the author view") << QStringList{"Command2"};
        QTest::newRow("from the glossary view") << QStringList{"Command4"};
    }
    void kembaliReturnsAndReopensAtTitleView()
    {
        QFETCH(QStringList, presses);
        Fixture f;
        openHelp(f);
        press(f, presses);
        QVERIFY(f.click("bant", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QVERIFY(!f.forms().existing("bant")->isOpen());
        QVERIFY(!f.forms().hasRecord());

        QVERIFY(f.click("Utama", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"bant"});
        comparePanel(f, titleView);
        QCOMPARE(f.window("bant")->focusWidget(), f.control("bant", "Command4"));
    }

    void closeBoxOpensNothing()
    {
        Fixture f;
        openHelp(f);
        press(f, {"Command2"});
        QVERIFY(f.window("bant")->close());
        QVERIFY(!f.forms().existing("bant")->isOpen());
        QVERIFY(f.forms().openScreens().isEmpty());
        QVERIFY(!f.forms().existing("Utama")->isOpen());
    }

    // With the stand-in faces every caption must fit its fixed-size control:
    // the buttons and the frame on one line, the panel labels within height.
    void captionsFit_data() { views_data(); }
    void captionsFit()
    {
        QFETCH(QStringList, presses);
        Fixture f;
        openHelp(f);
        press(f, presses);
        auto *judul = f.control<QGroupBox>("bant", "Judul");
        const int titleWidth = QFontMetrics(judul->font()).horizontalAdvance(judul->title());
        QVERIFY2(titleWidth <= judul->width(), qPrintable(QString("title %1 > %2").arg(titleWidth).arg(judul->width())));
        for (const char *name : {"Command1", "Command2", "Command3", "Command4"}) {
            auto *button = f.control<QPushButton>("bant", name);
            const int width = QFontMetrics(button->font()).horizontalAdvance(shown(button->text()));
            QVERIFY2(width <= button->width(),
                     qPrintable(QString("%1: %2 > %3").arg(name).arg(width).arg(button->width())));
        }
        for (int i = 0; i < 4; ++i) {
            auto *ket = f.control<QLabel>("bant", ketName(i));
            const QRect needed = QFontMetrics(ket->font()).boundingRect(
                QRect(0, 0, ket->width(), 10000), int(Qt::TextWordWrap | ket->alignment()), ket->text());
            QVERIFY2(needed.height() <= ket->height(),
                     qPrintable(QString("%1: %2 > %3").arg(ketName(i)).arg(needed.height()).arg(ket->height())));
        }
    }
};

QTEST_MAIN(TestBant)
#include "tst_bant.moc"
