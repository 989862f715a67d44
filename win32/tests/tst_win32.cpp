// Guards what is the Win32 window's own: control places at the system's DPI,
// fonts, colours, wiring to the engine, the message boxes and the About box,
// the exe's version block and OFF's exit status. Driven through messages, as
// automation drives a window; every modal box is closed by a timer.
#include "centring.h"
#include "control_ids.h"
#include "form1.h"
#include "help_text.h"
#include "text.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace quimbel::win32;

namespace {

int failures = 0;

void check(bool ok, const char* what, int line) {
    if (!ok) {
        std::printf("FAIL line %d: %s\n", line, what);
        ++failures;
    }
}
#define CHECK(condition) check(condition, #condition, __LINE__)

HWND form;

HWND control(int id) {
    return GetDlgItem(form, id);
}

void click(int id) {
    SendMessageW(control(id), BM_CLICK, 0, 0);
}

std::wstring text(int id) {
    return windowText(control(id));
}

// The spec's pixels at 96 dpi, scaled to the system's DPI.
int scaled(int pixels) {
    return MulDiv(pixels, int(GetDpiForSystem()), 96);
}

RECT placeInForm(int id) {
    RECT place;
    GetWindowRect(control(id), &place);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool placedAt(int id, int x, int y, int width, int height) {
    const RECT place = placeInForm(id);
    return place.left == scaled(x) && place.top == scaled(y) &&
           place.right - place.left == scaled(x + width) - scaled(x) &&
           place.bottom - place.top == scaled(y + height) - scaled(y);
}

LOGFONTW font(HWND window) {
    LOGFONTW description{};
    GetObjectW(HFONT(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof description, &description);
    return description;
}

COLORREF pixel(int id, int x, int y) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(control(id));
    const COLORREF colour = GetPixel(dc, scaled(x), scaled(y));
    ReleaseDC(control(id), dc);
    return colour;
}

// Hands each modal window this thread opens to `inspect`, which returns true
// once it is done with it; then the window is closed with its OK button.
std::function<bool(HWND)> inspect;

void CALLBACK watchModal(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) {
            wchar_t kind[32] = {};
            GetClassNameW(window, kind, 32);
            const std::wstring name = kind;
            if (IsWindowVisible(window) && (name == L"#32770" || name == L"About")) {
                if (!inspect || inspect(window))
                    SendMessageW(GetDlgItem(window, name == L"About" ? cmdOKId : IDOK), BM_CLICK, 0,
                                 0);
                return FALSE;
            }
            return TRUE;
        },
        0);
}

struct Box {
    std::wstring title;
    std::wstring text;
};

// Runs `action` and returns the message box it opened.
Box boxFrom(const std::function<void()>& action) {
    Box box;
    inspect = [&](HWND window) {
        box = {windowText(window), windowText(GetDlgItem(window, 0xFFFF))};
        return true;
    };
    action();
    inspect = nullptr;
    return box;
}

void press(std::initializer_list<int> numbers) {
    for (int number : numbers)
        click(commandId(number));
}

constexpr int one = 22, two = 2, three = 3, four = 23, heart = 15, club = 13, x = 18;
constexpr int plus = 11, minus = 12, off = 1, nv = 19, v = 20, ini = 21, c = 4;

