#include "windows1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quimbel {

namespace {

// Bytes 0x80-0x9F.
constexpr auto high = std::to_array<char16_t>(
    {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
     0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178});
static_assert(high.size() == 0xA0 - 0x80);

} // namespace

char32_t fromWindows1252(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x80 && code <= 0x9F ? high[code - 0x80] : code;
}

char toWindows1252(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    const auto found = std::find(high.begin(), high.end(), character);
    return found == high.end() ? '?' : static_cast<char>(0x80 + (found - high.begin()));
}

std::string toWindows1252(std::u16string_view text) {
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::string bytes;
    for (auto unit = text.begin(); unit != text.end(); ++unit) {
        // A surrogate has no byte of its own: a pair, or a lone one, is one "?".
        if (isHigh(*unit) && std::next(unit) != text.end() && isLow(*std::next(unit)))
            ++unit;
        bytes += toWindows1252(*unit);
    }
    return bytes;
}

std::u16string fromWindows1252(std::string_view bytes) {
    std::u16string text;
    for (char byte : bytes)
        text += static_cast<char16_t>(fromWindows1252(byte));
    return text;
}

} // namespace quimbel
