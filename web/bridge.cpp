// The page's side of the calculator: the engine's window, implemented by
// calling the page's JavaScript. The input line crosses as UTF-16 through the
// engine's own code page, never as std::string, which embind would pass as
// UTF-8 and so turn the suit bytes into two characters each.
#include "calculator.h"
#include "display_mapping.h"
#include "identity.h"
#include "keypad.h"
#include "layout.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace quimbel {

namespace {

using emscripten::val;

// A place at 96 dpi, in the design's pixels, which the page scales as one.
val pixels(const Twips& place) {
    val shown = val::object();
    shown.set("left", toPixels(place.left, 96));
    shown.set("top", toPixels(place.top, 96));
    shown.set("width", toPixels(place.width, 96));
    shown.set("height", toPixels(place.height, 96));
    return shown;
}

// The colour V or NV gives the result line and its own face, as CSS; empty
// for the window's own background.
std::string cssColour(ResultBackground background) {
    const auto rgb = resultColour(background);
    return rgb ? "rgb(" + std::to_string(rgb->red) + " " + std::to_string(rgb->green) + " " +
                     std::to_string(rgb->blue) + ")"
               : "";
}

// Points to the design's pixels (96 dpi); 0 is the window's default font,
// 8 points.
double pixelSize(double pointSize) {
    return (pointSize == 0 ? 8 : pointSize) * 96 / 72;
}

// What the page builds its calculator from: the keys, the two lines and the
// two labels it shows, each with its place, and the texts that name it.
val design() {
    val keys = val::array();
    for (const KeyDescription& key : keypad) {
        val shown = val::object();
        shown.set("number", key.number);
        shown.set("caption", toDisplay(key.caption, false));
        shown.set("name", std::string(spokenName(key)));
        shown.set("place", pixels(keyPlace(key)));
        shown.set("size", pixelSize(key.pointSize));
        if (const auto evaluation = evaluationOf(key))
            shown.set("face", cssColour(*evaluation));
        keys.call<void>("push", shown);
    }
    val controls = val::object();
    for (const ControlLayout& control : form1Controls) {
        val shown = val::object();
        shown.set("place", pixels(control.place));
        shown.set("size", pixelSize(control.font.pointSize));
        shown.set("bold", control.font.bold);
        controls.set(std::string(control.name), shown);
    }
    val texts = val::object();
    texts.set("title", std::string(title));
    texts.set("copyright", std::string(copyrightNotice));
    texts.set("Text1", std::string(text1Name));
    texts.set("Text2", std::string(text2Name));
    val whole = val::object();
    whole.set("keys", keys);
    whole.set("controls", controls);
    whole.set("texts", texts);
    return whole;
}

// Form1 and the About box as the page shows them. The page's boxes are modal
// but do not block: the engine's answer is written behind the box, which the
// user sees once it is closed, as on the desktop.
class PageWindow final : public CalculatorWindow, public AboutBox {
public:
    explicit PageWindow(val page)
        : page_(std::move(page)) {}

    void press(int number) {
        if (number >= 1 && number <= int(keypad.size()))
            calculator_.Command_Click(number);
    }
    // Typed text, shown again as the keys would have shown it, then guarded.
    void typed() {
        show(read());
        calculator_.Text1_Change();
    }
    void helpClicked() { calculator_.Label3_Click(); }
    void aboutClicked() { calculator_.Label4_Click(); }

private:
    std::string read() const override {
        return fromDisplay(page_.call<std::u16string>("readInput"));
    }
    void write(const std::string& text) override {
        show(text);
        calculator_.Text1_Change();
    }
    void setInputFace(std::string_view faceName) override {
        face_ = faceName;
        show(read());
    }
    void setResult(std::string_view text) override {
        page_.call<void>("setResult", std::string(text));
    }
    void setResultBackground(ResultBackground background) override {
        page_.call<void>("setResultBackground", cssColour(background));
    }
    void showMessage(std::string_view title, std::string_view text) override {
        page_.call<void>("showMessage", std::string(title), std::string(text));
    }
    AboutBox& about() override { return *this; }
    void close() override { page_.call<void>("close"); }

    void setApplication(std::string_view text) override { setAbout("lblApplication", text); }
    void setHeading(std::string_view text) override { setAbout("lblHeading", text); }
    void setCopyright(std::string_view text) override {
        setAbout("lblCopyright", std::string(copyrightPrefix).append(text));
    }
    void Display() override { page_.call<void>("displayAbout"); }

    void setAbout(const char* label, std::string_view text) {
        page_.call<void>("setAboutText", std::string(label), std::string(text));
    }
    void show(const std::string& bytes) {
        page_.call<void>("showInput", toDisplay(bytes, isSymbolFace(face_)));
    }

    val page_;
    std::string face_{designFace};
    Calculator calculator_{*this};
};

} // namespace

EMSCRIPTEN_BINDINGS(quimbel) {
    emscripten::function("design", &design);
    emscripten::class_<PageWindow>("Calculator")
        .constructor<val>()
        .function("press", &PageWindow::press)
        .function("typed", &PageWindow::typed)
        .function("helpClicked", &PageWindow::helpClicked)
        .function("aboutClicked", &PageWindow::aboutClicked);
}

} // namespace quimbel
