// Feeds any bytes to the calculation core, which other programs may call with
// any line, and checks the invariants every caller relies on. Then drives the
// calculator with them as a player could: key presses, typed text (any UTF-16
// units) and label clicks, checking after every step what always holds. Boxes
// are modal, so none is ever left open. The same bytes, read as ints, go as
// the scores of one board of a pairs event, which the web page may pass any
// ints. A team board's IMPs and the VP scale need no fuzzing: tst_match pins
// them at every difference two scores make, every length and margin up to
// the blitz, and the int's ends.
#include "display_mapping.h"
#include "invariants.h"
#include "pairs.h"
#include "recording_window.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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
    const auto same = [](const quimbel::PairsFigures& a, const quimbel::PairsFigures& b) {
        return std::tie(a.rank, a.tied, a.matchpoints, a.percentNorthSouth, a.percentEastWest,
                        a.crossImps, a.butlerImps) ==
               std::tie(b.rank, b.tied, b.matchpoints, b.percentNorthSouth, b.percentEastWest,
                        b.crossImps, b.butlerImps);
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
                    ? !same(mine, other)
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
    const std::int64_t datum = board.datum;
    const auto [lowest, highest] = std::ranges::minmax(scores);
    const auto nearest = [](std::int64_t value) {
        return std::clamp<std::int64_t>(value, INT_MIN / 10 * 10, INT_MAX / 10 * 10);
    };
    return board.count == results && matchpoints == results * (results - 1) && datum % 10 == 0 &&
           within(nearest(lowest - 5LL), datum, nearest(highest + 5LL));
}

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<int> ints(size / sizeof(int));
    for (std::size_t i = 0; i < ints.size(); ++i)
        std::memcpy(&ints[i], data + i * sizeof(int), sizeof(int));
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)) ||
        !holdsForPairs(std::span(ints).first(std::min(ints.size(), 99ul))))
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
