// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/bant.h"

#include "knowledge/notice.h"
#include "runtime/look.h"
#include "runtime/text.h"
#include "ui_bant.h"

namespace help {
namespace {

// The label style writes take the size as a single-precision number.
void setPoints(QLabel &label, float points)
{
    QFont font = label.font();
    font.setPointSizeF(double(points));
    label.setFont(font);
}

void setBold(QLabel &label)
{
    QFont font = label.font();
    font.setBold(true);
    label.setFont(font);
}

// Labels show their text from the top, as designed.
constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;

} // namespace

Bant::Bant(rt::Forms &forms) : rt::Screen(forms, QStringLiteral("bant")) {}

Bant::~Bant() = default;

void Bant::build(QWidget &window)
{
    ui_ = std::make_unique<Ui::Bant>();
    ui_->setupUi(&window);
    // The printed result ends with the same note; both take it from one place.
    ui_->CP3->setText(rt::fromView(knowledge::prototypeNotice));
    rt::applyWindowKind(window, rt::WindowKind::Tool, rt::pxSize(7350, 6000));
    rt::fillWithSystemColour(window, rt::sys::highlightText);

    // ket1 has no font of its own, so it takes the window's, not the frame's.
    ui_->ket1->setFont(window.font());
    for (QLabel *label : {ui_->ket1, ui_->ket2, ui_->ket3, ui_->ket4})
        rt::fillWithSystemColour(*label, rt::sys::highlightText);
    for (QPushButton *button : {ui_->Command1, ui_->Command2, ui_->Command3, ui_->Command4})
        rt::paintButtonWithSystemColour(*button, rt::sys::highlightText);

    connect(ui_->Command1, &QAbstractButton::clicked, this, &Bant::caraPenggunaan);
    connect(ui_->Command2, &QAbstractButton::clicked, this, &Bant::pembuat);
    connect(ui_->Command4, &QAbstractButton::clicked, this, &Bant::istilah);
    connect(ui_->Command3, &QAbstractButton::clicked, this, [this] { handOver(QStringLiteral("Utama")); });
}

QWidget *Bant::firstFocus() const
{
    return ui_->Command4;
}

void Bant::caraPenggunaan()
{
    ui_->Judul->setTitle(ui_->Label1->text());
    const std::pair<QLabel *, QLabel *> pairs[] = {
        {ui_->ket1, ui_->CP1}, {ui_->ket2, ui_->CP2}, {ui_->ket3, ui_->CP3}, {ui_->ket4, ui_->CP4}};
    for (const auto &[ket, store] : pairs) {
        ket->setText(store->text());
        setPoints(*ket, 10);
        ket->setAlignment(left);
    }
    // ket1 to ket3 are bold by design; only ket4 starts regular.
    setBold(*ui_->ket4);
}

void Bant::pembuat()
{
    ui_->Judul->setTitle(ui_->Judulp->text());

    ui_->ket1->setText(ui_->Pembuat1->text());
    setPoints(*ui_->ket1, 12);
    ui_->ket1->setAlignment(centre);
    setBold(*ui_->ket1);

    ui_->ket2->setText(ui_->Pembuat2->text());
    setPoints(*ui_->ket2, 12);
    ui_->ket2->setAlignment(centre);
    setBold(*ui_->ket2);

    ui_->ket3->setText(ui_->Pembuat3->text());
    ui_->ket3->setAlignment(centre);
    setPoints(*ui_->ket3, 12);
    setBold(*ui_->ket3);

    // Left empty, but still painted as a box inside the frame.
    ui_->ket4->setText(QString());
    ui_->ket4->setAlignment(centre);
    setPoints(*ui_->ket4, 12);
    setBold(*ui_->ket4);
}

void Bant::istilah()
{
    // The heading is the handler's own; no store label holds it.
    ui_->Judul->setTitle(QStringLiteral("Daftar Istilah"));
    const std::pair<QLabel *, QLabel *> pairs[] = {
        {ui_->ket1, ui_->Istilah1}, {ui_->ket2, ui_->Istilah2}, {ui_->ket3, ui_->Istilah3}, {ui_->ket4, ui_->Istilah4}};
    for (const auto &[ket, store] : pairs) {
        ket->setText(store->text());
        setPoints(*ket, 10);
        ket->setAlignment(left);
    }
    setBold(*ui_->ket4);
}

} // namespace help
