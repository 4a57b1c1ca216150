// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Model-based test: random user actions on the real program, in-process,
// each followed by a comparison with a model written from the screen graph.
//
// The model knows which screens exist and are open, the two fields of the
// consultation record and whether it exists, the answer chosen on each open
// question screen, what an open result screen shows, the clock label and the
// help view, and which boxes and printer dialog each action brings up.
//
// KTHT_SEED sets the seed (a fixed one by default), KTHT_ACTIONS the number
// of actions, KTHT_TRACE=1 prints every action before it runs (for a crash).
// A mismatch is reported with the seed and the shortest sequence of actions
// from a fresh start that still shows a mismatch.

#include "runtime/messagebox.h"
#include "runtime/record.h"
#include "support/scripted.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <random>

namespace {

// The decision tree as the screen graph draws it: a target is a screen name,
// "=code" a conclusion, empty a dead end.
struct Rule
{
    const char *ya;
    const char *tidak;
    int back;  // -1: no back button
};
const Rule rules[13] = {
    {"tanya1", "", -1},         {"tanya2", "", 0},          {"tanya3", "", 1},
    {"tanya9", "tanya4", 2},    {"tanya5", "tanya7", 3},    {"=ya5", "tanya6", 4},
    {"=ya6", "=tidak6", 5},     {"=ya7", "tanya8", 4},      {"=ya8", "=tidak8", 7},
    {"tanya10", "tanya12", 3},  {"=ya10", "tanya11", 9},    {"=ya11", "=tidak11", 10},
    {"=ya12", "=tidak12", 9},
};

// What the result screen shows for a code: disease and length of the advice.
const std::map<QString, std::pair<QString, int>> diagnoses = {
    {"ya5", {"Laringosil Ventrikularis", 115}}, {"ya6", {"Laringitis Akut", 406}},
    {"tidak6", {"Batuk", 134}},                 {"ya7", {"Abses Peritonsil", 455}},
    {"ya8", {"Faringitis Akut", 163}},          {"tidak8", {"Panas Dalam", 63}},
    {"ya10", {"Skarlatina", 222}},              {"ya11", {"Angina Plaut Vincent", 136}},
    {"tidak11", {"Influenza", 138}},            {"ya12", {"Abses Parafaring", 350}},
    {"tidak12", {"Influenza", 138}},
};

const QString registrationPrompt = QStringLiteral("Masukan Nama Anda untuk Registrasi...?");
const QString namePrompt = QStringLiteral("Tulis Nama Anda :");
const QString noAnswerPrompt = QStringLiteral("Pilih Jawaban Yang Sesuai Dengan Gejala Penyakit Anda");
const QString deadEndPrompt = QStringLiteral("Sistem Tidak Dapat Mendioagnosa !!! ");

QStringList allScreens()
{
    QStringList names{"Utama", "kes2", "bant"};
    for (int i = 0; i < 13; ++i)
        names << QStringLiteral("tanya%1").arg(i);
    return names;
}

int nodeOf(const QString &screen)
{
    return screen.startsWith("tanya") ? screen.mid(5).toInt() : -1;
}

// Shows a text with its control characters and odd code points escaped, so
// a reported action can be typed in again.
QString visible(const QString &text)
{
    if (text.size() > 60)
        return visible(text.left(40)) + QStringLiteral("...(%1 chars)").arg(text.size());
    QString out;
    for (QChar c : text) {
        if (c == '\\' || c == '"')
            out += '\\' + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format
                 || c.isSurrogate() || c.category() == QChar::Mark_NonSpacing)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
        else
            out += c;
    }
    return '"' + out + '"';
}

struct Action
{
    enum Kind { Click, Choose, CloseBox, Tick } kind = Click;
    QString screen;
    QString control;              // button or option
    std::optional<int> reply;     // the message-box answer scripted for it
    std::optional<QString> name;  // the input-box text; none: Cancel
    bool confirm = false;         // the printer dialog's answer
    QTime time;                   // the clock, for Tick

