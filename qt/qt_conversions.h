#pragma once

#include "fonts.h"
#include "layout.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <string_view>

namespace quimbel {

// The windows are laid out at 96 dpi, where 15 twips make a pixel; Qt scales
// from there on screens of other densities.
inline constexpr int designDpi = 96;

inline int pixels(int twips) {
    return toPixels(twips, designDpi);
}

inline QRect pixels(const Twips& place) {
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Names, places and fonts a control as its row of a layout table has it.
inline void applyLayout(QWidget* widget, const ControlLayout& layout) {
    widget->setObjectName(fromUtf8(layout.name));
    widget->setGeometry(pixels(layout.place));
    applyFont(widget, layout.font);
}

} // namespace quimbel
