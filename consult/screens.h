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
inline constexpr Style firstScreen{8.25, false, true, 12, false, true};
inline constexpr Style boldScreen{9.75, true, true, 12, false, true};
inline constexpr Style highlighted{8.25, false, false, 12, true, false};
inline constexpr Style smallFrame{8.25, false, false, 9.75, false, false};

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

// clang-format off
inline constexpr std::array<ScreenLook, 13> looks{{
    {"Pertanyaan Awal", 6450, 3960, Kind::Tool,      "Pert1", 120, 480, 6135, 1080, 1320, 4095, 2280, 1215, 2640, 1440, noButton, 3120, 2055, {}, awal,
     {"Command3", "Command1", "tidak", "ya", ""}, firstScreen},
    {"Pertanyaan1",     6120, 3690, Kind::Tool,      "Pert1", 120, 480, 5895,  840, 1320, 4095, 2280, 1215, 2640,  600, 2160, 3840, 2055, kembali, awal,
     {"ya", "tidak", "Command1", "Command3", "Command2"}, boldScreen},
    {"Pertanyaan2",     6105, 3690, Kind::Tool,      "PERT2", 120, 480, 5895,  720, 1320, 4575, 2520,  975, 2640,  480, 2040, 3720, 1935, kembali, "&Kembali Ke Awal",
     {"Command1", "tidak", "ya", "Command2", "Command3"}, plain},
    {"Pertanyaan3",     6165, 3705, Kind::Tool,      "PERT2", 120, 480, 5895,  840, 1320, 4455, 2520,  975, 2640,  480, 2040, 3720, 1935, "Kembali", "Kembali Ke Awal",
     {"Command1", "ya", "tidak", "Command2", "Command3"}, plain},
    {"Pertanyaan4",     6300, 3780, Kind::Resizable, "PERT2", 240, 600, 5895, 1080, 1440, 4095, 2280, 1215, 2760,  480, 2040, 3720, 2055, kembali, awal,
     {"tidak", "ya", "Command3", "Command2", "Command1"}, plain},
    {"Pertanyaan5",     6675, 3660, Kind::Resizable, "PERT2", 240, 240, 5895, 1560, 1320, 3735, 2520,  975, 2640,  960, 2400, 3960, 1935, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, plain},
    {"Pertanyaan6",     6600, 3795, Kind::Tool,      "PERT2", 120, 360, 5895, 1200, 1440, 3735, 2520,  975, 2880,  840, 2280, 3840, 1935, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, plain},
    {"Pertanyaan5",     6510, 3870, Kind::Tool,      "PERT2", 360, 360, 5895, 1200, 1320, 3735, 2520,  975, 2640,  720, 2160, 3720, 2055, kembali, awal,
     {"Command1", "Command2", "Command3", "tidak", "ya"}, plain},
    {"Pertanyaan6",     6510, 3870, Kind::Tool,      "PERT2", 240, 240, 5895, 1200, 1080, 3735, 2520,  975, 2640,  720, 2160, 3720, 1935, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, plain},
    {"Pertanyaan4",     6525, 3990, Kind::Tool,      "PERT2", 120, 360, 5895, 1440, 1320, 3735, 2520,  975, 2880,  720, 2160, 3720, 2055, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, plain},
    {"Pertanyaan5",     6525, 3900, Kind::Tool,      "PERT2", 360, 360, 5895, 1320, 1320, 3735, 2520,  975, 2880,  720, 2160, 3720, 1935, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, highlighted},
    {"Pertanyaan6",     6540, 3870, Kind::Tool,      "PERT2", 120, 240, 5895, 1320, 1200, 3735, 2520,  975, 2640,  840, 2280, 3840, 1935, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, plain},
    {"Pertanyaan5",     6405, 3495, Kind::Tool,      "PERT2", 240, 120, 5895, 1200, 1200, 3735, 2520,  975, 2520,  600, 2040, 3600, 2055, kembali, awal,
     {"Command1", "Command2", "Command3", "ya", "tidak"}, smallFrame},
}};
// clang-format on

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
