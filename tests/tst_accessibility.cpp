// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology sees of each screen through Qt's accessibility
// interface: every window and control named by its caption, with a role that
// fits its kind, and the two answers grouped as "Jawaban".

#include "consult/tanya.h"
#include "knowledge/explain.h"
#include "runtime/text.h"
#include "runtime/record.h"
#include "support/expected.h"
#include "support/scripted.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace {

// What the user reads on a control; an access key's '&' is not shown.
QString caption(QWidget *widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return QString(button->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return QStringLiteral("<no caption for %1>").arg(widget->metaObject()->className());
}

QAccessible::Role expectedRole(QWidget *widget)
{
    if (widget->isWindow())
        return QAccessible::Window;
    if (qobject_cast<QLabel *>(widget))
        return QAccessible::StaticText;
    if (qobject_cast<QGroupBox *>(widget))
        return QAccessible::Grouping;
    if (qobject_cast<QRadioButton *>(widget))
        return QAccessible::RadioButton;
    if (qobject_cast<QAbstractButton *>(widget))
        return QAccessible::Button;
    return QAccessible::NoRole;
}

QAccessibleInterface *accessible(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// Walks the accessible tree below iface, checking each node against the
// widget behind it, and collects the widgets reached.
void walk(QAccessibleInterface *iface, QList<QWidget *> &reached)
{
    auto *widget = qobject_cast<QWidget *>(iface->object());
    QVERIFY2(widget, "an accessible node stands for no widget");
    reached << widget;
    const QString where = widget->window()->objectName() + " / " + widget->objectName();
    QVERIFY2(iface->role() == expectedRole(widget),
             qPrintable(QStringLiteral("%1: role %2, expected %3").arg(where).arg(iface->role())
                            .arg(expectedRole(widget))));
    // An empty label is named as Qt names it, after the frame around it.
    const auto *frame = qobject_cast<QGroupBox *>(widget->parentWidget());
    const bool emptyLabel = qobject_cast<QLabel *>(widget) && caption(widget).isEmpty();
    QVERIFY2(iface->text(QAccessible::Name) == caption(widget)
                 || (emptyLabel && frame && iface->text(QAccessible::Name) == frame->title()),
             qPrintable(QStringLiteral("%1: name \"%2\", caption \"%3\"").arg(where,
                            iface->text(QAccessible::Name), caption(widget))));
    if (widget->focusPolicy() & Qt::TabFocus) {
        QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(where + ": takes the focus but has no name"));
        QVERIFY2(iface->state().focusable, qPrintable(where + ": takes the focus, but is not said to"));
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        QVERIFY2(child, qPrintable(QStringLiteral("%1: child %2 missing").arg(where).arg(i)));
        QVERIFY2(child->parent() == iface, qPrintable(where + ": a child does not lead back to it"));
        walk(child, reached);
        if (QTest::currentTestFailed())
            return;
    }
}

void checkScreen(QWidget *window)
{
    QVERIFY(window);
    QAccessibleInterface *iface = accessible(window);
    QVERIFY(iface);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QList<QWidget *> reached;
    walk(iface, reached);
    if (QTest::currentTestFailed())
        return;
    // Nothing the user can see is kept from assistive technology, and
    // nothing the user cannot see (a text store below the client area) is
    // offered to it.
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
        const bool seen = widget->isVisible() && area.intersects(window->rect());
        QVERIFY2(reached.contains(widget) == seen,
                 qPrintable(widget->objectName() + (seen ? " is not in the accessible tree"
                                                         : " is never seen, but in the accessible tree")));
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void welcome()
    {
        Fixture f;
        f.program.start();
        // The clock shows the time from the first tick on; its name follows it.
        QMetaObject::invokeMethod(f.window("Utama")->findChild<QTimer *>("Timer1"), "timeout");
        checkScreen(f.window("Utama"));
        QAccessibleInterface *jam = accessible(f.control("Utama", "jam"));
        QVERIFY(!jam->text(QAccessible::Name).isEmpty());
        QCOMPARE(jam->text(QAccessible::Description), QStringLiteral("Jam"));
    }

    void questions_data()
    {
        QTest::addColumn<int>("node");
        for (int node = 0; node < 13; ++node)
            QTest::newRow(qPrintable(consult::Tanya::screenName(node))) << node;
    }
    void questions()
    {
        QFETCH(int, node);
        Fixture f;
        const QString screen = consult::Tanya::screenName(node);
        f.forms().screen(screen).show();
        checkScreen(f.window(screen));
        if (QTest::currentTestFailed())
            return;

        // The answers are one group, "Jawaban", that carries the question
        // and why it is asked; the question itself carries the latter.
        QAccessibleInterface *group = accessible(f.control(screen, "Frame1"));
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Jawaban"));
        const QString why = rt::fromView(knowledge::whyAsked(node));
        QCOMPARE(group->text(QAccessible::Description), expected::question(node) + '\n' + why);
        QAccessibleInterface *label = accessible(f.control(screen, node <= 1 ? "Pert1" : "PERT2"));
        QCOMPARE(label->text(QAccessible::Description), why);
        if (node == 9) {
            QCOMPARE(group->text(QAccessible::Description),
                     QStringLiteral("Apakah Anda Mengalami Sakit Kepala ?\nMengapa ditanyakan? Ya: Skarlatina, "
                                    "Angina Plaut Vincent atau Influenza. Tidak: Abses Parafaring atau Influenza."));
        }
        QAccessibleInterface *ya = accessible(f.control(screen, "ya"));
        QAccessibleInterface *tidak = accessible(f.control(screen, "tidak"));
        QCOMPARE(ya->parent(), group);
        QCOMPARE(tidak->parent(), group);

        // The chosen answer is told as checked, the other not.
        QVERIFY(ya->state().checkable && !ya->state().checked && !tidak->state().checked);
        QVERIFY(f.choose(screen, "tidak"));
        QVERIFY(tidak->state().checked && !ya->state().checked);
    }

    // The help screen in each of its views: the names follow the texts the
    // view buttons copy in.
    void help_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("title view") << "";
        QTest::newRow("usage view") << "Command1";
        QTest::newRow("author view") << "Command2";
        QTest::newRow("glossary view") << "Command4";
    }
    void help()
    {
        QFETCH(QString, button);
        Fixture f;
        f.program.start();
        QVERIFY(f.click("Utama", "Command3"));
        if (!button.isEmpty())
            QVERIFY(f.click("bant", button));
        checkScreen(f.window("bant"));
        QCOMPARE(accessible(f.control("bant", "Command4"))->text(QAccessible::Description),
                 QStringLiteral("Beberapa Istilah Penyakit Tenggorokkan"));
    }

    void result()
    {
        Fixture f;
        f.forms().record().setNamas(QStringLiteral("Budi"));
        f.forms().record().setStatus(QStringLiteral("ya7"));
        f.forms().screen("kes2").show();
        checkScreen(f.window("kes2"));
        // "Nama Pasien     :" labels the name beside it (as the frame, with
        // the disease as title, labels everything inside it).
        QList<QAccessibleInterface *> labels;
        for (const auto &relation : accessible(f.control("kes2", "names"))->relations(QAccessible::Label))
            labels << relation.first;
        QVERIFY(labels.contains(accessible(f.control("kes2", "Label2"))));
        QVERIFY(labels.contains(accessible(f.control("kes2", "diag"))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
