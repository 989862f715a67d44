#include "form1.h"

#include "control_ids.h"
#include "display_mapping.h"
#include "identity.h"
#include "keypad.h"
#include "layout.h"
#include "text.h"
#include "window_basics.h"
#include "windows1252.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace quimbel::win32 {

namespace {

constexpr wchar_t className[] = L"Form1";

COLORREF colorRef(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// Windows-1252 bytes as a text box shows them.
std::wstring shownText(std::string_view bytes) {
    const std::u16string text = fromWindows1252(bytes);
    return {text.begin(), text.end()};
}

} // namespace

void Form1::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, className, windowProc);
}

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
    , vulnerableBrush_(CreateSolidBrush(colorRef(*resultColour(ResultBackground::Vulnerable))))
    , notVulnerableBrush_(
          CreateSolidBrush(colorRef(*resultColour(ResultBackground::NotVulnerable)))) {
    // Only overlapped windows take the system's default place; the frame
    // they are given goes at once.
    hwnd_ = CreateWindowExW(0, className, L"", WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN);
    dpi_ = int(GetDpiForWindow(hwnd_));
    fonts_.setDpi(dpi_);
    createControls();
    layOut();
    SetFocus(Text1);
}

Form1::~Form1() {
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    DeleteObject(vulnerableBrush_);
    DeleteObject(notVulnerableBrush_);
}

void Form1::createControls() {
    // Each child goes below those made before it, and Tab follows the same
    // order: the lines, the keys, then the labels, which take no focus.
    const auto child = [this](const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
        // Text boxes have the standard sunken border.
        const DWORD sunken = std::wstring_view(kind) == L"EDIT" ? WS_EX_CLIENTEDGE : 0;
        return CreateWindowExW(sunken, kind, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0,
                               0, 0, hwnd_, HMENU(INT_PTR(id)), instance_, nullptr);
    };
    // A screen reader names a text box after the label just above it in the
    // stacking order, even a hidden one.
    const DWORD line = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    child(L"STATIC", widen(text1Name), 0, text1NameId);
    Text1 = child(L"EDIT", L"", line, text1Id);
    child(L"STATIC", widen(text2Name), 0, text2NameId);
    Text2 = child(L"EDIT", L"", line, text2Id);
    // A key's text is what a screen reader says; its face is drawn from its
    // caption (drawKey).
    for (const KeyDescription& key : keypad)
        Command[std::size_t(key.number - 1)] =
            child(L"BUTTON", widen(spokenName(key)), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                  commandId(key.number));
    const std::pair<int, const ControlLayout&> labels[] = {{4, form1Control("Label4")},
                                                           {3, form1Control("Label3")},
                                                           {2, form1Control("Label2")},
                                                           {1, form1Control("Label1")}};
    for (const auto& [number, layout] : labels) {
        const DWORD notify = number >= 3 ? SS_NOTIFY : 0; // only the title and the notice
        Label[std::size_t(number - 1)] =
            child(L"STATIC", widen(layout.caption), WS_VISIBLE | SS_LEFT | notify, labelId(number));
    }
}

