#pragma once

#include "about.h"
#include "calculator.h"
#include "fonts.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

namespace quimbel::win32 {

// The calculator window: borderless, with the input line Text1, the result
// line Text2, 24 keys and four labels. What they do is the engine's.
class Form1 final : private CalculatorWindow {
public:
    static void registerClass(HINSTANCE instance);

    // Creates the window, hidden, at the place the system chooses.
    explicit Form1(HINSTANCE instance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    HWND handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut();
    HFONT text1Font();
    void onCommand(int id, int code);
    void Text1_Change();
    HBRUSH brush(ResultBackground background) const;
    void drawKey(const DRAWITEMSTRUCT& item) const;

    // CalculatorWindow
    std::string read() const override;
    void write(const std::string& text) override;
    void setInputFace(std::string_view faceName) override;
    void setResult(std::string_view text) override;
    void setResultBackground(ResultBackground background) override;
    void showMessage(std::string_view title, std::string_view text) override;
    AboutBox& about() override;
    void close() override;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Fonts fonts_{USER_DEFAULT_SCREEN_DPI};
    HBRUSH vulnerableBrush_;
    HBRUSH notVulnerableBrush_;
    Calculator calculator_{*this};
    HWND Text1 = nullptr;
    HWND Text2 = nullptr;
    std::array<HWND, keypad.size()> Command{}; // Command[n - 1] is Commandn
    std::array<HWND, 4> Label{};               // Label[n - 1] is Labeln
    std::wstring text1Face_ = designFaceName;  // as the suit and X keys set it
    ResultBackground resultBackground_ = ResultBackground::Window;
    std::unique_ptr<About> about_; // made on first use, kept for the program's life
};

} // namespace quimbel::win32