    QString describe() const
    {
        switch (kind) {
        case Choose: return screen + ": choose " + control;
        case CloseBox: return screen + ": close box";
        case Tick: return screen + ": clock tick at " + time.toString("HH:mm:ss");
        case Click: break;
        }
        QString s = screen + ": click " + control;
        if (reply)
            s += QStringLiteral(", box answers %1").arg(*reply);
        if (name)
            s += ", types " + visible(*name);
        else if (reply == rt::AnswerYes && screen == "Utama")
            s += ", cancels the input box";
        if (screen == "kes2" && control == "Command2")
            s += confirm ? ", confirms the printer dialog" : ", cancels the printer dialog";
        return s;
    }
};

using Box = ScriptedPlatform::Box;

// The program as the screen graph describes it.
struct Model
{
    struct Result
    {
        QString names = "Label3", disease = "Frame1";
        int adviceLength = -1;  // -1: the design text "Label1"
    };
    enum class View { Title, Usage, Author, Glossary };

    QStringList open;  // in the order the windows opened
    QSet<QString> created;
    bool hasRecord = false;
    QString namas = "Label1", status = "Label2";
    std::map<QString, QString> answer;  // open question screen -> "", "ya" or "tidak"
    Result result;                      // of the open result screen
    QString jam;                        // the open welcome screen's clock
    View view = View::Title;            // of the open help screen
    bool ended = false;

    // What the last action is expected to have shown.
    QList<Box> boxes;
    int inputs = 0;
    int printDialogs = 0;
    bool printed = false;

    void show(const QString &screen)
    {
        created.insert(screen);
        if (open.contains(screen))
            return;  // only comes to the front
        open << screen;
        if (nodeOf(screen) >= 0)
            answer[screen] = QString();
        if (screen == "Utama")
            jam.clear();
        if (screen == "bant")
            view = View::Title;
        if (screen == "kes2") {
            hasRecord = true;
            result = Result();
            if (const auto found = diagnoses.find(status); found != diagnoses.end())
                result = {namas, found->second.first, found->second.second};
        }
    }
    void close(const QString &screen)
    {
        open.removeAll(screen);
        answer.erase(screen);
        if (open.isEmpty())
            ended = true;
    }
    void handOver(const QString &from, const QString &to)
    {
        show(to);
        close(from);
    }
    void end()
    {
        while (!open.isEmpty())
            close(open.first());
        ended = true;
    }

    void apply(const Action &a, bool helpDefined)
    {
        boxes.clear();
        inputs = 0;
        printDialogs = 0;
        printed = false;
        if (!open.contains(a.screen))
            return;
        switch (a.kind) {
        case Action::CloseBox: close(a.screen); return;
        case Action::Tick: jam = rt::timeText(a.time); return;
        case Action::Choose: answer[a.screen] = a.control; return;
        case Action::Click: break;
        }
        const int node = nodeOf(a.screen);
        if (a.screen == "Utama") {
            if (a.control == "Command1") {
                boxes << Box{registrationPrompt, 292, "Isi Nama"};
                // An answer the script leaves out is OK; all but Yes is No.
                if (a.reply.value_or(rt::AnswerOk) != rt::AnswerYes)
                    return;
                inputs = 1;
                hasRecord = true;
                namas = a.name.value_or(QString());
                handOver("Utama", "tanya0");
            } else if (a.control == "Command2") {
                end();
            } else if (a.control == "Command3" && helpDefined) {
                handOver("Utama", "bant");
            }
        } else if (node >= 0) {
            const Rule &rule = rules[node];
            if (a.control == "Command1") {
                const QString chosen = answer[a.screen];
                if (chosen.isEmpty()) {
                    boxes << Box{noAnswerPrompt, 304, "Informasi"};
                    return;
                }
                const QString outcome = QString::fromLatin1(chosen == "ya" ? rule.ya : rule.tidak);
                if (outcome.isEmpty()) {
                    boxes << Box{deadEndPrompt, 320, "Informasi"};
                } else if (outcome.startsWith('=')) {
                    hasRecord = true;
                    status = outcome.mid(1);
                    handOver(a.screen, "kes2");
                } else {
                    handOver(a.screen, outcome);
                }
            } else if (a.control == "Command2" && rule.back >= 0) {
                handOver(a.screen, QStringLiteral("tanya%1").arg(rule.back));
            } else if (a.control == "Command3") {
                handOver(a.screen, "Utama");
            }
        } else if (a.screen == "kes2") {
            if (a.control == "Command1") {
                handOver("kes2", "Utama");
            } else if (a.control == "Command2") {
                printDialogs = 1;
                printed = a.confirm;
            }
        } else if (a.screen == "bant") {
            if (a.control == "Command1")
                view = View::Usage;
            else if (a.control == "Command2")
                view = View::Author;
            else if (a.control == "Command4")
                view = View::Glossary;
            else if (a.control == "Command3")
                handOver("bant", "Utama");
        }
    }
};

