// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "result/kes2.h"

#include "knowledge/conclusions.h"
#include "knowledge/explain.h"
#include "result/report.h"
#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/text.h"
#include "runtime/platform.h"
#include "runtime/printsupport.h"
#include "runtime/record.h"
#include "ui_kes2.h"

#include <QPrinter>

namespace result {

Kes2::Kes2(rt::Forms &forms) : rt::Screen(forms, QStringLiteral("kes2")) {}

Kes2::~Kes2() = default;

void Kes2::build(QWidget &window)
{
    ui_ = std::make_unique<Ui::Kes2>();
    rt::applyWindowKind(window, rt::WindowKind::Tool, rt::pxSize(6135, 5670));
    ui_->setupUi(&window);
    rt::fillWithSystemColour(window, rt::sys::buttonFace);
    rt::fillWithSystemColour(*ui_->diag, rt::sys::highlightText);
    for (QWidget *label : {ui_->Label2, ui_->names, ui_->ket})
        rt::fillWithSystemColour(*label, rt::sys::toolTipBackground);
    for (QWidget *button : {ui_->Command1, ui_->Command2})
        rt::paintButtonWithSystemColour(*button, rt::sys::highlightText);
    shownCode_.clear();

    connect(ui_->Command1, &QAbstractButton::clicked, this, [this] { handOver(QStringLiteral("Utama")); });
    connect(ui_->Command2, &QAbstractButton::clicked, this, &Kes2::cetak);
}

void Kes2::load()
{
    // One test a row, each reading the code afresh; at most one matches.
    for (const knowledge::Conclusion &row : knowledge::conclusions) {
        const QString code = record().status();
        if (code != rt::fromView(row.code))
            continue;
        ui_->names->setText(record().namas());
        ui_->diag->setTitle(rt::fromView(row.disease));
        ui_->ket->setText(rt::fromView(row.advice));
        // How the result was reached, on the disease and on the advice.
        const QString how = rt::fromView(knowledge::howReached(row.code));
        rt::explain(*ui_->diag, how);
        rt::explain(*ui_->ket, how);
        shownCode_ = code;
    }
}

QWidget *Kes2::firstFocus() const
{
    return ui_->Command2;
}

void Kes2::cetak()
{
    // Nothing to print with when the print support cannot be loaded; it has
    // said why.
    rt::PrintSupport *support = rt::printSupport();
    if (!support)
        return;
    support->withPrinter([this](QPrinter &printer) {
        if (!platform().printDialog(window(), printer))
            return;
        if (!isOpen())
            return;
        print(printer, {ui_->names->text(), ui_->diag->title(), ui_->ket->text(), shownCode_,
                        platform().currentDateTime()});
    });
}

} // namespace result
