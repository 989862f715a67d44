#pragma once

#include "layout.h"

#include <QRect>
#include <QString>

#include <string_view>

namespace quimbel {

// The windows are laid out at 96 dpi, where 15 twips make a pixel; Qt scales
// from there on screens of other densities.
inline QRect pixels(const Twips& place) {
    return {place.left / 15, place.top / 15, place.width / 15, place.height / 15};
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace quimbel
