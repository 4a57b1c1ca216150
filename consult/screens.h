// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What differs between the 13 question screens besides their node of the
// decision tree: window, geometry (in twips), captions, fonts, colours and
// focus order. The layout they share lives in tanya.ui.

#include "knowledge/tree.h"

#include <array>
#include <string_view>

namespace consult {

enum class Kind { Tool, Resizable };

// Fonts and colours, where a few screens depart from the shared layout.
struct Style
{
    double screenPoints = 8.25;          // the screen's own font: MS Sans Serif
    bool screenBold = false;
    bool controlsTakeScreenFont = false; // options and buttons have no font of their own
    double framePoints = 12;
    bool highlightScreen = false;        // screen and controls in the highlight-text colour
    bool highlightOptions = false;       // the two options in the highlight-text colour
};

inline constexpr Style plain{};
inline constexpr Style firstScreen{.controlsTakeScreenFont = true, .highlightOptions = true};
inline constexpr Style boldScreen{.screenPoints = 9.75, .screenBold = true, .controlsTakeScreenFont = true,
                                  .highlightOptions = true};
inline constexpr Style highlighted{.highlightScreen = true};
inline constexpr Style smallFrame{.framePoints = 9.75};

struct ScreenLook
{
    std::string_view caption;
    int clientWidth, clientHeight;
    Kind kind;
    std::string_view questionLabel;      // "Pert1" or "PERT2"
    int questionLeft, questionTop, questionWidth;
    int frameLeft, frameTop, frameWidth;
    int tidakLeft, tidakWidth;
    int buttonsTop;
    int diagnosaLeft;
    int kembaliLeft;                     // -1: the screen has no back button
    int awalLeft, awalWidth;
    std::string_view kembaliCaption;
    std::string_view awalCaption;
    std::array<std::string_view, 5> focusOrder;  // by tab index; empty names unused
    Style style = plain;
};

constexpr int noButton = -1;

inline constexpr std::string_view kembali = "&Kembali ";
inline constexpr std::string_view awal = "Kembali Ke &Awal";

inline constexpr std::array<ScreenLook, 13> looks{{
    // tanya0
    {.caption = "Pertanyaan Awal", .clientWidth = 6450, .clientHeight = 3960, .kind = Kind::Tool,
     .questionLabel = "Pert1", .questionLeft = 120, .questionTop = 480, .questionWidth = 6135,
     .frameLeft = 1080, .frameTop = 1320, .frameWidth = 4095, .tidakLeft = 2280, .tidakWidth = 1215,
     .buttonsTop = 2640, .diagnosaLeft = 1440, .kembaliLeft = noButton, .awalLeft = 3120, .awalWidth = 2055,
     .kembaliCaption = {}, .awalCaption = awal,
     .focusOrder = {"Command3", "Command1", "tidak", "ya", ""}, .style = firstScreen},
    // tanya1
    {.caption = "Pertanyaan1", .clientWidth = 6120, .clientHeight = 3690, .kind = Kind::Tool,
     .questionLabel = "Pert1", .questionLeft = 120, .questionTop = 480, .questionWidth = 5895,
     .frameLeft = 840, .frameTop = 1320, .frameWidth = 4095, .tidakLeft = 2280, .tidakWidth = 1215,
     .buttonsTop = 2640, .diagnosaLeft = 600, .kembaliLeft = 2160, .awalLeft = 3840, .awalWidth = 2055,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"ya", "tidak", "Command1", "Command3", "Command2"}, .style = boldScreen},
    // tanya2
    {.caption = "Pertanyaan2", .clientWidth = 6105, .clientHeight = 3690, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 120, .questionTop = 480, .questionWidth = 5895,
     .frameLeft = 720, .frameTop = 1320, .frameWidth = 4575, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 480, .kembaliLeft = 2040, .awalLeft = 3720, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = "&Kembali Ke Awal",
     .focusOrder = {"Command1", "tidak", "ya", "Command2", "Command3"}, .style = plain},
    // tanya3
    {.caption = "Pertanyaan3", .clientWidth = 6165, .clientHeight = 3705, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 120, .questionTop = 480, .questionWidth = 5895,
     .frameLeft = 840, .frameTop = 1320, .frameWidth = 4455, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 480, .kembaliLeft = 2040, .awalLeft = 3720, .awalWidth = 1935,
     .kembaliCaption = "Kembali", .awalCaption = "Kembali Ke Awal",
     .focusOrder = {"Command1", "ya", "tidak", "Command2", "Command3"}, .style = plain},
    // tanya4
    {.caption = "Pertanyaan4", .clientWidth = 6300, .clientHeight = 3780, .kind = Kind::Resizable,
     .questionLabel = "PERT2", .questionLeft = 240, .questionTop = 600, .questionWidth = 5895,
     .frameLeft = 1080, .frameTop = 1440, .frameWidth = 4095, .tidakLeft = 2280, .tidakWidth = 1215,
     .buttonsTop = 2760, .diagnosaLeft = 480, .kembaliLeft = 2040, .awalLeft = 3720, .awalWidth = 2055,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"tidak", "ya", "Command3", "Command2", "Command1"}, .style = plain},
    // tanya5
    {.caption = "Pertanyaan5", .clientWidth = 6675, .clientHeight = 3660, .kind = Kind::Resizable,
     .questionLabel = "PERT2", .questionLeft = 240, .questionTop = 240, .questionWidth = 5895,
     .frameLeft = 1560, .frameTop = 1320, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 960, .kembaliLeft = 2400, .awalLeft = 3960, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = plain},
    // tanya6
    {.caption = "Pertanyaan6", .clientWidth = 6600, .clientHeight = 3795, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 120, .questionTop = 360, .questionWidth = 5895,
     .frameLeft = 1200, .frameTop = 1440, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2880, .diagnosaLeft = 840, .kembaliLeft = 2280, .awalLeft = 3840, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = plain},
    // tanya7
    {.caption = "Pertanyaan5", .clientWidth = 6510, .clientHeight = 3870, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 360, .questionTop = 360, .questionWidth = 5895,
     .frameLeft = 1200, .frameTop = 1320, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 720, .kembaliLeft = 2160, .awalLeft = 3720, .awalWidth = 2055,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "tidak", "ya"}, .style = plain},
    // tanya8
    {.caption = "Pertanyaan6", .clientWidth = 6510, .clientHeight = 3870, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 240, .questionTop = 240, .questionWidth = 5895,
     .frameLeft = 1200, .frameTop = 1080, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 720, .kembaliLeft = 2160, .awalLeft = 3720, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = plain},
    // tanya9
    {.caption = "Pertanyaan4", .clientWidth = 6525, .clientHeight = 3990, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 120, .questionTop = 360, .questionWidth = 5895,
     .frameLeft = 1440, .frameTop = 1320, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2880, .diagnosaLeft = 720, .kembaliLeft = 2160, .awalLeft = 3720, .awalWidth = 2055,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = plain},
    // tanya10
    {.caption = "Pertanyaan5", .clientWidth = 6525, .clientHeight = 3900, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 360, .questionTop = 360, .questionWidth = 5895,
     .frameLeft = 1320, .frameTop = 1320, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2880, .diagnosaLeft = 720, .kembaliLeft = 2160, .awalLeft = 3720, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = highlighted},
    // tanya11
    {.caption = "Pertanyaan6", .clientWidth = 6540, .clientHeight = 3870, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 120, .questionTop = 240, .questionWidth = 5895,
     .frameLeft = 1320, .frameTop = 1200, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2640, .diagnosaLeft = 840, .kembaliLeft = 2280, .awalLeft = 3840, .awalWidth = 1935,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = plain},
    // tanya12
    {.caption = "Pertanyaan5", .clientWidth = 6405, .clientHeight = 3495, .kind = Kind::Tool,
     .questionLabel = "PERT2", .questionLeft = 240, .questionTop = 120, .questionWidth = 5895,
     .frameLeft = 1200, .frameTop = 1200, .frameWidth = 3735, .tidakLeft = 2520, .tidakWidth = 975,
     .buttonsTop = 2520, .diagnosaLeft = 600, .kembaliLeft = 2040, .awalLeft = 3600, .awalWidth = 2055,
     .kembaliCaption = kembali, .awalCaption = awal,
     .focusOrder = {"Command1", "Command2", "Command3", "ya", "tidak"}, .style = smallFrame},
}};

// The caption numbers a question by its depth in the tree.
constexpr bool captionShowsDepth(std::string_view caption, int depth)
{
    constexpr std::string_view word = "Pertanyaan";
    if (depth == 0)
        return caption == "Pertanyaan Awal";
    return depth < 10 && caption.size() == word.size() + 1 && caption.substr(0, word.size()) == word
           && caption.back() == char('0' + depth);
}

constexpr bool captionsShowDepths()
{
    for (std::size_t i = 0; i < looks.size(); ++i) {
        if (!captionShowsDepth(looks[i].caption, knowledge::tree[i].depth))
            return false;
    }
    return true;
}

// A screen has a back button exactly when its node has a back target.
constexpr bool backButtonsFollowTree()
{
    for (std::size_t i = 0; i < looks.size(); ++i) {
        if ((looks[i].kembaliLeft == noButton) != (knowledge::tree[i].back == knowledge::noBack))
            return false;
    }
    return true;
}

static_assert(looks.size() == knowledge::tree.size(), "one question screen per node");
static_assert(captionsShowDepths(), "a question screen's caption must show its node's depth");
static_assert(backButtonsFollowTree(), "a back button needs a back target, and a back target a button");

} // namespace consult
