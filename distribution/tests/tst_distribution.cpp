// Guards the split queries: which lines are queries, and the frequency text
// of every split of 2 to 10 cards, both ways round.
#include "distribution.h"
#include "table.h"

#include <QTest>

class TestDistribution : public QObject {
    Q_OBJECT

private slots:
    void everySplitBothWays() {
        // Split, then its percentage.
        const auto splits = fields(R"(
            1-1 52  2-0 48  2-1 78  3-0 22   2-2 40   3-1 50  4-0 10  3-2 68  4-1 28  5-0 4
            3-3 36  4-2 48  5-1 15  6-0 1    4-3 62   5-2 31  6-1 6,5 7-0 0,5 4-4 33  5-3 47
            6-2 17  7-1 2,8 8-0 0,2 5-4 59   6-3 31   7-2 9   8-1 1   9-0 0,04
            5-5 31  6-4 46  7-3 18  8-2 4    9-1 0,4  10-0 0,01)");
        QCOMPARE(splits.size(), std::size_t(2 * 34));
        for (std::size_t i = 0; i < splits.size(); i += 2) {
            const std::string& split = splits[i];
            const std::size_t minus = split.find('-');
            const std::string reversed = split.substr(minus + 1) + '-' + split.substr(0, minus);
            for (const std::string& query : {split, reversed}) {
                QVERIFY(quimbel::Proba(query));
                QCOMPARE(quimbel::Repartition(query), splits[i + 1] + " %");
            }
        }
    }

    void queries() {
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

QTEST_APPLESS_MAIN(TestDistribution)
#include "tst_distribution.moc"
