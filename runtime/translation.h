// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTranslator>

namespace rt {

// The Indonesian wording of the dialogs the toolkit draws for the program:
// message and input boxes, the printer dialog and all it opens, the menus of
// text fields. The program is Indonesian by design, so the catalogue is
// installed whatever the user's locale. It is compiled into the program
// (translations/) and read from there in place.
class Translation
{
public:
    // Loads the catalogue and installs it on the application.
    Translation();
    // Removes it again.
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    bool isLoaded() const { return loaded_; }

    // Where the compiled catalogue lies in the resources.
    static QString resource();

private:
    QTranslator translator_;
    bool loaded_ = false;
};

} // namespace rt
