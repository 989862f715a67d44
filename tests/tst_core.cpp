// Guards the calculation core: the notation check, every score a player can
// key against an independent scorer, and the split queries, every
// split both ways round (the frequencies themselves are checked beside their
// table); and what every caller relies on, for every line of keypad
// characters up to five.
#include "deal_scores.h"
#include "invariants.h"
#include "table.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>

namespace {

// What the check answers of a line (ok, no, or ici: refused after the box),
// then the line it leaves; and an accepted line's score, as the keys compute it.
std::string checked(const std::string& text) {
    const auto [verdict, after] = quimbel::Verifsaisie(text);
    using enum quimbel::Verdict;
    return (verdict == Accepted ? "ok " : verdict == Refused ? "no " : "ici ") + after;
}
std::string scoreOf(const std::string& text, bool bvul) {
    const auto [verdict, checked] = quimbel::Verifsaisie(text);
    return verdict == quimbel::Verdict::Accepted ? quimbel::Marquecontrat(checked, bvul)
                                                 : "rejected";
}

// Duplicate scoring straight from the scoring table, trick by trick, kept
// apart from the program's closed formulas so the two can check each other.
int tableScore(int level, char strain, int doubling, int result, bool vulnerable) {
    const int factor = 1 << doubling; // 1, 2 or 4
    if (result < 0) {
        int penalty = 0;
        // Undoubled 50 or 100 a trick; doubled 100, 200, 200, then 300 not
        // vulnerable and 200, then 300 vulnerable; redoubled twice that.
        for (int trick = 1; trick <= -result; ++trick)
            penalty += doubling == 0 ? (vulnerable ? 100 : 50)
                                     : factor / 2 *
                                           (trick == 1                  ? (vulnerable ? 200 : 100)
                                            : trick <= 3 && !vulnerable ? 200
                                                                        : 300);
        return -penalty;
    }
    const bool minor = strain == quimbel::club || strain == quimbel::diamond;
    int tricks = 0;
    for (int trick = 1; trick <= level; ++trick)
        tricks += strain == 'N' ? (trick == 1 ? 40 : 30) : minor ? 20 : 30;
    tricks *= factor;

    int score = tricks + (tricks >= 100 ? (vulnerable ? 500 : 300) : 50);
    if (level >= 6)
        score += (level == 6 ? 500 : 1000) * (vulnerable ? 3 : 2) / 2;
    score += 50 * doubling;
    const int overtrick = doubling == 0 ? (minor ? 20 : 30) : (vulnerable ? 100 : 50) * factor;
    return score + result * overtrick;
}

// The line and every line that continues it with keypad characters, up to
// five in all, hold the core's invariants.
void holdsFrom(const std::string& text) {
    static const std::string keypad = line("0123456789+-=NTC♣♦♥♠");
    QVERIFY2(holdsInvariants(text), text.c_str());
    for (char c : text.size() < 5 ? keypad : std::string())
        holdsFrom(text + c);
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void check() {
        // Line, answer, line after the check. Every keyed contract and result
        // the cross-check below scores is accepted.
        const auto cases = fields(R"(
            ∅ no ∅           4 no 4           4♥ ok 4♥=        4♥=5 ok 4♥=      3NT ok 3NT=
            7♥CC-14 no 7♥CC-14   1♥-8 no 1♥-8     1♥+7 no 1♥+7     4NT+4 no 4NT+4   8♥= no 8♥=
            0♥= no 0♥=       4♥4 ici 4♥4      4♥♠ ici 4♥♠      5-4 no 5-4       10-0 no 10-0
            3NT+ no 3NT+     4♥+0 no 4♥+0     3♥C+10 no 3♥C+10 3NTCCC no 3NTCCC 4♥CCC no 4♥CCC
            3nt no 3nt       3NTC04 ok 3NTC04 4♥CC05 no 4♥CC05 3N= ok 3N==      4♥C=+2 ok 4♥C=
            4♥C-0 ok 4♥C-0   4♥-00 no 4♥-00   3NT-00 ok 3NT-00 4♥_2 ok 4♥_2     4♥-1x no 4♥-1x
            4♥CCC0 no 4♥CCC0 4♥T2 no 4♥T2     4♥-1+ no 4♥-1+   7♠+1 no 7♠+1
            3NT-01 ok 3NT-01 4♥-01 no 4♥-01   3NT-0 ok 3NT-0)");
        for (std::size_t i = 0; i < cases.size(); i += 3)
            QCOMPARE(cases[i] + " " + checked(cases[i]),
                     cases[i] + " " + cases[i + 1] + " " + cases[i + 2]);
    }

    void workedScores() {
        // Line, then its score not vulnerable and vulnerable: forms other than
        // the plain ones the cross-check below scores. A result keyed with a
        // leading zero counts as the number it reads, as the check counts it:
        // "3NT+01" is one overtrick, "3NT-01" one down.
        const auto cases = fields(R"(
            3NTC04 550 750     1NC= 180 180        3N= 400 600          3NT-0 400 600
            4♥CC-00 880 1080   3NTC-0 550 750      4♥C=+2 590 790       7NT-130 -650 -1300
            3NT-01 -50 -100    3NT+01 430 630      1NT+06 270 270       2♠C+03 770 1270
            4♥CC+01 1080 1480  7NT+00 1520 2220)");
        for (std::size_t i = 0; i < cases.size(); i += 3)
            QCOMPARE(cases[i] + " " + scoreOf(cases[i], false) + " " + scoreOf(cases[i], true),
                     cases[i] + " " + cases[i + 1] + " " + cases[i + 2]);
    }

    void everyAcceptedContractAndDealScore() {
        // Every contract, from all tricks down to all tricks made, each way
        // the check accepts it; "4♥" alone reads as "4♥=", which the check
        // above shows. Whatever these lines score either way is a deal score.
        std::set<std::tuple<char, char, int, int>> contracts; // level, strain, doubling, tricks
        std::set<int> dealScores{0};
        quimbel::forEachContractLine([&](std::string_view text) {
            const bool noTrump = text[1] == 'N';
            const auto doubling = int(std::count(text.begin(), text.end(), 'C'));
            const std::string result(text.substr(std::size_t(noTrump ? 3 : 2) + doubling));
            const int tricks = result == "=" ? 0 : std::stoi(result);
            contracts.emplace(text[0], text[1], doubling, tricks);
            for (bool vulnerable : {false, true}) {
                const int expected =
                    tableScore(text[0] - '0', text[1], doubling, tricks, vulnerable);
                QCOMPARE(scoreOf(std::string(text), vulnerable), std::to_string(expected));
                dealScores.insert({expected, -expected});
            }
        });
        QCOMPARE(contracts.size(), std::size_t(7 * 5 * 3 * 14));
        for (int score = -10'000; score <= 10'000; ++score)
            QVERIFY2(quimbel::isDealScore(score) == dealScores.contains(score),
                     std::to_string(score).c_str());
        for (int score : {INT_MIN, INT_MAX, 99'999})
            QVERIFY(!quimbel::isDealScore(score));
    }

    void everyKeypadLineUpToFive() { holdsFrom(""); }

    void queries() {
        // Every split of 2 to 10 cards, keyed either way round, is a query
        // and shows its row of the frequency table.
        for (const auto& row : quimbel::frequencyTable) {
            const std::string larger = std::to_string(row.larger),
                              smaller = std::to_string(row.smaller);
            for (const std::string& split : {larger + "-" + smaller, smaller + "-" + larger}) {
                QVERIFY2(quimbel::Proba(split), split.c_str());
                QCOMPARE(quimbel::Repartition(split), std::string(row.text));
            }
        }
        // Line, whether it is a query (q) or not (-), then its text ("erreur" as e):
        // a split of fewer than 2 or more than 10 cards is an error.
        const auto cases = fields(R"(
            ∅ - e      5 - e         - - e      05-5 q 31    5-05 q 31    03-3 q 36
            10-05 q 0,01   10-0+2 q 0,01   3-3+ q e   0-10+ q 0,01   3-31 q e   3- q e
            10- q e    1♠-8 - e      1C-2 q e   ♥-3 q e      C-3 q e      1NT-2 - e
            --5 q e    3--3 q e      1-0 q e    0-0 q e      6-5 q e      0-11 q e     11-0 q e)");
        for (std::size_t i = 0; i < cases.size(); i += 3) {
            const std::string text = cases[i + 2] == "e" ? "erreur" : cases[i + 2] + " %";
            QVERIFY2(quimbel::Proba(cases[i]) == (cases[i + 1] == "q"), cases[i].c_str());
            QCOMPARE(quimbel::Repartition(cases[i]), text);
        }
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