void layout() {
    RECT client;
    GetClientRect(form, &client);
    RECT outer;
    GetWindowRect(form, &outer);
    CHECK(client.right == scaled(214) && client.bottom == scaled(368));
    CHECK(outer.right - outer.left == client.right); // no frame
    CHECK(!(GetWindowLongW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME)));
    CHECK(placedAt(text1Id, 24, 24, 137, 33) && placedAt(text2Id, 24, 64, 137, 33));
    CHECK(placedAt(commandId(off), 8, 112, 33, 25) && placedAt(commandId(v), 176, 312, 33, 25));
    CHECK(placedAt(commandId(one), 8, 232, 33, 25) && placedAt(commandId(heart), 176, 192, 33, 25));
    CHECK(placedAt(labelId(2), 0, 0, 217, 329) && placedAt(labelId(4), 48, 344, 121, 25));

    // Stacking and Tab: the lines, Command1 to Command24, then Label4 to Label1.
    std::vector<int> order;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    std::vector<int> expected{text1Id, text2Id};
    for (int n = 1; n <= 24; ++n)
        expected.push_back(commandId(n));
    for (int n = 4; n >= 1; --n)
        expected.push_back(labelId(n));
    CHECK(order == expected);
    CHECK(GetNextDlgTabItem(form, control(commandId(24)), FALSE) == control(text1Id));
    CHECK(GetFocus() == control(text1Id));

    const LOGFONTW suit = font(control(commandId(club)));
    CHECK(std::wstring(suit.lfFaceName) == L"Symbol" && suit.lfCharSet == SYMBOL_CHARSET);
    CHECK(suit.lfWeight == FW_BOLD && suit.lfHeight == -MulDiv(13, int(GetDpiForSystem()), 96));
    CHECK(text(commandId(club)) == L"\u00A7" && text(commandId(heart)) == L"\u00A9");
    const LOGFONTW key = font(control(commandId(plus)));
    CHECK(std::wstring(key.lfFaceName) == L"MS Sans Serif" && key.lfHeight == -scaled(16));
    CHECK(font(control(labelId(4))).lfWeight == FW_NORMAL);
    CHECK(text(labelId(3)) == L"Q U I M B E L");
}

void keys() {
    CHECK(std::wstring(font(control(text1Id)).lfFaceName) == L"MS Sans Serif");
    press({four, heart, x, x, plus, two, v});
    CHECK(text(text1Id) == L"4\u00A9CC+2" && text(text2Id) == L"1880");
    const LOGFONTW line = font(control(text1Id));
    CHECK(std::wstring(line.lfFaceName) == L"symbol" && line.lfCharSet == SYMBOL_CHARSET);
    CHECK(pixel(text2Id, 130, 5) == RGB(192, 0, 0));
    CHECK(pixel(commandId(v), 6, 12) == RGB(192, 0, 0));
    CHECK(pixel(commandId(nv), 28, 20) == RGB(0, 192, 0));
    press({nv});
    CHECK(text(text2Id) == L"1280" && pixel(text2Id, 130, 5) == RGB(0, 192, 0));
    press({ini});
    CHECK(text(text1Id).empty() && text(text2Id).empty());
    CHECK(pixel(text2Id, 130, 5) == GetSysColor(COLOR_WINDOW));
    CHECK(std::wstring(font(control(text1Id)).lfFaceName) == L"symbol");

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
    press({v});
    CHECK(text(text2Id) == L"Erreur");
}

