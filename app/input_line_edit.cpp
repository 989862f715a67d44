#include "input_line_edit.h"

#include "display_mapping.h"
#include "fonts.h"
#include "qt_conversions.h"

namespace quimbel {

InputLineEdit::InputLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , faceName_(fromUtf8(designFace)) {
    // Typed text is shown as the keys would have shown it.
    connect(this, &QLineEdit::textChanged, this, &InputLineEdit::showStoredText);
}

std::string InputLineEdit::read() const {
    return fromDisplay(text());
}

void InputLineEdit::write(const std::string& bytes) {
    setText(toDisplay(bytes, symbolFace()));
}

void InputLineEdit::setFaceName(const QString& faceName) {
    faceName_ = faceName;
    showStoredText();
}

bool InputLineEdit::symbolFace() const {
    return faceName_.compare(QLatin1String("symbol"), Qt::CaseInsensitive) == 0;
}

void InputLineEdit::showStoredText() {
    const QString shown = toDisplay(read(), symbolFace());
    if (shown == text())
        return;
    const int cursor = cursorPosition();
    setText(shown);
    setCursorPosition(cursor);
}

} // namespace quimbel
