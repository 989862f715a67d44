#pragma once

#include "keypad.h"

#include <optional>
#include <string>
#include <string_view>

namespace quimbel {

enum class ResultBackground { Window, Vulnerable, NotVulnerable };

struct Rgb {
    int red;
    int green;
    int blue;
};

// The colour the result line takes after V or NV, which is also that key's
// face; none for the window's own background.
constexpr std::optional<Rgb> resultColour(ResultBackground background) {
    switch (background) {
    case ResultBackground::Vulnerable:
        return Rgb{192, 0, 0};
    case ResultBackground::NotVulnerable:
        return Rgb{0, 192, 0};
    default:
        return std::nullopt;
    }
}

// The background's name, as the page's style sheet knows it.
constexpr std::string_view backgroundName(ResultBackground background) {
    switch (background) {
    case ResultBackground::Vulnerable:
        return "Vulnerable";
    case ResultBackground::NotVulnerable:
        return "NotVulnerable";
    default:
        return "Window";
    }
}

// The background an evaluation key gives the result line; none for the others.
constexpr std::optional<ResultBackground> evaluationOf(const KeyDescription& key) {
    if (key.action == KeyAction::EvaluateVulnerable)
        return ResultBackground::Vulnerable;
    if (key.action == KeyAction::EvaluateNotVulnerable)
        return ResultBackground::NotVulnerable;
    return std::nullopt;
}

// A reusable About box: three write-only texts (UTF-8), then a modal Display.
class AboutBox {
public:
    virtual ~AboutBox() = default;
    virtual void setApplication(std::string_view text) = 0;
    virtual void setHeading(std::string_view text) = 0;
    virtual void setCopyright(std::string_view text) = 0; // shown after "Copyright © "
    virtual void Display() = 0;
};

// What the calculator asks of its window. The input line is Text1, in
// Windows-1252 bytes; writing it must call Calculator::Text1_Change before it
// returns, as a text box's change notification does.
class CalculatorWindow {
public:
    virtual ~CalculatorWindow() = default;
    virtual std::string read() const = 0;
    virtual void write(const std::string& text) = 0;
    virtual void setInputFace(std::string_view faceName) = 0;
    virtual void setResult(std::string_view text) = 0;
    virtual void setResultBackground(ResultBackground background) = 0;
    // Modal, with one OK button and no icon; returns once closed. UTF-8.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;
    // Made on first use and kept for the program's life.
    virtual AboutBox& about() = 0;
    virtual void close() = 0;
};

// What the keys and the clickable labels of Form1 mean. Keeps no state: all
// of it is in the window.
class Calculator {
public:
    explicit Calculator(CalculatorWindow& window)
        : window_(window) {}

    void Command_Click(int number); // Command1 to Command24
    void Text1_Change();            // the length guard
    void Label3_Click();            // help
    void Label4_Click();            // About

private:
    void append(std::string_view text);
    void deleteLast();
    void reset();
    void evaluate(bool bvul);

    CalculatorWindow& window_;
};

} // namespace quimbel
