#include "fonts.h"

#include <QStringList>

namespace quimbel {

void installFontSubstitutes() {
    // Never "Symbol": its symbol encoding draws Latin text as Greek and has no
    // ♣ ♦ ♥ ♠ at their Unicode code points.
    QFont::insertSubstitutions(QString::fromLatin1(designFace),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Segoe UI"),
                                QStringLiteral("DejaVu Sans")});
}

QFont designFont(qreal pointSize, bool bold) {
    QFont font(QString::fromLatin1(designFace));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace quimbel
