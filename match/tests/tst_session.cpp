// Guards a pairs session's ranking against sessions worked by hand, and
// what it refuses.
#include "session.h"
#include "table.h"

#include <QTest>

#include <tuple>
#include <vector>

using quimbel::SessionResult;
using Boards = std::vector<std::vector<SessionResult>>;

namespace {

// A result with its score, or with an adjusted score.
SessionResult played(int northSouth, int eastWest, int score) {
    return {northSouth, eastWest, 0, score};
}
SessionResult adjusted(int northSouth, int eastWest, int code) {
    return {northSouth, eastWest, code, 0};
}

// N-S scores from 1000 down by 10, none with pair numbers but where `seated` says.
std::vector<SessionResult> traveller(int results, std::vector<std::tuple<int, int, int>> seated) {
    std::vector<SessionResult> board;
    for (int i = 0; i < results; ++i)
        board.push_back(played(0, 0, 1000 - 10 * i));
    for (const auto& [at, northSouth, eastWest] : seated)
        board[at] = played(northSouth, eastWest, board[at].score);
    return board;
}

quimbel::PairsSession scored(bool mitchell, const Boards& boards) {
    std::vector<int> counts;
    std::vector<SessionResult> results;
    for (const auto& board : boards) {
        counts.push_back(int(board.size()));
        results.insert(results.end(), board.begin(), board.end());
    }
    quimbel::PairsSession session;
    quimbel::rankSession(mitchell, counts, results, session);
    return session;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void ranked() {
        // The largest: 99 boards of 99 results, board n with n scored and 50/50s.
        Boards largest;
        for (int n = 1; n <= 99; ++n) {
            largest.push_back(traveller(n, {{0, 1, 2}}));
            largest.back().resize(99, adjusted(0, 0, 2));
        }
        // Each session's top, then its ranking: direction (0 Howell, 1 N-S, 2 E-W), pair,
        // place, boards played, total in tenths, percent in hundredths, = if tied (- if not).
        const std::tuple<bool, Boards, int, std::string_view> sessions[] = {
            // Howell of two tables, top 2: boards 1 and 3 tied at both tables, N-S 1
            // beating N-S 4 on board 2, so 1 and 2 (facing 4) score 1 + 2 + 1 of 6, 3
            // and 4 score 1 + 0 + 1.
            {false,
             {{played(1, 2, 420), played(3, 4, 420)},
              {played(1, 3, 100), played(4, 2, -50)},
              {played(1, 4, -200), played(2, 3, -200)}},
             2,
             R"(0 1 1 3 40 6667 =   0 2 1 3 40 6667 =   0 3 3 3 20 3333 =
              0 4 3 3 20 3333 =)"},
            // Mitchell of three tables, top 4. Board 2 has two scores (own top 2: N-S 3
            // 2, N-S 1 0, brought to (2 + 1)·3/2 - 1 = 3,5 and (0 + 1)·3/2 - 1 = 0,5) and
            // a 60/40; board 3 is played twice (N-S 1 3,5 and N-S 2 0,5). N-S 2 scored 4
            // + 0,5 of 8, 56,25 %: Moyenne+ gives 60 % (2,4), so 6,9 of 12. E-W 1 scored
            // 2 of 4: Moyenne− gives 40 % (1,6), so 3,6 of 8. N-S 1 2 + 0,5 + 3,5, N-S 3
            // 0 + 3,5 of 8, E-W 3 4 + 3,5 + 3,5 of 12, E-W 2 0 + 0,5 + 0,5 of 12.
            {true,
             {{played(1, 1, 420), played(2, 2, 450), played(3, 3, -50)},
              {played(1, 3, 100), adjusted(2, 1, 1), played(3, 2, 200)},
              {played(1, 2, -100), played(2, 3, -200)}},
             4,
             R"(1 2 1 3 69 5750 -   1 1 2 3 60 5000 -   1 3 3 2 35 4375 -
              2 3 1 3 110 9167 -   2 1 2 2 36 4500 -   2 2 3 3 10 833 -)"},
            // The EBU's: ten results where eleven were expected, top 20: 18 is 19,9
            // (99,5 %), 2 is 2,3, 0 is 0,1; E-W get 0,1, 17,7 and 19,9.
            {false,
             {traveller(11, {}), traveller(10, {{0, 1, 2}, {8, 3, 4}, {9, 5, 6}})},
             20,
             R"(0 1 1 1 199 9950 =   0 6 1 1 199 9950 =   0 4 3 1 177 8850 -
              0 3 4 1 23 1150 -   0 2 5 1 1 50 =   0 5 5 1 1 50 =)"},
            // Top 4; board 1 scored twice: 1 and 4 earn 3,5, 2 and 3 0,5. 1's own 87,5 %
            // is its Moyenne+, 2's 12,5 % its Moyenne−. 5 and 6 scored no board: 60 %
            // and 40 % of 4 twice, then 50 %: 6,8 and 5,2 of 12. Ties over 2 and 1 boards.
            {false,
             {{played(1, 2, 100), played(3, 4, 50), adjusted(5, 6, 1)},
              {adjusted(1, 5, 4), adjusted(6, 2, 5)},
              {adjusted(5, 6, 2)}},
             4,
             R"(0 1 1 2 70 8750 =   0 4 1 1 35 8750 =   0 5 3 3 68 5667 -
              0 6 4 3 52 4333 -   0 2 5 2 10 1250 =   0 3 5 1 5 1250 =)"},
            // Top 8, four scores: 200 beats one, (2 + 1)·5/4 - 1 = 2,75 (34,375 %), E-W
            // 5,25 (65,625 %), each rounded up; the 50/50 gives 4 (50 %).
            {false,
             {{played(0, 0, 400), played(0, 0, 300), played(5, 6, 200), played(0, 0, 100),
               adjusted(9, 10, 2)}},
             8,
             R"(0 6 1 1 53 6563 -   0 9 2 1 40 5000 =   0 10 2 1 40 5000 =
              0 5 4 1 28 3438 -)"},
            // 1 tops each board, earning (2n - 1)·99/n - 1 = 197 - 99/n: 99·197 - 99·H
            // in all, H = 1 + 1/2 + ... + 1/99 = 5,17737..., 18990,44 of 19404; E-W 2
            // the rest, 99·H - 99 = 413,56.
            {false, largest, 196, R"(0 1 1 99 189904 9787 -   0 2 2 99 4136 213 -)"},
            // No board has two results: no top, nobody ranked.
            {false, {{played(1, 2, 100)}, {adjusted(1, 2, 1)}}, 0, {}},
        };
        for (const auto& [mitchell, boards, top, rows] : sessions) {
            const quimbel::PairsSession session = scored(mitchell, boards);
            QVERIFY(!session.refused);
            QCOMPARE(session.top, top);
            std::vector<std::string> ranking;
            for (int i = 0; i < session.count; ++i) {
                const auto& [direction, pair, place, tied, count, total, percent] = session.rows[i];
                for (const int figure : {int(direction), pair, place, count, total, percent})
                    ranking.push_back(std::to_string(figure));
                ranking.push_back(tied ? "=" : "-");
            }
            QCOMPARE(ranking, fields(rows));
        }
    }

    void refused() {
        // A pair twice on a board or facing itself, a number or an adjusted score out of
        // range: the result at fault; a board of too many results, or a session of too many
        // boards: the board, or the session.
        const std::vector<SessionResult> two = {played(1, 2, 100), played(3, 4, 50)};
        const std::tuple<bool, Boards, int, int> sessions[] = {
            {false, {two, {played(1, 2, 100), played(3, 3, 50)}}, 1, 1},
            {false, {{played(1, 2, 100), played(3, 1, 50)}}, 0, 1},
            {true, {{played(1, 2, 100), played(1, 3, 50)}}, 0, 1},
            {true, {{played(1, 2, 100), played(3, 2, 50)}}, 0, 1},
            {false, {{played(100, 2, 100)}}, 0, 0},
            {false, {{played(1, -1, 100)}}, 0, 0},
            {false, {{adjusted(1, 2, 6)}}, 0, 0},
            {false, {{adjusted(1, 2, -1)}}, 0, 0},
            {false, {two, traveller(100, {})}, 1, -1},
            {false, Boards(100, two), -1, -1},
        };
        for (const auto& [mitchell, boards, board, result] : sessions) {
            const quimbel::PairsSession session = scored(mitchell, boards);
            QCOMPARE((std::tuple{session.refused, session.board, session.result, session.count}),
                     (std::tuple{true, board, result, 0}));
        }
        // In a Mitchell N-S 3 may face E-W 3, and E-W 1 sit where N-S 1 does.
        QVERIFY(!scored(true, {{played(3, 3, 100), played(1, 2, 50), played(2, 1, 0)}}).refused);
        // Counts that do not add up to the results.
        for (const int count : {0, 2}) {
            quimbel::PairsSession session;
            quimbel::rankSession(false, std::vector{count}, std::vector{played(1, 2, 100)},
                                 session);
            QCOMPARE((std::tuple{session.refused, session.board}), (std::tuple{true, -1}));
        }
    }
};

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"
