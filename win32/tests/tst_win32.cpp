// Guards what is the Win32 window's own: control places at the system's DPI,
// fonts, colours, key faces, what a screen reader hears, wiring to the
// engine, the message boxes and the About box, and the real exe from outside:
// its names, and OFF's exit status. Driven through messages, as automation
// drives a window; a timer closes every modal box.
#include "control_ids.h"
#include "form1.h"
#include "help_text.h"
#include "keypad.h"
#include "keys.h"
#include "layout.h"
#include "table.h"
#include "text.h"
#include "windows1252.h"

// MinGW's own copy of IID_IAccessible makes every call fail: define it here.
#include <initguid.h>

#include <oleacc.h>
#include <uxtheme.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <process.h>
#include <vector>

using namespace quimbel::win32;

namespace {

int failures = 0;
#define CHECK(ok)                                                                                  \
    ((ok) ? void() : (std::printf("FAIL line %d: %s\n", __LINE__, #ok), ++failures, void()))
// Prints what was found beside what was expected.
#define CHECK_EQ(found, expected) checkEqual<decltype(found)>((found), (expected), #found, __LINE__)

std::string shown(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()),
                                                utf8.data(), int(utf8.size()), nullptr, nullptr)));
    return '"' + utf8 + '"';
}
std::string shown(unsigned long number) {
    return std::to_string(number);
}

template <typename Found>
void checkEqual(const Found& found, const Found& expected, const char* what, int line) {
    if (found != expected && ++failures)
        std::printf("FAIL line %d: %s is %s, expected %s\n", line, what, shown(found).c_str(),
                    shown(expected).c_str());
}

HWND form;

HWND control(int id) {
    return GetDlgItem(form, id);
}

std::wstring text(int id) {
    return windowText(control(id));
}

// Keys by their captions, run together: "4♥XX+2V".
void press(std::string_view keys) {
    const std::vector<int> numbers = keyNumbers(line(keys));
    CHECK(!numbers.empty());
    for (const int number : numbers)
        SendMessageW(control(commandId(number)), BM_CLICK, 0, 0);
}

void type(const std::wstring& typed) {
    for (wchar_t c : typed)
        SendMessageW(control(text1Id), WM_CHAR, c, 0);
}

// Twips at the system's DPI.
int pixels(int twips) {
    return quimbel::toPixels(twips, int(GetDpiForSystem()));
}

std::wstring edges(int left, int top, int right, int bottom) {
    return std::to_wstring(left) + L" " + std::to_wstring(top) + L" " + std::to_wstring(right) +
           L" " + std::to_wstring(bottom);
}

// A control's edges in Form1's client area.
std::wstring placeOf(int id) {
    RECT place;
    GetWindowRect(control(id), &place);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&place), 2);
    return edges(place.left, place.top, place.right, place.bottom);
}

// Face, character set, weight and height of a control's font.
std::wstring font(int id) {
    LOGFONTW f{};
    GetObjectW(HFONT(SendMessageW(control(id), WM_GETFONT, 0, 0)), sizeof f, &f);
    return std::wstring(f.lfFaceName) + L" " + std::to_wstring(f.lfCharSet) + L" " +
           std::to_wstring(f.lfWeight) + L" " +
           std::to_wstring(-f.lfHeight * 96 / int(GetDpiForSystem()));
}

// Rows of pixels the size of a control, as `paint` draws them, or else as the control does.
struct Picture {
    int width;
    std::vector<COLORREF> pixels;
};

Picture painted(HWND control, const std::function<void(HDC)>& paint = {}) {
    RECT size;
    GetClientRect(control, &size);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.right, size.bottom);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    paint ? paint(dc) : void(SendMessageW(control, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT));
    Picture picture{size.right, {}};
    for (int y = 0; y < size.bottom; ++y)
        for (int x = 0; x < size.right; ++x)
            picture.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

