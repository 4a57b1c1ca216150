// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The boxes and the printer dialog as the desktop shows them, for real: each
// run through rt::DesktopPlatform, closed from the test by a key or a click,
// and checked for what the user sees, in the Indonesian the program installs.

#include "runtime/messagebox.h"
#include "runtime/platform.h"
#include "runtime/translation.h"
#include "support/modal.h"
#include "support/scripted.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMultiHash>
#include <QTabBar>
#include <QTabWidget>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHash>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace {

// The visible buttons of a dialog, left to right, as their captions.
QStringList buttonTexts(QWidget *dialog)
{
    QList<QAbstractButton *> buttons;
    for (auto *b : dialog->findChildren<QAbstractButton *>()) {
        if (b->isVisible() && b->window() == dialog && !b->text().isEmpty())
            buttons << b;
    }
    std::sort(buttons.begin(), buttons.end(), [dialog](QWidget *a, QWidget *b) {
        return a->mapTo(dialog, QPoint()).x() < b->mapTo(dialog, QPoint()).x();
    });
    QStringList texts;
    for (auto *b : buttons)
        texts << b->text();
    return texts;
}

QAbstractButton *button(QWidget *dialog, const QString &text)
{
    for (auto *b : dialog->findChildren<QAbstractButton *>()) {
        if (b->text() == text && b->window() == dialog)
            return b;
    }
    return nullptr;
}

// What the user does to a dialog: "close" is the title bar's close box,
// "click:CAPTION" a mouse click on that button, anything else a key.
void act(QWidget *dialog, const QString &how)
{
    if (how == QLatin1String("close")) {
        dialog->windowHandle()->close();
    } else if (how.startsWith(QLatin1String("click:"))) {
        if (auto *b = button(dialog, how.mid(6)))
            QTest::mouseClick(b, Qt::LeftButton);
    } else {
        const QKeyCombination key = QKeySequence::fromString(how)[0];
        QWidget *focus = QApplication::focusWidget();
        QWidget *target = focus && focus->window() == dialog ? focus : dialog;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
}

// What a message box showed.
struct Shown
{
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QString labelText;
    Qt::TextFormat labelFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool iconDrawn = false;
    QStringList buttons;
    QString preselected;
    QString focus;
};

Shown seen(QWidget *w)
{
    Shown s;
    s.title = w->windowTitle();
    s.buttons = buttonTexts(w);
    if (auto *focus = qobject_cast<QAbstractButton *>(QApplication::focusWidget()))
        s.focus = focus->text();
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        s.text = box->text();
        s.format = box->textFormat();
        s.icon = box->icon();
        s.iconDrawn = !box->iconPixmap().isNull();
        if (box->defaultButton())
            s.preselected = box->defaultButton()->text();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            s.labelText = label->text();
            s.labelFormat = label->textFormat();
        }
    }
    return s;
}

const QString printerPdf = QStringLiteral("Cetak ke Berkas (PDF)");

