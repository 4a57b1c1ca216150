// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/utama.h"

#include "ui_utama.h"
#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/messagebox.h"
#include "runtime/pictures.h"
#include "runtime/platform.h"
#include "runtime/record.h"

#include <QTimer>

namespace app {

Utama::Utama(rt::Forms &forms) : rt::Screen(forms, QStringLiteral("Utama")) {}

Utama::~Utama() = default;

void Utama::build(QWidget &window)
{
    ui_ = std::make_unique<Ui::Utama>();
    rt::applyWindowKind(window, rt::WindowKind::Fixed, rt::pxSize(9465, 6525));
    ui_->setupUi(&window);
    window.setWindowIcon(rt::icon(QStringLiteral("salib")));

    ui_->Command1->setIcon(rt::icon(QStringLiteral("mulai")));
    ui_->Command2->setIcon(rt::icon(QStringLiteral("keluar")));
    ui_->Command3->setIcon(rt::icon(QStringLiteral("bantuan")));

    auto *timer = new QTimer(&window);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(clockIntervalMs);
    connect(timer, &QTimer::timeout, this, &Utama::tick);
    timer->start();

    connect(ui_->Command1, &QAbstractButton::clicked, this, &Utama::mulai);
    connect(ui_->Command2, &QAbstractButton::clicked, this, [this] { forms().end(); });
    connect(ui_->Command3, &QAbstractButton::clicked, this, [this] { handOver(QStringLiteral("bant")); });
}

QWidget *Utama::firstFocus() const
{
    return ui_->Command1;
}

void Utama::tick()
{
    // Written only when the text changes, so the label repaints once a second.
    if (ui_->jam->text() != rt::timeText(platform().currentTime()))
        ui_->jam->setText(rt::timeText(platform().currentTime()));
}

void Utama::mulai()
{
    const int answer = platform().messageBox(window(), QStringLiteral("Masukan Nama Anda untuk Registrasi...?"),
                                             rt::StyleYesNo | rt::StyleQuestion | rt::StyleSecondDefault,
                                             QStringLiteral("Isi Nama"));
    if (answer != rt::AnswerYes) {
        show();
        return;
    }
    const QString name = platform().inputBox(window(), QStringLiteral("Tulis Nama Anda :"), QStringLiteral("Isi Nama"));
    record().setNamas(name);
    handOver(QStringLiteral("tanya0"));
}

} // namespace app
