#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quimbel {

class About;
class ClickableLabel;
class InputLineEdit;

// The calculator: a borderless pocket-calculator window with the input line
// Text1, the result line Text2 and 24 keys.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

private:
    void createLabels();
    void createKeys();
    void Form_Load();

    void Command_Click(std::size_t index);
    void Text1_Change();
    void appendToInputLine(const QString& caption);
    void deleteLastCharacter();
    void reset();
    void evaluate(bool bvul);
    void showIci();
    void Label3_Click();
    void Label4_Click();

    QLabel* Label1;
    QLabel* Label2;
    ClickableLabel* Label3;
    ClickableLabel* Label4;
    InputLineEdit* Text1;
    QLineEdit* Text2;
    std::array<QPushButton*, 24> Command; // Command[n - 1] is Commandn
    std::unique_ptr<About> about;         // made on first use, kept for the program's life
};

} // namespace quimbel
