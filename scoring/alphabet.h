#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quimbel {

// The suit characters of the input line: single bytes 167 to 170 of the
// Windows-1252 code page, which the "Symbol" font draws as club, diamond,
// heart and spade.
inline constexpr char club = '\xA7';
inline constexpr char diamond = '\xA8';
inline constexpr char heart = '\xA9';
inline constexpr char spade = '\xAA';

// The double sign, drawn as a chi (an X) in the "Symbol" font.
inline constexpr char doubleSign = 'C';

constexpr bool isSuit(char c) {
    return c == club || c == diamond || c == heart || c == spade;
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of the digits that open `text`, 0 when none does: "12x" is 12.
constexpr int leadingNumber(std::string_view text) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && isDigit(text[i]); ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// The value of `text` when it is one or more digits and nothing else.
constexpr std::optional<int> number(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    return leadingNumber(text);
}

// 1-based position i of the line, or a space past its end.
constexpr char charAt(std::string_view line, std::size_t i) {
    return i >= 1 && i <= line.size() ? line[i - 1] : ' ';
}

} // namespace quimbel
