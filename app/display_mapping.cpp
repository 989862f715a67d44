#include "display_mapping.h"

#include "alphabet.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>

namespace quimbel {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones keep their C1 code.
constexpr std::array<char16_t, 32> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 4> suitSymbols{u'♣', u'♦', u'♥', u'♠'};
constexpr char16_t chi = u'Χ';

char16_t decode(unsigned char byte, bool symbolFace) {
    if (byte >= static_cast<unsigned char>(club) && byte <= static_cast<unsigned char>(spade))
        return suitSymbols[byte - static_cast<unsigned char>(club)];
    if (byte == static_cast<unsigned char>(doubleSign) && symbolFace)
        return chi;
    if (byte >= 0x80 && byte <= 0x9F)
        return windows1252High[byte - 0x80];
    return byte;
}

char encode(char32_t codePoint) {
    const auto suit = std::find(suitSymbols.begin(), suitSymbols.end(), codePoint);
    if (suit != suitSymbols.end())
        return static_cast<char>(club + (suit - suitSymbols.begin()));
    if (codePoint == chi)
        return doubleSign;
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto high = std::find(windows1252High.begin(), windows1252High.end(), codePoint);
    if (high != windows1252High.end())
        return static_cast<char>(0x80 + (high - windows1252High.begin()));
    return '?';
}

} // namespace

QString toDisplay(std::string_view bytes, bool symbolFace) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(decode(static_cast<unsigned char>(byte), symbolFace)));
    return text;
}

std::string fromDisplay(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (char32_t codePoint : QStringView(text).toUcs4())
        bytes += encode(codePoint);
    return bytes;
}

} // namespace quimbel
