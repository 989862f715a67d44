// Guards what the keys and the two clickable labels mean, on a window that
// behaves as a text box does: every write to the input line notifies at once.
#include "calculator.h"
#include "frequency_table.h"
#include "help_text.h"
#include "keypad.h"
#include "table.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

using quimbel::ResultBackground;

namespace {

class FakeWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    // Keys by their captions, run together: "4♥XX+2V", "3NTNV".
    void press(std::string_view keys) {
        for (std::string rest = line(keys); !rest.empty();) {
            const quimbel::KeyDescription* pressed = nullptr;
            for (const auto& key : quimbel::keypad) {
                if (rest.starts_with(key.caption) &&
                    (!pressed || key.caption.size() > pressed->caption.size()))
                    pressed = &key;
            }
            QVERIFY2(pressed, rest.c_str());
            calculator.Command_Click(pressed->number);
            rest.erase(0, pressed->caption.size());
        }
    }

    quimbel::Calculator calculator{*this};
    std::string text1;
    std::string face = "d"; // the design face until a key switches it
    std::string text2;
    ResultBackground background = ResultBackground::Window;
    QStringList events; // boxes, About operations, closing

private:
    std::string read() const override { return text1; }
    void write(const std::string& text) override {
        text1 = text;
        calculator.Text1_Change();
    }
    void setInputFace(std::string_view name) override { face = name; }
    void setResult(std::string_view text) override { text2 = text; }
    void setResultBackground(ResultBackground colour) override { background = colour; }
    void showMessage(std::string_view title, std::string_view text) override {
        // The answer must wait until the box is closed.
        events << str(title) + ": " + str(text) + " over '" + str(text2) + "'";
    }
    AboutBox& about() override { return *this; }
    void close() override { events << "close"; }
    void setApplication(std::string_view text) override { events << "Application " + str(text); }
    void setHeading(std::string_view text) override { events << "Heading " + str(text); }
    void setCopyright(std::string_view text) override { events << "Copyright " + str(text); }
    void Display() override { events << "Display"; }
    static QString str(std::string_view text) {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
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
        const std::map<std::string, ResultBackground> colours{
            {"V", ResultBackground::Vulnerable},
            {"NV", ResultBackground::NotVulnerable},
            {"-", ResultBackground::Window}};
        for (std::size_t i = 0; i < cases.size(); i += 5) {
            FakeWindow window;
            window.press(cases[i]);
            QVERIFY2(window.text1 == cases[i + 1] && window.text2 == cases[i + 2],
                     cases[i].c_str());
            QVERIFY2(window.background == colours.at(cases[i + 3]), cases[i].c_str());
            QVERIFY2(window.face == cases[i + 4], cases[i].c_str());
        }
    }

    void boxes() {
        FakeWindow window;
        window.press("4♥4NV2OFF");
        QCOMPARE(window.events, (QStringList{"quimbel: ici over ''", "close"}));
        QCOMPARE(window.text2, "Erreur");

        window.events.clear();
        window.press("INI4♥V");
        window.calculator.Label4_Click();
        window.calculator.Label4_Click();
        const QString about = "Application CALCULATRICE de SCORES|Heading QUIMBEL|"
                              "Copyright 2026 QUIMBEL. Tous droits réservés.|Display";
        QCOMPARE(window.events.join('|'), about + '|' + about);
        window.calculator.Label3_Click();
        QVERIFY(window.events.last().startsWith("Mode d'emploi de QUIMBEL: On utilise"));
        // Neither label touches the lines.
        QCOMPARE(window.text1, line("4♥="));
        QCOMPARE(window.text2, "620");
    }

    void keyMonkey() {
        // Any key but OFF, in random order: the line never grows past 8 and the
        // result line only ever shows a score, a frequency or an error text.
        std::mt19937 random(368);
        const QRegularExpression score("^-?[0-9]{1,4}$");
        QStringList texts{"", "Erreur", "erreur"};
        for (const auto& split : quimbel::frequencyTable)
            texts << QString::fromLatin1(split.text.data(), qsizetype(split.text.size()));
        FakeWindow window;
        for (int step = 0; step < 100000; ++step) {
            window.calculator.Command_Click(2 + int(random() % 23));
            const QString shown = QString::fromStdString(window.text2);
            QVERIFY(window.text1.size() <= 8);
            QVERIFY2(texts.contains(shown) || score.match(shown).hasMatch(), qPrintable(shown));
        }
    }

    void help() {
        const QStringList paragraphs = QString::fromStdString(quimbel::helpText()).split("\r\n");
        QCOMPARE(paragraphs.size(), 6);
        QVERIFY(paragraphs[0].contains("score. La 'couleur'") &&
                paragraphs[1].contains("inscrit  ainsi"));
        QVERIFY(paragraphs[2].startsWith("Il reste à taper") &&
                paragraphs[4].contains("couleur: tapez"));
        QCOMPARE(paragraphs[5], "Toute erreur de saisie dans la fenêtre du haut donnera 'Erreur' "
                                "dans la fenêtre du résultat.");
    }
};

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
