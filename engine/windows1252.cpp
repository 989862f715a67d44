#include "windows1252.h"

#include <iterator>

namespace quimbel {

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
