#include "fonts.h"

#include "qt_conversions.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace quimbel {

namespace {

// The first of the design face and its substitutes that this system has,
// looked up once: every font asked for by a missing name costs Qt a
// font-matching pass of its own.
QString installedDesignFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        const QString design = fromUtf8(designFace);
        for (const QString& candidate : QStringList{design} + QFont::substitutes(design)) {
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return design; // none of them: Qt's own fallback decides
    }();
    return family;
}

} // namespace

void installFontSubstitutes() {
    // Never "Symbol": its symbol encoding draws Latin text as Greek and has no
    // ♣ ♦ ♥ ♠ at their Unicode code points.
    QFont::insertSubstitutions(fromUtf8(designFace),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Segoe UI"),
                                QStringLiteral("DejaVu Sans")});
}

QFont designFont(qreal pointSize, bool bold) {
    QFont font(installedDesignFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void applyFont(QWidget* widget, const FontSpec& font) {
    widget->setFont(designFont(font.pointSize, font.bold));
}

} // namespace quimbel
