#include "form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    quimbel::win32::Form1::registerClass(instance);
    quimbel::win32::About::registerClass(instance);
    quimbel::win32::Form1 form(instance);
    ShowWindow(form.handle(), show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab moves between the lines and the keys, as in a dialog.
        if (!IsDialogMessageW(form.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return int(message.wParam);
}
