// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/screen.h"

#include <memory>

namespace Ui { class Utama; }

namespace app {

// The welcome screen: title over the background picture, a running clock,
// and the buttons that register a patient, end the program or open help.
class Utama final : public rt::Screen
{
    Q_OBJECT
public:
    explicit Utama(rt::Forms &forms);
    ~Utama() override;

    static constexpr int clockIntervalMs = 500;

protected:
    void build(QWidget &window) override;
    QWidget *firstFocus() const override;

private:
    void tick();
    void mulai();

    std::unique_ptr<Ui::Utama> ui_;
};

} // namespace app