// Points the printer dialog at a PDF file (set, not typed: typing a path
// opens the completer's list).
void choosePdfFile(QWidget *dialog, const QString &path)
{
    if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
        printers->setCurrentIndex(printers->findText(printerPdf));
    if (auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
        file->setText(path);
}

// The access keys a dialog offers, with what carries each: the letter after
// a single "&" in its buttons, tabs, group boxes and labels of fields.
QMultiHash<QChar, QString> accessKeys(QWidget *dialog)
{
    QMultiHash<QChar, QString> keys;
    const auto add = [&keys](const QString &caption) {
        const qsizetype at = QString(caption).replace(QLatin1String("&&"), QLatin1String("__")).indexOf('&');
        if (at >= 0 && at + 1 < caption.size())
            keys.insert(caption.at(at + 1).toLower(), caption);
    };
    for (auto *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != dialog)
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(b->text());
        if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            add(l->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            add(g->title());
        if (auto *t = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(t->tabText(i));
        }
    }
    if (auto *menu = qobject_cast<QMenu *>(dialog)) {
        for (QAction *a : menu->actions())
            add(a->text());
    }
    return keys;
}

// The captions that share an access key, one line per key.
QStringList clashes(const QMultiHash<QChar, QString> &keys)
{
    QStringList found;
    for (QChar key : keys.uniqueKeys()) {
        if (keys.count(key) > 1)
            found << QStringLiteral("Alt+%1: %2").arg(key.toUpper(), QStringList(keys.values(key)).join(", "));
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(QMessageBox::Icon)

class TestDialogs : public QObject
{
    Q_OBJECT
    std::optional<rt::Translation> translation;
    rt::DesktopPlatform platform;

private slots:
    // Building the program installs the catalogue, whatever the locale (the
    // tests run in C); it goes with the program.
    void programInstallsCatalogue()
    {
        // The other tests install it for themselves, whatever happens here.
        const auto install = qScopeGuard([this] { translation.emplace(); });
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        QCOMPARE(yes(), "&Yes");
        {
            ScriptedPlatform scripted;
            app::Program program(scripted);
            QCOMPARE(yes(), "&Ya");
            program.start();
            QVERIFY(program.forms().existing("Utama"));
        }
        QCOMPARE(yes(), "&Yes");
    }

    // Each style the screens use (registration 292, no answer 48 | 256, dead
    // end 64 | 256), closed each way the user can close it.
    void messageBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("preselected");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");

        const QString registration = "Masukan Nama Anda untuk Registrasi...?";
        const QStringList yesNo{"&Ya", "&Tidak"};
        const auto ask = [&](const char *row, const QString &how, int answer) {
            QTest::newRow(row) << 292 << registration << "Isi Nama" << QMessageBox::Question << yesNo << "&Tidak"
                               << how << answer;
        };
        ask("registration, Enter", "Return", 7);
        ask("registration, keypad Enter", "Enter", 7);
        ask("registration, Escape", "Esc", 7);
        ask("registration, close box", "close", 7);
        ask("registration, Alt+Y", "Alt+Y", 6);
        ask("registration, Alt+T", "Alt+T", 7);
        ask("registration, click Ya", "click:&Ya", 6);
        ask("registration, click Tidak", "click:&Tidak", 7);
        QTest::newRow("registration, markup shown as typed")
            << 292 << "<b>Rina</b> &amp; Co" << "Isi Nama" << QMessageBox::Question << yesNo << "&Tidak" << "Alt+Y" << 6;

        const QString noAnswer = "Pilih Jawaban Yang Sesuai Dengan Gejala Penyakit Anda";
        const QString deadEnd = "Sistem Tidak Dapat Mendioagnosa !!! ";
        for (const auto &[how, name] : {std::pair{"Return", "Enter"}, {"Esc", "Escape"}, {"close", "close box"},
                                        {"click:OK", "click OK"}}) {
            QTest::addRow("no answer, %s", name)
                << 304 << noAnswer << "Informasi" << QMessageBox::Warning << QStringList{"OK"} << "OK" << how << 1;
            QTest::addRow("dead end, %s", name)
                << 320 << deadEnd << "Informasi" << QMessageBox::Information << QStringList{"OK"} << "OK" << how << 1;
        }
    }
    void messageBox()
    {
        QFETCH(int, style);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QStringList, buttons);
        QFETCH(QString, preselected);
        QFETCH(QString, how);
        QFETCH(int, answer);

        Shown s;
        whenShown([&](QWidget *w) {
            s = seen(w);
            act(w, how);
        });
        const int returned = platform.messageBox(nullptr, prompt, style, title);

        QCOMPARE(s.title, title);
        QCOMPARE(s.text, prompt);
        QCOMPARE(s.format, Qt::PlainText);
        QCOMPARE(s.labelText, prompt);
        QCOMPARE(s.labelFormat, Qt::PlainText);
        QCOMPARE(s.icon, icon);
        QVERIFY(s.iconDrawn);
        QCOMPARE(s.buttons, buttons);
        QCOMPARE(s.preselected, preselected);
        QCOMPARE(s.focus, preselected);
        QCOMPARE(returned, answer);
    }

    // The name box: starts empty; OK gives the text exactly as typed,
    // Cancel, Escape and the close box an empty one.
    void inputBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter") << "Budi Santoso" << "Return" << "Budi Santoso";
        QTest::newRow("click OK, blanks and markup kept") << "  <b>Ani</b> & Co  " << "click:OK"
                                                          << "  <b>Ani</b> & Co  ";
        QTest::newRow("click OK, nothing typed") << "" << "click:OK" << "";
        QTest::newRow("click Batal") << "Budi" << "click:Batal" << "";
        QTest::newRow("Escape") << "Budi" << "Esc" << "";
        QTest::newRow("close box") << "Budi" << "close" << "";
    }
    void inputBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, name);

        QString title, prompt, start;
        QStringList buttons;
        bool plainPrompt = false;
        whenShown([&](QWidget *w) {
            title = w->windowTitle();
            buttons = buttonTexts(w);
            if (auto *label = w->findChild<QLabel *>()) {
                prompt = label->text();
                plainPrompt = label->textFormat() == Qt::PlainText;
            }
            if (auto *edit = w->findChild<QLineEdit *>()) {
                start = edit->text();
                QTest::keyClicks(edit, typed);
            }
            act(w, how);
        });
        const QString returned = platform.inputBox(nullptr, "Tulis Nama Anda :", "Isi Nama");

        QCOMPARE(title, "Isi Nama");
        QCOMPARE(prompt, "Tulis Nama Anda :");
        QVERIFY(plainPrompt);
        QCOMPARE(start, "");
        QCOMPARE(buttons, (QStringList{"OK", "Batal"}));
        QCOMPARE(returned, name);
    }

    // The printer dialog: false when cancelled, true when confirmed, and
    // its captions in Indonesian.
    void printDialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("click Batal") << "click:Batal" << false;
        QTest::newRow("Escape") << "Esc" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("click Cetak") << "click:&Cetak" << true;
        QTest::newRow("Alt+C") << "Alt+C" << true;
        QTest::newRow("Enter") << "Return" << true;
    }
    void printDialog()
    {
        QFETCH(QString, how);
        QFETCH(bool, confirmed);
        QTemporaryDir dir;
        const QString path = dir.filePath("hasil.pdf");

        QString title;
        QStringList buttons, printers;
        QHash<QString, QString> captions;
        whenShown([&](QWidget *w) {
            title = w->windowTitle();
            buttons = buttonTexts(w);
            if (auto *combo = w->findChild<QComboBox *>(QStringLiteral("printers"))) {
                for (int i = 0; i < combo->count(); ++i)
                    printers << combo->itemText(i);
            }
            for (auto *label : w->findChildren<QLabel *>()) {
                if (label->buddy())
                    captions.insert(label->buddy()->objectName(), label->text());
            }
            choosePdfFile(w, path);
            act(w, how);
        });
        QPrinter printer;
        const bool returned = platform.printDialog(nullptr, printer);

        QCOMPARE(title, "Cetak");
        for (const char *caption : {"P&roperti", "&Opsi >>", "&Cetak", "Batal"})
            QVERIFY2(buttons.contains(caption), qPrintable(buttons.join(", ")));
        QVERIFY2(printers.contains(printerPdf), qPrintable(printers.join(", ")));
        QCOMPARE(captions.value("printers"), "&Nama:");
        QCOMPARE(captions.value("filename"), "&Berkas keluaran:");
        QCOMPARE(returned, confirmed);
        if (confirmed) {
            QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
            QCOMPARE(printer.outputFileName(), path);
        }
    }

    // A file the dialog cannot print to: the warning, in Indonesian, keeps
    // the dialog open; an existing file is overwritten only on Yes.
    void printDialogFileWarning_data()
    {
        QTest::addColumn<QString>("file");  // "DIR" stands for a folder that exists
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("confirmed");
        const QStringList ok{"OK"};
        QTest::newRow("cannot be written") << "DIR/hilang/x.pdf"
                                           << "Berkas DIR/hilang/x.pdf tidak dapat ditulisi.\nSilakan pilih nama berkas lain."
                                           << QMessageBox::Warning << ok << "Return" << false;
        QTest::newRow("a folder") << "DIR" << "DIR adalah direktori.\nSilakan pilih nama berkas lain."
                                  << QMessageBox::Warning << ok << "Esc" << false;
        QTest::newRow("exists, Tidak") << "DIR/ada.pdf" << "DIR/ada.pdf sudah ada.\nApakah Anda ingin menimpanya?"
                                       << QMessageBox::Question << QStringList{"&Ya", "&Tidak"} << "Return" << false;
        QTest::newRow("exists, Ya") << "DIR/ada.pdf" << "DIR/ada.pdf sudah ada.\nApakah Anda ingin menimpanya?"
                                    << QMessageBox::Question << QStringList{"&Ya", "&Tidak"} << "Alt+Y" << true;
    }
    void printDialogFileWarning()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QStringList, buttons);
        QFETCH(QString, answer);
        QFETCH(bool, confirmed);
        const WarningFolder folder;
        QVERIFY(folder.ready);
        file = folder.place(file);
        message = folder.place(message);

        Shown warning;
        bool stayedOpen = false;
        whenShown([&](QWidget *w) {
            choosePdfFile(w, file);
            whenShown(
                [&](QWidget *box) {
                    warning = seen(box);
                    act(box, answer);
                },
                w);
            act(w, "click:&Cetak");
            stayedOpen = w->isVisible();
            if (stayedOpen)
                act(w, "click:Batal");
        });
        QPrinter printer;
        QCOMPARE(platform.printDialog(nullptr, printer), confirmed);

        QCOMPARE(warning.title, "Cetak");
        QCOMPARE(warning.text, message);
        QCOMPARE(warning.icon, icon);
        QCOMPARE(warning.buttons, buttons);
        QCOMPARE(stayedOpen, !confirmed);
        if (confirmed)
            QCOMPARE(printer.outputFileName(), file);
    }

    // Every access key reaches one control only, in each dialog and on each
    // page of the printer dialog, and in the name box's menu.
    void accessKeysUnique()
    {
        QStringList found;
        const auto check = [&found](const QString &where, QWidget *w) {
            for (const QString &clash : clashes(accessKeys(w)))
                found << where + ": " + clash;
        };
        whenShown([&](QWidget *box) {
            check("registration", box);
            act(box, "Esc");
        });
        platform.messageBox(nullptr, "Masukan Nama Anda untuk Registrasi...?", 292, "Isi Nama");
        whenShown([&](QWidget *box) {
            check("name box", box);
            auto *edit = box->findChild<QLineEdit *>();
            QTest::keyClicks(edit, "Budi");
            bool walked = false;
            whenShown([&](QWidget *menu) {
                check("name box menu", menu);
                menu->close();
                walked = true;
            }, box);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(edit, &event);
            QVERIFY(QTest::qWaitFor([&walked] { return walked; }, 5000));
            act(box, "Esc");
        });
        platform.inputBox(nullptr, "Tulis Nama Anda :", "Isi Nama");
        whenShown([&](QWidget *dialog) {
            if (auto *options = button(dialog, "&Opsi >>"))
                options->click();
            auto *tabs = dialog->findChild<QTabWidget *>();
            for (int i = 0; tabs && i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                check("printer dialog, page " + tabs->tabText(i), dialog);
            }
            whenShown([&](QWidget *properties) {
                auto *pages = properties->findChild<QTabWidget *>();
                for (int i = 0; pages && i < pages->count(); ++i) {
                    pages->setCurrentIndex(i);
                    check("printer properties, page " + pages->tabText(i), properties);
                }
                act(properties, "Esc");
            }, dialog);
            if (auto *properties = button(dialog, "P&roperti"))
                properties->click();
            whenShown([&](QWidget *files) {
                check("file dialog", files);
                act(files, "Esc");
            }, dialog);
            if (auto *browse = dialog->findChild<QAbstractButton *>(QStringLiteral("fileBrowser")))
                browse->click();
            act(dialog, "Esc");
        });
        QPrinter printer;
        platform.printDialog(nullptr, printer);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
