#pragma once

#include "keypad.h"

#include <array>
#include <cmath>
#include <string_view>

namespace quimbel {

// Positions and sizes in twips (1/1440 inch) from the top-left corner of a
// window's client area; 15 twips make one pixel at 96 dpi.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// Twips to pixels at `dpi`, to the nearest pixel, halves up. Places and sizes
// are never negative.
constexpr int toPixels(int twips, int dpi) {
    return int((long(twips) * dpi + 720) / 1440);
}

// The face both windows are designed in.
inline constexpr std::string_view designFace = "MS Sans Serif";

// A font of the design face; size 0 is the window's default font.
struct FontSpec {
    double pointSize;
    bool bold;
};

struct ControlLayout {
    std::string_view name;
    Twips place;
    FontSpec font;
};

inline constexpr int form1Width = 3210;
inline constexpr int form1Height = 5520;

// Keys lie on a grid 840 twips wide and 600 high below the two lines.
constexpr Twips keyPlace(const KeyDescription& key) {
    return {120 + 840 * (key.column - 1), 1680 + 600 * (key.row - 1), 495, 375};
}

inline constexpr std::string_view title = "Q U I M B E L";

// What a screen reader calls the input line and the result line (UTF-8).
inline constexpr std::string_view text1Name = "saisie";
inline constexpr std::string_view text2Name = "résultat";

// The rest of Form1, from the top of the stacking order down: the two lines,
// then the labels, which every key and line covers.
inline constexpr std::array<ControlLayout, 6> form1Controls{{
    {"Text1", {360, 360, 2055, 495}, {13.5, true}},
    {"Text2", {360, 960, 2055, 495}, {13.5, true}},
    {"Label4", {720, 5160, 1815, 375}, {0, false}},
    {"Label3", {360, 0, 2415, 375}, {9.75, true}},
    // Label2 only paints the window's background over Label1.
    {"Label2", {0, 0, 3255, 4935}, {0, false}},
    {"Label1", {240, 0, 2775, 375}, {9.75, true}},
}};

constexpr const ControlLayout& form1Control(std::string_view name) {
    for (const ControlLayout& control : form1Controls) {
        if (control.name == name)
            return control;
    }
    throw "no such control"; // a compile-time error where used in a constant
}

inline constexpr int aboutWidth = 4680;
inline constexpr int aboutHeight = 3195;

// The About box's labels, bottom of the stacking order first, and its OK key.
inline constexpr std::array<ControlLayout, 4> aboutControls{{
    {"lblHeading", {0, 240, 4695, 855}, {13.5, false}},
    {"lblApplication", {120, 960, 4695, 375}, {13.5, true}},
    {"lblCopyright", {0, 1800, 4695, 375}, {0, false}},
    {"cmdOK", {1920, 2280, 1095, 495}, {0, false}},
}};

// Line1, a horizontal separator.
inline constexpr int aboutLineLeft = 480;
inline constexpr int aboutLineRight = 3960;
inline constexpr int aboutLineTop = 1680;

} // namespace quimbel
