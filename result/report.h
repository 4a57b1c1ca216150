// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
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
    QDateTime printed;  // when it was printed; not shown when invalid
};

// Lays the report out as a document: the date and time it was printed, the
// patient's name, the disease as heading, the advice one item a paragraph,
// and the answers that led there. Every text is inserted as plain text.
void layOut(QTextDocument &document, const Report &report);

// Prints the report onto any printer, a PDF file included, with the
// prototype notice at the foot of its last page. Printers are paged paint
// devices: this needs nothing of the print support but the printer.
void print(QPagedPaintDevice &printer, const Report &report);

} // namespace result
