#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quimbel {

class InputLineEdit;

// The calculator: a borderless pocket-calculator window with the input line
// Text1, the result line Text2 and 24 keys.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

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

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    InputLineEdit* Text1;
    QLineEdit* Text2;
    std::array<QPushButton*, 24> Command; // Command[n - 1] is Commandn
};

} // namespace quimbel