QString caption(const QWidget *w)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(w))
        return box->title();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    return w ? w->property("title").toString() : QString();
}

template <typename T>
QString differ(const char *what, const T &real, const T &model)
{
    if (real == model)
        return {};
    QString r, m;
    QDebug(&r) << real;
    QDebug(&m) << model;
    return QStringLiteral("%1: program has %2, model has %3").arg(what, r.left(300), m.left(300));
}

// After each action, what the event loop would deliver before the user's
// next one: every posted event (layout and update requests, polish, the
// window system's expose and focus events) and the deferred deletes. Not
// the timers: the clock ticks when the model says.
void deliverPostedEvents()
{
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers | QEventLoop::ExcludeSocketNotifiers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One program from a fresh start, driven alongside its model.
class Run
{
public:
    explicit Run(const QString &pdfPath) : pdf_(pdfPath)
    {
        f_ = std::make_unique<Fixture>();
        QObject::connect(&f_->forms(), &rt::Forms::ended, [this] { ++endedSignals_; });
        f_->platform.onPrintDialog = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_);
        };
        f_->program.start();
        model_.show("Utama");
        QFile::remove(pdf_);
    }
    ~Run()
    {
        f_.reset();
        deliverPostedEvents();
    }

    const Model &model() const { return model_; }
    bool helpDefined() const { return f_->forms().isDefined("bant"); }

    // Applies the action to the program and the model; returns the first
    // difference between them afterwards, or an empty text.
    QString step(const Action &a)
    {
        ScriptedPlatform &p = f_->platform;
        p.boxes.clear();
        p.inputs.clear();
        p.answers.clear();
        p.names.clear();
        p.printDialogs = 0;
        if (a.reply)
            p.answers.enqueue(*a.reply);
        if (a.name)
            p.names.enqueue(*a.name);
        p.printConfirmed = a.confirm;
        p.now = a.kind == Action::Tick ? a.time : p.now;

        if (QWidget *w = f_->window(a.screen)) {
            switch (a.kind) {
            case Action::Click:
                if (!f_->click(a.screen, a.control))
                    return "no button " + a.control + " on " + a.screen;
                break;
            case Action::Choose:
                if (!f_->choose(a.screen, a.control))
                    return "no option " + a.control + " on " + a.screen;
                break;
            case Action::CloseBox: w->close(); break;
            case Action::Tick: {
                auto *timer = w->findChild<QTimer *>("Timer1");
                if (!timer || !timer->isActive())
                    return "no running clock on " + a.screen;
                QMetaObject::invokeMethod(timer, "timeout");
                break;
            }
            }
        }
        model_.apply(a, helpDefined());
        deliverPostedEvents();
        return compare();
    }

