// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/forms.h"
#include "runtime/look.h"
#include "runtime/translation.h"

#include <optional>

namespace rt { class Platform; }

namespace app {

// The owner of everything the program holds: the form engine with the
// definitions of all screens, and through it the consultation record.
//
// Data flow: the welcome screen writes the patient's name into the record and
// hands over to the first question screen; the question screens walk the
// decision tree (consult/) and write a conclusion code into the record; the
// result screen (result/) reads both fields when it opens. The help screen
// (help/) stands apart. Every screen reaches another only by its name.
class Program
{
public:
    explicit Program(rt::Platform &platform);

    rt::Forms &forms() { return forms_; }
    // Shows the welcome screen.
    void start();

private:
    // First in, so the toolkit's dialogs speak Indonesian before any window
    // is built; last out.
    rt::Translation translation_;
    rt::Forms forms_;
    std::optional<rt::FontDatabaseWarmUp> fonts_;
};

} // namespace app
