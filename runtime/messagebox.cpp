// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/messagebox.h"

namespace rt {

BoxLook boxLook(int style)
{
    BoxLook look;
    if (style & StyleYesNo) {
        look.buttons = {AnswerYes, AnswerNo};
        look.escapeAnswer = AnswerNo;
    } else {
        look.buttons = {AnswerOk};
    }

    // The icon bits overlap (48 = 32 | 16), so compare the icon group whole.
    switch (style & 0x70) {
    case StyleQuestion: look.icon = BoxIcon::Question; break;
    case StyleExclamation: look.icon = BoxIcon::Warning; break;
    case StyleInformation: look.icon = BoxIcon::Information; break;
    default: look.icon = BoxIcon::None; break;
    }

    // "Second button preselected" only means something where there is one.
    const bool second = (style & StyleSecondDefault) && look.buttons.size() > 1;
    look.defaultAnswer = look.buttons.at(second ? 1 : 0);
    return look;
}

} // namespace rt
