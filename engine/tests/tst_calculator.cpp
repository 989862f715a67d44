// Guards what the keys and the two clickable labels mean, on a window that
// behaves as a text box does: every write to the input line notifies at once.
#include "calculator.h"
#include "help_text.h"
#include "keypad.h"
#include "table.h"

#include <QTest>

using quimbel::ResultBackground;

namespace {

class FakeWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    // Keys by their captions, run together: "4♥XX+2V", "3NTNV". No caption
    // begins another, so the first that matches is the key.
    void press(std::string_view keys) {
        for (std::string rest = line(keys); !rest.empty();) {
            const auto key =
                std::find_if(quimbel::keypad.begin(), quimbel::keypad.end(),
                             [&](const auto& k) { return rest.starts_with(k.caption); });
            QVERIFY2(key != quimbel::keypad.end(), rest.c_str());
            calculator.Command_Click(key->number);
            rest.erase(0, key->caption.size());
        }
    }

    quimbel::Calculator calculator{*this};
    std::string text1;
    std::string face = "d"; // the design face until a key switches it
    std::string text2;
    std::string background = "-"; // V, NV or - for the window's own colour
    std::string events;           // boxes, About operations, closing

private:
    std::string read() const override { return text1; }
    void write(const std::string& text) override {
        text1 = text;
        calculator.Text1_Change();
    }
    void setInputFace(std::string_view name) override { face = name; }
    void setResult(std::string_view text) override { text2 = text; }
    void setResultBackground(ResultBackground colour) override {
        background = colour == ResultBackground::Vulnerable      ? "V"
                     : colour == ResultBackground::NotVulnerable ? "NV"
                                                                 : "-";
    }
    void showMessage(std::string_view title, std::string_view text) override {
        // The answer must wait until the box is closed.
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

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void keys() {
        // Keys, input line, result line, its colour (V, NV or - for the window's),
        // and the input line's face (d for the design face).
        const auto cases = fields(R"(
            4♥XX+2V 4♥CC+2 1880 V symbol        4♥XX+2NV 4♥CC+2 1280 NV symbol
            4♥NVV 4♥= 620 V Symbol              3NTNV 3NT= 400 NV d
            7NTXX-13V 7NTCC-13 -7600 V symbol   4♠X=5NV 4♠C= 590 NV symbol
            5-2V 5-2 31_% V d                   10-0NV 10-0 0,01_% NV d
            6-5V 6-5 erreur V d                 8♥=V ∅ Erreur V Symbol
            V ∅ Erreur V d                      12345678 12345678 ∅ - d
            V123456789 ∅ erreur V d             123456NT 123456NT ∅ - d
            1234567NT ∅ erreur - d              3NTC 3N ∅ - d
            45C 4 ∅ - d                         ♣X♦4VINI ∅ ∅ - Symbol
            XINIX C ∅ - symbol)");
        for (std::size_t i = 0; i < cases.size(); i += 5) {
            FakeWindow window;
            window.press(cases[i]);
            const std::string shown =
                window.text1 + " " + window.text2 + " " + window.background + " " + window.face;
            QVERIFY2(shown == cases[i + 1] + " " + cases[i + 2] + " " + cases[i + 3] + " " +
                                  cases[i + 4],
                     (cases[i] + " shows " + shown).c_str());
        }
    }

    void boxes() {
        FakeWindow window;
        window.press("4♥4NV2OFF");
        QCOMPARE(window.events, "quimbel: ici over ''|close|");
        QCOMPARE(window.text2, "Erreur");

        window.events.clear();
        window.press("INI4♥V");
        window.calculator.Label4_Click();
        window.calculator.Label4_Click();
        const std::string about = "Application CALCULATRICE de SCORES|Heading QUIMBEL|"
                                  "Copyright 2026 QUIMBEL. Tous droits réservés.|Display|";
        QCOMPARE(window.events, about + about);
        window.calculator.Label3_Click();
        QCOMPARE(window.events, about + about + "Mode d'emploi de QUIMBEL: " + quimbel::helpText() +
                                    " over '620'|");
        QCOMPARE(window.text1, line("4♥=")); // neither label touches the lines
    }

    void help() {
        const QStringList paragraphs = QString::fromStdString(quimbel::helpText()).split("\r\n");
        QVERIFY(paragraphs.size() == 6 && paragraphs[0].contains("score. La 'couleur'"));
        QVERIFY(paragraphs[1].contains("inscrit  ainsi") && paragraphs[2].startsWith("Il reste"));
        QVERIFY(paragraphs[4].contains("couleur: tapez"));
        QCOMPARE(paragraphs[5], "Toute erreur de saisie dans la fenêtre du haut donnera 'Erreur' "
                                "dans la fenêtre du résultat.");
    }
};

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
