#pragma once

#include "layout.h"

#include <QRect>
#include <QString>

#include <string_view>

namespace quimbel {

// The windows are laid out at 96 dpi, where 15 twips make a pixel; Qt scales
// from there on screens of other densities.
inline QRect pixels(const Twips& place) {
    return {toPixels(place.left, 96), toPixels(place.top, 96), toPixels(place.width, 96),
            toPixels(place.height, 96)};
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace quimbel
