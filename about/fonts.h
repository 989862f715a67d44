#pragma once

#include "layout.h"

#include <QFont>

class QWidget;

namespace quimbel {

// The face the windows are designed in. Where it is missing, Qt falls back
// to the substitutes installed by installFontSubstitutes().
inline constexpr const char* designFace = "MS Sans Serif";

void installFontSubstitutes();

QFont designFont(qreal pointSize, bool bold);

// Gives a control its tabled font; size 0 keeps the window's default font.
void applyFont(QWidget* widget, const FontSpec& font);

} // namespace quimbel
