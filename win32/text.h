#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quimbel::win32 {

// The engine speaks UTF-8; the window functions used here are the "W" ones.
inline std::wstring widen(std::string_view utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(),
                                           int(wide.size()));
    wide.resize(std::size_t(length));
    return wide;
}

inline std::wstring windowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace quimbel::win32
