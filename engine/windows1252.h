#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// The input line holds Windows-1252 bytes whatever the system's code page.

// The character a byte stands for; the five unassigned bytes keep their C1 code.
char32_t fromWindows1252(char byte);

// The byte for a character, or "?" where the code page has none.
char toWindows1252(char32_t character);

// UTF-16 text, such as a text box holds, to bytes: one byte per character, so
// a surrogate pair, or a lone surrogate, becomes a single "?".
std::string toWindows1252(std::u16string_view text);
std::u16string fromWindows1252(std::string_view bytes);

} // namespace quimbel
