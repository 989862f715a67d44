#pragma once

#include "calculator.h"
#include "fonts.h"

#include <windows.h>

#include <vector>

namespace quimbel::win32 {

// A reusable About box, filled through three write-only texts and shown
// modally with Display. Its window exists only while needed: closing it
// destroys it, and the next operation loads a fresh one, centred on the
// screen and showing the placeholders until written.
class About final : public AboutBox {
public:
    static void registerClass(HINSTANCE instance);

    explicit About(HINSTANCE instance)
        : instance_(instance) {}
    About(const About&) = delete;
    About& operator=(const About&) = delete;
    ~About() override;

    void setApplication(std::string_view text) override;
    void setHeading(std::string_view text) override;
    void setCopyright(std::string_view text) override;
    // Shows the box with no owner; the program's other windows take no input
    // until the user closes it.
    void Display() override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void load();
    void createControls(int dpi);
    void layOut(int dpi);
    void setLabel(int id, std::string_view text);
    void close();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    Fonts fonts_{USER_DEFAULT_SCREEN_DPI};
    std::vector<HWND> disabled_; // the windows Display turned off
};

} // namespace quimbel::win32
