#pragma once

#include "identity.h"
#include "keypad.h"

#include <algorithm>
#include <array>
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

// The face the three windows are designed in.
inline constexpr std::string_view designFace = "MS Sans Serif";

// A font of the design face.
struct FontSpec {
    double pointSize;
    bool bold;
};

// The font of every control that has none of its own, in all three windows.
inline constexpr FontSpec defaultFont{8.25, false};

struct ControlLayout {
    std::string_view name;
    Twips place;
    FontSpec font;
    std::string_view caption; // UTF-8, as the window is loaded
};

inline constexpr int form1Width = 3210;
inline constexpr int form1Height = 5520;

// Keys lie on a grid 840 twips wide and 600 high below the two lines.
constexpr Twips keyPlace(const KeyDescription& key) {
    return {120 + 840 * (key.column - 1), 1680 + 600 * (key.row - 1), 495, 375};
}

inline constexpr std::string_view title = "Q U I M B E L";
// Label1, which Label2 hides: the title padded with blanks.
inline constexpr std::string_view paddedTitle = "   Q U I M B E L   ";
static_assert(paddedTitle.substr(3, title.size()) == title);

// What a screen reader calls the input line and the result line (UTF-8).
inline constexpr std::string_view text1Name = "saisie";
inline constexpr std::string_view text2Name = "résultat";

// The rest of Form1, from the top of the stacking order down: the two lines,
// then the labels, which every key and line covers.
inline constexpr std::array<ControlLayout, 6> form1Controls{{
    {"Text1", {360, 360, 2055, 495}, {13.5, true}, ""},
    {"Text2", {360, 960, 2055, 495}, {13.5, true}, ""},
    {"Label4", {720, 5160, 1815, 375}, defaultFont, copyrightNotice},
    {"Label3", {360, 0, 2415, 375}, {9.75, true}, title},
    // Label2 only paints the window's background over Label1.
    {"Label2", {0, 0, 3255, 4935}, defaultFont, ""},
    {"Label1", {240, 0, 2775, 375}, {9.75, true}, paddedTitle},
}};

namespace detail {

// Never defined, and not constexpr: reaching it stops the compilation.
void noSuchControl();

template <std::size_t size>
consteval const ControlLayout& named(const std::array<ControlLayout, size>& table,
                                     std::string_view name) {
    for (const ControlLayout& control : table) {
        if (control.name == name)
            return control;
    }
    noSuchControl();
    return table.front();
}

} // namespace detail

// Evaluated while compiling, so a misspelt name does not compile.
consteval const ControlLayout& form1Control(std::string_view name) {
    return detail::named(form1Controls, name);
}

inline constexpr int aboutWidth = 4680;
inline constexpr int aboutHeight = 3195;

inline constexpr std::string_view aboutTitle = "À propos";

// The About box's labels, bottom of the stacking order first, with the
// placeholders they show until the caller fills them, and its OK key.
inline constexpr std::array<ControlLayout, 4> aboutControls{{
    {"lblHeading", {0, 240, 4695, 855}, {13.5, false}, "- Heading -"},
    {"lblApplication", {120, 960, 4695, 375}, {13.5, true}, "- Application -"},
    {"lblCopyright", {0, 1800, 4695, 375}, defaultFont, "- Copyright -"},
    {"cmdOK", {1920, 2280, 1095, 495}, defaultFont, "OK"},
}};

consteval const ControlLayout& aboutControl(std::string_view name) {
    return detail::named(aboutControls, name);
}

// Line1, a horizontal separator.
inline constexpr int aboutLineLeft = 480;
inline constexpr int aboutLineRight = 3960;
inline constexpr int aboutLineTop = 1680;

// Every place and size is a whole number of pixels at 96 dpi: 15 twips each.
static_assert([] {
    int whole = 0;
    const auto count = [&whole](const Twips& t) {
        for (const int value : {t.left, t.top, t.width, t.height})
            whole += value % 15 == 0;
    };
    count({form1Width, form1Height, aboutWidth, aboutHeight});
    count({aboutLineLeft, aboutLineRight, aboutLineTop, 0});
    for (const ControlLayout& control : form1Controls)
        count(control.place);
    for (const ControlLayout& control : aboutControls)
        count(control.place);
    for (const KeyDescription& key : keypad)
        count(keyPlace(key));
    return whole;
}() == 4 * (2 + 6 + 4 + 24));

// The twips² two places share: none where they do not meet.
constexpr long sharedArea(const Twips& a, const Twips& b) {
    const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return long(std::max(width, 0)) * std::max(height, 0);
}

// Keys and lines lie whole inside Form1, none over another; Label2 hides
// Label1 whole and none of Label4, whose strip shows; the title lies inside.
static_assert([] {
    const auto whole = [](const Twips& part, const Twips& in) {
        return sharedArea(part, in) == long(part.width) * part.height;
    };
    const auto eachPlace = [](auto visit) {
        visit(form1Control("Text1").place);
        visit(form1Control("Text2").place);
        for (const KeyDescription& key : keypad)
            visit(keyPlace(key));
    };
    Twips window{}; // from the client area's corner
    window.width = form1Width;
    window.height = form1Height;
    int facts = 0;
    eachPlace([&](const Twips& place) {
        facts += whole(place, window);
        eachPlace([&](const Twips& other) { facts += sharedArea(place, other) == 0; });
    });
    const Twips label2 = form1Control("Label2").place;
    facts += whole(form1Control("Label1").place, label2);
    facts += sharedArea(form1Control("Label4").place, label2) == 0;
    facts += whole(form1Control("Label3").place, window);
    return facts;
}() == 26 + 26 * 25 + 3);

} // namespace quimbel