private:
    QString compare()
    {
        rt::Forms &forms = f_->forms();
        const ScriptedPlatform &p = f_->platform;
        QString d;
        if (!(d = differ("ended", forms.hasEnded(), model_.ended)).isEmpty())
            return d;
        if (!(d = differ("ended signals", endedSignals_, model_.ended ? 1 : 0)).isEmpty())
            return d;
        if (!(d = differ("open screens", forms.openScreens(), model_.open)).isEmpty())
            return d;
        for (const QString &name : allScreens()) {
            if (!forms.isDefined(name))
                continue;
            rt::Screen *s = forms.existing(name);
            if (!(d = differ(qPrintable(name + " exists"), s != nullptr, model_.created.contains(name))).isEmpty())
                return d;
            if (s && !(d = differ(qPrintable(name + " is open"), s->isOpen(), model_.open.contains(name))).isEmpty())
                return d;
        }
        // Every window left is an open screen's, shown; closed ones are gone.
        QStringList windows;
        for (const QWidget *w : QApplication::topLevelWidgets())
            windows << (w->isVisible() ? w->objectName() : "hidden " + w->objectName());
        windows.sort();
        QStringList expected = model_.open;
        expected.sort();
        if (!(d = differ("top-level windows", windows, expected)).isEmpty())
            return d;

        if (!(d = differ("record exists", forms.hasRecord(), model_.hasRecord)).isEmpty())
            return d;
        if (forms.hasRecord()) {
            if (!(d = differ("namas", forms.record().namas(), model_.namas)).isEmpty())
                return d;
            if (!(d = differ("status", forms.record().status(), model_.status)).isEmpty())
                return d;
        }

        QList<QStringList> boxes, expectedBoxes;
        for (const Box &b : p.boxes)
            boxes << QStringList{b.prompt, QString::number(b.style), b.title};
        for (const Box &b : model_.boxes)
            expectedBoxes << QStringList{b.prompt, QString::number(b.style), b.title};
        if (!(d = differ("message boxes", boxes, expectedBoxes)).isEmpty())
            return d;
        if (!(d = differ("input boxes", int(p.inputs.size()), model_.inputs)).isEmpty())
            return d;
        for (const Box &b : p.inputs) {
            if (b.prompt != namePrompt || b.title != "Isi Nama")
                return "input box " + b.prompt + " / " + b.title;
        }
        if (!(d = differ("printer dialogs", p.printDialogs, model_.printDialogs)).isEmpty())
            return d;
        const QFileInfo page(pdf_);
        if (!(d = differ("printed", page.exists() && page.size() > 0, model_.printed)).isEmpty())
            return d;
        QFile::remove(pdf_);

        for (const QString &screen : model_.open) {
            if (!(d = compareScreen(screen)).isEmpty())
                return d;
        }
        return {};
    }

    QString compareScreen(const QString &screen)
    {
        QString d;
        if (nodeOf(screen) >= 0) {
            const auto *ya = f_->control<QRadioButton>(screen, "ya");
            const auto *tidak = f_->control<QRadioButton>(screen, "tidak");
            if (!ya || !tidak)
                return "no options on " + screen;
            const QString chosen = ya->isChecked() ? (tidak->isChecked() ? "both" : "ya")
                                                   : (tidak->isChecked() ? "tidak" : "");
            return differ(qPrintable(screen + " answer"), chosen, model_.answer[screen]);
        }
        if (screen == "Utama") {
            const auto *jam = f_->control<QLabel>("Utama", "jam");
            return jam ? differ("clock", jam->text(), model_.jam) : "no clock";
        }
        if (screen == "kes2") {
            const auto *names = f_->control<QLabel>("kes2", "names");
            const auto *diag = f_->control<QGroupBox>("kes2", "diag");
            const auto *ket = f_->control<QLabel>("kes2", "ket");
            if (!names || !diag || !ket)
                return "kes2 controls missing";
            const Model::Result &r = model_.result;
            if (!(d = differ("kes2 names", names->text(), r.names)).isEmpty())
                return d;
            if (names->textFormat() != Qt::PlainText)
                return "kes2 names is not plain text";
            if (!(d = differ("kes2 disease", diag->title(), r.disease)).isEmpty())
                return d;
            if (r.adviceLength < 0)
                return differ("kes2 advice", ket->text(), QStringLiteral("Label1"));
            if (!ket->text().startsWith("# "))
                return "kes2 advice " + ket->text().left(40);
            return differ("kes2 advice length", int(ket->text().size()), r.adviceLength);
        }
        if (screen == "bant")
            return compareHelp();
        return {};
    }

    // The help panel: heading, and each information label's size, weight and
    // alignment for the view the model expects.
    QString compareHelp()
    {
        struct Look
        {
            const char *heading;
            double sizes[4];
            bool ket4Bold;
            Qt::Alignment alignment;
        };
        static const std::map<Model::View, Look> looks = {
            {Model::View::Title, {"Informasi", {12, 13.5, 13.5, 13.5}, false, Qt::AlignHCenter}},
            {Model::View::Usage, {"Cara Pengunaan", {10, 10, 10, 10}, true, Qt::AlignLeft}},
            {Model::View::Author, {"Pembuat", {12, 12, 12, 12}, true, Qt::AlignHCenter}},
            {Model::View::Glossary, {"Daftar Istilah", {10, 10, 10, 10}, true, Qt::AlignLeft}},
        };
        const Look &look = looks.at(model_.view);
        QString d;
        if (!(d = differ("help heading", caption(f_->control("bant", "Judul")), QString(look.heading))).isEmpty())
            return d;
        for (int i = 0; i < 4; ++i) {
            const auto *ket = f_->control<QLabel>("bant", QStringLiteral("ket%1").arg(i + 1));
            if (!ket)
                return QStringLiteral("help has no ket%1").arg(i + 1);
            const QString which = QStringLiteral("help ket%1 ").arg(i + 1);
            if (!(d = differ(qPrintable(which + "size"), ket->font().pointSizeF(), look.sizes[i])).isEmpty())
                return d;
            if (!(d = differ(qPrintable(which + "bold"), ket->font().bold(), i < 3 || look.ket4Bold)).isEmpty())
                return d;
            const Qt::Alignment horizontal = ket->alignment() & Qt::AlignHorizontal_Mask;
            if (!(d = differ(qPrintable(which + "alignment"), int(horizontal), int(look.alignment))).isEmpty())
                return d;
        }
        if (model_.view == Model::View::Author)
            return differ("help ket4 text", f_->control<QLabel>("bant", "ket4")->text(), QString());
        return {};
    }

    std::unique_ptr<Fixture> f_;
    Model model_;
    QString pdf_;
    int endedSignals_ = 0;
};

