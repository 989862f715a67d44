#include "about.h"

#include "centring.h"
#include "control_ids.h"
#include "identity.h"
#include "layout.h"
#include "text.h"
#include "window_basics.h"

namespace quimbel::win32 {

namespace {

constexpr wchar_t className[] = L"About";
constexpr DWORD frame = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

} // namespace

void About::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, className, windowProc);
}

About::~About() {
    if (window_)
        close();
}

void About::load() {
    if (window_)
        return;
    const int dpi = int(GetDpiForSystem());
    RECT outer{0, 0, toPixels(aboutWidth, dpi), toPixels(aboutHeight, dpi)};
    AdjustWindowRectExForDpi(&outer, frame, FALSE, 0, UINT(dpi));
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred on the screen, not on the calling window.
    const int left = centredPixels(GetSystemMetrics(SM_CXSCREEN), width, dpi);
    const int top = centredPixels(GetSystemMetrics(SM_CYSCREEN), height, dpi);
    window_ = CreateWindowExW(0, className, widen(aboutTitle).c_str(), frame, left, top, width,
                              height, nullptr, nullptr, instance_, this);
    createControls(dpi);
}

namespace {

struct AboutChild {
    const ControlLayout& layout;
    int id;
};

// Top of the stacking order first: OK, then the labels from the top down.
constexpr AboutChild aboutChildren[] = {
    {aboutControl("cmdOK"), cmdOKId},
    {aboutControl("lblCopyright"), lblCopyrightId},
    {aboutControl("lblApplication"), lblApplicationId},
    {aboutControl("lblHeading"), lblHeadingId},
};

} // namespace

void About::createControls(int dpi) {
    for (const auto& [layout, id] : aboutChildren) {
        const bool button = id == cmdOKId;
        const DWORD style = button ? WS_TABSTOP | BS_PUSHBUTTON : SS_CENTER;
        CreateWindowExW(0, button ? L"BUTTON" : L"STATIC", widen(layout.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, window_,
                        HMENU(INT_PTR(id)), instance_, nullptr);
    }
    layOut(dpi);
}

// Places the controls and gives them their fonts at `dpi`; again when the box
// moves to a screen of another density.
void About::layOut(int dpi) {
    fonts_.setDpi(dpi);
    for (const auto& [layout, id] : aboutChildren)
        layOutControl(GetDlgItem(window_, id), layout, dpi, fonts_);
}

LRESULT CALLBACK About::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* about = reinterpret_cast<About*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        // OK is neither default nor cancel: Enter and Escape send IDs that close nothing.
        if (LOWORD(wParam) == cmdOKId && HIWORD(wParam) == BN_CLICKED)
            about->close();
        return 0;
    case WM_CLOSE:
        about->close();
        return 0;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        about->layOut(LOWORD(wParam));
        return 0;
    }
    case WM_PAINT: {
        // Line1, in the window-text colour below every control.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        const int dpi = int(GetDpiForWindow(hwnd));
        const RECT line{toPixels(aboutLineLeft, dpi), toPixels(aboutLineTop, dpi),
                        toPixels(aboutLineRight, dpi) + 1, toPixels(aboutLineTop, dpi) + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
        EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void About::setLabel(int id, std::string_view text) {
    load();
    SetDlgItemTextW(window_, id, widen(text).c_str());
}

void About::setApplication(std::string_view text) {
    setLabel(lblApplicationId, text);
}

void About::setHeading(std::string_view text) {
    setLabel(lblHeadingId, text);
}

void About::setCopyright(std::string_view text) {
    setLabel(lblCopyrightId, std::string(copyrightPrefix).append(text));
}

void About::Display() {
    load();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) {
            auto* about = reinterpret_cast<About*>(self);
            if (window != about->window_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                about->disabled_.push_back(window);
            }
            return TRUE;
        },
        LPARAM(this));
    ShowWindow(window_, SW_SHOW);
    SetFocus(GetDlgItem(window_, cmdOKId));
    MSG message;
    while (window_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (window_) { // the program is quitting: let the outer loop see it
        close();
        PostQuitMessage(int(message.wParam));
    }
}

void About::close() {
    // The other windows come back before this one goes, so one of them is activated.
    for (HWND window : disabled_)
        EnableWindow(window, TRUE);
    disabled_.clear();
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

} // namespace quimbel::win32
