// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The form engine: screen instances, show and close, the hand-over, the end
// of the program, the message-box styles and the clock text.

#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/messagebox.h"
#include "runtime/platform.h"
#include "runtime/screen.h"
#include "runtime/text.h"
#include "support/scripted.h"

#include <QCheckBox>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A screen with one piece of state (a check box) and buttons that close it or
// hand over from inside their own handler.
class Probe final : public rt::Screen
{
public:
    Probe(rt::Forms &forms, const QString &name, const QString &target)
        : rt::Screen(forms, name), target_(target) {}
    int builds = 0;
    int loads = 0;

protected:
    void build(QWidget &window) override
    {
        ++builds;
        auto *layout = new QVBoxLayout(&window);
        auto *state = new QCheckBox(QStringLiteral("state"), &window);
        state->setObjectName(QStringLiteral("state"));
        auto *closeButton = new QPushButton(QStringLiteral("close"), &window);
        closeButton->setObjectName(QStringLiteral("close"));
        auto *handOverButton = new QPushButton(QStringLiteral("go"), &window);
        handOverButton->setObjectName(QStringLiteral("go"));
        layout->addWidget(state);
        layout->addWidget(closeButton);
        layout->addWidget(handOverButton);
        rt::applyWindowKind(window, rt::WindowKind::Tool, rt::pxSize(3000, 1500));
        connect(closeButton, &QPushButton::clicked, this, [this] {
            close();
            // The window's widgets are still alive while their handler runs.
            QVERIFY(!isOpen());
        });
        connect(handOverButton, &QPushButton::clicked, this, [this] { handOver(target_); });
    }
    void load() override { ++loads; }

private:
    QString target_;
};

