#include "display_mapping.h"

#include "alphabet.h"
#include "windows1252.h"

#include <algorithm>
#include <array>

namespace quimbel {

namespace {

constexpr std::array suitSymbols{u'♣', u'♦', u'♥', u'♠'};
constexpr char16_t chi = u'Χ';

char16_t shown(char byte, bool symbolFace) {
    if (isSuit(byte))
        return suitSymbols[std::size_t(static_cast<unsigned char>(byte) - 0xA7)];
    if (byte == doubleSign && symbolFace)
        return chi;
    return char16_t(fromWindows1252(byte));
}

// A suit symbol or the chi as the code-page character it stands for.
char16_t stored(char16_t character) {
    const auto suit = std::find(suitSymbols.begin(), suitSymbols.end(), character);
    if (suit != suitSymbols.end())
        return char16_t(fromWindows1252(char(club + (suit - suitSymbols.begin()))));
    return character == chi ? char16_t(doubleSign) : character;
}

} // namespace

std::u16string toDisplay(std::string_view bytes, bool symbolFace) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text += shown(byte, symbolFace);
    return text;
}

std::string fromDisplay(std::u16string_view text) {
    std::u16string plain(text);
    std::transform(plain.begin(), plain.end(), plain.begin(), stored);
    return toWindows1252(plain);
}

bool isSymbolFace(std::string_view faceName) {
    return faceName == "Symbol" || faceName == "symbol";
}

} // namespace quimbel
