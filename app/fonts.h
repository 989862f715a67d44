#pragma once

#include <QFont>

namespace quimbel {

// The face the calculator is designed in. Where it is missing, Qt falls back
// to the substitutes installed by installFontSubstitutes().
inline constexpr const char* calculatorFace = "MS Sans Serif";

void installFontSubstitutes();

QFont calculatorFont(qreal pointSize, bool bold);

} // namespace quimbel
