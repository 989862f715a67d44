#pragma once

#include "fonts.h"
#include "layout.h"

#include <windows.h>

namespace quimbel::win32 {

// A window class with the dialog face, the stock icon and arrow.
inline void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

// Moves a control to its place, given in twips, at `dpi`.
inline void place(HWND control, const Twips& twips, int dpi) {
    MoveWindow(control, toPixels(twips.left, dpi), toPixels(twips.top, dpi),
               toPixels(twips.width, dpi), toPixels(twips.height, dpi), TRUE);
}

// Places a control and gives it its font, as its row of a layout table has them.
inline void layOutControl(HWND control, const ControlLayout& layout, int dpi, Fonts& fonts) {
    place(control, layout.place, dpi);
    SendMessageW(control, WM_SETFONT,
                 WPARAM(fonts.get(designFaceName, layout.font.pointSize, layout.font.bold)), TRUE);
}

} // namespace quimbel::win32
