// Feeds any bytes to the calculation core, which other programs may call with
// any line, and checks the invariants every caller relies on. Then drives the
// calculator with them as a player could: key presses, typed text (any UTF-16
// units) and label clicks, checking after every step what always holds. Boxes
// are modal, so none is ever left open. The same bytes, read as ints, go to
// what compares scores between tables, which the web page calls with any ints,
// and, up to 99 of them, as the scores of one board of a pairs event.
#include "board.h"
#include "board_cycle.h"
#include "display_mapping.h"
#include "invariants.h"
#include "pairs.h"
#include "recording_window.h"
#include "vp_scale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A score as the result line shows it: a 16-bit integer in plain decimal.
bool isScore(const std::string& text) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() &&
           std::to_string(value) == text;
}

bool isShowable(const std::string& text) {
    return text.empty() || text == "Erreur" || text == "erreur" || isScore(text) ||
           isFrequency(text);
}

// Each pair of ints is a board, and also a board number and a match length
// with a margin.
bool holdsForMatches(const std::uint8_t* data, std::size_t size) {
    std::vector<quimbel::Board> boards;
    long long total = 0;
    for (std::size_t i = 0; i + sizeof(quimbel::Board) <= size; i += sizeof(quimbel::Board)) {
        quimbel::Board board;
        std::memcpy(&board, data + i, sizeof board);
        const auto [own, other] = board;
        const int imps = quimbel::boardImps(board);
        const auto [dealer, vulnerability] = quimbel::dealt(own);
        const int vp = quimbel::victoryPoints(own, other);
        // The loser's VPs make up the winner's to 20; INT_MIN has no opposite, and loses all.
        const int opposite = other == INT_MIN ? 2000 : quimbel::victoryPoints(own, -other);
        if (imps < -24 || imps > 24 || int(dealer) < 0 || int(dealer) > 3 ||
            int(vulnerability) < 0 || int(vulnerability) > 3 || vp < 0 || vp > 2000 ||
            (quimbel::isMatchLength(own) && vp + opposite != 2000))
            return false;
        boards.push_back(board);
        total += imps;
    }
    return quimbel::totalImps(boards) == total;
}

// The ints as a traveller's N-S scores: each pair of tables shares 2 MPs, a
// better score earns more of everything, an equal one the same, and the datum
// lies among the scores. Other counts, or a span of figures too short, leave
// the figures alone.
bool holdsForPairs(const std::uint8_t* data, std::size_t size) {
    std::array<int, 99> scores{};
    const int results = int(std::min(size / sizeof(int), scores.size()));
    std::memcpy(scores.data(), data, results * sizeof(int));
    const std::span<const int> traveller(scores.data(), results);
    std::array<quimbel::PairsFigures, 99> figures{};
    const auto untouched = [&figures] {
        return std::ranges::all_of(figures, [](auto f) { return f.rank == 0; });
    };
    quimbel::scorePairs(traveller, std::span(figures).first(std::max(results - 1, 0)));
    if (!untouched())
        return false;
    quimbel::scorePairs(traveller, std::span(figures).first(results));
    const std::int64_t datum = quimbel::datum(traveller);
    if (!quimbel::isPairsCount(results))
        return datum == 0 && untouched();
    const auto within = [](std::int64_t low, std::int64_t value, std::int64_t high) {
        return value >= low && value <= high;
    };
    const int top = quimbel::pairsTop(results);
    int matchpoints = 0;
    for (int i = 0; i < results; ++i) {
        const quimbel::PairsFigures& mine = figures[i];
        int equal = 0;
        for (int j = 0; j < results; ++j) {
            const quimbel::PairsFigures& other = figures[j];
            equal += scores[j] == scores[i];
            if (scores[i] == scores[j]
                    ? !(mine == other)
                    : scores[i] > scores[j] &&
                          (mine.rank >= other.rank || mine.matchpoints <= other.matchpoints ||
                           mine.crossImps < other.crossImps || mine.butlerImps < other.butlerImps))
                return false;
        }
        matchpoints += mine.matchpoints;
        if (mine.tied != (equal > 1) || !within(1, mine.rank, results) ||
            !within(0, mine.matchpoints, top) || !within(0, mine.percentNorthSouth, 10000) ||
            !within(0, mine.percentEastWest, 10000) ||
            !within(10000, mine.percentNorthSouth + mine.percentEastWest, 10001) ||
            !within(-2400, mine.crossImps, 2400) || !within(-24, mine.butlerImps, 24))
            return false;
    }
    // The datum is a multiple of 10 within the int, at most 5 past the scores' ends.
    const auto [lowest, highest] = std::ranges::minmax(traveller);
    const auto nearest = [](std::int64_t value) {
        return std::clamp<std::int64_t>(value, INT_MIN / 10 * 10, INT_MAX / 10 * 10);
    };
    return matchpoints == results * (results - 1) && datum % 10 == 0 &&
           within(nearest(lowest - 5LL), datum, nearest(highest + 5LL));
}

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)) ||
        !holdsForMatches(data, size) || !holdsForPairs(data, size))
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