void Form1::layOut() {
    SetWindowPos(hwnd_, nullptr, 0, 0, toPixels(form1Width, dpi_), toPixels(form1Height, dpi_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    for (const KeyDescription& key : keypad) {
        HWND button = Command[std::size_t(key.number - 1)];
        place(button, keyPlace(key), dpi_);
        const bool suit = key.action == KeyAction::AppendSuit;
        SendMessageW(button, WM_SETFONT,
                     WPARAM(fonts_.get(suit ? L"Symbol" : designFaceName, key.pointSize, true,
                                       suit ? SYMBOL_CHARSET : DEFAULT_CHARSET)),
                     TRUE);
    }
    const std::pair<const ControlLayout&, HWND> others[] = {
        {form1Control("Text1"), Text1},     {form1Control("Text2"), Text2},
        {form1Control("Label1"), Label[0]}, {form1Control("Label2"), Label[1]},
        {form1Control("Label3"), Label[2]}, {form1Control("Label4"), Label[3]}};
    for (const auto& [layout, control] : others)
        layOutControl(control, layout, dpi_, fonts_);
    if (text1Face_ != designFaceName)
        SendMessageW(Text1, WM_SETFONT, WPARAM(text1Font()), TRUE);
}

// Once a suit or X key has switched it, the input line is in the symbol face.
HFONT Form1::text1Font() {
    const FontSpec font = form1Control("Text1").font;
    return fonts_.get(text1Face_, font.pointSize, font.bold, SYMBOL_CHARSET);
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form ? form->handleMessage(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
        if (const auto rgb = resultColour(resultBackground_); rgb && HWND(lParam) == Text2) {
            SetBkColor(HDC(wParam), colorRef(*rgb));
            return LRESULT(brush(resultBackground_));
        }
        break;
    case WM_DRAWITEM:
        drawKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DPICHANGED: {
        dpi_ = LOWORD(wParam);
        fonts_.setDpi(dpi_);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1::onCommand(int id, int code) {
    if (id >= commandId(1) && id <= commandId(24) && code == BN_CLICKED)
        calculator_.Command_Click(id - commandId(0));
    else if (id == text1Id && code == EN_CHANGE)
        Text1_Change();
    else if (id == labelId(3) && code == STN_CLICKED)
        calculator_.Label3_Click();
    else if (id == labelId(4) && code == STN_CLICKED)
        calculator_.Label4_Click();
}

// Keeps the line in the Windows-1252 code page, then runs the length guard.
void Form1::Text1_Change() {
    const std::wstring held = shownText(read());
    if (held != windowText(Text1)) {
        DWORD caret = 0;
        SendMessageW(Text1, EM_GETSEL, WPARAM(&caret), 0);
        SetWindowTextW(Text1, held.c_str()); // its own change runs the guard
        SendMessageW(Text1, EM_SETSEL, caret, caret);
        return;
    }
    calculator_.Text1_Change();
}

// The brush of V's or NV's colour, made once.
HBRUSH Form1::brush(ResultBackground background) const {
    return background == ResultBackground::Vulnerable ? vulnerableBrush_ : notVulnerableBrush_;
}

// A key's face as a push button draws it, with the caption from the keypad
// table; V and NV fill theirs with their colour. The caption keeps the
// button-text colour.
void Form1::drawKey(const DRAWITEMSTRUCT& item) const {
    const KeyDescription* drawn = key(int(item.CtlID) - commandId(0));
    if (!drawn)
        return;
    const bool pressed = item.itemState & ODS_SELECTED;
    RECT face = item.rcItem;
    const auto evaluation = evaluationOf(*drawn);
    if (evaluation) {
        FillRect(item.hDC, &face, brush(*evaluation));
        DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    } else if (const HTHEME theme = GetWindowTheme(item.hwndItem)) {
        // A button of the themed common controls: as the visual style draws
        // one, the window showing through its rounded corners.
        DrawThemeParentBackground(item.hwndItem, item.hDC, &face);
        DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, pressed ? PBS_PRESSED : PBS_NORMAL,
                            &face, nullptr);
    } else {
        DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
    const std::wstring caption = shownText(drawn->caption);
    const HGDIOBJ previous =
        SelectObject(item.hDC, HGDIOBJ(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    if (pressed)
        OffsetRect(&face, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(item.hDC, caption.c_str(), int(caption.size()), &face,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) {
        // Inside the coloured face's edge on V and NV, as a push button's elsewhere.
        const int inset = evaluation ? -4 : -2;
        InflateRect(&face, inset, inset);
        DrawFocusRect(item.hDC, &face);
    }
}

// Suit signs and the chi pasted from elsewhere read as the keys would have
// put them, as on the other windows.
std::string Form1::read() const {
    const std::wstring text = windowText(Text1);
    return fromDisplay(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

void Form1::write(const std::string& text) {
    const std::wstring shown = shownText(text);
    SetWindowTextW(Text1, shown.c_str());
    // Typing goes on at the end, as after a key on a pocket calculator.
    SendMessageW(Text1, EM_SETSEL, shown.size(), LPARAM(shown.size()));
}

void Form1::setInputFace(std::string_view faceName) {
    text1Face_ = widen(faceName);
    SendMessageW(Text1, WM_SETFONT, WPARAM(text1Font()), TRUE);
}

void Form1::setResult(std::string_view text) {
    SetWindowTextW(Text2, widen(text).c_str());
}

void Form1::setResultBackground(ResultBackground background) {
    resultBackground_ = background;
    InvalidateRect(Text2, nullptr, TRUE);
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    MessageBoxW(hwnd_, widen(text).c_str(), widen(title).c_str(), MB_OK);
}

AboutBox& Form1::about() {
    if (!about_)
        about_ = std::make_unique<About>(instance_);
    return *about_;
}

void Form1::close() {
    DestroyWindow(hwnd_);
}

} // namespace quimbel::win32
