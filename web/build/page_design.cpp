// Writes the page's design from the engine's tables when the site is built:
// the keys and the texts into the page, and each key's row, column, size and
// face after the hand-written rules of the style sheet, which the page
// carries inline so that it needs no other file.
//   page_design INDEX_TEMPLATE STYLE_SHEET INDEX_HTML
// For the page's tests, what a screen reader should hear of each control,
// one "id name" a line:
//   page_design --spoken-names
#include "calculator.h"
#include "display_mapping.h"
#include "identity.h"
#include "keypad.h"
#include "layout.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace quimbel {

namespace {

// The engine's display text (all of it in the Basic Multilingual Plane).
std::string utf8(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes += char(unit);
        } else if (unit < 0x800) {
            bytes += char(0xC0 | unit >> 6);
            bytes += char(0x80 | (unit & 0x3F));
        } else {
            bytes += char(0xE0 | unit >> 12);
            bytes += char(0x80 | (unit >> 6 & 0x3F));
            bytes += char(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

std::string escaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// The keys in the order of their numbers, which is the tab order.
std::string keysHtml() {
    std::string html;
    for (const KeyDescription& key : keypad) {
        html += "<button id=\"Command" + std::to_string(key.number) +
                "\" type=\"button\" aria-label=\"" + escaped(spokenName(key)) + "\">" +
                escaped(utf8(toDisplay(key.caption, false))) + "</button>\n";
    }
    return html;
}

// Black or white, whichever reads better on `face` (WCAG relative luminance).
std::string_view textOn(Rgb face) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(face.red) + 0.7152 * linear(face.green) + 0.0722 * linear(face.blue);
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? "#000" : "#fff";
}

std::string fontDeclarations(FontSpec font) {
    return "--size: " + number(font.pointSize) +
           "; font-weight: " + (font.bold ? "bold" : "normal") + ";";
}

// What the page shows of Form1 besides the keys: Label2 and Label1 show nothing.
constexpr ControlLayout shownControls[] = {form1Control("Text1"), form1Control("Text2"),
                                           form1Control("Label3"), form1Control("Label4")};

std::string designCss() {
    std::string css = "/* Made from the engine's tables when the site is built. */\n";
    css += ":root { font-family: \"" + std::string(designFace) + "\", sans-serif; }\n";
    for (const KeyDescription& key : keypad) {
        const std::string id = "#Command" + std::to_string(key.number);
        css += id + " { grid-area: " + std::to_string(key.row) + " / " +
               std::to_string(key.column) + "; " + fontDeclarations({key.pointSize, true}) + " }\n";
        if (const auto evaluation = evaluationOf(key)) {
            const Rgb face = *resultColour(*evaluation);
            css += id + ", #Text2[data-background=\"" + std::string(backgroundName(*evaluation)) +
                   "\"] { background-color: rgb(" + std::to_string(face.red) + " " +
                   std::to_string(face.green) + " " + std::to_string(face.blue) +
                   "); color: " + std::string(textOn(face)) + "; }\n";
        }
    }
    for (const ControlLayout& control : shownControls)
        css += "#" + std::string(control.name) + " { " + fontDeclarations(control.font) + " }\n";
    return css;
}

void replace(std::string& text, std::string_view placeholder, std::string_view value) {
    const auto at = text.find(placeholder);
    if (at == std::string::npos) {
        std::cerr << "page_design: no " << placeholder << " in the template\n";
        std::exit(1);
    }
    text.replace(at, placeholder.size(), value);
}

std::string indexHtml(std::string page, std::string_view style) {
    replace(page, "@STYLE@", std::string(style) + "\n" + designCss());
    replace(page, "@KEYS@", keysHtml());
    for (const ControlLayout& control : shownControls) {
        if (!control.caption.empty())
            replace(page, "@" + std::string(control.name) + "@", escaped(control.caption));
    }
    for (const ControlLayout& control : aboutControls)
        replace(page, "@" + std::string(control.name) + "@", escaped(control.caption));
    replace(page, "@Text1Name@", escaped(text1Name));
    replace(page, "@Text2Name@", escaped(text2Name));
    replace(page, "@AboutTitle@", escaped(aboutTitle));
    return page;
}

} // namespace

} // namespace quimbel

namespace {

std::string contents(const char* path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--spoken-names") {
        for (const quimbel::KeyDescription& key : quimbel::keypad)
            std::cout << "Command" << key.number << ' ' << quimbel::spokenName(key) << '\n';
        std::cout << "Text1 " << quimbel::text1Name << "\nText2 " << quimbel::text2Name << '\n';
        return 0;
    }
    if (argc != 4) {
        std::cerr << "usage: page_design INDEX_TEMPLATE STYLE_SHEET INDEX_HTML\n"
                     "       page_design --spoken-names\n";
        return 2;
    }
    std::ofstream(argv[3]) << quimbel::indexHtml(contents(argv[1]), contents(argv[2]));
    return 0;
}