// A control's colour at a point given in pixels at 96 dpi, 15 twips each.
COLORREF pixel(int id, int left, int top) {
    const Picture shown = painted(control(id));
    return shown.pixels[std::size_t(pixels(top * 15) * shown.width + pixels(left * 15))];
}

// Each modal window this thread opens goes to `inspect`, on every tick until
// it answers true; then it is closed with its OK button.
std::function<bool(HWND)> inspect;

void CALLBACK watchModal(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) {
            wchar_t kind[32] = {};
            GetClassNameW(window, kind, 32);
            const bool about = std::wstring(kind) == L"About";
            if (!IsWindowVisible(window) || (!about && std::wstring(kind) != L"#32770"))
                return TRUE;
            if (!inspect || inspect(window))
                SendDlgItemMessageW(window, about ? cmdOKId : IDOK, BM_CLICK, 0, 0);
            return FALSE;
        },
        0);
}

// Each control in the design's place and font at the system's DPI: the keys
// bold, the suits in "Symbol", the rest in the design face.
void layout() {
    RECT client, outer;
    GetClientRect(form, &client);
    GetWindowRect(form, &outer);
    CHECK_EQ(edges(0, 0, client.right, client.bottom),
             edges(0, 0, pixels(quimbel::form1Width), pixels(quimbel::form1Height)));
    CHECK_EQ(edges(0, 0, outer.right - outer.left, outer.bottom - outer.top),
             edges(0, 0, client.right, client.bottom));
    const auto designed = [](int id, const quimbel::Twips& t, bool suit, quimbel::FontSpec f) {
        CHECK_EQ(placeOf(id), edges(pixels(t.left), pixels(t.top), pixels(t.left) + pixels(t.width),
                                    pixels(t.top) + pixels(t.height)));
        CHECK_EQ(font(id), (suit ? L"Symbol 2 " : L"MS Sans Serif 1 ") +
                               std::to_wstring(f.bold ? 700 : 400) + L" " +
                               std::to_wstring(std::lround(f.pointSize * 96 / 72)));
    };
    for (const quimbel::ControlLayout& shown : quimbel::form1Controls)
        designed(shown.name.starts_with("Text") ? text1Id + shown.name[4] - '1'
                                                : labelId(shown.name[5] - '0'),
                 shown.place, false, shown.font);
    for (const quimbel::KeyDescription& key : quimbel::keypad)
        designed(commandId(key.number), quimbel::keyPlace(key), quimbel::isSuit(key.caption[0]),
                 {key.pointSize, true});
    // Stacking, which Tab follows: the lines, each under the hidden label that
    // names it, Command1 to 24, Label4 to Label1.
    std::vector<int> order, expected{text1NameId, text1Id, text2NameId, text2Id};
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    for (int n = 1; n <= 28; ++n)
        expected.push_back(n <= 24 ? commandId(n) : labelId(29 - n));
    CHECK(order == expected);
    CHECK(GetFocus() == control(text1Id));
    CHECK(GetNextDlgTabItem(form, control(commandId(24)), FALSE) == control(text1Id));
    CHECK_EQ(text(labelId(3)), widen(quimbel::title));
}

// What a screen reader hears for a control, as it asks from any process.
std::wstring accessibleName(HWND window) {
    IAccessible* object = nullptr;
    VARIANT self{}; // CHILDID_SELF
    self.vt = VT_I4;
    BSTR name = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&object)))) {
        object->get_accName(self, &name);
        object->Release();
    }
    const std::wstring heard = name ? name : L"(none)";
    SysFreeString(name);
    return heard;
}

// Whether the top-left `size` of `part` stands somewhere in `whole`, pixel for pixel.
bool contains(const Picture& whole, const Picture& part, SIZE size) {
    const auto at = [](const Picture& p, int x, int y) {
        return p.pixels.begin() + y * p.width + x;
    };
    const int height = int(whole.pixels.size()) / whole.width;
    for (int top = 0; top + size.cy <= height; ++top)
        for (int left = 0; left + size.cx <= whole.width; ++left) {
            int y = 0;
            while (y < size.cy &&
                   std::equal(at(part, 0, y), at(part, size.cx, y), at(whole, left, top + y)))
                ++y;
            if (y == size.cy)
                return true;
        }
    return false;
}

