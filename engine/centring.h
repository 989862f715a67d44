#pragma once

#include <cmath>

namespace quimbel {

// The position, in twips, that centres a window of `outer` twips on a screen
// of `screen` twips: the difference rounded half to even, then halved
// truncating toward zero (10561 gives 5280, -3 gives -1).
inline int centredPosition(double screen, double outer) {
    const auto difference = static_cast<long>(std::nearbyint(screen - outer));
    return static_cast<int>(difference / 2);
}

// The same for sizes in pixels at `dpi`, back in pixels (truncated).
inline int centredPixels(int screen, int outer, int dpi) {
    const double twipsPerPixel = 1440.0 / dpi;
    return centredPosition(screen * twipsPerPixel, outer * twipsPerPixel) * dpi / 1440;
}

} // namespace quimbel
