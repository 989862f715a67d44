#pragma once

#include <QFont>

namespace quimbel {

// The face the windows are designed in. Where it is missing, Qt falls back
// to the substitutes installed by installFontSubstitutes().
inline constexpr const char* designFace = "MS Sans Serif";

void installFontSubstitutes();

QFont designFont(qreal pointSize, bool bold);

} // namespace quimbel
