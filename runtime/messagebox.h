// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

namespace rt {

// Answers a message box returns, as the screens compare them.
enum Answer : int { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

// Style bits a screen passes to a message box.
enum StyleBit : int {
    StyleYesNo = 4,
    StyleQuestion = 32,
    StyleExclamation = 48,
    StyleInformation = 64,
    StyleSecondDefault = 256,
};

enum class BoxIcon { None, Question, Warning, Information };

// What a style number asks of the box: its buttons (as answers, left to
// right), its icon and the answer of the preselected button.
struct BoxLook
{
    QList<int> buttons;
    BoxIcon icon = BoxIcon::None;
    int defaultAnswer = AnswerOk;
    int escapeAnswer = AnswerOk;
};

BoxLook boxLook(int style);

} // namespace rt
