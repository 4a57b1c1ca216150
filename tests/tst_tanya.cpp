// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question screens and the decision tree, driven through the real
// screens from the welcome screen on.

#include "knowledge/explain.h"
#include "runtime/record.h"
#include "runtime/text.h"
#include "runtime/look.h"
#include "support/expected.h"
#include "support/scripted.h"

#include <QGroupBox>
#include <QLabel>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWhatsThis>

namespace {

const QStringList captions = {"Pertanyaan Awal", "Pertanyaan1", "Pertanyaan2", "Pertanyaan3", "Pertanyaan4",
                              "Pertanyaan5", "Pertanyaan6", "Pertanyaan5", "Pertanyaan6", "Pertanyaan4",
                              "Pertanyaan5", "Pertanyaan6", "Pertanyaan5"};

QString tanya(int node)
{
    return QStringLiteral("tanya%1").arg(node);
}

QLabel *question(Fixture &f, int node)
{
    auto *label = f.control<QLabel>(tanya(node), node <= 1 ? "Pert1" : "PERT2");
    return label;
}

// Registers and answers "Y"/"T" in turn; returns the nodes whose screens were
// open before each answer.
QList<int> walk(Fixture &f, const QString &answers)
{
    f.program.start();
    f.registerName(QStringLiteral("Pasien"));
    QList<int> visited;
    for (QChar a : answers) {
        const QStringList open = f.forms().openScreens();
        if (open.size() != 1 || !open.first().startsWith("tanya"))
            break;
        const int node = open.first().mid(5).toInt();
        visited << node;
        f.answer(node, a == 'Y');
    }
    return visited;
}

bool noAnswerChosen(Fixture &f, int node)
{
    return !f.control<QRadioButton>(tanya(node), "ya")->isChecked()
           && !f.control<QRadioButton>(tanya(node), "tidak")->isChecked();
}

} // namespace

