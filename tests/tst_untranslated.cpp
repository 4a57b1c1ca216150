// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// No English left in the toolkit's dialogs: each dialog the program can show
// (and each page, sub-dialog, warning and menu the printer dialog and the
// name box open) is walked for every visible and accessible text, and any
// text equal to a source text the toolkit asked to have translated fails,
// unless it is one of the few that Indonesian writes the same (kept below,
// each with its reason).

#include "runtime/platform.h"
#include "runtime/translation.h"
#include "support/modal.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

namespace {

// Texts Indonesian writes as English does: not left untranslated.
struct Same
{
    const char *pattern;  // the whole text, as a regular expression
    const char *reason;
};
const Same sameInIndonesian[] = {
    {"OK", "the usual caption of the button on Indonesian desktops"},
    {"Printer", "the Indonesian word for a printer"},
    {"Folder", "the Indonesian word for a folder"},
    {"Alias", "the Indonesian word for an alias"},
    {"(mm|pt|in|CC|DD|P̸)", "unit symbols"},
    {"[0-9]+ \\([0-9]+x[0-9]+\\)", "pages per sheet, as columns x rows"},
    {"(Didot|Cicero) \\((DD|CC)\\)", "names of typographic units"},
    {"(JIS |ANSI |PRC |Super )?[A-E][0-9]*( (Plus|Extra|Big))?|PRC (16|32)K( Big)?|(Letter|Tabloid|Ledger) / ANSI [AB]"
     "|(Letter|Legal|Tabloid)( Extra| Plus)?|Quarto|Statement|Note|(Executive|Folio) \\([0-9.]+ x [0-9.]+ in\\)",
     "names of paper sizes, used as they are"},
};

bool sameInBoth(const QString &text)
{
    for (const Same &same : sameInIndonesian) {
        if (QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(same.pattern))).match(text).hasMatch())
            return true;
    }
    return false;
}

// A caption as read: without its access-key marks and the shortcut a menu
// shows after a tab.
QString plain(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text.trimmed();
}

// Hears every text the toolkit asks to have translated, and translates none
// itself; installed after the catalogue, it is asked first.
class Listener : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        Q_UNUSED(context);
        const QString text = plain(QString::fromUtf8(source));
        if (text.contains(QRegularExpression(QStringLiteral("%[0-9]")))) {
            QString pattern = QRegularExpression::escape(text);
            pattern.replace(QRegularExpression(QStringLiteral("%[0-9]")), QStringLiteral(".*"));
            patterns.insert(pattern);
        } else {
            sources.insert(text);
        }
        return QString();
    }
    bool isEmpty() const override { return false; }

    bool isSource(const QString &text) const
    {
        if (sources.contains(text))
            return true;
        for (const QString &pattern : patterns) {
            if (QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                   QRegularExpression::DotMatchesEverythingOption)
                    .match(text)
                    .hasMatch())
                return true;
        }
        return false;
    }

private:
    mutable QSet<QString> sources;
    mutable QSet<QString> patterns;
};

// Every text a user or a screen reader meets in a window.
class Walk
{
public:
    QStringList english(const Listener &listener) const
    {
        QStringList found;
        for (const auto &[where, text] : seen) {
            const QString p = plain(text);
            if (p.contains(QRegularExpression(QStringLiteral("\\p{L}"))) && !sameInBoth(p) && listener.isSource(p))
                found << QStringLiteral("%1: \"%2\"").arg(where, text);
        }
        found.removeDuplicates();
        return found;
    }

