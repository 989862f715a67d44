#include "pairs.h"

#include "imp_scale.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace quimbel {

namespace {

constexpr int fewestResults = 2;

// The scores left out at each end before the datum's mean.
int leftOut(int results) {
    return results < 4 ? 0 : results <= 10 ? 1 : 2 + (results - 11) / 15;
}

// The scale is flat past 4000, so a difference past an int earns what the int's end does.
int impsBetween(std::int64_t score, std::int64_t other) {
    return imps(int(std::clamp<std::int64_t>(score - other, INT_MIN, INT_MAX)));
}

// Score i's place among the scores, the best first and tied scores in their
// order: 0 for the first.
int placeOf(std::span<const int> scores, int i) {
    int place = 0;
    for (int j = 0; j < int(scores.size()); ++j)
        place += scores[j] > scores[i] || (scores[j] == scores[i] && j < i);
    return place;
}

// 10000·part/whole, a half upwards; neither is negative.
int percent(int part, int whole) {
    return (2 * 10000 * part + whole) / (2 * whole);
}

// 100·sum/count, a half away from zero.
int hundredthsOfMean(int sum, int count) {
    const int size = (200 * std::abs(sum) + count) / (2 * count);
    return sum < 0 ? -size : size;
}

} // namespace

bool isPairsCount(int results) {
    return results >= fewestResults && results <= largestCount;
}

int pairsTop(int results) {
    return 2 * (std::clamp(results, fewestResults, largestCount) - 1);
}

// Each score's place tells whether it is left out: no copy to sort, which
// the page would have to hold.
int datum(std::span<const int> scores) {
    const int results = int(std::min<std::size_t>(scores.size(), INT_MAX));
    if (!isPairsCount(results))
        return 0;
    const int dropped = leftOut(results), kept = results - 2 * dropped;
    std::int64_t sum = 0;
    for (int i = 0; i < results; ++i) {
        const int place = placeOf(scores, i);
        if (place >= dropped && place < results - dropped)
            sum += scores[i];
    }
    // floor(mean / 10 + 1/2) = floor((sum + 5·kept) / (10·kept)), floored below zero too.
    const std::int64_t numerator = sum + 5 * kept, denominator = 10 * kept;
    std::int64_t tens = numerator / denominator;
    if (numerator % denominator < 0)
        --tens;
    return int(std::clamp<std::int64_t>(10 * tens, INT_MIN / 10 * 10, INT_MAX / 10 * 10));
}

namespace {

// What table i earns against the others, on that top and against that datum.
PairsFigures figuresOf(std::span<const int> scores, int i, int top, int par) {
    const int results = int(scores.size());
    int above = 0, level = 0, below = 0, imps = 0;
    for (int j = 0; j < results; ++j) {
        if (j == i)
            continue;
        above += scores[j] > scores[i];
        level += scores[j] == scores[i];
        below += scores[j] < scores[i];
        imps += impsBetween(scores[i], scores[j]);
    }
    const int matchpoints = 2 * below + level;
    return {above + 1,
            level > 0,
            matchpoints,
            percent(matchpoints, top),
            percent(top - matchpoints, top),
            hundredthsOfMean(imps, results - 1),
            impsBetween(scores[i], par)};
}

} // namespace

void rankPairs(std::span<const int> scores, PairsBoard& board) {
    const int results = int(std::min<std::size_t>(scores.size(), INT_MAX));
    const bool scored = isPairsCount(results);
    board.count = scored ? results : 0;
    board.top = scored ? pairsTop(results) : 0;
    board.datum = datum(scores);
    // Each table straight to its place: no sort, which would weigh on the
    // web page's module.
    for (int i = 0; i < board.count; ++i)
        board.ranked[placeOf(scores, i)] = {i, scores[i],
                                            figuresOf(scores, i, board.top, board.datum)};
}

} // namespace quimbel
