// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

namespace rt {

// The knowledge base is constant ASCII data; the screens show it as QString.
inline QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Breaks the text's lines at blanks so that none runs over the width, where
// a blank allows; every other character, blanks and line breaks included,
// stays as it is.
inline QString wrapped(QString text, qsizetype width)
{
    qsizetype lineStart = 0;
    qsizetype lastBlank = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool full = i - lineStart >= width;
        if (text[i] == QLatin1Char('\n') || (text[i] == QLatin1Char(' ') && full)) {
            text[i] = QLatin1Char('\n');
            lineStart = i + 1;
            lastBlank = -1;
        } else if (text[i] == QLatin1Char(' ')) {
            lastBlank = i;
        } else if (full && lastBlank > lineStart) {
            text[lastBlank] = QLatin1Char('\n');
            lineStart = lastBlank + 1;
            lastBlank = -1;
        }
    }
    return text;
}

} // namespace rt