void boxes() {
    press({ini, four, heart, four});
    const Box ici = boxFrom([] { press({v}); });
    CHECK(ici.title == L"quimbel" && ici.text == L"ici");
    CHECK(text(text2Id) == L"Erreur");

    const Box help = boxFrom([] { SendMessageW(control(labelId(3)), WM_LBUTTONDOWN, 0, 0); });
    CHECK(help.title == L"Mode d'emploi de QUIMBEL");
    CHECK(help.text == widen(quimbel::helpText()));

    std::vector<POINT> shownAt;
    for (int opening = 0; opening < 2; ++opening) {
        int ticks = 0;
        bool checked = false;
        inspect = [&](HWND about) {
            if (ticks++ == 0) {
                RECT outer;
                GetWindowRect(about, &outer);
                shownAt.push_back({outer.left, outer.top});
                // Enter and Escape close nothing; the user moves the box away.
                PostMessageW(GetDlgItem(about, cmdOKId), WM_KEYDOWN, VK_RETURN, 0);
                PostMessageW(GetDlgItem(about, cmdOKId), WM_KEYDOWN, VK_ESCAPE, 0);
                SetWindowPos(about, nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                return false;
            }
            RECT client, outer;
            GetClientRect(about, &client);
            GetWindowRect(about, &outer);
            CHECK(client.right == scaled(312) && client.bottom == scaled(213));
            CHECK(!GetWindow(about, GW_OWNER) && !IsWindowEnabled(form));
            CHECK(windowText(about) == L"À propos");
            CHECK((GetWindowLongW(about, GWL_STYLE) & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW);
            checked = true;
            return true;
        };
        SendMessageW(control(labelId(4)), WM_LBUTTONDOWN, 0, 0);
        inspect = nullptr;
        CHECK(checked && !FindWindowW(L"About", nullptr) && IsWindowEnabled(form));
    }
    CHECK(shownAt.size() == 2 && shownAt[0].x == shownAt[1].x && shownAt[0].y == shownAt[1].y);
}

void aboutBox() {
    // A fresh box shows the placeholders, centred whatever happened before.
    About about(GetModuleHandleW(nullptr));
    std::wstring texts[3];
    RECT outer{};
    inspect = [&](HWND window) {
        texts[0] = windowText(GetDlgItem(window, lblHeadingId));
        texts[1] = windowText(GetDlgItem(window, lblApplicationId));
        texts[2] = windowText(GetDlgItem(window, lblCopyrightId));
        GetWindowRect(window, &outer);
        return true;
    };
    about.setCopyright("");
    about.Display();
    inspect = nullptr;
    CHECK(texts[0] == L"- Heading -" && texts[1] == L"- Application -");
    CHECK(texts[2] == L"Copyright © ");
    const int dpi = int(GetDpiForSystem());
    CHECK(outer.left ==
          quimbel::centredPixels(GetSystemMetrics(SM_CXSCREEN), outer.right - outer.left, dpi));
    CHECK(outer.top ==
          quimbel::centredPixels(GetSystemMetrics(SM_CYSCREEN), outer.bottom - outer.top, dpi));
}

// Saves what the screen shows of a window as a 24-bit BMP.
void saveShot(HWND window, const wchar_t* path) {
    RECT place;
    GetWindowRect(window, &place);
    const int width = place.right - place.left, height = place.bottom - place.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string pixels(std::size_t((width * 3 + 3) / 4 * 4 * height), '\0');
    GetDIBits(memory, bitmap, 0, UINT(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    BITMAPFILEHEADER file{0x4D42, DWORD(offset + pixels.size()), 0, 0, offset};
    if (FILE* out = _wfopen(path, L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The real exe: its version block, a request driven from outside, and OFF.
// With a second path, also saves a picture of the window showing the request.
void exe(const wchar_t* path, const wchar_t* shot) {
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeW(path, &ignored), '\0');
    CHECK(GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data()));
    const auto value = [&](const wchar_t* name) {
        wchar_t* found = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040C04B0\\") + name;
        return VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&found), &length)
                   ? std::wstring(found)
                   : std::wstring();
    };
    CHECK(value(L"FileVersion") == L"1.00" && value(L"ProductVersion") == L"1.00");
    CHECK(value(L"InternalName") == L"quimbel" && value(L"ProductName") == L"quimbel");
    CHECK(value(L"OriginalFilename") == L"quimbel.exe");
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
    WaitForInputIdle(process.hProcess, 10000);
    for (int i = 0; i < 100 && !(form = FindWindowW(L"Form1", nullptr)); ++i)
        Sleep(50);
    CHECK(form != nullptr);
    // Posted, so a crash in the other process cannot be swallowed unseen.
    for (int number : {four, heart, x, x, plus, two, v})
        PostMessageW(control(commandId(number)), BM_CLICK, 0, 0);
    wchar_t result[16] = {};
    for (int i = 0; i < 100 && !result[0]; ++i) {
        DWORD_PTR copied = 0;
        Sleep(50);
        SendMessageTimeoutW(control(text2Id), WM_GETTEXT, 16, LPARAM(result), SMTO_BLOCK, 5000,
                            &copied);
    }
    CHECK(std::wstring(result) == L"1880");
    CHECK(WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT); // still running
    if (shot)
        saveShot(form, shot);
    PostMessageW(control(commandId(off)), BM_CLICK, 0, 0);
    DWORD status = 1;
    CHECK(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &status);
    CHECK(status == 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wstring(argv[1]) == L"exe") {
        exe(argv[2], argc > 3 ? argv[3] : nullptr);
    } else {
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        Form1::registerClass(instance);
        About::registerClass(instance);
        Form1 window(instance);
        form = window.handle();
        ShowWindow(form, SW_SHOW);
        UpdateWindow(form);
        SetTimer(nullptr, 0, 20, watchModal);
        std::printf("at %u dpi\n", GetDpiForSystem());
        layout();
        keys();
        boxes();
        aboutBox();
    }
    std::printf("%s: %d failed\n", failures ? "FAIL" : "PASS", failures);
    return failures ? 1 : 0;
}
