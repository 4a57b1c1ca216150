// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/screen.h"

#include <memory>

class QLabel;
namespace Ui { class Bant; }

namespace help {

// The help screen: one information panel that three buttons switch between
// the usage, author and glossary views by copying texts from labels that lie
// below the client area. It keeps no state beyond its controls.
class Bant final : public rt::Screen
{
    Q_OBJECT
public:
    explicit Bant(rt::Forms &forms);
    ~Bant() override;

protected:
    void build(QWidget &window) override;
    QWidget *firstFocus() const override;

private:
    void caraPenggunaan();
    void pembuat();
    void istilah();

    std::unique_ptr<Ui::Bant> ui_;
};

} // namespace help
