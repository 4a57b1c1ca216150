// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "result/report.h"

#include "knowledge/explain.h"
#include "knowledge/notice.h"
#include "runtime/platform.h"
#include "runtime/text.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

// What QTextDocument's layout takes lengths in before it scales them to its
// paint device (as Qt's own printing code reads it).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT int qt_defaultDpiY();
QT_END_NAMESPACE

namespace result {
namespace {

QTextCharFormat face(double points, bool bold)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("MS Sans Serif")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void paragraph(QTextCursor &cursor, const QString &line, const QTextCharFormat &format, double spaceBefore = 0)
{
    QTextBlockFormat block;
    block.setTopMargin(spaceBefore);
    if (cursor.position() == 0 && cursor.block().text().isEmpty())
        cursor.setBlockFormat(block);
    else
        cursor.insertBlock(block);
    cursor.insertText(line, format);
}

} // namespace

void layOut(QTextDocument &document, const Report &report)
{
    document.clear();
    QTextCursor cursor(&document);
    const QTextCharFormat body = face(11, false);
    const QTextCharFormat strong = face(11, true);

    paragraph(cursor, QStringLiteral("Hasil Diagnosa"), face(11, false));
    if (report.printed.isValid())
        paragraph(cursor, QStringLiteral("Dicetak: ") + rt::dateTimeText(report.printed, QLocale()), face(9, false), 2);
    paragraph(cursor, QStringLiteral("Nama Pasien     :"), strong, 12);
    cursor.insertText(QStringLiteral(" "), body);
    cursor.insertText(report.name, body);
    paragraph(cursor, report.disease, face(16, true), 12);

    // The items of advice are joined by " # "; each starts its own line.
    const QStringList items = report.advice.split(QStringLiteral(" # "));
    for (qsizetype i = 0; i < items.size(); ++i)
        paragraph(cursor, i == 0 ? items[i] : QStringLiteral("# ") + items[i], body, i == 0 ? 8 : 2);

    const knowledge::Path path = knowledge::pathTo(report.code.toStdString());
    if (path.empty())
        return;
    paragraph(cursor, QStringLiteral("Jawaban"), face(12, true), 16);
    for (const knowledge::Step &step : path) {
        paragraph(cursor, rt::fromView(knowledge::quotedQuestion(step.node)) + QStringLiteral("  "), body, 2);
        cursor.insertText(rt::fromView(knowledge::answerName(step.answer)), strong);
    }
}

void print(QPagedPaintDevice &printer, const Report &report)
{
    QTextDocument document;
    layOut(document, report);
    QTextDocument notice;
    notice.setDocumentMargin(0);
    QTextCursor cursor(&notice);
    paragraph(cursor, rt::fromView(knowledge::prototypeNotice), face(9, false));

    // Laid out for the printer's resolution, in pages with margins of 2 cm,
    // as QTextDocument::print lays them out. The layout takes the margin in
    // the toolkit's default resolution and scales it to the printer's.
    for (QTextDocument *d : {&document, &notice})
        d->documentLayout()->setPaintDevice(&printer);
    const QSizeF paper = printer.pageLayout().paintRectPixels(printer.logicalDpiY()).size();
    const qreal perCm = printer.logicalDpiY() / 2.54;
    const qreal margin = 2 * perCm;
    document.setDocumentMargin(margin * qt_defaultDpiY() / printer.logicalDpiY());
    document.setPageSize(paper);
    notice.setTextWidth(paper.width() - 2 * margin);
    const qreal noticeHeight = notice.size().height();

    QPainter painter(&printer);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.translate(0, -page * paper.height());
        document.drawContents(&painter, QRectF(QPointF(0, page * paper.height()), paper));
        painter.restore();
    }
    // The notice stands at the foot of the last page, or of a page of its
    // own when the report leaves no room for it there.
    const qreal top = paper.height() - margin - noticeHeight;
    const qreal used = document.documentLayout()->blockBoundingRect(document.lastBlock()).bottom()
                       - (pages - 1) * paper.height();
    if (used + perCm / 2 > top)
        printer.newPage();
    painter.translate(margin, top);
    notice.drawContents(&painter);
}

} // namespace result