// What a screen reader hears is checked on the real exe, from another process.
void faces() {
    // What a sighted user sees. With themed common controls, each key but V
    // and NV is the very picture of a push button showing its caption; with
    // classic ones, and for V and NV, the key shows its caption in its font
    // (the suits in "Symbol") on its face colour.
    std::wstring hidden; // the keys that do not show their caption
    for (const quimbel::KeyDescription& key : quimbel::keypad) {
        HWND drawn = control(commandId(key.number));
        const std::u16string text = quimbel::fromWindows1252(key.caption);
        const std::wstring caption(text.begin(), text.end());
        const auto font = HGDIOBJ(SendMessageW(drawn, WM_GETFONT, 0, 0));
        const auto colour = quimbel::evaluationOf(key);
        const Picture face = painted(drawn);
        bool shown = false;
        if (GetWindowTheme(drawn) && !colour) {
            HWND standard = CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | BS_PUSHBUTTON,
                                            0, 0, face.width, int(face.pixels.size()) / face.width,
                                            form, nullptr, nullptr, nullptr);
            SendMessageW(standard, WM_SETFONT, WPARAM(font), FALSE);
            shown = painted(standard).pixels == face.pixels;
            DestroyWindow(standard);
        } else {
            const auto rgb = colour ? quimbel::resultColour(*colour) : std::nullopt;
            RECT line{};
            const Picture glyphs = painted(drawn, [&](HDC dc) {
                SelectObject(dc, font);
                DrawTextW(dc, caption.c_str(), -1, &line,
                          DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
                SetDCBrushColor(dc, rgb ? RGB(rgb->red, rgb->green, rgb->blue)
                                        : GetSysColor(COLOR_BTNFACE));
                FillRect(dc, &line, HBRUSH(GetStockObject(DC_BRUSH)));
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
                DrawTextW(dc, caption.c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
            });
            shown = contains(face, glyphs, {line.right, line.bottom});
        }
        if (!shown)
            hidden += L"Command" + std::to_wstring(key.number) + L" ";
    }
    CHECK_EQ(hidden, L"");
}

// What V and NV show: the lines, the input line's face, the result's colour
// (the keys' own colours are their faces'); typed text as the window holds it.
void keys() {
    press("4♥XX+2V");
    CHECK_EQ(text(text1Id) + L"|" + text(text2Id), L"4\u00A9CC+2|1880");
    CHECK_EQ(font(text1Id), L"symbol 2 700 18");
    CHECK_EQ(pixel(text2Id, 130, 5), RGB(192, 0, 0));
    press("NV");
    CHECK_EQ(pixel(text2Id, 130, 5), RGB(0, 192, 0));
    press("INI");
    CHECK_EQ(pixel(text2Id, 130, 5), GetSysColor(COLOR_WINDOW));
    // Held in Windows-1252, one "?" for what it lacks, and guarded as the keys
    // are; suit signs from elsewhere (typed or pasted, both change the line
    // the same way) read as the keys' own.
    type(L"44\u00A7\u65E5\u20AC");
    CHECK_EQ(text(text1Id), L"44\u00A7?\u20AC");
    type(L"5678");
    CHECK_EQ(text(text1Id) + L"|" + text(text2Id), L"|erreur");
    type(L"4\u2665=");
    press("V");
    CHECK_EQ(text(text1Id) + L"|" + text(text2Id), L"4\u00A9=|620");
}

void boxes() {
    // The engine asks for each box; here, that the window shows one, its title
    // and text, while the click waits.
    std::wstring box;
    inspect = [&](HWND window) {
        box = windowText(window) + L"|" + windowText(GetDlgItem(window, 0xFFFF));
        return true;
    };
    SendMessageW(control(labelId(3)), WM_LBUTTONDOWN, 0, 0);
    CHECK_EQ(box, L"Mode d'emploi de QUIMBEL|" + widen(quimbel::helpText));

    // Twice from Label4, the user moving it away each time: loaded anew, it is
    // centred again. Enter and Escape close nothing.
    std::vector<RECT> shownAt;
    std::wstring texts;
    for (std::size_t opening = 0; opening < 2; ++opening) {
        inspect = [&](HWND about) {
            if (shownAt.size() == opening) {
                GetWindowRect(about, &shownAt.emplace_back());
                PostMessageW(GetDlgItem(about, cmdOKId), WM_KEYDOWN, VK_RETURN, 0);
                PostMessageW(GetDlgItem(about, cmdOKId), WM_KEYDOWN, VK_ESCAPE, 0);
                SetWindowPos(about, nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                return false;
            }
            RECT client;
            GetClientRect(about, &client);
            CHECK_EQ(edges(0, 0, client.right, client.bottom),
                     edges(0, 0, pixels(quimbel::aboutWidth), pixels(quimbel::aboutHeight)));
            CHECK_EQ(windowText(about), L"À propos");
            CHECK(!IsWindowEnabled(form));
            for (int id : {lblHeadingId, lblApplicationId, lblCopyrightId})
                texts += windowText(GetDlgItem(about, id)) + L"|";
            return true;
        };
        SendMessageW(control(labelId(4)), WM_LBUTTONDOWN, 0, 0);
        CHECK(!FindWindowW(L"About", nullptr));
        CHECK(IsWindowEnabled(form));
    }
    inspect = nullptr;
    const std::wstring shown =
        L"QUIMBEL|CALCULATRICE de SCORES|Copyright © 2026 QUIMBEL. Tous droits réservés.|";
    CHECK_EQ(texts, shown + shown);
    // Centred on the screen, frame included: half the room left on each side,
    // an odd pixel going to the right and the bottom.
    for (const RECT& at : shownAt) {
        CHECK_EQ(at.left, (GetSystemMetrics(SM_CXSCREEN) - (at.right - at.left)) / 2);
        CHECK_EQ(at.top, (GetSystemMetrics(SM_CYSCREEN) - (at.bottom - at.top)) / 2);
    }
}

// The real exe, driven from outside: it starts, a screen reader hears from
// this other process each key's and line's name as the engine gives it, and
// OFF ends it with status 0.
void exe(const wchar_t* path) {
    const auto process = HANDLE(_wspawnl(_P_NOWAIT, path, L"quimbel.exe", nullptr));
    for (int i = 0; i < 200 && !IsWindowVisible(FindWindowW(L"Form1", nullptr)); ++i)
        Sleep(50);
    form = FindWindowW(L"Form1", nullptr);
    for (const quimbel::KeyDescription& key : quimbel::keypad)
        CHECK_EQ(accessibleName(control(commandId(key.number))), widen(quimbel::spokenName(key)));
    CHECK_EQ(accessibleName(control(text1Id)), widen(quimbel::text1Name));
    CHECK_EQ(accessibleName(control(text2Id)), widen(quimbel::text2Name));
    PostMessageW(control(commandId(1)), BM_CLICK, 0, 0); // OFF
    DWORD status = 1;
    CHECK(WaitForSingleObject(process, 10000) == WAIT_OBJECT_0 &&
          GetExitCodeProcess(process, &status));
    CHECK_EQ(status, DWORD(0));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitialize(nullptr);
    if (argc == 3 && std::wstring(argv[1]) == L"exe") {
        exe(argv[2]);
    } else {
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        Form1::registerClass(instance);
        About::registerClass(instance);
        Form1 window(instance);
        form = window.handle();
        ShowWindow(form, SW_SHOW);
        SetTimer(nullptr, 0, 20, watchModal);
        std::printf("at %u dpi\n", GetDpiForSystem());
        layout();
        faces();
        keys();
        boxes();
    }
    std::printf("%s: %d failed\n", failures ? "FAIL" : "PASS", failures);
    return failures ? 1 : 0;
}
