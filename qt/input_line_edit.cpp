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
    return fromDisplay(text().toStdU16String());
}

void InputLineEdit::write(const std::string& bytes) {
    setText(QString::fromStdU16String(toDisplay(bytes, symbolFace())));
}

void InputLineEdit::setFaceName(const QString& faceName) {
    faceName_ = faceName;
    showStoredText();
}

bool InputLineEdit::symbolFace() const {
    return isSymbolFace(faceName_.toStdString());
}

void InputLineEdit::showStoredText() {
    const auto shown = QString::fromStdU16String(toDisplay(read(), symbolFace()));
    if (shown == text())
        return;
    const int cursor = cursorPosition();
    setText(shown);
    setCursorPosition(cursor);
}

} // namespace quimbel
