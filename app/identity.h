#pragma once

#include <QString>

namespace quimbel {

// Year and rights holder, shown on the window and in the About box.
inline QString copyrightHolder() {
    return QStringLiteral("2026 QUIMBEL");
}

} // namespace quimbel
