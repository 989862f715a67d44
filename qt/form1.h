#pragma once

#include "calculator.h"

#include <QWidget>

#include <memory>

class QLineEdit;

namespace quimbel {

class About;
class ClickableLabel;
class InputLineEdit;

// The calculator: a borderless pocket-calculator window with the input line
// Text1, the result line Text2 and 24 keys. What they do is the engine's.
class Form1 final : public QWidget, private CalculatorWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

private:
    void createControls();
    void createKeys();

    // CalculatorWindow
    std::string read() const override;
    void write(const std::string& text) override;
    void setInputFace(std::string_view faceName) override;
    void setResult(std::string_view text) override;
    void setResultBackground(ResultBackground background) override;
    void showMessage(std::string_view title, std::string_view text) override;
    AboutBox& about() override;
    void close() override;

    Calculator calculator_{*this};
    ClickableLabel* Label3;
    ClickableLabel* Label4;
    InputLineEdit* Text1;
    QLineEdit* Text2;
    std::unique_ptr<About> about_; // made on first use, kept for the program's life
};

} // namespace quimbel
