// Guards what compares scores between tables: the IMP scale against the one
// the WBF publishes, a board's and a match's IMPs, the boards' cycle against
// the duplicate table, and the VP scale against wbf_vp_tables.json: the WBF's
// published 2013 continuous 20-VP tables for 8, 12, 16, 20 and 32 boards.
// A pairs board against travellers worked by hand.
#include "board.h"
#include "board_cycle.h"
#include "imp_scale.h"
#include "pairs.h"
#include "vp_scale.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <tuple>
#include <vector>

using quimbel::Seat;
using quimbel::Vulnerability;

class TestMatch : public QObject {
    Q_OBJECT

private slots:
    void impScale() {
        // The WBF scale as published: each IMP's highest difference, the next
        // starting 10 above it; 4000 and over are 24.
        const int upTo[] = {10,  40,  80,   120,  160,  210,  260,  310,  360,  420,  490,  590,
                            740, 890, 1090, 1290, 1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};
        const auto published = [&](int difference) {
            const auto imps =
                int(std::ranges::count_if(upTo, [&](int to) { return std::abs(difference) > to; }));
            return difference < 0 ? -imps : imps;
        };
        // Every difference two boards' scores can make: a multiple of 10, up
        // to twice the largest score, each way round.
        for (int difference = -15'200; difference <= 15'200; difference += 10)
            QCOMPARE(quimbel::imps(difference), published(difference));
        // The scale's top holds for any int.
        QCOMPARE(quimbel::imps(INT_MIN), -24);
        QCOMPARE(quimbel::imps(INT_MAX), 24);
    }

    void boardsAndTotal() {
        // Each board's two scores are added, whatever their size.
        const quimbel::Board boards[] = {{620, -650},        {-100, 600},
                                         {420, -420},        {INT_MAX, INT_MAX},
                                         {INT_MIN, INT_MIN}, {INT_MIN, INT_MAX}};
        const int imps[] = {-1, 11, 0, 24, -24, 0};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(quimbel::boardImps(boards[i]), imps[i]);
        QCOMPARE(quimbel::totalImps(boards), 10);
        QCOMPARE(quimbel::totalImps({}), 0);
    }

    void boardCycle() {
        // The duplicate table: boards 1 to 16's dealer and vulnerability.
        constexpr Seat N = Seat::north, E = Seat::east, S = Seat::south, W = Seat::west;
        constexpr Vulnerability none = Vulnerability::none, ns = Vulnerability::northSouth,
                                ew = Vulnerability::eastWest, both = Vulnerability::both;
        const quimbel::Dealt cycle[] = {
            {N, none}, {E, ns},   {S, ew},   {W, both}, {N, ns},   {E, ew},   {S, both}, {W, none},
            {N, ew},   {E, both}, {S, none}, {W, ns},   {N, both}, {E, none}, {S, ns},   {W, ew}};
        // Later boards repeat it (17, 33, 99...), and so do 0 and below.
        for (int board = 1; board <= 16; ++board)
            for (int lap : {0, 1, 2, 6, -1, -2})
                QVERIFY(quimbel::dealt(board + 16 * lap) == cycle[board - 1]);
        QVERIFY(quimbel::dealt(INT_MIN) == quimbel::dealt(16)); // -2^31 ≡ 0
        QVERIFY(quimbel::dealt(INT_MAX) == quimbel::dealt(15)); // 2^31 - 1 ≡ 15
    }

    void publishedVictoryPoints() {
        QFile file(VP_TABLES_PATH);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject tables = QJsonDocument::fromJson(file.readAll())["tables"].toObject();
        QCOMPARE(tables.size(), 5);
        for (auto table = tables.begin(); table != tables.end(); ++table) {
            const QJsonArray winners = table.value().toArray();
            QCOMPARE(winners.size(), 86);
            for (int margin = 0; margin < winners.size(); ++margin)
                QCOMPARE(quimbel::victoryPoints(table.key().toInt(), margin),
                         qRound(winners[margin].toDouble() * 100));
        }
    }

    void everyMatchLength() {
        for (int boards = 1; boards <= 99; ++boards) {
            QVERIFY(quimbel::isMatchLength(boards));
            int blitz = 0; // ⌈15·√boards⌉
            while (blitz * blitz < 225 * boards)
                ++blitz;
            QCOMPARE(quimbel::victoryPoints(boards, 0), 1000);
            int previous = 1000, step = INT_MAX;
            for (int margin = 1; margin <= blitz + 1; ++margin) {
                const int winner = quimbel::victoryPoints(boards, margin);
                QVERIFY(winner >= previous && winner - previous <= step);
                QCOMPARE(winner == 2000, margin >= blitz);
                QCOMPARE(quimbel::victoryPoints(boards, -margin), 2000 - winner);
                step = winner - previous;
                previous = winner;
            }
            QCOMPARE(quimbel::victoryPoints(boards, INT_MAX), 2000);
            QCOMPARE(quimbel::victoryPoints(boards, INT_MIN), 0);
        }
        // Other lengths are refused, and scored as the nearest one allowed.
        for (int boards : {INT_MIN, 0, 100, INT_MAX})
            QVERIFY(!quimbel::isMatchLength(boards));
        QCOMPARE(quimbel::victoryPoints(INT_MIN, -7), quimbel::victoryPoints(1, -7));
        QCOMPARE(quimbel::victoryPoints(100, 7), quimbel::victoryPoints(99, 7));
    }

