// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtPlugin>

#include <functional>

class QPrinter;
class QWidget;

namespace rt {

// The toolkit's print support, in a module of its own (runtime/printing/)
// that the program loads the first time the user prints: linked into the
// program, its library was mapped and bound at every start, a tenth of the
// dynamic loader's work, and kept resident all along.
class PrintSupport
{
public:
    virtual ~PrintSupport() = default;

    // Makes a printer at high resolution and hands it to `use`.
    virtual void withPrinter(const std::function<void(QPrinter &)> &use) = 0;
    // Shows the platform's printer dialog for the printer; true when the
    // user confirmed.
    virtual bool askPrinter(QWidget *parent, QPrinter &printer) = 0;
};

// The module, loaded on first use and kept by the toolkit; nullptr, after a
// warning that says why, when it cannot be loaded.
PrintSupport *printSupport();

} // namespace rt

#define KTHT_PRINT_SUPPORT_IID "id.konsultasi_tht.KonsultasiTHT.PrintSupport/1"
Q_DECLARE_INTERFACE(rt::PrintSupport, KTHT_PRINT_SUPPORT_IID)
