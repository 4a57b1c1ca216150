// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The welcome screen: its design, the clock, registration and the way out.

#include "runtime/record.h"
#include "runtime/look.h"
#include "support/scripted.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

namespace {

void tick(Fixture &f)
{
    auto *timer = f.window("Utama")->findChild<QTimer *>("Timer1");
    QVERIFY(timer);
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

class TestUtama : public QObject
{
    Q_OBJECT
private slots:
    void startShowsOnlyTheWelcomeScreen()
    {
        Fixture f;
        f.program.start();
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QVERIFY(!f.forms().hasRecord());
        QVERIFY(!f.forms().existing("tanya0"));
        QWidget *w = f.window("Utama");
        QCOMPARE(w->windowTitle(), QStringLiteral("Selamat Datang"));
        QCOMPARE(w->size(), QSize(631, 435));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(w->windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->focusWidget(), f.control("Utama", "Command1"));
    }

    void controlsFollowTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("Label1") << "Label1" << QRect(16, 48, 609, 30)
                                << "VUVEDO DUVAD IZUDUDAZIRE RIDEVERE VOVOVIDUDED" << "Bookman Old Style" << 14.25 << 600 << true;
        QTest::newRow("jam") << "jam" << QRect(520, 336, 105, 25) << "" << "Monotype Corsiva" << 12.0 << 700 << true;
        QTest::newRow("Command1") << "Command1" << QRect(424, 384, 81, 41) << "Mulai" << "Lucida Sans" << 12.0 << 700 << true;
        QTest::newRow("Command2") << "Command2" << QRect(528, 384, 81, 41) << "Keluar" << "Lucida Sans" << 12.0 << 700 << true;
        QTest::newRow("Command3") << "Command3" << QRect(8, 384, 81, 41) << "Bantuan" << "Lucida Sans" << 12.0 << 700 << true;
    }
    void controlsFollowTheDesign()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        Fixture f;
        f.program.start();
        QWidget *c = f.control("Utama", name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), geometry);
        QCOMPARE(rt::designFamily(*c), family);
        QCOMPARE(c->font().family(), QFont::substitute(family));
        QCOMPARE(c->font().pointSizeF(), points);
        QCOMPARE(c->font().weight(), QFont::Weight(weight));
        QCOMPARE(c->font().italic(), italic);
        if (auto *label = qobject_cast<QLabel *>(c)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(!label->autoFillBackground());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        } else {
            auto *button = qobject_cast<QToolButton *>(c);
            QCOMPARE(button->text(), text);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::white));
        }
    }

    void focusOrder()
    {
        Fixture f;
        f.program.start();
        QWidget *mulai = f.control("Utama", "Command1");
        QCOMPARE(mulai->nextInFocusChain(), f.control("Utama", "Command2"));
        QCOMPARE(f.control("Utama", "Command2")->nextInFocusChain(), f.control("Utama", "Command3"));
    }

    void clockWritesOnlyOnChange()
    {
        Fixture f;
        f.program.start();
        auto *jam = f.control<QLabel>("Utama", "jam");
        auto *timer = f.window("Utama")->findChild<QTimer *>("Timer1");
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        QCOMPARE(jam->text(), QString());

        f.platform.now = QTime(9, 41, 7);
        tick(f);
        QCOMPARE(jam->text(), QStringLiteral("09:41:07"));
        QCOMPARE(f.platform.clockReads, 2);  // compared, then written

        tick(f);  // the same second: compared, not written
        QCOMPARE(f.platform.clockReads, 3);

        f.platform.now = QTime(9, 41, 8);
        tick(f);
        QCOMPARE(jam->text(), QStringLiteral("09:41:08"));
        QCOMPARE(f.platform.clockReads, 5);
    }

    void registration_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("namas");
        QTest::newRow("No") << QList<int>{7} << QStringList{} << false << "";
        QTest::newRow("No twice") << QList<int>{7, 7} << QStringList{} << false << "";
        QTest::newRow("Yes, a name") << QList<int>{6} << QStringList{"Budi Santoso"} << true << "Budi Santoso";
        QTest::newRow("Yes, Cancel") << QList<int>{6} << QStringList{""} << true << "";
        QTest::newRow("Yes, blanks kept") << QList<int>{6} << QStringList{"  Ani  "} << true << "  Ani  ";
        QTest::newRow("No, then Yes") << QList<int>{7, 6} << QStringList{"Sari"} << true << "Sari";
    }
    void registration()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, names);
        QFETCH(bool, registered);
        QFETCH(QString, namas);
        Fixture f;
        f.program.start();
        QWidget *welcome = f.window("Utama");
        for (int answer : answers) {
            f.platform.answers.enqueue(answer);
            if (answer == 6 && !names.isEmpty())
                f.platform.names.enqueue(names.takeFirst());
            QVERIFY(f.click("Utama", "Command1"));
        }
        for (const auto &box : std::as_const(f.platform.boxes)) {
            QCOMPARE(box.prompt, QStringLiteral("Masukan Nama Anda untuk Registrasi...?"));
            QCOMPARE(box.style, 292);
            QCOMPARE(box.title, QStringLiteral("Isi Nama"));
        }
        QCOMPARE(f.platform.boxes.size(), answers.size());
        QCOMPARE(f.forms().hasRecord(), registered);
        QCOMPARE(f.platform.inputs.size(), registered ? 1 : 0);
        if (registered) {
            QCOMPARE(f.platform.inputs.first().prompt, QStringLiteral("Tulis Nama Anda :"));
            QCOMPARE(f.platform.inputs.first().title, QStringLiteral("Isi Nama"));
            QCOMPARE(f.forms().record().namas(), namas);
            QCOMPARE(f.forms().openScreens(), QStringList{"tanya0"});
        } else {
            QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
            QCOMPARE(f.window("Utama"), welcome);
        }
    }

    void secondRegistrationReplacesName()
    {
        Fixture f;
        f.program.start();
        f.registerName("Pertama");
        QVERIFY(f.click("tanya0", "Command3"));
        f.registerName("Kedua");
        QCOMPARE(f.forms().record().namas(), QStringLiteral("Kedua"));
    }

    void returnBuildsAFreshWindowWithEmptyClock()
    {
        Fixture f;
        f.program.start();
        tick(f);
        QVERIFY(!f.control<QLabel>("Utama", "jam")->text().isEmpty());
        f.registerName("x");
        QVERIFY(!f.forms().existing("Utama")->isOpen());
        QVERIFY(f.click("tanya0", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QCOMPARE(f.control<QLabel>("Utama", "jam")->text(), QString());
        QCOMPARE(f.window("Utama")->focusWidget(), f.control("Utama", "Command1"));
    }

    void bantuanHandsOverToHelp()
    {
        Fixture f;
        f.program.start();
        tick(f);
        QVERIFY(f.click("Utama", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"bant"});
        QVERIFY(!f.forms().hasRecord());
        QVERIFY(f.click("bant", "Command3"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QCOMPARE(f.control<QLabel>("Utama", "jam")->text(), QString());
    }

    void keluarEndsAtOnce()
    {
        Fixture f;
        QSignalSpy ended(&f.forms(), &rt::Forms::ended);
        f.program.start();
        QVERIFY(f.click("Utama", "Command2"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(f.forms().openScreens().isEmpty());
        QVERIFY(f.platform.boxes.isEmpty());
    }

    void closeBoxOpensNothingAndEnds()
    {
        Fixture f;
        QSignalSpy ended(&f.forms(), &rt::Forms::ended);
        f.program.start();
        QVERIFY(f.window("Utama")->close());
        QVERIFY(f.forms().openScreens().isEmpty());
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestUtama)
#include "tst_utama.moc"
