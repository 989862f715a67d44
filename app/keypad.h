#pragma once

#include "alphabet.h"

#include <QtGlobal>

#include <array>

namespace quimbel {

enum class KeyAction {
    Append,       // appends the key's caption as it reads when clicked
    AppendSuit,   // switches the line to "Symbol", then appends the caption
    AppendDouble, // switches the line to "symbol", then appends "C"
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
    const char* caption; // suit keys get theirs from `suit` when the window loads
    int row;             // 1 to 6, top to bottom
    int column;          // 1 to 4, left to right
    qreal pointSize;
    KeyAction action;
    char suit;                  // suit keys only
    const char* accessibleName; // French, for keys whose caption is a symbol or abbreviation
};

using enum KeyAction;

inline constexpr std::array<KeyDescription, 24> keypad{{
    {1, "OFF", 1, 1, 8.25, Off, 0, "arrêt"},
    {2, "2", 4, 2, 9.75, Append, 0, nullptr},
    {3, "3", 4, 3, 9.75, Append, 0, nullptr},
    {4, "C", 1, 2, 9.75, DeleteLast, 0, "efface"},
    {5, "5", 3, 2, 9.75, Append, 0, nullptr},
    {6, "6", 3, 3, 9.75, Append, 0, nullptr},
    {7, "7", 2, 1, 9.75, Append, 0, nullptr},
    {8, "8", 2, 2, 9.75, Append, 0, nullptr},
    {9, "9", 2, 3, 9.75, Append, 0, nullptr},
    {10, "=", 5, 2, 12, Append, 0, nullptr},
    {11, "+", 6, 1, 12, Append, 0, nullptr},
    {12, "-", 6, 2, 12, Append, 0, nullptr},
    {13, "", 1, 4, 9.75, AppendSuit, club, "trèfle"},
    {14, "", 2, 4, 9.75, AppendSuit, diamond, "carreau"},
    {15, "", 3, 4, 9.75, AppendSuit, heart, "cœur"},
    {16, "", 4, 4, 9.75, AppendSuit, spade, "pique"},
    {17, "NT", 5, 4, 9.75, Append, 0, "sans-atout"},
    {18, "X", 5, 3, 9.75, AppendDouble, 0, "contre"},
    {19, "NV", 6, 3, 9.75, EvaluateNotVulnerable, 0, "non vulnérable"},
    {20, "V", 6, 4, 9.75, EvaluateVulnerable, 0, "vulnérable"},
    {21, "INI", 1, 3, 8.25, Reset, 0, "remise à zéro"},
    {22, "1", 4, 1, 9.75, Append, 0, nullptr},
    {23, "4", 3, 1, 9.75, Append, 0, nullptr},
    {24, "0", 5, 1, 9.75, Append, 0, nullptr},
}};

} // namespace quimbel
