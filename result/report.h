#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace result {

// What the printed page holds: what the result screen shows, and the
// conclusion code it was opened with, from which the answers follow.
struct Report
{
    QString name;
    QString disease;
    QString advice;
    QString code;
};

// Lays the report out as a document: the patient's name, the disease as
// heading, the advice one item a paragraph, and the answers that led there.
// Every text is inserted as plain text.
void layOut(QTextDocument &document, const Report &report);

// Prints the report onto any printer, a PDF file included.
void print(QPrinter &printer, const Report &report);

} // namespace result
