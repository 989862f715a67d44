// Guards what is the Win32 window's own: control places at the system's DPI,
// fonts, colours, key faces, what a screen reader hears, wiring to the
// engine, the message boxes and the About box, and the real exe from outside:
// its names, and OFF's exit status. Driven through messages, as automation
// drives a window; a timer closes every modal box.
#include "centring.h"
#include "control_ids.h"
#include "form1.h"
#include "help_text.h"
#include "keypad.h"
#include "text.h"
#include "windows1252.h"

// MinGW's own copy of IID_IAccessible makes every call fail: define it here.
#include <initguid.h>

#include <oleacc.h>
#include <uxtheme.h>

#include <cstdio>
#include <functional>
#include <process.h>
#include <vector>

using namespace quimbel::win32;

namespace {

int failures = 0;
#define CHECK(ok)                                                                                  \
    ((ok) ? void() : (std::printf("FAIL line %d: %s\n", __LINE__, #ok), ++failures, void()))

HWND form;
constexpr int two = 2, four = 23, heart = 15, club = 13, x = 18, plus = 11, nv = 19;
constexpr int v = 20, ini = 21, off = 1;

HWND control(int id) {
    return GetDlgItem(form, id);
}

std::wstring text(int id) {
    return windowText(control(id));
}

void press(std::initializer_list<int> keys) {
    for (int number : keys)
        SendMessageW(control(commandId(number)), BM_CLICK, 0, 0);
}

void type(const std::wstring& typed) {
    for (wchar_t c : typed)
        SendMessageW(control(text1Id), WM_CHAR, c, 0);
}

// Pixels at 96 dpi, scaled to the system's DPI.
int scaled(int pixels) {
    return MulDiv(pixels, int(GetDpiForSystem()), 96);
}

bool placedAt(int id, int left, int top, int width, int height) {
    RECT place;
    GetWindowRect(control(id), &place);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&place), 2);
    return place.left == scaled(left) && place.top == scaled(top) &&
           place.right == scaled(left + width) && place.bottom == scaled(top + height);
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

COLORREF pixel(int id, int left, int top) {
    const Picture shown = painted(control(id));
    return shown.pixels[std::size_t(scaled(top) * shown.width + scaled(left))];
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

// The title and text of the message box that a message to a control opens.
std::wstring boxFrom(int id, UINT message) {
    std::wstring box;
    inspect = [&](HWND window) {
        box = windowText(window) + L"|" + windowText(GetDlgItem(window, 0xFFFF));
        return true;
    };
    SendMessageW(control(id), message, 0, 0);
    inspect = nullptr;
    return box;
}

void layout() {
    RECT client, outer;
    GetClientRect(form, &client);
    GetWindowRect(form, &outer);
    CHECK(client.right == scaled(214) && client.bottom == scaled(368));
    CHECK(outer.right - outer.left == client.right && outer.bottom - outer.top == client.bottom);
    CHECK(placedAt(text1Id, 24, 24, 137, 33) && placedAt(text2Id, 24, 64, 137, 33));
    CHECK(placedAt(commandId(off), 8, 112, 33, 25) && placedAt(commandId(v), 176, 312, 33, 25));
    CHECK(placedAt(labelId(2), 0, 0, 217, 329) && placedAt(labelId(4), 48, 344, 121, 25));
    // Stacking, which Tab follows: the lines, each under the hidden label that
    // names it, Command1 to 24, Label4 to Label1.
    std::vector<int> order, expected{text1NameId, text1Id, text2NameId, text2Id};
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    for (int n = 1; n <= 28; ++n)
        expected.push_back(n <= 24 ? commandId(n) : labelId(29 - n));
    CHECK(order == expected && GetFocus() == control(text1Id));
    CHECK(GetNextDlgTabItem(form, control(commandId(24)), FALSE) == control(text1Id));

    CHECK(font(commandId(club)) == L"Symbol 2 700 13" &&
          font(commandId(plus)) == L"MS Sans Serif 1 700 16");
    CHECK(font(labelId(4)) == L"MS Sans Serif 1 400 11" && text(labelId(3)) == L"Q U I M B E L");
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

// Command1 to Command24, then Text1 and Text2, by what a screen reader says.
std::wstring namesHeard(HWND window) {
    std::wstring heard;
    for (int n = 1; n <= 26; ++n)
        heard +=
            accessibleName(GetDlgItem(window, n <= 24 ? commandId(n) : text1Id + n - 25)) + L"|";
    return heard;
}
const std::wstring namesExpected =
    L"arrêt|2|3|efface|5|6|7|8|9|=|+|-|trèfle|carreau|cœur|pique|sans-atout|contre|"
    L"non vulnérable|vulnérable|remise à zéro|1|4|0|saisie|résultat|";

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

void namesAndFaces() {
    CHECK(namesHeard(form) == namesExpected);
    // What a sighted user sees. With themed common controls, each key but V
    // and NV is the very picture of a push button showing its caption; with
    // classic ones, and for V and NV, the key shows its caption in its font
    // (the suits in "Symbol") on its face colour.
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
        CHECK(shown);
        if (!shown)
            std::printf("Command%d does not show its caption\n", key.number);
    }
}

void keys() {
    CHECK(font(text1Id) == L"MS Sans Serif 1 700 18");
    press({four, heart, x, x, plus, two, v});
    CHECK(text(text1Id) == L"4\u00A9CC+2" && text(text2Id) == L"1880");
    CHECK(font(text1Id) == L"symbol 2 700 18");
    CHECK(pixel(text2Id, 130, 5) == RGB(192, 0, 0) && pixel(commandId(v), 6, 12) == RGB(192, 0, 0));
    CHECK(pixel(commandId(nv), 28, 20) == RGB(0, 192, 0));
    press({nv});
    CHECK(text(text2Id) == L"1280" && pixel(text2Id, 130, 5) == RGB(0, 192, 0));
    press({ini});
    CHECK(text(text1Id).empty() && text(text2Id).empty() && font(text1Id) == L"symbol 2 700 18");
    CHECK(pixel(text2Id, 130, 5) == GetSysColor(COLOR_WINDOW));
    // Typed text is held in Windows-1252, one "?" for what it lacks, and the
    // length guard runs on it as on the keys.
    press({four, four});
    type(L"\u00A7\u65E5\u20AC");
    CHECK(text(text1Id) == L"44\u00A7?\u20AC");
    type(L"5678");
    CHECK(text(text1Id).empty() && text(text2Id) == L"erreur");
}

void boxes() {
    press({four, heart, four});
    CHECK(boxFrom(commandId(v), BM_CLICK) == L"quimbel|ici" && text(text2Id) == L"Erreur");
    CHECK(boxFrom(labelId(3), WM_LBUTTONDOWN) ==
          L"Mode d'emploi de QUIMBEL|" + widen(quimbel::helpText()));

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
            CHECK(client.right == scaled(312) && client.bottom == scaled(213));
            CHECK(windowText(about) == L"À propos" && !GetWindow(about, GW_OWNER));
            CHECK((GetWindowLongW(about, GWL_STYLE) & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW);
            CHECK(!IsWindowEnabled(form));
            for (int id : {lblHeadingId, lblApplicationId, lblCopyrightId})
                texts += windowText(GetDlgItem(about, id)) + L"|";
            return true;
        };
        SendMessageW(control(labelId(4)), WM_LBUTTONDOWN, 0, 0);
        CHECK(!FindWindowW(L"About", nullptr) && IsWindowEnabled(form));
    }
    inspect = nullptr;
    const std::wstring shown =
        L"QUIMBEL|CALCULATRICE de SCORES|Copyright © 2026 QUIMBEL. Tous droits réservés.|";
    CHECK(texts == shown + shown && shownAt.size() == 2);
    const auto centred = [](int screen, int size) {
        return quimbel::centredPixels(GetSystemMetrics(screen), size, int(GetDpiForSystem()));
    };
    for (const RECT& at : shownAt)
        CHECK(at.left == centred(SM_CXSCREEN, at.right - at.left) &&
              at.top == centred(SM_CYSCREEN, at.bottom - at.top));
}

// The real exe, driven from outside: it starts, a screen reader hears its
// names from this other process, and OFF ends it with status 0.
void exe(const wchar_t* path) {
    const auto process = HANDLE(_wspawnl(_P_NOWAIT, path, L"quimbel.exe", nullptr));
    for (int i = 0; i < 200 && !IsWindowVisible(FindWindowW(L"Form1", nullptr)); ++i)
        Sleep(50);
    CHECK(namesHeard(FindWindowW(L"Form1", nullptr)) == namesExpected);
    PostMessageW(GetDlgItem(FindWindowW(L"Form1", nullptr), commandId(off)), BM_CLICK, 0, 0);
    DWORD status = 1;
    CHECK(WaitForSingleObject(process, 10000) == WAIT_OBJECT_0);
    CHECK(GetExitCodeProcess(process, &status) && status == 0);
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
        namesAndFaces();
        keys();
        boxes();
    }
    std::printf("%s: %d failed\n", failures ? "FAIL" : "PASS", failures);
    return failures ? 1 : 0;
}
