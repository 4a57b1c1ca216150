// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's print support, built as a module of its own and loaded by
// rt::printSupport() the first time the user prints (runtime/printsupport.h).

#include "runtime/printsupport.h"

#include <QObject>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class PrintModule final : public QObject, public rt::PrintSupport
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KTHT_PRINT_SUPPORT_IID)
    Q_INTERFACES(rt::PrintSupport)
public:
    void withPrinter(const std::function<void(QPrinter &)> &use) override
    {
        QPrinter printer(QPrinter::HighResolution);
        use(printer);
    }
    bool askPrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

} // namespace

#include "module.moc"
