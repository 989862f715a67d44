#include "fonts.h"

#include <cmath>

namespace quimbel::win32 {

HFONT Fonts::get(const std::wstring& face, double pointSize, bool bold, BYTE charset) {
    for (const Made& font : made_) {
        if (font.face == face && font.pointSize == pointSize && font.bold == bold &&
            font.charset == charset)
            return font.font;
    }
    LOGFONTW description{};
    description.lfHeight = -LONG(std::lround(pointSize * dpi_ / 72));
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = charset;
    description.lfQuality = DEFAULT_QUALITY;
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&description);
    made_.push_back({face, pointSize, bold, charset, font});
    return font;
}

void Fonts::setDpi(int dpi) {
    if (dpi == dpi_)
        return;
    clear(retired_);
    retired_ = std::move(made_);
    made_.clear();
    dpi_ = dpi;
}

void Fonts::clear(std::vector<Made>& fonts) {
    for (const Made& font : fonts)
        DeleteObject(font.font);
    fonts.clear();
}

} // namespace quimbel::win32
