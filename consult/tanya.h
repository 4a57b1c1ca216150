// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/tree.h"
#include "runtime/screen.h"

#include <memory>

class QRadioButton;
namespace Ui { class Tanya; }

namespace consult {

struct ScreenLook;

// A question screen: asks its node's question, and on "&Diagnosa" carries out
// the node's outcome for the chosen answer. All 13 share this class; each
// instance is told which node it holds.
class Tanya final : public rt::Screen
{
    Q_OBJECT
public:
    Tanya(rt::Forms &forms, int node);
    ~Tanya() override;

    static QString screenName(int node);

protected:
    void build(QWidget &window) override;
    QWidget *firstFocus() const override;

private:
    void place(QWidget &window, const ScreenLook &look);
    void diagnosa();
    void carryOut(const knowledge::Outcome &outcome);

    const int node_;
    std::unique_ptr<Ui::Tanya> ui_;
    QWidget *firstFocus_ = nullptr;
};

} // namespace consult
