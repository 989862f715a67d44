// Drives the calculator as a player could, with any sequence of key presses,
// typed text (any UTF-16 units) and label clicks, on a window that records
// what it is asked to show, and checks after every step what always holds.
#include "calculator.h"
#include "display_mapping.h"
#include "frequency_table.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// Boxes are modal, so none is ever left open: each must show something, and
// the About box be filled anew before each showing.
class RecordingWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    quimbel::Calculator calculator{*this};
    std::string text1, text2;

    std::string read() const override { return text1; }
    void write(const std::string& text) override {
        text1 = text;
        calculator.Text1_Change();
    }
    void setInputFace(std::string_view) override {}
    void setResult(std::string_view text) override { text2 = text; }
    void setResultBackground(quimbel::ResultBackground) override {}
    void showMessage(std::string_view title, std::string_view text) override {
        check(!title.empty() && !text.empty());
    }
    AboutBox& about() override { return *this; }
    void close() override {}
    void setApplication(std::string_view text) override { about_[0] = text; }
    void setHeading(std::string_view text) override { about_[1] = text; }
    void setCopyright(std::string_view text) override { about_[2] = text; }
    void Display() override {
        for (std::string& text : about_)
            check(!std::exchange(text, {}).empty());
    }
    static void check(bool holds) {
        if (!holds)
            std::abort();
    }

private:
    std::string about_[3];
};

// A score as the result line shows it: a 16-bit integer in plain decimal.
bool isScore(const std::string& text) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() &&
           std::to_string(value) == text;
}

bool isShowable(const std::string& text) {
    return text.empty() || text == "Erreur" || text == "erreur" || isScore(text) ||
           std::any_of(quimbel::frequencyTable.begin(), quimbel::frequencyTable.end(),
                       [&](const auto& split) { return split.text == text; });
}

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordingWindow window;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t step = data[i++];
        if (step % 4 == 0) {
            window.calculator.Command_Click(int(step / 4 % quimbel::keypad.size()) + 1);
        } else if (step % 4 == 1) {
            std::u16string typed;
            for (std::size_t units = step / 4 % 16; units > 0 && i + 1 < size; --units, i += 2)
                typed += char16_t(data[i] | data[i + 1] << 8);
            window.text1 = quimbel::fromDisplay(typed);
            window.calculator.Text1_Change();
        } else if (step % 4 == 2) {
            window.calculator.Label3_Click();
        } else {
            window.calculator.Label4_Click();
        }
        RecordingWindow::check(window.text1.size() <= 8 && isShowable(window.text2));
    }
    return 0;
}
