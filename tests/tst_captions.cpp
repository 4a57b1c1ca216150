// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// With the installed stand-ins for the designed faces, every caption fits
// its fixed-size control: one-line captions on one line, wrapped texts
// within their label's height.

#include "knowledge/conclusions.h"
#include "runtime/record.h"
#include "support/scripted.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

namespace {

QString shownText(const QString &caption)
{
    QString text = caption;
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What the style leaves for the caption inside a button or option.
int roomFor(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    if (qobject_cast<const QRadioButton *>(button))
        return button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
               - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
}

void checkCaptions(QWidget *window)
{
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QFontMetrics metrics(button->font());
        const QString text = shownText(button->text());
        QVERIFY2(metrics.horizontalAdvance(text) <= roomFor(button),
                 qPrintable(QStringLiteral("%1 / %2: \"%3\" needs %4 px, has %5").arg(window->objectName(),
                     button->objectName(), text).arg(metrics.horizontalAdvance(text)).arg(roomFor(button))));
        if (auto *tool = qobject_cast<const QToolButton *>(button)) {
            const int needed = tool->iconSize().height() + metrics.height();
            QVERIFY2(needed <= tool->height() - 2,
                     qPrintable(QStringLiteral("%1 / %2: picture and caption need %3 px, have %4")
                                    .arg(window->objectName(), tool->objectName()).arg(needed).arg(tool->height())));
        }
    }
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const int width = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
        QVERIFY2(width <= frame->width() - 16,
                 qPrintable(QStringLiteral("%1 / %2: title \"%3\" needs %4 px, has %5").arg(window->objectName(),
                     frame->objectName(), frame->title()).arg(width).arg(frame->width() - 16)));
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QRect needed = label->wordWrap()
            ? metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap | label->alignment(), label->text())
            : metrics.boundingRect(label->text());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 / %2: \"%3\" needs %4 x %5 px, has %6 x %7").arg(window->objectName(),
                     label->objectName(), label->text().left(40)).arg(needed.width()).arg(needed.height())
                     .arg(room.width()).arg(room.height())));
    }
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT
private slots:
    void standInsAreInstalled_data()
    {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QString>("installed");
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Lucida Sans") << "Lucida Sans" << "Liberation Sans";
        QTest::newRow("Lucida Sans Unicode") << "Lucida Sans Unicode" << "Liberation Sans";
        QTest::newRow("Bookman Old Style") << "Bookman Old Style" << "URW Bookman";
        QTest::newRow("Monotype Corsiva") << "Monotype Corsiva" << "Z003";
    }
    void standInsAreInstalled()
    {
        QFETCH(QString, designed);
        QFETCH(QString, installed);
        Fixture f;  // installs the stand-ins
        const QString family = QFontInfo(QFont(designed, 12)).family();
        QVERIFY2(family == installed || family.startsWith(installed + " ["), qPrintable(family));
    }

    void welcome()
    {
        Fixture f;
        f.program.start();
        checkCaptions(f.window("Utama"));
    }

    void questions_data()
    {
        QTest::addColumn<int>("node");
        for (int node = 0; node < 13; ++node)
            QTest::newRow(qPrintable(QStringLiteral("tanya%1").arg(node))) << node;
    }
    void questions()
    {
        QFETCH(int, node);
        Fixture f;
        const QString name = QStringLiteral("tanya%1").arg(node);
        f.forms().screen(name).show();
        checkCaptions(f.window(name));
    }

    void results_data()
    {
        QTest::addColumn<QString>("code");
        for (const auto &row : knowledge::conclusions)
            QTest::newRow(row.code.data()) << QString::fromLatin1(row.code.data(), qsizetype(row.code.size()));
    }
    void results()
    {
        QFETCH(QString, code);
        Fixture f;
        f.forms().record().setNamas(QStringLiteral("Nama Pasien Panjang"));
        f.forms().record().setStatus(code);
        f.forms().screen("kes2").show();
        checkCaptions(f.window("kes2"));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
