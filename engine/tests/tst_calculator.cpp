// Guards what the keys and the two clickable labels mean, on a window that
// behaves as a text box does: every write to the input line notifies at once.
#include "calculator.h"
#include "data_row.h"
#include "help_text.h"
#include "keypad.h"
#include "suit_literal.h"

#include <QTest>

using quimbel::ResultBackground;
using testsupport::row;

namespace {

class FakeWindow final : public quimbel::CalculatorWindow, public quimbel::AboutBox {
public:
    // Keys by what they show, separated by blanks: "4 ♥ X X + 2 V".
    void press(const QString& keys) {
        for (const QString& name : keys.split(' ', Qt::SkipEmptyParts)) {
            const std::string caption = line(name.toStdString());
            const auto key = std::find_if(quimbel::keypad.begin(), quimbel::keypad.end(),
                                          [&](const auto& k) { return k.caption == caption; });
            QVERIFY2(key != quimbel::keypad.end(), qPrintable(name));
            calculator.Command_Click(key->number);
        }
    }

    quimbel::Calculator calculator{*this};
    std::string text1;
    std::string face = "MS Sans Serif";
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
        events << QString::fromStdString(std::string(title) + ": " + std::string(text) + " over '" +
                                         text2 + "'");
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

constexpr auto V = ResultBackground::Vulnerable;
constexpr auto NV = ResultBackground::NotVulnerable;
constexpr auto none = ResultBackground::Window;

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void labels();
    void help();
};

void TestCalculator::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<ResultBackground>("background");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("events");

    const char* design = "MS Sans Serif";
    row("4 ♥ X X + 2 V", "4♥CC+2", "1880", V, "symbol", "");
    row("4 ♥ X X + 2 NV", "4♥CC+2", "1280", NV, "symbol", "");
    row("4 ♥ NV V", "4♥=", "620", V, "Symbol", "");
    row("3 NT NV", "3NT=", "400", NV, design, "");
    row("7 NT X X - 1 3 V", "7NTCC-13", "-7600", V, "symbol", "");
    row("4 ♠ X = 5 NV", "4♠C=", "590", NV, "symbol", "");
    row("5 - 2 V", "5-2", "31 %", V, design, "");
    row("1 0 - 0 NV", "10-0", "0,01 %", NV, design, "");
    row("6 - 5 V", "6-5", "erreur", V, design, "");
    row("8 ♥ = V", "", "Erreur", V, "Symbol", "");
    row("4 ♥ 4 NV", "", "Erreur", NV, "Symbol", "quimbel: ici over ''");
    row("V", "", "Erreur", V, design, "");
    row("1 2 3 4 5 6 7 8", "12345678", "", none, design, "");
    row("V 1 2 3 4 5 6 7 8 9", "", "erreur", V, design, "");
    row("1 2 3 4 5 6 NT", "123456NT", "", none, design, "");
    row("1 2 3 4 5 6 7 NT", "", "erreur", none, design, "");
    row("3 NT C", "3N", "", none, design, "");
    row("4 C C 5", "5", "", none, design, "");
    row("♣ X ♦ 4 V INI", "", "", none, "Symbol", "");
    row("X INI X", "C", "", none, "symbol", "");
    row("2 OFF", "2", "", none, design, "close");
}

void TestCalculator::keys() {
    QFETCH(QString, keys);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(ResultBackground, background);
    QFETCH(QString, face);
    QFETCH(QString, events);

    FakeWindow window;
    window.press(keys);
    QCOMPARE(window.text1, line(text1.toStdString()));
    QCOMPARE(QString::fromStdString(window.text2), text2);
    QCOMPARE(window.background, background);
    QCOMPARE(QString::fromStdString(window.face), face);
    QCOMPARE(window.events.join('|'), events);
}

void TestCalculator::labels() {
    FakeWindow window;
    window.press("4 ♥ V");
    window.calculator.Label4_Click();
    window.calculator.Label4_Click();
    const QString about = "Application CALCULATRICE de SCORES|Heading QUIMBEL|"
                          "Copyright 2026 QUIMBEL. Tous droits réservés.|Display";
    QCOMPARE(window.events.join('|'), about + '|' + about);
    // Neither label touches the lines.
    window.calculator.Label3_Click();
    QCOMPARE(window.events.last().section(':', 0, 0), QString("Mode d'emploi de QUIMBEL"));
    QCOMPARE(window.text1, line("4♥="));
    QCOMPARE(window.text2, "620");
}

void TestCalculator::help() {
    const QStringList paragraphs = QString::fromStdString(quimbel::helpText()).split("\r\n");
    QCOMPARE(paragraphs.size(), 6);
    QVERIFY(paragraphs[0].contains("score. La 'couleur'") &&
            paragraphs[0].contains("pour  sans-atout"));
    QVERIFY(paragraphs[1].endsWith("on inscrit  ainsi 4CXX+2."));
    QVERIFY(paragraphs[2].startsWith("Il reste à taper sur V ou sur NV"));
    QVERIFY(paragraphs[4].contains("couleur: tapez 3-3, 5-2 ou 5-4..10-0, et"));
    QCOMPARE(paragraphs[5], "Toute erreur de saisie dans la fenêtre du haut donnera 'Erreur' "
                            "dans la fenêtre du résultat.");
}

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
