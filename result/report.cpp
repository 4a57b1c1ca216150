#include "result/report.h"

#include "knowledge/tree.h"
#include "runtime/text.h"

#include <QPrinter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

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
        const QString question = rt::fromView(knowledge::tree[std::size_t(step.node)].question).trimmed();
        paragraph(cursor, question + QStringLiteral("  "), body, 2);
        cursor.insertText(step.answer == knowledge::Answer::Ya ? QStringLiteral("Ya") : QStringLiteral("Tidak"), strong);
    }
}

void print(QPrinter &printer, const Report &report)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    layOut(document, report);
    document.print(&printer);
}

} // namespace result
