// Guards what is the Win32 window's own: control places at the system's DPI,
// fonts, colours, wiring to the engine, the message boxes and the About box,
// the exe's version block and OFF's exit status. Driven through messages, as
// automation drives a window; every modal box is closed by a timer.
#include "centring.h"
#include "control_ids.h"
#include "form1.h"
#include "help_text.h"
#include "text.h"

#include <cstdio>
#include <functional>
#include <vector>

using namespace quimbel::win32;

namespace {

int failures = 0;
#define CHECK(condition)                                                                           \
    ((condition) ? void()                                                                          \
                 : (std::printf("FAIL line %d: %s\n", __LINE__, #condition), ++failures, void()))

HWND form;
constexpr int one = 22, two = 2, three = 3, four = 23, heart = 15, club = 13, x = 18;
constexpr int plus = 11, minus = 12, off = 1, nv = 19, v = 20, ini = 21, c = 4;

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

LOGFONTW font(int id) {
    LOGFONTW description{};
    GetObjectW(HFONT(SendMessageW(control(id), WM_GETFONT, 0, 0)), sizeof description,
               &description);
    return description;
}

COLORREF pixel(int id, int left, int top) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(control(id));
    const COLORREF colour = GetPixel(dc, scaled(left), scaled(top));
    ReleaseDC(control(id), dc);
    return colour;
}

// Each modal window this thread opens goes to `inspect`, on every tick until
// it answers true; then the window is closed with its OK button.
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

// The title and text of the message box that `action` opens.
std::wstring boxFrom(const std::function<void()>& action) {
    std::wstring box;
    inspect = [&](HWND window) {
        box = windowText(window) + L"|" + windowText(GetDlgItem(window, 0xFFFF));
        return true;
    };
    action();
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

    // Stacking, which Tab follows: the lines, Command1 to 24, Label4 to Label1.
    std::vector<int> order, expected{text1Id, text2Id};
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    for (int n = 1; n <= 24; ++n)
        expected.push_back(commandId(n));
    for (int n = 4; n >= 1; --n)
        expected.push_back(labelId(n));
    CHECK(order == expected);
    CHECK(GetNextDlgTabItem(form, control(commandId(24)), FALSE) == control(text1Id));
    CHECK(GetFocus() == control(text1Id));

    const LOGFONTW suit = font(commandId(club));
    CHECK(std::wstring(suit.lfFaceName) == L"Symbol" && suit.lfCharSet == SYMBOL_CHARSET);
    CHECK(suit.lfWeight == FW_BOLD && suit.lfHeight == -scaled(13));
    CHECK(text(commandId(club)) == L"\u00A7" && text(commandId(heart)) == L"\u00A9");
    CHECK(std::wstring(font(commandId(plus)).lfFaceName) == L"MS Sans Serif");
    CHECK(font(commandId(plus)).lfHeight == -scaled(16) && font(labelId(4)).lfWeight == FW_NORMAL);
    CHECK(text(labelId(3)) == L"Q U I M B E L");
}

void keys() {
    CHECK(std::wstring(font(text1Id).lfFaceName) == L"MS Sans Serif");
    press({four, heart, x, x, plus, two, v});
    CHECK(text(text1Id) == L"4\u00A9CC+2" && text(text2Id) == L"1880");
    CHECK(std::wstring(font(text1Id).lfFaceName) == L"symbol");
    CHECK(font(text1Id).lfCharSet == SYMBOL_CHARSET);
    CHECK(pixel(text2Id, 130, 5) == RGB(192, 0, 0) && pixel(commandId(v), 6, 12) == RGB(192, 0, 0));
    CHECK(pixel(commandId(nv), 28, 20) == RGB(0, 192, 0));
    press({nv});
    CHECK(text(text2Id) == L"1280" && pixel(text2Id, 130, 5) == RGB(0, 192, 0));
    press({ini});
    CHECK(text(text1Id).empty() && text(text2Id).empty());
    CHECK(pixel(text2Id, 130, 5) == GetSysColor(COLOR_WINDOW));
    CHECK(std::wstring(font(text1Id).lfFaceName) == L"symbol");

    press({three, minus, three, v});
    CHECK(text(text2Id) == L"36 %");
    press({ini, one, heart, c, c, c, four, four});
    CHECK(text(text1Id) == L"44");
    // Typed text is held in Windows-1252, one "?" for what it lacks, and
    // the length guard runs on it as on the keys.
    for (wchar_t typed : std::wstring(L"\u00A7\u65E5\u20AC"))
        SendMessageW(control(text1Id), WM_CHAR, typed, 0);
    CHECK(text(text1Id) == L"44\u00A7?\u20AC");
    for (wchar_t typed : std::wstring(L"5678"))
        SendMessageW(control(text1Id), WM_CHAR, typed, 0);
    CHECK(text(text1Id).empty() && text(text2Id) == L"erreur");
}

void boxes() {
    press({four, heart, four});
    CHECK(boxFrom([] { press({v}); }) == L"quimbel|ici" && text(text2Id) == L"Erreur");
    const std::wstring help =
        boxFrom([] { SendMessageW(control(labelId(3)), WM_LBUTTONDOWN, 0, 0); });
    CHECK(help == L"Mode d'emploi de QUIMBEL|" + widen(quimbel::helpText()));

    std::vector<RECT> shownAt;
    for (int opening = 0; opening < 2; ++opening) {
        inspect = [&](HWND about) {
            if (shownAt.size() == std::size_t(opening)) {
                // Enter and Escape close nothing; the user moves the box away.
                shownAt.emplace_back();
                GetWindowRect(about, &shownAt.back());
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
            CHECK(windowText(GetDlgItem(about, lblApplicationId)) == L"CALCULATRICE de SCORES");
            CHECK(!IsWindowEnabled(form));
            return true;
        };
        SendMessageW(control(labelId(4)), WM_LBUTTONDOWN, 0, 0);
        CHECK(!FindWindowW(L"About", nullptr) && IsWindowEnabled(form));
    }
    inspect = nullptr;
    const RECT first = shownAt.at(0);
    const int dpi = int(GetDpiForSystem());
    CHECK(first.left == shownAt.at(1).left && first.top == shownAt.at(1).top);
    CHECK(first.left ==
          quimbel::centredPixels(GetSystemMetrics(SM_CXSCREEN), first.right - first.left, dpi));
    CHECK(first.top ==
          quimbel::centredPixels(GetSystemMetrics(SM_CYSCREEN), first.bottom - first.top, dpi));

    // A fresh box shows the placeholders until written.
    About about(GetModuleHandleW(nullptr));
    std::wstring shown;
    inspect = [&](HWND window) {
        for (int id : {lblHeadingId, lblApplicationId, lblCopyrightId})
            shown += windowText(GetDlgItem(window, id)) + L"|";
        return true;
    };
    about.setCopyright("");
    about.Display();
    CHECK(shown == L"- Heading -|- Application -|Copyright © |");
}

// The real exe: its version block, a request driven from outside, and OFF.
void exe(const wchar_t* path) {
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeW(path, &ignored), '\0');
    GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data());
    std::wstring values;
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"InternalName", L"ProductName",
                                L"OriginalFilename"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040C04B0\\") + name;
        if (VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            values += std::wstring(value) + L"|";
    }
    CHECK(values == L"1.00|1.00|quimbel|quimbel|quimbel.exe|");
    DWORD* translation = nullptr;
    UINT length = 0;
    VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                   reinterpret_cast<void**>(&translation), &length);
    CHECK(length == 4 && *translation == MAKELONG(0x040C, 0x04B0));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = std::wstring(L"\"") + path + L"\"";
    CHECK(CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process));
    for (int i = 0; i < 200 && !IsWindowVisible(form = FindWindowW(L"Form1", nullptr)); ++i)
        Sleep(50);
    // Posted, so that a crash over there cannot pass unseen as a lost reply.
    for (int number : {four, heart, x, x, plus, two, v})
        PostMessageW(control(commandId(number)), BM_CLICK, 0, 0);
    wchar_t result[16] = {};
    for (int i = 0; i < 100 && !result[0]; ++i) {
        Sleep(50);
        SendMessageTimeoutW(control(text2Id), WM_GETTEXT, 16, LPARAM(result), SMTO_BLOCK, 5000,
                            nullptr);
    }
    CHECK(std::wstring(result) == L"1880");
    CHECK(WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT); // still running
    PostMessageW(control(commandId(off)), BM_CLICK, 0, 0);
    DWORD status = 1;
    CHECK(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0);
    CHECK(GetExitCodeProcess(process.hProcess, &status) && status == 0);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
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
        keys();
        boxes();
    }
    std::printf("%s: %d failed\n", failures ? "FAIL" : "PASS", failures);
    return failures ? 1 : 0;
}
