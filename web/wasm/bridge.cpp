// The page's side of the calculator: the engine behind the C interface that
// engine_interface.h declares. The input line crosses through the engine's
// own code page.
#include "engine_interface.h"

#include "calculator.h"
#include "deal_scores.h"
#include "display_mapping.h"
#include "identity.h"
#include "layout.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace quimbel {

namespace {

void setAboutText(std::string_view id, std::string_view text) {
    pageSetAboutText(id.data(), int(id.size()), text.data(), int(text.size()));
}

// Form1 and the About box as the page shows them. The page's boxes are modal
// but do not block: the engine's answer is written behind the box, which the
// user sees once it is closed, as on the desktop.
class PageWindow final : public CalculatorWindow, public AboutBox {
public:
    // A line longer than this is past the guard's limit however it is cut.
    static constexpr int readCapacity = 64;

    // Typed text, shown again as the keys would have shown it, then guarded.
    void typed() {
        show(read());
        calculator_.Text1_Change();
    }
    // OFF then on again: a fresh calculator, in the design face.
    void reset() { symbolFace_ = false; }
    Calculator& calculator() { return calculator_; }

private:
    std::string read() const override {
        char16_t units[readCapacity];
        const int length = pageReadInput(units, readCapacity);
        return fromDisplay(std::u16string_view(units, std::size_t(std::min(length, readCapacity))));
    }
    void write(const std::string& text) override {
        show(text);
        calculator_.Text1_Change();
    }
    void setInputFace(std::string_view faceName) override {
        symbolFace_ = isSymbolFace(faceName);
        show(read());
    }
    void setResult(std::string_view text) override { pageSetResult(text.data(), int(text.size())); }
    void setResultBackground(ResultBackground background) override {
        const std::string_view name = backgroundName(background);
        pageSetResultBackground(name.data(), int(name.size()));
    }
    void showMessage(std::string_view title, std::string_view text) override {
        pageShowMessage(title.data(), int(title.size()), text.data(), int(text.size()));
    }
    AboutBox& about() override { return *this; }
    void close() override { pageClose(); }

    void setApplication(std::string_view text) override { setAboutText("lblApplication", text); }
    void setHeading(std::string_view text) override { setAboutText("lblHeading", text); }
    void setCopyright(std::string_view text) override {
        setAboutText("lblCopyright", std::string(copyrightPrefix).append(text));
    }
    void Display() override { pageDisplayAbout(); }

    void show(const std::string& bytes) const {
        const std::u16string shown = toDisplay(bytes, symbolFace_);
        pageShowInput(shown.data(), int(shown.size()));
    }

    bool symbolFace_ = false; // the design face draws "C" as a C
    Calculator calculator_{*this};
};

PageWindow window;

} // namespace

} // namespace quimbel

extern "C" {
void quimbelPress(int number) {
    quimbel::window.calculator().Command_Click(number);
}
void quimbelTyped() {
    quimbel::window.typed();
}
void quimbelHelp() {
    quimbel::window.calculator().Label3_Click();
}
void quimbelAbout() {
    quimbel::window.calculator().Label4_Click();
}
void quimbelReset() {
    quimbel::window.reset();
}

int quimbelIsDealScore(int score) {
    return quimbel::isDealScore(score);
}
}