// Portable across standard libraries, unlike std::uniform_int_distribution.
struct Random
{
    std::mt19937_64 engine;
    explicit Random(quint64 seed) : engine(seed) {}
    int below(int n) { return int(engine() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
};

QString oddName(Random &r)
{
    static const QStringList fixed = {
        "", " ", "   ", "Budi", "  Ani  ", "\t", "<b>x</b>", "<img src=x>", "&amp;", "&", "a&&b", "Label1", "ya5",
        "Label3", "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d", "\xf0\x9f\x98\x80", "e\xcc\x81", "a\nb", "\r\n", "%1 %2",
        QString(300, 'x'),
    };
    if (r.chance(70))
        return fixed.at(r.below(int(fixed.size())));
    // A few random characters: controls, markup, letters, marks, astral.
    static const QList<char32_t> pool = {0x0, 0x1, 0x7, 0x9, 0xa, 0xd, 0x1b, 0x7f, '<', '>', '&', ';', ' ',
                                         'a', 'Z', 0xa0, 0x301, 0x5d0, 0x627, 0x200e, 0x202e, 0xfeff, 0x1f600,
                                         0x10ffff};
    QString name;
    for (int n = r.below(12); n > 0; --n) {
        const char32_t c = pool.at(r.below(int(pool.size())));
        name += QString::fromUcs4(&c, 1);
    }
    return name;
}

struct Choice
{
    int weight;
    Action action;
};

// The actions the user has on the screens the model says are open.
Action nextAction(Random &r, const Model &m, bool helpDefined, QTime &clock)
{
    QList<Choice> choices;
    const auto add = [&](const QString &screen, int weight, Action::Kind kind, const QString &control = {}) {
        Action a;
        a.kind = kind;
        a.screen = screen;
        a.control = control;
        choices << Choice{weight, a};
    };
    for (const QString &s : m.open) {
        add(s, 1, Action::CloseBox);
        if (s == "Utama") {
            add(s, 24, Action::Click, "Command1");
            add(s, 1, Action::Click, "Command2");
            if (helpDefined)
                add(s, 4, Action::Click, "Command3");
            add(s, 3, Action::Tick);
        } else if (nodeOf(s) >= 0) {
            // Mostly forward, so that many consultations reach a result.
            add(s, 24, Action::Choose, "ya");
            add(s, 16, Action::Choose, "tidak");
            add(s, 48, Action::Click, "Command1");
            if (rules[nodeOf(s)].back >= 0)
                add(s, 1, Action::Click, "Command2");
            add(s, 1, Action::Click, "Command3");
        } else if (s == "kes2") {
            add(s, 12, Action::Click, "Command1");
            add(s, 2, Action::Click, "Command2");
        } else if (s == "bant") {
            for (const char *view : {"Command1", "Command2", "Command4"})
                add(s, 3, Action::Click, view);
            add(s, 4, Action::Click, "Command3");
        }
    }
    int total = 0;
    for (const Choice &c : choices)
        total += c.weight;
    int pick = r.below(total);
    Action a = choices.first().action;
    for (const Choice &c : choices) {
        if ((pick -= c.weight) < 0) {
            a = c.action;
            break;
        }
    }

    // How the boxes the action may bring up are answered.
    if (a.kind == Action::Click && a.screen == "Utama" && a.control == "Command1") {
        static const QList<int> replies = {rt::AnswerYes, rt::AnswerNo, rt::AnswerOk, 2, 0, -1, 3};
        if (r.chance(75))
            a.reply = rt::AnswerYes;
        else if (!r.chance(20))
            a.reply = replies.at(r.below(int(replies.size())));
        if (!r.chance(10))
            a.name = oddName(r);
    } else if (a.kind == Action::Click && nodeOf(a.screen) >= 0 && a.control == "Command1") {
        if (r.chance(60))
            a.reply = QList<int>{rt::AnswerOk, rt::AnswerYes, rt::AnswerNo, 2}.at(r.below(4));
    } else if (a.kind == Action::Click && a.screen == "kes2" && a.control == "Command2") {
        a.confirm = r.chance(50);
    } else if (a.kind == Action::Tick) {
        if (r.chance(60))
            clock = clock.addSecs(r.chance(80) ? 1 : r.below(86400));
        a.time = clock;
    }
    return a;
}

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("KTHT_SEED").toULongLong(&ok, 0);
    return ok ? seed : 20240611;
}

// The actions of the run in progress, printed should the program die.
QStringList *liveHistory = nullptr;
quint64 liveSeed = 0;
QtMessageHandler previousHandler = nullptr;

void reportOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform cannot raise a window; it says so every time.
    if (type == QtWarningMsg && message.contains(QLatin1String("does not support raise()")))
        return;
    if (type == QtFatalMsg && liveHistory) {
        std::fprintf(stderr, "Fatal error with KTHT_SEED=%llu after these actions from a fresh start:\n",
                     static_cast<unsigned long long>(liveSeed));
        for (const QString &line : std::as_const(*liveHistory))
            std::fprintf(stderr, "  %s\n", qPrintable(line));
    }
    previousHandler(type, context, message);
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT
private slots:
    void randomActionsFollowTheModel()
    {
        const quint64 seed = seedFromEnvironment();
        const int count = qEnvironmentVariableIsSet("KTHT_ACTIONS") ? qEnvironmentVariableIntValue("KTHT_ACTIONS")
                                                                     : 20000;
        const bool trace = qEnvironmentVariableIntValue("KTHT_TRACE") != 0;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("seite.pdf");
        Random random(seed);
        QTime clock(10, 0, 0);

        QList<Action> history;  // since the last fresh start
        QStringList lines;
        liveHistory = &lines;
        liveSeed = seed;
        previousHandler = qInstallMessageHandler(reportOnFatal);
        const auto restore = qScopeGuard([] {
            qInstallMessageHandler(previousHandler);
            liveHistory = nullptr;
        });

        auto run = std::make_unique<Run>(pdf);
        int starts = 1, results = 0;
        for (int i = 0; i < count; ++i) {
            if (run->model().ended) {
                run = std::make_unique<Run>(pdf);
                history.clear();
                lines.clear();
                ++starts;
            }
            const Action action = nextAction(random, run->model(), run->helpDefined(), clock);
            history << action;
            lines << action.describe();
            if (trace)
                std::fprintf(stderr, "%d: %s\n", i, qPrintable(lines.last()));
            const bool resultOpen = run->model().open.contains("kes2");
            const QString difference = run->step(action);
            if (!difference.isEmpty()) {
                run.reset();
                liveHistory = nullptr;
                QFAIL(qPrintable(report(seed, i, difference, history, pdf)));
            }
            results += !resultOpen && run->model().open.contains("kes2");
        }
        qInfo("seed %llu: %d actions, %d fresh starts, %d results shown", static_cast<unsigned long long>(seed),
              count, starts, results);
        // Enough consultations reach a result for the walk to mean something.
        QVERIFY(results > count / 100);
    }

private:
    // Shrinks the failing sequence to one from which no single action can be
    // left out without the program then agreeing with the model.
    static QString report(quint64 seed, int index, const QString &difference, QList<Action> actions,
                          const QString &pdf)
    {
        // Replays from a fresh start; keeps in *applied the actions that ran.
        const auto firstDifference = [&](const QList<Action> &sequence, QList<Action> *applied) {
            Run replay(pdf);
            for (const Action &a : sequence) {
                if (!replay.model().open.contains(a.screen))
                    continue;  // no longer reachable once an earlier action went
                *applied << a;
                const QString d = replay.step(a);
                if (!d.isEmpty())
                    return d;
            }
            return QString();
        };
        QList<Action> applied;
        QString shortest = firstDifference(actions, &applied);
        if (!shortest.isEmpty()) {
            actions = applied;
            for (qsizetype i = actions.size() - 1; i >= 0; --i) {
                QList<Action> without = actions;
                without.removeAt(i);
                applied.clear();
                if (const QString d = firstDifference(without, &applied); !d.isEmpty()) {
                    actions = applied;
                    shortest = d;
                    i = std::min(i, actions.size());
                }
            }
        }
        QString text = QStringLiteral("KTHT_SEED=%1, action %2: %3\n").arg(seed).arg(index).arg(difference);
        if (shortest.isEmpty()) {
            text += "It did not happen again when replayed from a fresh start; the actions since that start:\n";
        } else {
            text += "Shortest sequence from a fresh start that shows a difference (" + shortest + "):\n";
        }
        for (const Action &a : actions)
            text += "  " + a.describe() + "\n";
        return text;
    }
};

// QtTest stops a test function after five minutes; a long run, which takes
// about a third of a millisecond an action, is given two milliseconds each.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const qint64 actions = qEnvironmentVariableIntValue("KTHT_ACTIONS");
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(5 * 60 * 1000, 2 * actions)));
    }
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestModel test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_model.moc"
