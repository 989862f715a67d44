// Saves a picture of the calculator window showing 4♥XX+2 and its score, as
// the README shows it, as a 24-bit BMP.
#include "control_ids.h"
#include "form1.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: quimbel_screenshot OUTPUT.bmp\n", stderr);
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    quimbel::win32::Form1::registerClass(instance);
    quimbel::win32::Form1 form(instance);
    ShowWindow(form.handle(), SW_SHOW);
    for (int number : {23, 15, 18, 18, 11, 2, 20}) // 4 ♥ X X + 2 V
        SendDlgItemMessageW(form.handle(), quimbel::win32::commandId(number), BM_CLICK, 0, 0);
    RedrawWindow(form.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    RECT place;
    GetWindowRect(form.handle(), &place);
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
    FILE* out = _wfopen(argv[1], L"wb");
    const bool written = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    if (out)
        std::fclose(out);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written ? 0 : 1;
}
