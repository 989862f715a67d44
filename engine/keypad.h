#pragma once

#include "alphabet.h"

#include <array>
#include <string_view>

namespace quimbel {

enum class KeyAction {
    Append,       // appends the key's caption
    AppendSuit,   // switches the input line to "Symbol", then appends the caption
    AppendDouble, // switches the input line to "symbol", then appends "C"
    DeleteLast,
    Reset,
    Off,
    EvaluateVulnerable,
    EvaluateNotVulnerable,
};

// One key of the calculator. Keys are numbered as the controls Command1 to
// Command24, which does not follow the keypad's order.
struct KeyDescription {
    int number;
    std::string_view caption; // Windows-1252; the suit keys show theirs in "Symbol"
    int row;                  // 1 to 6, top to bottom
    int column;               // 1 to 4, left to right
    double pointSize;
    KeyAction action;
    const char* accessibleName; // UTF-8, for keys whose caption is a symbol or abbreviation
};

inline constexpr std::array<KeyDescription, 24> keypad = [] {
    using enum KeyAction;
    return std::array<KeyDescription, 24>{{
        {1, "OFF", 1, 1, 8.25, Off, "arrêt"},
        {2, "2", 4, 2, 9.75, Append, nullptr},
        {3, "3", 4, 3, 9.75, Append, nullptr},
        {4, "C", 1, 2, 9.75, DeleteLast, "efface"},
        {5, "5", 3, 2, 9.75, Append, nullptr},
        {6, "6", 3, 3, 9.75, Append, nullptr},
        {7, "7", 2, 1, 9.75, Append, nullptr},
        {8, "8", 2, 2, 9.75, Append, nullptr},
        {9, "9", 2, 3, 9.75, Append, nullptr},
        {10, "=", 5, 2, 12, Append, nullptr},
        {11, "+", 6, 1, 12, Append, nullptr},
        {12, "-", 6, 2, 12, Append, nullptr},
        {13, "\xA7", 1, 4, 9.75, AppendSuit, "trèfle"},
        {14, "\xA8", 2, 4, 9.75, AppendSuit, "carreau"},
        {15, "\xA9", 3, 4, 9.75, AppendSuit, "cœur"},
        {16, "\xAA", 4, 4, 9.75, AppendSuit, "pique"},
        {17, "NT", 5, 4, 9.75, Append, "sans-atout"},
        {18, "X", 5, 3, 9.75, AppendDouble, "contre"},
        {19, "NV", 6, 3, 9.75, EvaluateNotVulnerable, "non vulnérable"},
        {20, "V", 6, 4, 9.75, EvaluateVulnerable, "vulnérable"},
        {21, "INI", 1, 3, 8.25, Reset, "remise à zéro"},
        {22, "1", 4, 1, 9.75, Append, nullptr},
        {23, "4", 3, 1, 9.75, Append, nullptr},
        {24, "0", 5, 1, 9.75, Append, nullptr},
    }};
}();

static_assert(keypad[12].caption[0] == club && keypad[15].caption[0] == spade);

// Commandn is keypad[n - 1].
static_assert([] {
    int inPlace = 0;
    for (std::size_t i = 0; i < keypad.size(); ++i)
        inPlace += keypad[i].number == int(i) + 1;
    return inPlace;
}() == 24);

// The keys fill the keypad's six rows of four, one to a cell.
static_assert([] {
    long cells = 0;
    for (const KeyDescription& key : keypad)
        cells += 1L << ((key.row - 1) * 4 + key.column - 1);
    return cells;
}() == 0xFFFFFF);

// What a screen reader says for a key: its French name, or else its caption.
constexpr std::string_view spokenName(const KeyDescription& key) {
    return key.accessibleName ? key.accessibleName : key.caption;
}

// The key Commandn, or none for a number no key has.
constexpr const KeyDescription* key(int number) {
    return number >= 1 && number <= int(keypad.size()) ? &keypad[std::size_t(number - 1)] : nullptr;
}

static_assert(!key(0) && key(1) == &keypad[0] && key(24) == &keypad[23] && !key(25));

} // namespace quimbel
