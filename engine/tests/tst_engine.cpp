// Guards the engine: what the keys and the two clickable labels mean, on a window that behaves
// as a text box does (every write to the input line notifies at once); and the arithmetic the
// windows are built from: twips to pixels, the About box's centring, the code page. The tables'
// constant facts (numbering, grid, whole pixels, places apart) are checked beside them as they
// compile; the keypad's rows as a player sees them, on the page.
#include "calculator.h"
#include "centring.h"
#include "display_mapping.h"
#include "help_text.h"
#include "keypad.h"
#include "keys.h"
#include "layout.h"
#include "recording_window.h"
#include "table.h"
#include "windows1252.h"

#include <QTest>

#include <vector>

using quimbel::ResultBackground;

namespace {

// Keys by their captions, run together: "4♥XX+2V", "3NTNV".
void press(RecordingWindow& window, std::string_view keys) {
    const std::vector<int> numbers = keyNumbers(line(keys));
    QVERIFY2(!numbers.empty(), keys.data());
    for (const int number : numbers)
        window.calculator.Command_Click(number);
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void keys() {
        // Keys, input line, result line, its colour (V, NV or - for the window's),
        // and the input line's face (d for the design face). What a line scores
        // and what the check leaves of it are tst_core's; here, once each, what
        // the keys do with them.
        const auto cases = fields(R"(
            4♥XX+2V 4♥CC+2 1880 V symbol        4♥XX+2NV 4♥CC+2 1280 NV symbol
            4♥NVV 4♥= 620 V Symbol              3NTNV 3NT= 400 NV d
            5-2V 5-2 31_% V d                   6-5NV 6-5 erreur NV d
            8♥=V ∅ Erreur V Symbol              V ∅ Erreur V d
            12345678 12345678 ∅ - d             V123456789 ∅ erreur V d
            123456NT 123456NT ∅ - d             1234567NT ∅ erreur - d
            3NTC 3N ∅ - d                       ♣X♦4VINI ∅ ∅ - Symbol
            XINIX C ∅ - symbol)");
        for (std::size_t i = 0; i < cases.size(); i += 5) {
            RecordingWindow window;
            press(window, cases[i]);
            QCOMPARE(cases[i] + ": " + window.text1 + " " + window.text2 + " " + window.background +
                         " " + window.face,
                     cases[i] + ": " + cases[i + 1] + " " + cases[i + 2] + " " + cases[i + 3] +
                         " " + cases[i + 4]);
        }
    }

    void boxes() {
        RecordingWindow window;
        press(window, "4♥4NV2OFF");
        QCOMPARE(window.events, "quimbel: ici over ''|close|");
        QCOMPARE(window.text2, "Erreur");

        window.events.clear();
        press(window, "INI4♥V");
        window.calculator.Label4_Click();
        window.calculator.Label4_Click();
        const std::string about = "Application CALCULATRICE de SCORES|Heading QUIMBEL|"
                                  "Copyright 2026 QUIMBEL. Tous droits réservés.|Display|";
        QCOMPARE(window.events, about + about);
        window.calculator.Label3_Click();
        QCOMPARE(window.events, about + about + "Mode d'emploi de QUIMBEL: " +
                                    std::string(quimbel::helpText) + " over '620'|");
        QCOMPARE(window.text1, line("4♥=")); // neither label touches the lines
    }

    void pixelsAndCentring() {
        // Twips, dots per inch, pixels: to the nearest pixel, halves up.
        const int pixels[][3] = {{3210, 96, 214},  {5520, 144, 552}, {495, 120, 41},
                                 {2055, 120, 171}, {5, 144, 1},      {719, 1, 0}};
        for (const auto& [twips, dpi, shown] : pixels)
            QCOMPARE(quimbel::toPixels(twips, dpi), shown);
        // Screen and window in twips, then the position: the difference rounded
        // half to even, then halved toward zero.
        const double centred[][3] = {{19200, 4800, 7200}, {15361, 4800, 5280}, {4800, 4803, -1},
                                     {4800.5, 0, 2400},   {4801.5, 0, 2401},   {4801.4, 0, 2400}};
        for (const auto& [screen, outer, position] : centred)
            QCOMPARE(quimbel::centredPosition(screen, outer), int(position));
        // In pixels: 15 twips a pixel at 96 dpi, 10 at 144.
        QCOMPARE(quimbel::centredPixels(1280, 320, 96), 480);
        QCOMPARE(quimbel::centredPixels(1920, 481, 144), 719);
    }

    void codePageAndDisplay() {
        // Each character to its byte, or "?" where the code page has none.
        QCOMPARE(quimbel::toWindows1252(u"€Ÿ\x81§éÿ\xA0\x80\x100♥日"),
                 "\x80\x9F\x81\xA7\xE9\xFF\xA0????");
        // One "?" per character the user sees, surrogates included.
        QCOMPARE(quimbel::toWindows1252(u"🂡4\xD800x\xDC00🂡\xD800"), "?4?x???");
        QCOMPARE(quimbel::toWindows1252(u"x🂡\xD800\xDC00\xDBFF\xDFFF\xFB01🂡"), "x?????");
        QCOMPARE(quimbel::fromWindows1252("4\xA9\x80"), u"4©€");
        // Bytes to what a Unicode window shows, the chi only in the "Symbol"
        // face; and back, through the code page for the rest.
        QCOMPARE(quimbel::toDisplay(line("♣♦♥♠4C+") + "\x80", false), u"♣♦♥♠4C+€");
        QCOMPARE(quimbel::toDisplay(line("4♥CC"), true), u"4♥ΧΧ");
        QCOMPARE(quimbel::fromDisplay(u"♣♦♥♠Χ§C€日"), line("♣♦♥♠C♣C") + "\x80?");
        QVERIFY(quimbel::isSymbolFace("Symbol") && quimbel::isSymbolFace("symbol") &&
                !quimbel::isSymbolFace("MS Sans Serif"));
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
