// Feeds any bytes to the calculation core, which other programs may call with
// any line, and drives the calculator with them as a player could (keys, any
// UTF-16 text, label clicks), checking what always holds after every step.
// Read as ints, the same bytes are one pairs board's scores, which the web
// page may pass any ints, and, round and round, a pairs session's travellers.
// Boxes are modal, so none is ever left open. IMPs and VPs need no fuzzing:
// tst_match pins them over every input that matters and the int's ends.
#include "display_mapping.h"
#include "invariants.h"
#include "pairs.h"
#include "recording_window.h"
#include "session.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <span>
#include <tuple>
#include <vector>

namespace {

// What the result line may show: nothing, an error, a frequency, or a score as
// a 16-bit integer in plain decimal (from_chars leaves 0 for what it refuses).
bool isShowable(const std::string& text) {
    std::int16_t score = 0;
    std::from_chars(text.data(), text.data() + text.size(), score);
    return std::to_string(score) == text || text.empty() || text == "Erreur" || text == "erreur" ||
           isFrequency(text);
}

// Up to 99 ints as a traveller's N-S scores: each pair of tables shares 2 MPs,
// a better score earns more of everything and an equal one the same, and the
// datum is a multiple of 10 at most 5 past the scores' ends; each table is
// ranked once, the best first. Counts rankPairs refuses are tst_match's.
bool holdsForPairs(std::span<const int> scores) {
    const int results = int(scores.size());
    if (!quimbel::isPairsCount(results))
        return true;
    const auto all = [](const quimbel::PairsFigures& f) {
        return std::tie(f.rank, f.tied, f.matchpoints, f.percentNorthSouth, f.percentEastWest,
                        f.crossImps, f.butlerImps);
    };
    static quimbel::PairsBoard board;
    quimbel::rankPairs(scores, board);
    std::vector<quimbel::PairsFigures> figures(scores.size());
    std::vector<bool> ranked(scores.size());
    for (int place = 0; place < board.count; ++place) {
        const auto& [table, score, figured] = board.ranked[place];
        if (table < 0 || table >= results || ranked[table] || score != scores[table] ||
            (place > 0 && board.ranked[place - 1].score < score))
            return false;
        ranked[table] = true;
        figures[table] = figured;
    }
    const auto within = [](std::int64_t low, std::int64_t value, std::int64_t high) {
        return value >= low && value <= high;
    };
    int matchpoints = 0;
    for (int i = 0; i < results; ++i) {
        const quimbel::PairsFigures& mine = figures[i];
        int equal = 0;
        for (int j = 0; j < results; ++j) {
            const quimbel::PairsFigures& other = figures[j];
            equal += scores[j] == scores[i];
            if (scores[i] == scores[j]
                    ? all(mine) != all(other)
                    : scores[i] > scores[j] &&
                          (mine.rank >= other.rank || mine.matchpoints <= other.matchpoints ||
                           mine.crossImps < other.crossImps || mine.butlerImps < other.butlerImps))
                return false;
        }
        matchpoints += mine.matchpoints;
        if (mine.tied != (equal > 1) || !within(1, mine.rank, results) ||
            !within(0, mine.matchpoints, quimbel::pairsTop(results)) ||
            !within(10000, mine.percentNorthSouth + mine.percentEastWest, 10001))
            return false;
    }
    const auto [lowest, highest] = std::ranges::minmax(scores);
    const auto nearest = [](std::int64_t value) {
        return std::clamp<std::int64_t>(value, INT_MIN / 10 * 10, INT_MAX / 10 * 10);
    };
    return board.count == results && matchpoints == results * (results - 1) &&
           board.datum % 10 == 0 &&
           within(nearest(lowest - 5LL), board.datum, nearest(highest + 5LL));
}

// Up to 36 boards of up to 50 results, read round and round from the bytes:
// pairs moving a board at a time, now and then no pair, a number out of
// range or already seated, an adjusted score, and scores often tied. Scored,
// each board's N-S matchpoints on the session's top add up to half the top
// per scored result; each pair is ranked once, with its boards, at most
// 100 %, in order of place, tied pairs sharing theirs in the order of their
// numbers; or the session is refused at a result that exists, and ranks none.
bool holdsForSession(const std::uint8_t* data, std::size_t size, bool mitchell) {
    std::size_t next = 0;
    const auto byte = [&] { return int(data[next++ % size]); };
    std::vector<int> counts(std::size_t(byte() % 37));
    std::vector<quimbel::SessionResult> results;
    int most = 0;
    for (int& count : counts) {
        count = byte() % 51;
        most = std::max(most, count);
        const int shift = byte();
        for (int i = 0; i < count; ++i) {
            const int kind = byte() % 8, value = byte();
            quimbel::SessionResult result{(2 * i + shift) % 99 + 1, (2 * i + 1 + shift) % 99 + 1,
                                          kind == 0 ? value % 8 - 1 : 0, value % 16 * 10};
            if (kind == 1 || kind == 2)
                (kind == 1 ? result.northSouth : result.eastWest) = value % 104 - 2;
            else if (kind == 3 || kind == 4)
                (kind == 3 ? result.northSouth : result.eastWest) = 0;
            results.push_back(result);
        }
    }
    static quimbel::PairsSession session;
    quimbel::rankSession(mitchell, counts, results, session);
    if (session.refused)
        return session.count == 0 && session.board >= 0 && session.board < int(counts.size()) &&
               session.result >= 0 && session.result < counts[session.board];
    std::map<std::pair<int, int>, int> played;
    std::size_t first = 0;
    for (const int count : counts) {
        const std::span board(results.data() + first, std::size_t(count));
        first += count;
        int scaled[quimbel::largestCount], sum = 0;
        const int scored = quimbel::neubergMatchpoints(board, most, scaled);
        for (int i = 0; i < count; ++i) {
            sum += scaled[i];
            if (scaled[i] < 0 || scaled[i] > scored * 2 * (most - 1))
                return false;
            for (const int side : {1, 2})
                if (const int pair = side == 1 ? board[i].northSouth : board[i].eastWest)
                    ++played[{mitchell ? side : 0, pair}];
        }
        if (sum != scored * scored * (most - 1))
            return false;
    }
    if (session.top != std::max(0, 2 * (most - 1)) ||
        session.count != (session.top ? int(played.size()) : 0))
        return false;
    for (int i = 0, rank = 1; i < session.count; ++i, ++rank) {
        const quimbel::SessionRow& row = session.rows[i];
        const quimbel::SessionRow* before = i ? &session.rows[i - 1] : nullptr;
        const quimbel::SessionRow* after = i + 1 < session.count ? &session.rows[i + 1] : nullptr;
        rank = before && before->direction != row.direction ? 1 : rank;
        const bool levelBefore = rank > 1 && before->place == row.place,
                   levelAfter =
                       after && after->direction == row.direction && after->place == row.place;
        const auto pair = std::pair{int(row.direction), row.pair};
        if (played[pair] != row.played || row.percent < 0 || row.percent > 10000 || row.total < 0 ||
            row.total > 10 * session.top * row.played ||
            (before && before->direction > row.direction) || (row.place != rank && !levelBefore) ||
            row.tied != (levelBefore || levelAfter) || (levelBefore && before->pair > row.pair) ||
            (rank > 1 && before->percent < row.percent))
            return false;
        played[pair] = -1;
    }
    return true;
}

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<int> ints(size / sizeof(int));
    std::copy_n(data, ints.size() * sizeof(int), reinterpret_cast<std::uint8_t*>(ints.data()));
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)) ||
        !holdsForPairs(std::span(ints).first(std::min(ints.size(), 99ul))) ||
        (size && (!holdsForSession(data, size, false) || !holdsForSession(data, size, true))))
        std::abort();
    RecordingWindow window;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t step = data[i++];
        if (step % 4 == 0) {
            window.calculator.Command_Click(int(step / 4 % quimbel::keypad.size()) + 1);
        } else if (step % 4 == 1) {
            std::u16string typed;
            for (std::size_t units = step / 4 % 16; units > 0 && i + 1 < size; --units, i += 2)
                typed += char16_t(data[i] | data[i + 1] << 8);
            window.text1 = quimbel::fromDisplay(typed);
            window.calculator.Text1_Change();
        } else if (step % 4 == 2) {
            window.calculator.Label3_Click();
        } else {
            window.calculator.Label4_Click();
        }
        if (window.text1.size() > 8 || !isShowable(window.text2))
            std::abort();
    }
    return 0;
}
