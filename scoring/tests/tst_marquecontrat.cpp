#include "notation.h"
#include "score.h"
#include "suit_literal.h"

#include "data_row.h"

#include <QTest>

using testsupport::row;

namespace {

// An accepted line's score, as the window computes it: check, then score.
QString scoreOf(const std::string& text, bool bvul) {
    quimbel::StringInputLine input(text);
    bool valid = quimbel::Verifsaisie(input, [] {});
    if (!valid)
        return QStringLiteral("rejected");
    return QString::fromStdString(quimbel::Marquecontrat(input, bvul));
}

// Duplicate scoring straight from the scoring table, trick by trick, kept
// apart from the program's closed formulas so the two can check each other.
int tableScore(int level, char strain, int doubling, int result, bool vulnerable) {
    const int factor = 1 << doubling; // 1, 2 or 4
    if (result < 0) {
        int penalty = 0;
        for (int trick = 1; trick <= -result; ++trick) {
            if (doubling == 0)
                penalty += vulnerable ? 100 : 50;
            else if (trick == 1)
                penalty += (vulnerable ? 200 : 100) * factor / 2;
            else if (trick <= 3 && !vulnerable)
                penalty += 200 * factor / 2;
            else
                penalty += 300 * factor / 2;
        }
        return -penalty;
    }
    const bool minor = strain == quimbel::club || strain == quimbel::diamond;
    int tricks = 0;
    for (int trick = 1; trick <= level; ++trick)
        tricks += strain == 'N' ? (trick == 1 ? 40 : 30) : minor ? 20 : 30;
    tricks *= factor;

    int score = tricks;
    score += tricks >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (level == 6)
        score += vulnerable ? 750 : 500;
    if (level == 7)
        score += vulnerable ? 1500 : 1000;
    score += 50 * doubling;
    const int overtrickValue = doubling == 0 ? (minor ? 20 : 30) : (vulnerable ? 100 : 50) * factor;
    return score + result * overtrickValue;
}

} // namespace

class TestMarquecontrat : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void everyAcceptedContract();
};

void TestMarquecontrat::workedExamples_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("notVulnerable");
    QTest::addColumn<QString>("vulnerable");

    row("2♦=", "90", "90");
    row("3♥", "140", "140");
    row("4♥=", "420", "620");
    row("4♠-1", "-50", "-100");
    row("3NT=", "400", "600");
    row("3NT+1", "430", "630");
    row("1♣CC=", "230", "230");
    row("1NTC=", "180", "180");
    row("2NTC=", "490", "690");
    row("1NTCC=", "560", "760");
    row("3♥C+1", "630", "930");
    row("4♥CC+2", "1280", "1880");
    row("1NTCC+6", "1760", "3160");
    row("6♠=", "980", "1430");
    row("6NT=", "990", "1440");
    row("6♠CC=", "1620", "2070");
    row("7♣C=", "1630", "2330");
    row("7NTCC=", "2280", "2980");
    row("2♣C-3", "-500", "-800");
    row("5♦C-4", "-800", "-1100");
    row("6♠C-2", "-300", "-500");
    row("4♠CC-3", "-1000", "-1600");
    row("3NTCC-2", "-600", "-1000");
    row("2♥-8", "-400", "-800");
    row("3♠C-9", "-2300", "-2600");
    row("7♥CC-7", "-3400", "-4000");
    row("7NTCC-13", "-7000", "-7600");
    row("3NTC04", "550", "750");
    row("1NC=", "180", "180");
    row("2♥+2", "170", "170");
    row("1♥+6", "260", "260");
    row("3N=", "400", "600");
    // Zero undertricks: scored as the contract made exactly.
    row("3NT-0", "400", "600");
    row("4♥CC-00", "880", "1080");
    row("3NTC-0", "550", "750");
}

void TestMarquecontrat::workedExamples() {
    QFETCH(QString, input);
    QFETCH(QString, notVulnerable);
    QFETCH(QString, vulnerable);

    QCOMPARE(scoreOf(line(input.toStdString()), false), notVulnerable);
    QCOMPARE(scoreOf(line(input.toStdString()), true), vulnerable);
}

void TestMarquecontrat::everyAcceptedContract() {
    const std::string strains[] = {line("♣"), line("♦"), line("♥"), line("♠"), "NT"};
    int checked = 0;
    for (int level = 1; level <= 7; ++level) {
        for (const std::string& strain : strains) {
            for (int doubling = 0; doubling <= 2; ++doubling) {
                const std::string contract =
                    std::to_string(level) + strain + std::string(doubling, 'C');
                std::vector<std::pair<std::string, int>> results{{"", 0}, {"=", 0}};
                for (int over = 1; over <= 7 - level; ++over)
                    results.emplace_back("+" + std::to_string(over), over);
                for (int down = 1; down <= level + 6; ++down)
                    results.emplace_back("-" + std::to_string(down), -down);

                for (const auto& [result, tricks] : results) {
                    for (bool vulnerable : {false, true}) {
                        const int expected =
                            tableScore(level, strain[0], doubling, tricks, vulnerable);
                        QCOMPARE(scoreOf(contract + result, vulnerable), QString::number(expected));
                        ++checked;
                    }
                }
            }
        }
    }
    QCOMPARE(checked, 1575 * 2);
}

QTEST_GUILESS_MAIN(TestMarquecontrat)
#include "tst_marquecontrat.moc"
