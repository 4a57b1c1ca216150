// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program by the keyboard alone: whole consultations driven by key events
// on whatever has the focus, Tab reaching every control, and the keys of the
// message and input boxes as the desktop shows them.

#include "runtime/messagebox.h"
#include "support/expected.h"
#include "support/scripted.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

// Stops the test function when a helper has failed.
#define STEP(call)                                                                                                     \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

namespace {

QString tanya(int node)
{
    return QStringLiteral("tanya%1").arg(node);
}

// Where the user's keys go: the focus widget, else the active window.
QWidget *keyTarget()
{
    if (QWidget *focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

void press(QKeyCombination key)
{
    QWidget *target = keyTarget();
    QVERIFY2(target, "no window takes keys");
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

// Waits until the screen's window is the active one and holds the focus.
void waitActive(Fixture &f, const QString &screen)
{
    QTRY_VERIFY2(f.window(screen) && QApplication::activeWindow() == f.window(screen),
                 qPrintable(screen + " is not the active window"));
    QTRY_VERIFY2(QApplication::focusWidget() && QApplication::focusWidget()->window() == f.window(screen),
                 qPrintable(screen + " has no focus"));
}

// Tab into the answers, arrow over to the wanted one, Space to choose it.
void chooseByKeys(Fixture &f, const QString &screen, bool ya)
{
    auto *yes = f.control<QRadioButton>(screen, "ya");
    auto *tidak = f.control<QRadioButton>(screen, "tidak");
    QVERIFY(yes && tidak);
    for (int i = 0; i < 12 && QApplication::focusWidget() != yes && QApplication::focusWidget() != tidak; ++i)
        press(Qt::Key_Tab);
    QRadioButton *wanted = ya ? yes : tidak;
    if (QApplication::focusWidget() != wanted)
        press(wanted == yes ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), wanted);
    press(Qt::Key_Space);
    QVERIFY(wanted->isChecked());
}

QWidget *firstFocus(Fixture &f, int node)
{
    return f.control(tanya(node), expected::focusOrders()[std::size_t(node)].first());
}

// "Mulai" by Space (it has no access key), the boxes answered by the script.
void registerByKeys(Fixture &f, const QString &name)
{
    STEP(waitActive(f, "Utama"));
    QCOMPARE(QApplication::focusWidget(), f.control("Utama", "Command1"));
    f.platform.answers.enqueue(rt::AnswerYes);
    f.platform.names.enqueue(name);
    STEP(press(Qt::Key_Space));
    STEP(waitActive(f, "tanya0"));
}

// The controls Tab visits from the focus on, once round the window.
QList<QWidget *> tabCycle(QWidget *window)
{
    QList<QWidget *> seen;
    for (int i = 0; i < 20; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != window || seen.contains(focus))
            break;
        seen << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return seen;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    // Mulai to the result and back to the welcome screen, by keys alone,
    // for every conclusion of the tree.
    void consultationByKeysAlone_data()
    {
        QTest::addColumn<QString>("code");
        for (const expected::Conclusion &c : expected::conclusions)
            QTest::newRow(c.code.data()) << expected::text(c.code);
    }
    void consultationByKeysAlone()
    {
        QFETCH(QString, code);
        Fixture f;
        f.program.start();
        STEP(registerByKeys(f, "Budi"));

        const expected::Conclusion &c = *expected::conclusion(code);
        const QList<int> nodes = expected::nodes(c);
        for (qsizetype i = 0; i < nodes.size(); ++i) {
            const QString screen = tanya(nodes[i]);
            STEP(waitActive(f, screen));
            QCOMPARE(QApplication::focusWidget(), firstFocus(f, nodes[i]));
            STEP(chooseByKeys(f, screen, c.answers[std::size_t(i)] == 'Y'));
            // The access key presses "&Diagnosa" a moment later.
            STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_D)));
            QTRY_VERIFY(!f.window(screen) || f.window("kes2"));
        }

        STEP(waitActive(f, "kes2"));
        QCOMPARE(QApplication::focusWidget(), f.control("kes2", "Command2"));
        QCOMPARE(f.control<QGroupBox>("kes2", "diag")->title(), expected::text(c.disease));
        QCOMPARE(f.forms().record().status(), code);
        QCOMPARE(f.forms().record().namas(), QStringLiteral("Budi"));

        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_K)));
        STEP(waitActive(f, "Utama"));
        QVERIFY(!f.window("kes2"));
        QCOMPARE(QApplication::focusWidget(), f.control("Utama", "Command1"));
    }

    // The question screens' own ways back, by their access keys.
    void backAndStartByAccessKeys()
    {
        Fixture f;
        f.program.start();
        STEP(registerByKeys(f, "Ani"));
        STEP(chooseByKeys(f, "tanya0", true));
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_D)));
        STEP(waitActive(f, "tanya1"));

        // Alt+K: back one question.
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_K)));
        STEP(waitActive(f, "tanya0"));
        QCOMPARE(f.forms().openScreens(), QStringList{"tanya0"});

        STEP(chooseByKeys(f, "tanya0", true));
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_D)));
        STEP(waitActive(f, "tanya1"));
        // Alt+A: to the start.
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_A)));
        STEP(waitActive(f, "Utama"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
    }

    // Help from the welcome screen and back: Tab and Space to "Bantuan",
    // then the help screen's access keys.
    void helpByKeysAlone()
    {
        Fixture f;
        f.program.start();
        STEP(waitActive(f, "Utama"));
        for (int i = 0; i < 5 && QApplication::focusWidget() != f.control("Utama", "Command3"); ++i)
            STEP(press(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), f.control("Utama", "Command3"));
        STEP(press(Qt::Key_Space));
        STEP(waitActive(f, "bant"));
        QCOMPARE(QApplication::focusWidget(), f.control("bant", "Command4"));

        auto *judul = f.control<QGroupBox>("bant", "Judul");
        const std::pair<Qt::Key, QString> views[] = {
            {Qt::Key_C, "Cara Pengunaan"}, {Qt::Key_P, "Pembuat"}, {Qt::Key_I, "Daftar Istilah"}};
        for (const auto &[key, title] : views) {
            STEP(press(QKeyCombination(Qt::AltModifier, key)));
            QTRY_COMPARE(judul->title(), title);
        }
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_K)));
        STEP(waitActive(f, "Utama"));
        QCOMPARE(QApplication::focusWidget(), f.control("Utama", "Command1"));
    }

    // tanya2 gives K to both back buttons: the key moves the focus between
    // them without pressing either, and Space presses the one it is on.
    void sharedAccessKeyOnlyFocuses()
    {
        Fixture f;
        f.forms().screen("tanya2").show();
        STEP(waitActive(f, "tanya2"));
        QWidget *kembali = f.control("tanya2", "Command2");
        QWidget *awal = f.control("tanya2", "Command3");
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_K)));
        QWidget *first = QApplication::focusWidget();
        QVERIFY(first == kembali || first == awal);
        STEP(press(QKeyCombination(Qt::AltModifier, Qt::Key_K)));
        QCOMPARE(QApplication::focusWidget(), first == kembali ? awal : kembali);
        QTest::qWait(200);  // time enough for a click that should not come
        QCOMPARE(f.forms().openScreens(), QStringList{"tanya2"});

        STEP(press(Qt::Key_Space));
        STEP(waitActive(f, first == kembali ? "Utama" : "tanya1"));
    }

    // Tab goes round every button of a screen and into the answers, so a
    // screen whose buttons carry no access key can still be used.
    void tabReachesEveryControl_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("Utama") << "Utama";
        for (int node = 0; node < 13; ++node)
            QTest::newRow(qPrintable(tanya(node))) << tanya(node);
        QTest::newRow("kes2") << "kes2";
        QTest::newRow("bant") << "bant";
    }
    void tabReachesEveryControl()
    {
        QFETCH(QString, screen);
        Fixture f;
        f.forms().record().setStatus("ya5");
        f.forms().screen(screen).show();
        STEP(waitActive(f, screen));
        QWidget *window = f.window(screen);
        const QList<QWidget *> cycle = tabCycle(window);
        for (auto *button : window->findChildren<QAbstractButton *>()) {
            if (qobject_cast<QRadioButton *>(button))
                continue;
            QVERIFY2(cycle.contains(button), qPrintable(button->objectName() + " is never reached"));
        }
        if (auto *frame = window->findChild<QGroupBox *>("Frame1")) {
            // One stop for the pair; the arrow keys move between them.
            const auto answers = frame->findChildren<QRadioButton *>();
            QVERIFY(std::any_of(answers.begin(), answers.end(), [&](QWidget *a) { return cycle.contains(a); }));
        }
        QCOMPARE(QApplication::focusWidget(), cycle.value(0));
    }

    // The message boxes as the desktop builds them: Enter presses the
    // preselected button, Escape answers No (or OK), and Yes can be reached.
    void messageBoxKeys_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("answer");
        const int registration = rt::StyleYesNo | rt::StyleQuestion | rt::StyleSecondDefault;
        const int noAnswer = rt::StyleExclamation | rt::StyleSecondDefault;
        const int deadEnd = rt::StyleInformation | rt::StyleSecondDefault;
        QTest::newRow("registration, Enter") << registration << "Return" << int(rt::AnswerNo);
        QTest::newRow("registration, keypad Enter") << registration << "Enter" << int(rt::AnswerNo);
        QTest::newRow("registration, Escape") << registration << "Esc" << int(rt::AnswerNo);
        QTest::newRow("registration, Space") << registration << "Space" << int(rt::AnswerNo);
        QTest::newRow("registration, Shift+Tab, Enter") << registration << "Shift+Tab, Return" << int(rt::AnswerYes);
        QTest::newRow("registration, Tab, Enter") << registration << "Tab, Return" << int(rt::AnswerYes);
        QTest::newRow("registration, Tab, Space") << registration << "Tab, Space" << int(rt::AnswerYes);
        QTest::newRow("registration, Alt+Y") << registration << "Alt+Y" << int(rt::AnswerYes);
        QTest::newRow("no answer, Enter") << noAnswer << "Return" << int(rt::AnswerOk);
        QTest::newRow("no answer, Escape") << noAnswer << "Esc" << int(rt::AnswerOk);
        QTest::newRow("dead end, Enter") << deadEnd << "Return" << int(rt::AnswerOk);
        QTest::newRow("dead end, Escape") << deadEnd << "Esc" << int(rt::AnswerOk);
    }
    void messageBoxKeys()
    {
        QFETCH(int, style);
        QFETCH(QString, keys);
        QFETCH(int, answer);
        const auto box = rt::DesktopPlatform::makeMessageBox(nullptr, "Pertanyaan", style, "Judul");
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        const QKeySequence sequence = QKeySequence::fromString(keys);
        for (int i = 0; i < sequence.count(); ++i)
            STEP(press(sequence[i]));
        QTRY_VERIFY(!box->isVisible());
        QCOMPARE(rt::DesktopPlatform::answerOf(*box, style), answer);
    }

    // The name box: Enter takes the text as typed, Escape gives nothing.
    void inputBoxKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter") << "Budi Santoso" << "Return" << "Budi Santoso";
        QTest::newRow("Enter keeps blanks") << "  Ani  " << "Return" << "  Ani  ";
        QTest::newRow("Enter, nothing typed") << "" << "Return" << "";
        QTest::newRow("Escape") << "Budi" << "Esc" << "";
    }
    void inputBoxKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, name);
        const auto box = rt::DesktopPlatform::makeInputBox(nullptr, "Tulis Nama Anda :", "Isi Nama");
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QTest::keyClicks(keyTarget(), typed);
        STEP(press(QKeySequence::fromString(key)[0]));
        QTRY_VERIFY(!box->isVisible());
        QCOMPARE(box->result() == QDialog::Accepted ? box->textValue() : QString(), name);
    }

    // Escape leaves the printer dialog; "&Cetak " goes on all the same.
    void printDialogEscape()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        STEP(press(Qt::Key_Escape));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
