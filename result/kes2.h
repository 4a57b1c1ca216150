// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/screen.h"

#include <memory>

class QPrinter;
namespace Ui { class Kes2; }

namespace result {

// The result screen: as it opens it looks the record's conclusion code up in
// the conclusion table and shows the name, the disease and the advice, which
// "&Cetak " prints.
class Kes2 final : public rt::Screen
{
    Q_OBJECT
public:
    explicit Kes2(rt::Forms &forms);
    ~Kes2() override;

protected:
    void build(QWidget &window) override;
    void load() override;
    QWidget *firstFocus() const override;

private:
    void cetak();

    std::unique_ptr<Ui::Kes2> ui_;
    QString shownCode_;  // the code this window was loaded with
};

} // namespace result