    void widgets(QWidget *root)
    {
        QList<QWidget *> all = root->findChildren<QWidget *>();
        all.prepend(root);
        for (QWidget *w : all) {
            if (!w->isVisible())
                continue;
            const QString where = w->metaObject()->className() + QStringLiteral(" ") + w->objectName();
            if (w->isWindow())
                add(where + " title", w->windowTitle());
            add(where + " tool tip", w->toolTip());
            add(where + " status tip", w->statusTip());
            add(where + " what's this", w->whatsThis());
            add(where + " accessible name", w->accessibleName());
            add(where + " accessible description", w->accessibleDescription());
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                add(where, b->text());
            if (auto *l = qobject_cast<QLabel *>(w))
                add(where, l->text());
            if (auto *g = qobject_cast<QGroupBox *>(w))
                add(where, g->title());
            if (auto *e = qobject_cast<QLineEdit *>(w))
                add(where + " placeholder", e->placeholderText());
            if (auto *s = qobject_cast<QSpinBox *>(w)) {
                add(where, s->prefix());
                add(where, s->suffix());
                add(where, s->specialValueText());
            }
            if (auto *c = qobject_cast<QComboBox *>(w)) {
                for (int i = 0; i < c->count(); ++i)
                    add(where + " item", c->itemText(i));
            }
            if (auto *t = qobject_cast<QTabBar *>(w)) {
                for (int i = 0; i < t->count(); ++i) {
                    add(where + " tab", t->tabText(i));
                    add(where + " tab tool tip", t->tabToolTip(i));
                }
            }
            if (auto *v = qobject_cast<QAbstractItemView *>(w); v && v->model()) {
                const auto *m = v->model();
                for (int c = 0; c < m->columnCount(v->rootIndex()); ++c)
                    add(where + " header", m->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; r < std::min(m->rowCount(v->rootIndex()), 50); ++r) {
                    const QModelIndex i = m->index(r, 0, v->rootIndex());
                    add(where + " row", i.data().toString());
                    add(where + " row tool tip", i.data(Qt::ToolTipRole).toString());
                }
            }
            if (auto *menu = qobject_cast<QMenu *>(w))
                actions(where, menu);
        }
        accessible(QAccessible::queryAccessibleInterface(root), root->objectName(), 0);
    }

private:
    void add(const QString &where, const QString &text)
    {
        if (!text.trimmed().isEmpty())
            seen.append({where, text});
    }

    void actions(const QString &where, QMenu *menu)
    {
        for (QAction *a : menu->actions()) {
            add(where + " item", a->text());
            add(where + " item tool tip", a->toolTip() == plain(a->text()) ? QString() : a->toolTip());
            if (a->menu())
                actions(where + " > " + plain(a->text()), a->menu());
        }
    }

    void accessible(QAccessibleInterface *iface, const QString &where, int depth)
    {
        if (!iface || depth > 16 || iface->state().invisible)
            return;
        const QString here = where + "/" + QString::number(int(iface->role()), 16);
        add(here + " accessible name", iface->text(QAccessible::Name));
        add(here + " accessible description", iface->text(QAccessible::Description));
        add(here + " accessible help", iface->text(QAccessible::Help));
        if (auto *action = iface->actionInterface()) {
            for (const QString &name : action->actionNames()) {
                add(here + " action", action->localizedActionName(name));
                add(here + " action description", action->localizedActionDescription(name));
            }
        }
        for (int i = 0; i < std::min(iface->childCount(), 200); ++i)
            accessible(iface->child(i), here, depth + 1);
    }

    QList<std::pair<QString, QString>> seen;
};

template <typename T>
T *find(QWidget *dialog, const QString &caption)
{
    for (auto *w : dialog->findChildren<T *>()) {
        if (w->text() == caption && w->window() == dialog)
            return w;
    }
    return nullptr;
}

// Opens the context menu of a widget as a right click does, walks it with
// its submenus shown, and closes it.
void walkContextMenu(Walk &walk, QWidget *target)
{
    bool walked = false;
    whenShown([&walk, &walked](QWidget *menu) {
        for (QAction *a : menu->actions()) {
            if (a->menu()) {
                a->menu()->popup(menu->mapToGlobal(QPoint(menu->width(), 0)));
                walk.widgets(a->menu());
                a->menu()->close();
            }
        }
        walk.widgets(menu);
        menu->close();
        walked = true;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &event);
    // Some widgets pop their menu up and return at once.
    QVERIFY2(QTest::qWaitFor([&walked] { return walked; }, 5000), "no context menu");
}

// Walks each page of every tab widget in a dialog.
void walkPages(Walk &walk, QWidget *dialog)
{
    walk.widgets(dialog);
    for (auto *tabs : dialog->findChildren<QTabWidget *>()) {
        if (!tabs->isVisible())
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            walk.widgets(dialog);
        }
    }
}

// The printer dialog and a warning it gives for a file name.
void walkFileWarning(Walk &walk, QWidget *dialog, const QString &file)
{
    if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
        edit->setText(file);
    whenShown(
        [&walk](QWidget *box) {
            walk.widgets(box);
            QTest::keyClick(box, Qt::Key_Escape);
        },
        dialog);
    if (auto *print = find<QAbstractButton>(dialog, "&Cetak"))
        print->click();
}

} // namespace

class TestUntranslated : public QObject
{
    Q_OBJECT
    std::optional<rt::Translation> translation{std::in_place};
    Listener listener;
    rt::DesktopPlatform platform;

