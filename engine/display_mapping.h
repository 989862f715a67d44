#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// The input line stores Windows-1252 bytes, with the suits at 167-170 and the
// double sign "C". Windows that draw in Unicode fonts show the suits as
// ♣ ♦ ♥ ♠ and, once the line is in the "Symbol" face, "C" as the chi Χ that
// reads as an X.
std::u16string toDisplay(std::string_view bytes, bool symbolFace);

// What the user sees or types, back to the stored bytes: the suit symbols and
// the chi become their codes, anything with no Windows-1252 counterpart "?".
// One byte per character, so the length guard counts what the user sees.
std::string fromDisplay(std::u16string_view text);

// Whether a face name the keys set draws "C" as a chi: "Symbol" or "symbol".
bool isSymbolFace(std::string_view faceName);

} // namespace quimbel
