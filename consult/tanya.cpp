// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consult/tanya.h"

#include "consult/screens.h"
#include "knowledge/explain.h"
#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/text.h"
#include "runtime/messagebox.h"
#include "runtime/pictures.h"
#include "runtime/platform.h"
#include "runtime/record.h"
#include "ui_tanya.h"

namespace consult {
namespace {

QRect twips(int left, int top, int width, int height)
{
    return {rt::px(left), rt::px(top), rt::px(width), rt::px(height)};
}

// An option button reads -1 when chosen and 0 when not.
int value(const QRadioButton *option)
{
    return option->isChecked() ? -1 : 0;
}

} // namespace

Tanya::Tanya(rt::Forms &forms, int node) : rt::Screen(forms, screenName(node)), node_(node) {}

Tanya::~Tanya() = default;

QString Tanya::screenName(int node)
{
    return QStringLiteral("tanya%1").arg(node);
}

void Tanya::build(QWidget &window)
{
    ui_ = std::make_unique<Ui::Tanya>();
    ui_->setupUi(&window);
    const ScreenLook &look = looks[std::size_t(node_)];
    place(window, look);

    connect(ui_->Command1, &QAbstractButton::clicked, this, &Tanya::diagnosa);
    if (ui_->Command2) {
        connect(ui_->Command2, &QAbstractButton::clicked, this,
                [this] { handOver(screenName(knowledge::tree[std::size_t(node_)].back)); });
    }
    connect(ui_->Command3, &QAbstractButton::clicked, this, [this] { handOver(QStringLiteral("Utama")); });
}

void Tanya::place(QWidget &window, const ScreenLook &look)
{
    window.setWindowTitle(rt::fromView(look.caption));
    rt::applyWindowKind(window,
                        look.kind == Kind::Tool ? rt::WindowKind::Tool : rt::WindowKind::Resizable,
                        rt::pxSize(look.clientWidth, look.clientHeight));

    ui_->Pert1->setObjectName(rt::fromView(look.questionLabel));
    ui_->Pert1->setText(rt::fromView(knowledge::tree[std::size_t(node_)].question));
    // Why the question is asked, on hover and Shift+F1; read out when the
    // focus enters the answers, after the question, so both are heard with them.
    const QString why = rt::fromView(knowledge::whyAsked(node_));
    rt::explain(*ui_->Pert1, why);
    rt::explain(*ui_->Frame1, why);
    ui_->Frame1->setAccessibleDescription(ui_->Pert1->text() + QLatin1Char('\n') + why);
    ui_->Pert1->setGeometry(twips(look.questionLeft, look.questionTop, look.questionWidth, 495));
    ui_->Frame1->setGeometry(twips(look.frameLeft, look.frameTop, look.frameWidth, 855));
    ui_->ya->setGeometry(twips(600, 360, 1095, 255));
    ui_->tidak->setGeometry(twips(look.tidakLeft, 360, look.tidakWidth, 255));
    ui_->Command1->setGeometry(twips(look.diagnosaLeft, look.buttonsTop, 1335, 615));
    ui_->Command3->setGeometry(twips(look.awalLeft, look.buttonsTop, look.awalWidth, 615));
    ui_->Command3->setText(rt::fromView(look.awalCaption));
    if (look.kembaliLeft == noButton) {
        delete ui_->Command2;
        ui_->Command2 = nullptr;
    } else {
        ui_->Command2->setGeometry(twips(look.kembaliLeft, look.buttonsTop, 1455, 615));
        ui_->Command2->setText(rt::fromView(look.kembaliCaption));
        ui_->Command2->setIcon(rt::pictureIcon(QStringLiteral(":/assets/kembali.jpg")));
    }
    ui_->Command1->setIcon(rt::icon(QStringLiteral("diagnosa")));
    ui_->Command3->setIcon(rt::pictureIcon(QStringLiteral(":/assets/awal.jpg")));

    // Where the screen has a font of its own, the controls without one take
    // it, not that of the frame around them as Qt would have it.
    const Style &style = look.style;
    QList<QWidget *> usingScreenFont = {ui_->ya, ui_->tidak, ui_->Command1, ui_->Command3};
    if (ui_->Command2)
        usingScreenFont << ui_->Command2;
    const auto takeScreenFont = [&style](QWidget &widget) {
        QFont font = widget.font();
        font.setBold(style.screenBold);
        widget.setFont(font);
        widget.setProperty("pointSizeF", style.screenPoints);
    };
    takeScreenFont(window);
    if (style.controlsTakeScreenFont) {
        for (QWidget *control : usingScreenFont)
            takeScreenFont(*control);
    }
    ui_->Frame1->setProperty("pointSizeF", style.framePoints);

    if (style.highlightScreen) {
        for (QWidget *part : QList<QWidget *>{&window, ui_->Pert1, ui_->Frame1, ui_->ya, ui_->tidak})
            rt::fillWithSystemColour(*part, rt::sys::highlightText);
        for (QWidget *control : usingScreenFont)
            rt::paintButtonWithSystemColour(*control, rt::sys::highlightText);
    }
    if (style.highlightOptions) {
        rt::fillWithSystemColour(*ui_->ya, rt::sys::highlightText);
        rt::fillWithSystemColour(*ui_->tidak, rt::sys::highlightText);
    }

    // Focus order by tab index; the first control has the focus at opening.
    QWidget *previous = nullptr;
    firstFocus_ = nullptr;
    for (std::string_view name : look.focusOrder) {
        if (name.empty())
            continue;
        auto *control = window.findChild<QWidget *>(rt::fromView(name));
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        else
            firstFocus_ = control;
        previous = control;
    }
}

QWidget *Tanya::firstFocus() const
{
    return firstFocus_;
}

void Tanya::diagnosa()
{
    const knowledge::Node &node = knowledge::tree[std::size_t(node_)];
    // Three separate tests, each reading both answers afresh; an outcome that
    // closes the screen ends the evaluation.
    if (value(ui_->ya) == 0 && value(ui_->tidak) == 0) {
        platform().messageBox(window(), QStringLiteral("Pilih Jawaban Yang Sesuai Dengan Gejala Penyakit Anda"),
                              rt::StyleExclamation | rt::StyleSecondDefault, QStringLiteral("Informasi"));
    }
    if (!isOpen())
        return;
    if (value(ui_->ya) == -1 && value(ui_->tidak) == 0)
        carryOut(node.ya);
    if (!isOpen())
        return;
    if (value(ui_->ya) == 0 && value(ui_->tidak) == -1)
        carryOut(node.tidak);
}

void Tanya::carryOut(const knowledge::Outcome &outcome)
{
    switch (outcome.kind) {
    case knowledge::Outcome::Next:
        handOver(screenName(outcome.next));
        break;
    case knowledge::Outcome::Conclusion:
        // Written before the result screen opens: it reads the code as it loads.
        record().setStatus(rt::fromView(outcome.code));
        handOver(QStringLiteral("kes2"));
        break;
    case knowledge::Outcome::DeadEnd:
        platform().messageBox(window(), QStringLiteral("Sistem Tidak Dapat Mendioagnosa !!! "),
                              rt::StyleInformation | rt::StyleSecondDefault, QStringLiteral("Informasi"));
        break;
    }
}

} // namespace consult
