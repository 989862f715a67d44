#pragma once

#include <QLineEdit>

#include <string>

namespace quimbel {

// The input line Text1: a text box that stores the calculator's Windows-1252
// characters and shows them through the display mapping. Text typed or pasted
// keeps its meaning: a typed "C" is a double sign and shows as one.
class InputLineEdit final : public QLineEdit {
public:
    explicit InputLineEdit(QWidget* parent);

    std::string read() const;
    void write(const std::string& text);

    // The face the line is drawn in, as the keys set it: "Symbol" or
    // "symbol" once a suit or X key was pressed. The glyphs themselves come
    // from the normal face, which has the suit symbols and the chi.
    void setFaceName(const QString& faceName);

private:
    bool symbolFace() const;
    void showStoredText();

    QString faceName_;
};

} // namespace quimbel
