// Drives the calculator as a player could, with any sequence of key presses,
// typed text (any UTF-16 units) and label clicks, on a window that records
// what it is asked to show, and checks after every step what always holds.
#include "calculator.h"
#include "display_mapping.h"
#include "frequency_table.h"
#include "keypad.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class RecordingWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    quimbel::Calculator calculator{*this};
    std::string text1;
    std::string text2;

    std::string read() const override { return text1; }
    void write(const std::string& text) override {
        text1 = text;
        calculator.Text1_Change();
    }
    void setInputFace(std::string_view) override {}
    void setResult(std::string_view text) override { text2 = text; }
    void setResultBackground(quimbel::ResultBackground) override {}
    // Boxes are modal: each is closed when the call returns, so none is left
    // open; each must show something.
    void showMessage(std::string_view title, std::string_view text) override {
        if (title.empty() || text.empty())
            std::abort();
    }
    AboutBox& about() override { return *this; }
    void close() override {}
    void setApplication(std::string_view text) override { aboutTexts_[0] = text; }
    void setHeading(std::string_view text) override { aboutTexts_[1] = text; }
    void setCopyright(std::string_view text) override { aboutTexts_[2] = text; }
    // The About box is filled anew before each showing.
    void Display() override {
        for (std::string& text : aboutTexts_) {
            if (text.empty())
                std::abort();
            text.clear();
        }
    }

private:
    std::string aboutTexts_[3];
};

// A score, as the result line shows it: a 16-bit integer in plain decimal.
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

// Each step is one byte, and typed text the bytes that follow it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordingWindow window;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t step = data[i++];
        switch (step % 4) {
        case 0:
            window.calculator.Command_Click(int(step / 4 % quimbel::keypad.size()) + 1);
            break;
        case 1: {
            // A text box's new text: pairs of bytes as UTF-16 units.
            const std::size_t units = std::min<std::size_t>(step / 4 % 16, (size - i) / 2);
            std::u16string typed;
            for (std::size_t u = 0; u < units; ++u, i += 2)
                typed += char16_t(data[i] | data[i + 1] << 8);
            window.text1 = quimbel::fromDisplay(typed);
            window.calculator.Text1_Change();
            break;
        }
        case 2:
            window.calculator.Label3_Click();
            break;
        default:
            window.calculator.Label4_Click();
        }
        if (window.text1.size() > 8 || !isShowable(window.text2))
            std::abort();
    }
    return 0;
}
