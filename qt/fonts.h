#pragma once

#include "layout.h"

#include <QFont>

class QWidget;

namespace quimbel {

// Where the design face is missing, Qt falls back to these substitutes.
void installFontSubstitutes();

QFont designFont(qreal pointSize, bool bold);

// Gives a control its tabled font.
void applyFont(QWidget* widget, const FontSpec& font);

} // namespace quimbel
