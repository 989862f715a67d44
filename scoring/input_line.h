#pragma once

#include <string>
#include <utility>

namespace quimbel {

// The input line as the calculation operations see it: bytes in the
// Windows-1252 code page. The window backs it with its text box, tests with
// a plain string; either way a rewrite is seen by every later reader.
class InputLine {
public:
    virtual ~InputLine() = default;
    virtual std::string read() const = 0;
    virtual void write(const std::string& text) = 0;
};

class StringInputLine final : public InputLine {
public:
    explicit StringInputLine(std::string text = {})
        : text_(std::move(text)) {}
    std::string read() const override { return text_; }
    void write(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

} // namespace quimbel
