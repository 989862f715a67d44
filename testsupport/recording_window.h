#pragma once

#include "calculator.h"

#include <string>

// A window for the engine that keeps what it is asked to show: the two lines,
// the result's colour (V, NV or - for the window's own), the input line's
// face (d for the design face), and the boxes, About calls and closing in
// the order they come. Writing the input line notifies at once, as a text
// box does.
class RecordingWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    quimbel::Calculator calculator{*this};
    std::string text1;
    std::string face = "d";
    std::string text2;
    std::string background = "-";
    std::string events;

    std::string read() const override { return text1; }
    void write(const std::string& text) override {
        text1 = text;
        calculator.Text1_Change();
    }

private:
    void setInputFace(std::string_view name) override { face = name; }
    void setResult(std::string_view text) override { text2 = text; }
    void setResultBackground(quimbel::ResultBackground colour) override {
        background = colour == quimbel::ResultBackground::Vulnerable      ? "V"
                     : colour == quimbel::ResultBackground::NotVulnerable ? "NV"
                                                                          : "-";
    }
    // A box is modal: what it was shown over says the answer waited for it.
    void showMessage(std::string_view title, std::string_view text) override {
        log(std::string(title) + ": " + std::string(text) + " over '" + text2 + "'");
    }
    AboutBox& about() override { return *this; }
    void close() override { log("close"); }
    void setApplication(std::string_view text) override { log("Application ", text); }
    void setHeading(std::string_view text) override { log("Heading ", text); }
    void setCopyright(std::string_view text) override { log("Copyright ", text); }
    void Display() override { log("Display"); }
    void log(std::string_view event, std::string_view text = {}) {
        events += std::string(event) + std::string(text) + "|";
    }
};