    void pairsBoards() {
        // Travellers, their datum, and each score's rank, tie, MPs, percents, cross-IMPs, Butler.
        using Figures = std::tuple<int, bool, int, int, int, int, int>;
        const std::tuple<std::vector<int>, int, std::vector<std::pair<int, Figures>>> boards[] = {
            // Top 8; 420, 170 and 0 kept: 196,67 → 200. 420 crosses 6+0+9+10 = 25,
            // 170 -6-6+5+6 = -1, 0 -9-9-5+2 = -21, -50 -10-10-6-2 = -28; each over 4.
            {{420, 170, 420, 0, -50},
             200,
             {{420, {1, true, 7, 8750, 1250, 625, 6}},
              {170, {3, false, 4, 5000, 5000, -25, -1}},
              {0, {4, false, 2, 2500, 7500, -525, -5}},
              {-50, {5, false, 0, 0, 10000, -700, -6}}}},
            // Top 32: 1 MP is 3,125 %, 17 are 53,125 %. Crossed: -90 -5 × 14 - 8 = -78,
            // 100 5 × 2 - 4 = 6, 230 8 × 2 + 4 × 14 = 72, each over 16. Two left out at each end.
            {{100, 100, -90, 100, 100, 100, 100, 230, 100, 100, 100, 100, -90, 100, 100, 100, 100},
             100,
             {{-90, {16, true, 1, 313, 9688, -488, -5}},
              {100, {2, true, 17, 5313, 4688, 38, 0}},
              {230, {1, false, 32, 10000, 0, 450, 4}}}},
            {{INT_MIN, INT_MIN}, -2147483640, {{INT_MIN, {1, true, 1, 5000, 5000, 0, 0}}}},
            // -1 over 3 is 0; the ends are more than the scale's top apart.
            {{INT_MAX, INT_MIN, 0}, 0, {{INT_MIN, {3, false, 0, 0, 10000, -2400, -24}}}},
        };
        for (const auto& [scores, datum, expected] : boards) {
            quimbel::PairsBoard board;
            quimbel::rankPairs(scores, board);
            QCOMPARE((std::pair{board.count, board.datum}), (std::pair{int(scores.size()), datum}));
            for (int place = 0; place < board.count; ++place) {
                const auto& [table, score, figures] = board.ranked[place];
                const auto& [rank, tied, mp, ns, ew, cross, butler] = figures;
                QCOMPARE(score, scores[table]);
                // The best first, tied tables in their order.
                const auto& before = board.ranked[std::max(place - 1, 0)];
                QVERIFY(place == 0 ||
                        (std::pair{score, before.table} < std::pair{before.score, table}));
                for (const auto& [scored, wanted] : expected)
                    if (score == scored)
                        QCOMPARE(Figures(rank, tied, mp, ns, ew, cross, butler), wanted);
            }
        }
    }

    void datumLeavesOut() {
        // 1000, 2000, 4000 and 8000 among zeros. 4 results: 6000 / 2; 10: 7000 / 8 = 875;
        // 11: 3000 / 7; 25: 3000 / 21; 26: 1000 / 20; 40: 1000 / 34; 41: 0.
        const int drops[][2] = {{4, 3000}, {10, 880}, {11, 430}, {25, 140},
                                {26, 50},  {40, 30},  {41, 0}};
        for (const auto& [results, datum] : drops) {
            std::vector scores{2000, 8000, 1000, 4000};
            scores.resize(results);
            QCOMPARE(quimbel::datum(scores), datum);
        }
        // Three results keep all: 124,67, 125, -125 and -125,33.
        const int means[][2] = {{374, 120}, {375, 130}, {-375, -120}, {-376, -130}};
        for (const auto& [third, datum] : means)
            QCOMPARE(quimbel::datum(std::vector{0, 0, third}), datum);
        // A board is ranked over 2 to 99 tables; other counts have no top nor datum, and
        // pairsTop counts them as the nearest it accepts.
        const int counts[][5] = {
            {1, 0, 0, 0, 2}, {2, 2, 2, 10, 2}, {99, 99, 196, 10, 196}, {100, 0, 0, 0, 196}};
        for (const auto& [results, count, top, datum, nearestTop] : counts) {
            QCOMPARE(quimbel::isPairsCount(results), count > 0);
            QCOMPARE(quimbel::pairsTop(results), nearestTop);
            quimbel::PairsBoard board;
            quimbel::rankPairs(std::vector<int>(results, 10), board);
            QCOMPARE((std::tuple{board.count, board.top, board.datum}),
                     (std::tuple{count, top, datum}));
        }
    }
};

QTEST_APPLESS_MAIN(TestMatch)
#include "tst_match.moc"