    void check(const Walk &walk)
    {
        const QStringList english = walk.english(listener);
        QVERIFY2(english.isEmpty(), qPrintable("left in English:\n" + english.join('\n')));
    }
    // Walks the printer dialog with `more` done to it, then cancels it.
    Walk printDialog(const std::function<void(Walk &, QWidget *)> &more)
    {
        Walk walk;
        whenShown([&](QWidget *dialog) {
            walk.widgets(dialog);
            more(walk, dialog);
            if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QPrinter printer;
        platform.printDialog(nullptr, printer);
        return walk;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(translation->isLoaded());
        QCoreApplication::installTranslator(&listener);
    }

    void messageBoxes_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("registration") << 292;
        QTest::newRow("no answer") << 304;
        QTest::newRow("dead end") << 320;
    }
    void messageBoxes()
    {
        QFETCH(int, style);
        Walk walk;
        whenShown([&](QWidget *box) {
            walk.widgets(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        platform.messageBox(nullptr, "Pertanyaan", style, "Judul");
        check(walk);
    }

    void nameBox()
    {
        Walk walk;
        whenShown([&](QWidget *box) {
            walk.widgets(box);
            if (auto *edit = box->findChild<QLineEdit *>()) {
                QTest::keyClicks(edit, "Budi");
                edit->selectAll();
                walkContextMenu(walk, edit);
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        platform.inputBox(nullptr, "Tulis Nama Anda :", "Isi Nama");
        check(walk);
    }

    void printDialogPages()
    {
        check(printDialog([](Walk &walk, QWidget *dialog) {
            if (auto *options = find<QAbstractButton>(dialog, "&Opsi >>"))
                options->click();
            walkPages(walk, dialog);
            if (auto *copies = dialog->findChild<QSpinBox *>(QStringLiteral("copies")))
                walkContextMenu(walk, copies);
        }));
    }

    void printerProperties()
    {
        check(printDialog([](Walk &walk, QWidget *dialog) {
            whenShown(
                [&walk](QWidget *properties) {
                    walkPages(walk, properties);
                    QTest::keyClick(properties, Qt::Key_Escape);
                },
                dialog);
            if (auto *properties = find<QAbstractButton>(dialog, "P&roperti"))
                properties->click();
        }));
    }

    void fileDialog()
    {
        check(printDialog([](Walk &walk, QWidget *dialog) {
            whenShown(
                [&walk](QWidget *files) {
                    walk.widgets(files);
                    if (auto *detail = files->findChild<QAbstractButton *>(QStringLiteral("detailModeButton"))) {
                        detail->click();
                        walk.widgets(files);
                    }
                    if (auto *list = files->findChild<QAbstractItemView *>(QStringLiteral("listView")))
                        walkContextMenu(walk, list->viewport());
                    QTest::keyClick(files, Qt::Key_Escape);
                },
                dialog);
            if (auto *browse = dialog->findChild<QAbstractButton *>(QStringLiteral("fileBrowser")))
                browse->click();
        }));
    }

    void fileWarnings_data()
    {
        QTest::addColumn<QString>("file");  // DIR stands for a folder that exists
        QTest::newRow("cannot be written") << "DIR/hilang/x.pdf";
        QTest::newRow("a folder") << "DIR";
        QTest::newRow("exists") << "DIR/ada.pdf";
    }
    void fileWarnings()
    {
        QFETCH(QString, file);
        const WarningFolder folder;
        QVERIFY(folder.ready);
        file = folder.place(file);
        check(printDialog([&](Walk &walk, QWidget *dialog) { walkFileWarning(walk, dialog, file); }));
    }

    // The check itself: without the catalogue, the same walks find English.
    void englishIsCaughtWithoutTheCatalogue()
    {
        translation.reset();
        Walk names;
        whenShown([&](QWidget *box) {
            names.widgets(box);
            if (auto *edit = box->findChild<QLineEdit *>())
                walkContextMenu(names, edit);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        platform.inputBox(nullptr, "Tulis Nama Anda :", "Isi Nama");
        const Walk printing = printDialog([](Walk &, QWidget *) {});
        translation.emplace();
        QCoreApplication::removeTranslator(&listener);
        QCoreApplication::installTranslator(&listener);

        const QString english = names.english(listener).join('\n') + '\n' + printing.english(listener).join('\n');
        for (const char *text : {"\"Cancel\"", "\"&Copy", "\"Select All", "title: \"Print\"", "\"&Name:\"",
                                 "\"Output &file:\"", "\"P&roperties\""})
            QVERIFY2(english.contains(text), qPrintable(text + ("\nnot in:\n" + english)));
    }
};

QTEST_MAIN(TestUntranslated)
#include "tst_untranslated.moc"