class TestTanya : public QObject
{
    Q_OBJECT
private slots:
    void paths_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QList<int>>("nodes");
        QTest::addColumn<QString>("code");  // empty: a dead end on the last node
        for (const expected::Conclusion &c : expected::conclusions)
            QTest::newRow(c.code.data()) << expected::text(c.answers) << expected::nodes(c) << expected::text(c.code);
        QTest::newRow("dead end on tanya0 (Tidak to all)") << "T" << QList<int>{0} << "";
        QTest::newRow("dead end on tanya1") << "YT" << QList<int>{0, 1} << "";
        QTest::newRow("dead end on tanya2") << "YYT" << QList<int>{0, 1, 2} << "";
    }
    void paths()
    {
        QFETCH(QString, answers);
        QFETCH(QList<int>, nodes);
        QFETCH(QString, code);
        Fixture f;
        f.program.start();
        f.registerName(QStringLiteral("Pasien"));
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const int node = nodes.at(i);
            QCOMPARE(f.forms().openScreens(), QStringList{tanya(node)});
            QCOMPARE(f.window(tanya(node))->windowTitle(), captions.at(node));
            QVERIFY(question(f, node));
            QCOMPARE(question(f, node)->text(), expected::question(node));
            QVERIFY(noAnswerChosen(f, node));
            f.answer(node, answers.at(i) == 'Y');
        }
        if (code.isEmpty()) {
            const int last = nodes.last();
            QCOMPARE(f.forms().openScreens(), QStringList{tanya(last)});
            QVERIFY(f.control<QRadioButton>(tanya(last), "tidak")->isChecked());
            QCOMPARE(f.forms().record().status(), QStringLiteral("Label2"));
            QVERIFY(f.click(tanya(last), "Command1"));  // the message again on every click
            QCOMPARE(f.platform.boxes.size(), 3);
            for (const auto &box : f.platform.boxes.mid(1)) {
                QCOMPARE(box.prompt, QStringLiteral("Sistem Tidak Dapat Mendioagnosa !!! "));
                QCOMPARE(box.style, 320);
                QCOMPARE(box.title, QStringLiteral("Informasi"));
            }
        } else {
            QCOMPARE(f.forms().record().status(), code);
            QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
            QCOMPARE(f.platform.boxes.size(), 1);  // the registration prompt only
        }
    }

    void noAnswerWarns()
    {
        Fixture f;
        f.program.start();
        f.registerName(QString());
        f.forms().record().setStatus(QStringLiteral("ya5"));
        for (int click = 1; click <= 2; ++click) {
            QVERIFY(f.click("tanya0", "Command1"));
            QCOMPARE(f.platform.boxes.size(), 1 + click);
            const auto &box = f.platform.boxes.last();
            QCOMPARE(box.prompt, QStringLiteral("Pilih Jawaban Yang Sesuai Dengan Gejala Penyakit Anda"));
            QCOMPARE(box.style, 304);
            QCOMPARE(box.title, QStringLiteral("Informasi"));
        }
        QCOMPARE(f.forms().openScreens(), QStringList{"tanya0"});
        QCOMPARE(f.forms().record().status(), QStringLiteral("ya5"));
    }

    void backTargets_data()
    {
        QTest::addColumn<QString>("answers");  // leads to the screen
        QTest::addColumn<int>("node");
        QTest::addColumn<int>("back");
        QTest::newRow("tanya1") << "Y" << 1 << 0;
        QTest::newRow("tanya2") << "YY" << 2 << 1;
        QTest::newRow("tanya3") << "YYY" << 3 << 2;
        QTest::newRow("tanya4") << "YYYT" << 4 << 3;
        QTest::newRow("tanya5") << "YYYTY" << 5 << 4;
        QTest::newRow("tanya6") << "YYYTYT" << 6 << 5;
        QTest::newRow("tanya7") << "YYYTT" << 7 << 4;
        QTest::newRow("tanya8") << "YYYTTT" << 8 << 7;
        QTest::newRow("tanya9") << "YYYY" << 9 << 3;
        QTest::newRow("tanya10") << "YYYYY" << 10 << 9;
        QTest::newRow("tanya11") << "YYYYYT" << 11 << 10;
        QTest::newRow("tanya12 (not tanya11)") << "YYYYT" << 12 << 9;
    }
    void backTargets()
    {
        QFETCH(QString, answers);
        QFETCH(int, node);
        QFETCH(int, back);
        Fixture f;
        walk(f, answers);
        QCOMPARE(f.forms().openScreens(), QStringList{tanya(node)});
        f.choose(tanya(node), "ya");
        QVERIFY(f.click(tanya(node), "Command2"));
        // Back closes the screen it leaves, tanya6 included.
        QCOMPARE(f.forms().openScreens(), QStringList{tanya(back)});
        QVERIFY(noAnswerChosen(f, back));
        // Forward again: the question is asked afresh.
        f.answer(back, answers.at(answers.size() - 1) == 'Y');
        QCOMPARE(f.forms().openScreens(), QStringList{tanya(node)});
        QVERIFY(noAnswerChosen(f, node));
    }

    void rootHasNoBackButton()
    {
        Fixture f;
        walk(f, QString());
        QVERIFY(!f.control("tanya0", "Command2"));
    }

    void toTheStartKeepsTheRecord()
    {
        Fixture f;
        walk(f, "YYYYTT");
        QCOMPARE(f.forms().record().status(), QStringLiteral("tidak12"));
        QVERIFY(f.click("kes2", "Command1"));
        f.registerName(QStringLiteral("Kedua"));
        f.answer(0, true);
        f.answer(1, true);
        QVERIFY(f.click("tanya2", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QCOMPARE(f.forms().record().namas(), QStringLiteral("Kedua"));
        QCOMPARE(f.forms().record().status(), QStringLiteral("tidak12"));
    }

    // Every conclusion closes its question screen, tanya7 included, and
    // every back button closes its own: a screen left open behind the
    // result could reach a second conclusion that the open result screen
    // would not show.
    void everyConclusionShowsItsOwnDiagnosis()
    {
        Fixture f;
        walk(f, "YYYTTY");
        QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
        QCOMPARE(f.control<QGroupBox>("kes2", "diag")->title(), QStringLiteral("Abses Peritonsil"));
        QVERIFY(f.click("kes2", "Command1"));
        f.registerName(QStringLiteral("Lagi"));
        for (QChar a : QStringLiteral("YYYTT"))
            f.answer(f.forms().openScreens().first().mid(5).toInt(), a == 'Y');
        f.answer(7, false);
        f.answer(8, false);
        QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
        QCOMPARE(f.control<QGroupBox>("kes2", "diag")->title(), QStringLiteral("Panas Dalam"));

        // Through tanya6: back to tanya5 leaves only tanya5 open; its "Tidak"
        // brings a fresh tanya6, and the answer given there decides.
        Fixture g;
        walk(g, "YYYTYT");
        g.choose("tanya6", "ya");
        QVERIFY(g.click("tanya6", "Command2"));
        QCOMPARE(g.forms().openScreens(), QStringList{"tanya5"});
        g.answer(5, false);
        QVERIFY(noAnswerChosen(g, 6));
        g.answer(6, false);
        QCOMPARE(g.forms().openScreens(), QStringList{"kes2"});
        QCOMPARE(g.forms().record().status(), QStringLiteral("tidak6"));
        QCOMPARE(g.control<QGroupBox>("kes2", "diag")->title(), QStringLiteral("Batuk"));
    }

    void screenDesign_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<QString>("kembali");
        QTest::addColumn<QString>("awal");
        QTest::addColumn<QStringList>("focus");
        const QString k = "&Kembali ", a = "Kembali Ke &Awal";
        const QStringList usual{"Command1", "Command2", "Command3", "ya", "tidak"};
        QTest::newRow("tanya0") << 0 << QSize(430, 264) << false << "" << a << QStringList{"Command3", "Command1", "tidak", "ya"};
        QTest::newRow("tanya1") << 1 << QSize(408, 246) << false << k << a << QStringList{"ya", "tidak", "Command1", "Command3", "Command2"};
        QTest::newRow("tanya2") << 2 << QSize(407, 246) << false << k << "&Kembali Ke Awal" << QStringList{"Command1", "tidak", "ya", "Command2", "Command3"};
        QTest::newRow("tanya3") << 3 << QSize(411, 247) << false << "Kembali" << "Kembali Ke Awal" << QStringList{"Command1", "ya", "tidak", "Command2", "Command3"};
        QTest::newRow("tanya4") << 4 << QSize(420, 252) << true << k << a << QStringList{"tidak", "ya", "Command3", "Command2", "Command1"};
        QTest::newRow("tanya5") << 5 << QSize(445, 244) << true << k << a << usual;
        QTest::newRow("tanya6") << 6 << QSize(440, 253) << false << k << a << usual;
        QTest::newRow("tanya7") << 7 << QSize(434, 258) << false << k << a << QStringList{"Command1", "Command2", "Command3", "tidak", "ya"};
        QTest::newRow("tanya8") << 8 << QSize(434, 258) << false << k << a << usual;
        QTest::newRow("tanya9") << 9 << QSize(435, 266) << false << k << a << usual;
        QTest::newRow("tanya10") << 10 << QSize(435, 260) << false << k << a << usual;
        QTest::newRow("tanya11") << 11 << QSize(436, 258) << false << k << a << usual;
        QTest::newRow("tanya12") << 12 << QSize(427, 233) << false << k << a << usual;
    }
    void screenDesign()
    {
        QFETCH(int, node);
        QFETCH(QSize, client);
        QFETCH(bool, resizable);
        QFETCH(QString, kembali);
        QFETCH(QString, awal);
        QFETCH(QStringList, focus);
        Fixture f;
        f.forms().screen(tanya(node)).show();
        QWidget *w = f.window(tanya(node));
        QCOMPARE(w->windowTitle(), captions.at(node));
        QCOMPARE(w->size(), client);
        QCOMPARE(bool(w->windowFlags() & Qt::WindowMinMaxButtonsHint), resizable);
        QCOMPARE((w->windowFlags() & Qt::WindowType_Mask) == Qt::Tool, !resizable);
        QCOMPARE(w->minimumSize() == w->maximumSize(), !resizable);
        QVERIFY(w->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey() || w->windowIcon().isNull());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(f.control<QGroupBox>(tanya(node), "Frame1")->title(), QStringLiteral("Jawaban"));
        QCOMPARE(f.control<QAbstractButton>(tanya(node), "Command1")->text(), QStringLiteral("&Diagnosa"));
        auto *back = f.control<QAbstractButton>(tanya(node), "Command2");
        QCOMPARE(back ? back->text() : QString(), kembali);
        QCOMPARE(f.control<QAbstractButton>(tanya(node), "Command3")->text(), awal);
        QCOMPARE(w->focusWidget(), f.control(tanya(node), focus.first()));
        for (qsizetype i = 0; i + 1 < focus.size(); ++i) {
            QWidget *next = f.control(tanya(node), focus.at(i))->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), focus.at(i + 1));
        }
        for (auto *button : w->findChildren<QToolButton *>()) {
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        }
    }

    void geometry_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("tanya0 Pert1") << 0 << "Pert1" << QRect(8, 32, 409, 33);
        QTest::newRow("tanya0 Frame1") << 0 << "Frame1" << QRect(72, 88, 273, 57);
        QTest::newRow("tanya0 ya") << 0 << "ya" << QRect(40, 24, 73, 17);
        QTest::newRow("tanya0 tidak") << 0 << "tidak" << QRect(152, 24, 81, 17);
        QTest::newRow("tanya0 Command1") << 0 << "Command1" << QRect(96, 176, 89, 41);
        QTest::newRow("tanya0 Command3") << 0 << "Command3" << QRect(208, 176, 137, 41);
        QTest::newRow("tanya4 PERT2") << 4 << "PERT2" << QRect(16, 40, 393, 33);
        QTest::newRow("tanya4 Frame1") << 4 << "Frame1" << QRect(72, 96, 273, 57);
        QTest::newRow("tanya4 Command2") << 4 << "Command2" << QRect(136, 184, 97, 41);
        QTest::newRow("tanya12 PERT2") << 12 << "PERT2" << QRect(16, 8, 393, 33);
        QTest::newRow("tanya12 tidak") << 12 << "tidak" << QRect(168, 24, 65, 17);
        QTest::newRow("tanya12 Command3") << 12 << "Command3" << QRect(240, 168, 137, 41);
        QTest::newRow("tanya2 Frame1") << 2 << "Frame1" << QRect(48, 88, 305, 57);
        QTest::newRow("tanya2 Command3") << 2 << "Command3" << QRect(248, 176, 129, 41);
    }
    void geometry()
    {
        QFETCH(int, node);
        QFETCH(QString, control);
        QFETCH(QRect, rect);
        Fixture f;
        f.forms().screen(tanya(node)).show();
        QWidget *c = f.control(tanya(node), control);
        QVERIFY(c);
        QCOMPARE(c->geometry(), rect);
    }

    void fontsAndColours()
    {
        Fixture f;
        const auto font = [&](int node, const char *name) { return f.control(tanya(node), name)->font(); };
        for (int node : {0, 1, 2, 10, 12})
            f.forms().screen(tanya(node)).show();
        // tanya1 has a screen font of its own; tanya0 the default.
        QCOMPARE(f.window(tanya(1))->font().pointSizeF(), 9.75);
        QVERIFY(f.window(tanya(1))->font().bold());
        QCOMPARE(f.window(tanya(0))->font().pointSizeF(), 8.25);
        // Controls without a font of their own follow the screen, not the frame.
        for (const char *name : {"ya", "tidak", "Command1", "Command3"}) {
            QCOMPARE(font(0, name).pointSizeF(), 8.25);
            QVERIFY(!font(0, name).bold());
            QCOMPARE(font(1, name).pointSizeF(), 9.75);
            QVERIFY(font(1, name).bold());
            QCOMPARE(font(2, name).pointSizeF(), 9.75);
            QVERIFY(font(2, name).bold());
        }
        QCOMPARE(font(2, "Frame1").pointSizeF(), 12.0);
        QCOMPARE(font(12, "Frame1").pointSizeF(), 9.75);
        QCOMPARE(rt::designFamily(*f.control(tanya(2), "PERT2")), QStringLiteral("Lucida Sans Unicode"));
        QCOMPARE(font(2, "PERT2").pointSizeF(), 9.75);
        QVERIFY(f.control<QLabel>(tanya(2), "PERT2")->alignment() & Qt::AlignHCenter);
        const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
        QCOMPARE(f.window(tanya(10))->palette().color(QPalette::Window), highlightText);
        QCOMPARE(f.control(tanya(0), "ya")->palette().color(QPalette::Window), highlightText);
        QVERIFY(f.control(tanya(0), "ya")->autoFillBackground());
        QVERIFY(!f.control(tanya(2), "ya")->autoFillBackground());
    }

    void questionsKeepTheirBlanks()
    {
        Fixture f;
        walk(f, "YYYTT");
        QCOMPARE(question(f, 7)->text(), QStringLiteral("Apakah  Suara Anda Menjadi Sengau ?"));
        f.answer(7, false);
        QCOMPARE(question(f, 8)->text(), QStringLiteral("Apakah Anda Mengalami Gangguan Pencernaan ? "));
        QCOMPARE(question(f, 8)->textFormat(), Qt::PlainText);
    }

    // Why the question is asked: on the question and on the answers, as a
    // tool tip and as What's This, shown when the pointer rests on either,
    // the answers included.
    void explainsWhyAsked_data()
    {
        QTest::addColumn<int>("node");
        for (int node = 0; node < 13; ++node)
            QTest::newRow(qPrintable(tanya(node))) << node;
    }
    void explainsWhyAsked()
    {
        QFETCH(int, node);
        Fixture f;
        f.forms().screen(tanya(node)).show();
        const QString why = rt::fromView(knowledge::whyAsked(node));
        QVERIFY(why.startsWith(QStringLiteral("Mengapa ditanyakan? Ya: ")));
        const QString tip = rt::wrapped(why, rt::explanationWidth);
        for (QWidget *part : {static_cast<QWidget *>(question(f, node)), f.control(tanya(node), "Frame1")}) {
            QCOMPARE(tipText(part->toolTip()), tip);
            QCOMPARE(tipText(part->whatsThis()), tip);
        }
        for (const char *hovered : {"ya", "tidak", "Frame1"}) {
            QWidget *w = f.control(tanya(node), hovered);
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &event);
            QCOMPARE(tipText(QToolTip::text()), tip);
            QToolTip::hideText();
        }
        QCOMPARE(question(f, node)->text(), expected::question(node));
    }

    // Shift+F1 on a focused answer shows the frame's What's This.
    void whatsThisByKeys()
    {
        Fixture f;
        f.forms().screen(tanya(9)).show();
        auto *ya = f.control<QRadioButton>(tanya(9), "ya");
        ya->setFocus();
        QTest::keyClick(ya, Qt::Key_F1, Qt::ShiftModifier);
        const QWidgetList shown = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(shown.begin(), shown.end(), [](QWidget *w) {
            return w->isVisible() && QLatin1String(w->metaObject()->className()) == QLatin1String("QWhatsThat");
        }));
        QWhatsThis::hideText();
    }

    void whyOnTanya9()
    {
        Fixture f;
        walk(f, "YYYY");
        QCOMPARE(tipText(question(f, 9)->toolTip()).replace('\n', ' '),
                 QStringLiteral("Mengapa ditanyakan? Ya: Skarlatina, Angina Plaut Vincent atau Influenza. "
                                "Tidak: Abses Parafaring atau Influenza."));
    }
};

QTEST_MAIN(TestTanya)
#include "tst_tanya.moc"