struct Engine
{
    ScriptedPlatform platform;
    rt::Forms forms{platform};
    Engine()
    {
        forms.define(QStringLiteral("a"), [](rt::Forms &f) { return std::make_unique<Probe>(f, "a", "b"); });
        forms.define(QStringLiteral("b"), [](rt::Forms &f) { return std::make_unique<Probe>(f, "b", "a"); });
    }
    Probe &probe(const QString &name) { return static_cast<Probe &>(forms.screen(name)); }
    QCheckBox *state(const QString &name) { return probe(name).window()->findChild<QCheckBox *>("state"); }
    void press(const QString &name, const char *button)
    {
        probe(name).window()->findChild<QPushButton *>(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

class TestRuntime : public QObject
{
    Q_OBJECT
private slots:
    void oneInstancePerScreen()
    {
        Engine e;
        QVERIFY(!e.forms.existing("a"));
        rt::Screen &first = e.forms.screen("a");
        QCOMPARE(&e.forms.screen("a"), &first);
        QCOMPARE(e.forms.existing("a"), &first);
        QVERIFY(!first.isOpen());
        QVERIFY(!e.forms.existing("b"));
    }

    void showBuildsOnceWhileOpen()
    {
        Engine e;
        e.probe("a").show();
        e.state("a")->setChecked(true);
        QWidget *window = e.probe("a").window();
        e.probe("a").show();
        QCOMPARE(e.probe("a").window(), window);
        QVERIFY(e.state("a")->isChecked());
        QCOMPARE(e.probe("a").builds, 1);
        QCOMPARE(e.probe("a").loads, 1);
        QCOMPARE(window->size(), QSize(200, 100));
    }

    void reopenedScreenStartsFromDesign()
    {
        Engine e;
        e.probe("a").show();
        e.probe("b").show();
        e.state("a")->setChecked(true);
        QPointer<QWidget> old = e.probe("a").window();
        e.press("a", "close");
        QVERIFY(!e.probe("a").isOpen());
        QVERIFY(old.isNull());
        e.probe("a").show();
        QVERIFY(!e.state("a")->isChecked());
        QCOMPARE(e.probe("a").builds, 2);
        QCOMPARE(e.probe("a").loads, 2);
    }

    void handOverFromOwnHandler()
    {
        Engine e;
        e.probe("a").show();
        e.press("a", "go");
        QCOMPARE(e.forms.openScreens(), QStringList{"b"});
        e.press("b", "go");
        QCOMPARE(e.forms.openScreens(), QStringList{"a"});
        QVERIFY(!e.forms.hasEnded());
    }

    void closeBoxClosesAtOnce()
    {
        Engine e;
        e.probe("a").show();
        e.probe("b").show();
        QVERIFY(e.probe("b").window()->close());
        QVERIFY(!e.probe("b").isOpen());
        QCOMPARE(e.forms.openScreens(), QStringList{"a"});
        QVERIFY(!e.forms.hasEnded());
    }

    void lastWindowClosedEndsProgram()
    {
        Engine e;
        QSignalSpy ended(&e.forms, &rt::Forms::ended);
        e.probe("a").show();
        e.forms.record();
        QVERIFY(e.probe("a").window()->close());
        QCOMPARE(ended.count(), 1);
        QVERIFY(e.forms.hasEnded());
    }

    void endClosesEverything()
    {
        Engine e;
        QSignalSpy ended(&e.forms, &rt::Forms::ended);
        e.probe("a").show();
        e.probe("b").show();
        e.forms.end();
        QCOMPARE(ended.count(), 1);
        QVERIFY(e.forms.openScreens().isEmpty());
        e.forms.end();
        QCOMPARE(ended.count(), 1);
    }

    void recordCreatedAtFirstAccess()
    {
        Engine e;
        QVERIFY(!e.forms.hasRecord());
        QCOMPARE(e.forms.record().namas(), QStringLiteral("Label1"));
        QCOMPARE(e.forms.record().status(), QStringLiteral("Label2"));
        QVERIFY(e.forms.hasRecord());
        e.forms.record().setNamas("x");
        e.probe("a").show();
        e.press("a", "go");
        QCOMPARE(e.forms.record().namas(), QStringLiteral("x"));
    }

    void messageBoxStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("preselected");
        const QList<int> ok{rt::AnswerOk}, yesNo{rt::AnswerYes, rt::AnswerNo};
        QTest::newRow("0 plain OK") << 0 << ok << int(rt::BoxIcon::None) << 1;
        QTest::newRow("4 yes/no") << 4 << yesNo << int(rt::BoxIcon::None) << 6;
        QTest::newRow("32 question") << 32 << ok << int(rt::BoxIcon::Question) << 1;
        QTest::newRow("48 exclamation") << 48 << ok << int(rt::BoxIcon::Warning) << 1;
        QTest::newRow("64 information") << 64 << ok << int(rt::BoxIcon::Information) << 1;
        QTest::newRow("292 registration") << 292 << yesNo << int(rt::BoxIcon::Question) << 7;
        QTest::newRow("304 no answer") << 304 << ok << int(rt::BoxIcon::Warning) << 1;
        QTest::newRow("320 dead end") << 320 << ok << int(rt::BoxIcon::Information) << 1;
        QTest::newRow("36 yes/no question") << 36 << yesNo << int(rt::BoxIcon::Question) << 6;
    }
    void messageBoxStyles()
    {
        QFETCH(int, style);
        QFETCH(QList<int>, buttons);
        QFETCH(int, icon);
        QFETCH(int, preselected);
        const rt::BoxLook look = rt::boxLook(style);
        QCOMPARE(look.buttons, buttons);
        QCOMPARE(int(look.icon), icon);
        QCOMPARE(look.defaultAnswer, preselected);
        QCOMPARE(look.escapeAnswer, buttons.size() > 1 ? int(rt::AnswerNo) : int(rt::AnswerOk));
    }

    void timeTextHasSecondsAndNoZone_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("C") << "C" << "13:05:09";
        QTest::newRow("en_US") << "en_US" << "1:05:09 PM";
        QTest::newRow("id_ID") << "id_ID" << "13.05.09";
        // The zone first, in round and square brackets, after a comma; and
        // quoted words, one with its full stop, which stay.
        QTest::newRow("zh_CN") << "zh_CN" << "13:05:09";
        QTest::newRow("ca_ES") << "ca_ES" << "13:05:09";
        QTest::newRow("zh_HK") << "zh_HK" << QStringLiteral("\u4e0b\u53481:05:09");
        QTest::newRow("be_BY") << "be_BY" << "13:05:09";
        QTest::newRow("bg_BG") << "bg_BG" << QStringLiteral("13:05:09 \u0447.");
        QTest::newRow("fr_CH") << "fr_CH" << "13.05:09 h";
    }
    void timeTextHasSecondsAndNoZone()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(rt::timeText(QTime(13, 5, 9), QLocale(locale)), expected);
    }

    // Explanations are broken at blanks into lines of a readable length;
    // nothing else of them changes.
    void wrapped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("lines");
        QTest::newRow("fits") << "Ya: Batuk." << 10 << "Ya: Batuk.";
        QTest::newRow("at the last blank that fits") << "aa bb cc dd" << 6 << "aa bb\ncc dd";
        QTest::newRow("own line breaks kept") << "aa\nbb cc dd" << 5 << "aa\nbb cc\ndd";
        QTest::newRow("double blanks kept") << "Apakah  Suara Anda ?  Ya" << 14 << "Apakah  Suara\nAnda ?  Ya";
        QTest::newRow("a word longer than the width") << "Laringosil Ventrikularis" << 5 << "Laringosil\nVentrikularis";
        QTest::newRow("empty") << "" << 5 << "";
    }
    void wrapped()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, lines);
        QCOMPARE(rt::wrapped(text, width), lines);
    }

    void systemColoursFollowPalette()
    {
        QCOMPARE(rt::systemColour(14), QApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(rt::systemColour(15), QApplication::palette().color(QPalette::Button));
        QCOMPARE(rt::systemColour(24), QApplication::palette().color(QPalette::ToolTipBase));
        QCOMPARE(rt::systemColour(7), QApplication::palette().color(QPalette::WindowText));
    }
};

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
