#pragma once

#include "layout.h"
#include "text.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quimbel::win32 {

// Every font a window draws with, made once per DPI and deleted with the window.
class Fonts {
public:
    explicit Fonts(int dpi)
        : dpi_(dpi) {}
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() {
        clear(made_);
        clear(retired_);
    }

    HFONT get(const std::wstring& face, double pointSize, bool bold,
              BYTE charset = DEFAULT_CHARSET);
    // Fonts made for the old DPI live on until the next change, so controls
    // never hold a deleted font while they are given new ones.
    void setDpi(int dpi);

private:
    struct Made {
        std::wstring face;
        double pointSize;
        bool bold;
        BYTE charset;
        HFONT font;
    };
    static void clear(std::vector<Made>& fonts);

    int dpi_;
    std::vector<Made> made_;
    std::vector<Made> retired_;
};

inline const std::wstring designFaceName = widen(designFace);

} // namespace quimbel::win32
