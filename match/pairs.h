#pragma once

#include <span>
#include <type_traits>

namespace quimbel {

// Whether a board of a pairs event can be scored with that many results: 2 to 99.
bool isPairsCount(int results);

// The top on a board of that many results, on the international scale: 2 for
// each other result. A count isPairsCount refuses counts as the nearest one it accepts.
int pairsTop(int results);

// The datum the Butler IMPs are scored against: the mean of the N-S scores
// once the k highest and the k lowest are left out (k is 0 below 4 results, 1
// to 10, 2 to 25, 3 to 40, then one more for each further 15), rounded to the
// nearest 10, a half upwards: 125 is 130, -125 is -120. A mean past the int's
// end keeps to the last multiple of 10 within it. 0 for a count isPairsCount refuses.
int datum(std::span<const int> scores);

// What one N-S pair earns on the board, and through it the E-W pair facing it.
struct PairsFigures {
    // Competition ranking, best score first: 1 more than the tables above.
    int rank;
    // Another table scored the same: the rank reads "2=".
    bool tied;
    // N-S's; E-W's are the top less these.
    int matchpoints;
    // Of the top, in hundredths of a percent, a half upwards; E-W's from their
    // own matchpoints, so the two may make 100,01 %.
    int percentNorthSouth;
    int percentEastWest;
    // The mean of the IMPs against each other table, in hundredths, a half away from 0.
    int crossImps;
    // Against the datum; E-W's are the opposite.
    int butlerImps;

    friend bool operator==(const PairsFigures&, const PairsFigures&) = default;
};
// The web page reads figures from memory: seven int32, the tie a byte in the second.
static_assert(std::is_standard_layout_v<PairsFigures> && sizeof(PairsFigures) == 7 * sizeof(int));

// Scores one board of a pairs event: scores holds each table's N-S score,
// signed from N-S's side as the traveller reads (0 for a board passed out),
// and figures receives each table's figures in the same order. Any ints: a
// difference past the IMP scale's top earns 24. Nothing is written unless the
// two spans are the same size and isPairsCount accepts it; figures must not
// share memory with scores.
void scorePairs(std::span<const int> scores, std::span<PairsFigures> figures);

} // namespace quimbel
