// Guards what is the Win32 window's own, driven through messages as automation
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
#include <utility>
#include <vector>

using namespace quimbel::win32;

namespace {

int failures = 0;
#define CHECK(ok)                                                                                  \
    ((ok) ? void() : (std::printf("FAIL line %d: %s\n", __LINE__, #ok), ++failures, void()))
#define CHECK_EQ(found, expected) checkEqual((found), (expected), #found, __LINE__)

void checkEqual(const std::wstring& found, const std::wstring& expected, const char* what,
                int line) {
    const auto utf8 = [](const std::wstring& text) {
        std::string bytes(text.size() * 3, '\0');
        bytes.resize(
            std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(),
                                            int(bytes.size()), nullptr, nullptr)));
        return bytes;
    };
    if (found != expected && ++failures)
        std::printf("FAIL line %d: %s is \"%s\", expected \"%s\"\n", line, what,
                    utf8(found).c_str(), utf8(expected).c_str());
}

HWND form;
const auto control = [](int id) { return GetDlgItem(form, id); };
const auto text = [](int id) { return windowText(control(id)); };

// Keys by their captions, run together ("4♥XX+2V"), then typed text.
void press(std::string_view keys, const std::wstring& typed = {}) {
    for (const int number : keyNumbers(line(keys)))
        SendMessageW(control(commandId(number)), BM_CLICK, 0, 0);
    for (const wchar_t c : typed)
        SendMessageW(control(text1Id), WM_CHAR, c, 0);
}

// A place in twips, at the system's DPI.
RECT pixels(const quimbel::Twips& t) {
    const auto at = [](int twips) { return quimbel::toPixels(twips, int(GetDpiForSystem())); };
    return {at(t.left), at(t.top), at(t.left) + at(t.width), at(t.top) + at(t.height)};
}

std::wstring edges(const RECT& r) {
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
           std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom);
}

// A window's edges in `in`'s client area, or on the screen; or its client area's.
std::wstring placeOf(HWND window, HWND in = nullptr, bool client = false) {
    RECT place;
    client ? GetClientRect(window, &place) : GetWindowRect(window, &place);
    MapWindowPoints(client ? window : nullptr, in, reinterpret_cast<POINT*>(&place), 2);
    return edges(place);
}

// Face, character set, weight and height at 96 dpi of a control's font.
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
    auto at(int x, int y) const { return pixels.begin() + y * width + x; }
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

// Whether the top-left `size` of `part` stands somewhere in `whole`, pixel for pixel.
bool contains(const Picture& whole, const Picture& part, SIZE size) {
    const int height = int(whole.pixels.size()) / whole.width;
    for (int top = 0; top + size.cy <= height; ++top)
        for (int left = 0; left + size.cx <= whole.width; ++left) {
            int y = 0;
            while (y < size.cy &&
                   std::equal(part.at(0, y), part.at(size.cx, y), whole.at(left, top + y)))
                ++y;
            if (y == size.cy)
                return true;
        }
    return false;
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
    // No frame: the window is its client area.
    const std::wstring size = edges(pixels({0, 0, quimbel::form1Width, quimbel::form1Height}));
    CHECK_EQ(placeOf(form, form) + L"|" + placeOf(form, form, true), size + L"|" + size);
    const auto designed = [](int id, const quimbel::Twips& t, bool suit, quimbel::FontSpec f) {
        CHECK_EQ(placeOf(control(id), form), edges(pixels(t)));
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

// What a sighted user sees (a screen reader's names are checked on the real
// exe). With themed common controls, each key but V and NV is the very picture
// of a push button showing its caption; with classic ones, and for V and NV,
// the key shows its caption in its font (the suits in "Symbol") on its face
// colour.
void faces() {
    std::wstring hidden; // the keys that do not show their caption
    for (const quimbel::KeyDescription& key : quimbel::keypad) {
        HWND drawn = control(commandId(key.number));
        const auto text = quimbel::fromWindows1252(key.caption);
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
                SetBkColor(dc,
                           rgb ? RGB(rgb->red, rgb->green, rgb->blue) : GetSysColor(COLOR_BTNFACE));
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
// right of its text (the keys' own colours are their faces'); typed text as
// the window holds it.
void keys() {
    press("4♥XX+2V");
    CHECK_EQ(text(text1Id) + L"|" + text(text2Id) + L"|" + font(text1Id),
             L"4\u00A9CC+2|1880|symbol 2 700 18");
    for (const auto& [keys, colour] : {std::pair{"V", RGB(192, 0, 0)},
                                       {"NV", RGB(0, 192, 0)},
                                       {"INI", COLORREF(GetSysColor(COLOR_WINDOW))}}) {
        press(keys);
        const Picture result = painted(control(text2Id));
        const RECT at = pixels({1950, 75, 0, 0});
        CHECK_EQ(std::to_wstring(result.pixels[std::size_t(at.top * result.width + at.left)]),
                 std::to_wstring(colour));
    }
    // Typed or pasted after a key, at the end; held in Windows-1252, the caret
    // kept where it was: a suit sign read as the key's own, one "?" for what
    // the code page lacks; and guarded as the keys are.
    press("4", L"\u2665\u65E5=");
    CHECK_EQ(text(text1Id), L"4\u00A9?=");
    press("", L"12345");
    CHECK_EQ(text(text1Id) + L"|" + text(text2Id), L"|erreur");
}

// Help once, then About twice, moved away each time: loaded anew, it is
// centred again, frame included, an odd pixel going right and down. Enter and
// Escape close nothing; each box holds the calculator disabled until OK.
void boxes() {
    std::wstring seen;
    bool moved = false;
    inspect = [&](HWND box) {
        RECT at;
        GetWindowRect(box, &at);
        if (GetDlgItem(box, cmdOKId) && !std::exchange(moved, true)) {
            OffsetRect(&at, (GetSystemMetrics(SM_CXSCREEN) - (at.right - at.left)) / 2 - at.left,
                       (GetSystemMetrics(SM_CYSCREEN) - (at.bottom - at.top)) / 2 - at.top);
            seen += (placeOf(box) == edges(at) ? L"centred " : L"off centre ") +
                    placeOf(box, box, true) + L" ";
            for (const WPARAM key : {VK_RETURN, VK_ESCAPE})
                PostMessageW(GetDlgItem(box, cmdOKId), WM_KEYDOWN, key, 0);
            SetWindowPos(box, nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            return false;
        }
        moved = false;
        seen += windowText(box) + (IsWindowEnabled(form) ? L" beside" : L" over") + L" Form1";
        for (const int id : {0xFFFF, lblHeadingId, lblApplicationId, lblCopyrightId})
            if (HWND label = GetDlgItem(box, id))
                seen += L"|" + windowText(label);
        seen += L"\n";
        return true;
    };
    for (const int label : {3, 4, 4})
        SendMessageW(control(labelId(label)), WM_LBUTTONDOWN, 0, 0);
    inspect = nullptr;
    const std::wstring about = L"centred " +
                               edges(pixels({0, 0, quimbel::aboutWidth, quimbel::aboutHeight})) +
                               L" À propos over Form1|QUIMBEL|CALCULATRICE de SCORES|"
                               L"Copyright © 2026 QUIMBEL. Tous droits réservés.\n";
    CHECK_EQ(seen, L"Mode d'emploi de QUIMBEL over Form1|" + widen(quimbel::helpText) + L"\n" +
                       about + about);
    CHECK(!FindWindowW(L"About", nullptr) && IsWindowEnabled(form));
}

// The real exe, driven from outside: it starts, a screen reader hears from
// this other process each key's and line's name as the engine gives it, and
// OFF ends it with status 0. Waits for each as long as ctest lets it.
void exe(const wchar_t* path) {
    const auto process = HANDLE(_wspawnl(_P_NOWAIT, path, L"quimbel.exe", nullptr));
    if (process == INVALID_HANDLE_VALUE)
        return CHECK(!"the exe starts");
    // Until the window shows, or the exe ends without one.
    while (!IsWindowVisible(form = FindWindowW(L"Form1", nullptr)) &&
           WaitForSingleObject(process, 10) == WAIT_TIMEOUT) {
    }
    const auto heard = [](int id) {
        IAccessible* object = nullptr;
        VARIANT self{}; // CHILDID_SELF
        self.vt = VT_I4;
        BSTR name = nullptr;
        if (SUCCEEDED(AccessibleObjectFromWindow(control(id), DWORD(OBJID_CLIENT), IID_IAccessible,
                                                 reinterpret_cast<void**>(&object)))) {
            object->get_accName(self, &name);
            object->Release();
        }
        const std::wstring heard = name ? name : L"(none)";
        SysFreeString(name);
        return heard;
    };
    for (const quimbel::KeyDescription& key : quimbel::keypad)
        CHECK_EQ(heard(commandId(key.number)), widen(quimbel::spokenName(key)));
    CHECK_EQ(heard(text1Id) + L"|" + heard(text2Id),
             widen(quimbel::text1Name) + L"|" + widen(quimbel::text2Name));
    PostMessageW(control(commandId(1)), BM_CLICK, 0, 0); // OFF
    DWORD status = 1;
    WaitForSingleObject(process, INFINITE);
    GetExitCodeProcess(process, &status);
    CHECK_EQ(std::to_wstring(status), L"0");
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
