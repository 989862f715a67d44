#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quimbel {

// The input line holds Windows-1252 bytes whatever the system's code page.

// Bytes 0x80-0x9F.
inline constexpr auto windows1252High = std::to_array<char16_t>(
    {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
     0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178});
static_assert(windows1252High.size() == 0xA0 - 0x80);

// The character a byte stands for; the five unassigned bytes keep their C1 code.
constexpr char32_t fromWindows1252(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x80 && code <= 0x9F ? windows1252High[code - 0x80] : code;
}

// The byte for a character, or "?" where the code page has none.
constexpr char toWindows1252(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    const auto found = std::find(windows1252High.begin(), windows1252High.end(), character);
    return found == windows1252High.end()
               ? '?'
               : static_cast<char>(0x80 + (found - windows1252High.begin()));
}

// Every byte comes back as itself.
static_assert([] {
    int same = 0;
    for (int byte = 0; byte < 256; ++byte)
        same += toWindows1252(fromWindows1252(char(byte))) == char(byte);
    return same;
}() == 256);

// UTF-16 text, such as a text box holds, to bytes: one byte per character, so
// a surrogate pair, or a lone surrogate, becomes a single "?".
std::string toWindows1252(std::u16string_view text);
std::u16string fromWindows1252(std::string_view bytes);

} // namespace quimbel
