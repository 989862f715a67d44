#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quimbel {

// The input line stores Windows-1252 bytes, with the suits at 167-170 and
// the double sign "C". On screen the suits show as ♣ ♦ ♥ ♠ and, once the
// line is in the "Symbol" face, "C" shows as the chi Χ that reads as an X.
QString toDisplay(std::string_view bytes, bool symbolFace);

// What the user sees or types, back to the stored bytes: the suit symbols and
// the chi become their codes, anything with no Windows-1252 counterpart "?".
// One byte per character, so the length guard counts what the user sees.
std::string fromDisplay(const QString& text);

} // namespace quimbel
