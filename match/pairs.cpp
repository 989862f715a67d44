#include "pairs.h"

#include "imp_scale.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace quimbel {

namespace {

constexpr int fewestResults = 2;
constexpr int mostResults = 99;

// The scores left out at each end before the datum's mean.
int leftOut(int results) {
    return results < 4 ? 0 : results <= 10 ? 1 : 2 + (results - 11) / 15;
}

// The scale is flat past 4000, so a difference past an int earns what the int's end does.
int impsBetween(std::int64_t score, std::int64_t other) {
    return imps(int(std::clamp<std::int64_t>(score - other, INT_MIN, INT_MAX)));
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
    return results >= fewestResults && results <= mostResults;
}

int pairsTop(int results) {
    return 2 * (std::clamp(results, fewestResults, mostResults) - 1);
}

// Each score's place in ascending order, ties in the input's order, tells
// whether it is left out: no copy to sort, which the page would have to hold.
int datum(std::span<const int> scores) {
    const int results = int(std::min<std::size_t>(scores.size(), INT_MAX));
    if (!isPairsCount(results))
        return 0;
    const int dropped = leftOut(results), kept = results - 2 * dropped;
    std::int64_t sum = 0;
    for (int i = 0; i < results; ++i) {
        int place = 0;
        for (int j = 0; j < results; ++j)
            place += scores[j] < scores[i] || (scores[j] == scores[i] && j < i);
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

void scorePairs(std::span<const int> scores, std::span<PairsFigures> figures) {
    const int results = int(std::min<std::size_t>(scores.size(), INT_MAX));
    if (!isPairsCount(results) || figures.size() != scores.size())
        return;
    const int top = pairsTop(results), par = datum(scores);
    for (int i = 0; i < results; ++i) {
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
        figures[i] = {above + 1,
                      level > 0,
                      matchpoints,
                      percent(matchpoints, top),
                      percent(top - matchpoints, top),
                      hundredthsOfMean(imps, results - 1),
                      impsBetween(scores[i], par)};
    }
}

} // namespace quimbel
