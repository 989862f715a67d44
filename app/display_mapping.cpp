#include "display_mapping.h"

#include "alphabet.h"
#include "windows1252.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>

namespace quimbel {

namespace {

// Qt draws in Unicode fonts: the suits and the chi are shown as themselves.
constexpr std::array<char32_t, 4> suitSymbols{U'♣', U'♦', U'♥', U'♠'};
constexpr char32_t chi = U'Χ';

char32_t decode(char byte, bool symbolFace) {
    if (isSuit(byte))
        return suitSymbols[std::size_t(static_cast<unsigned char>(byte) - 0xA7)];
    if (byte == doubleSign && symbolFace)
        return chi;
    return fromWindows1252(byte);
}

char encode(char32_t character) {
    const auto suit = std::find(suitSymbols.begin(), suitSymbols.end(), character);
    if (suit != suitSymbols.end())
        return static_cast<char>(club + (suit - suitSymbols.begin()));
    return character == chi ? doubleSign : toWindows1252(character);
}

} // namespace

QString toDisplay(std::string_view bytes, bool symbolFace) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(decode(byte, symbolFace)));
    return text;
}

std::string fromDisplay(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (char32_t character : QStringView(text).toUcs4())
        bytes += encode(character);
    return bytes;
}

} // namespace quimbel
