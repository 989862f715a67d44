#pragma once

#include "counts.h"

#include <cstddef>
#include <span>
#include <type_traits>

namespace quimbel {

// Whether a board of a pairs event can be scored with that many results: 2 to largestCount.
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
};

// One board of a pairs event as the screens show it: its top and datum, and
// each table's figures, the best N-S score first (ties in the tables' order),
// each with its table's place among the scores given and its score.
struct RankedPairs {
    int table;
    int score;
    PairsFigures figures;
};
struct PairsBoard {
    int top;
    int datum;
    // The tables ranked; 0 for a count isPairsCount refuses.
    int count;
    RankedPairs ranked[largestCount];
};
// The web page reads a board from memory as ints: three, then nine for each table.
static_assert(std::is_standard_layout_v<PairsBoard> &&
              offsetof(PairsBoard, ranked) == 3 * sizeof(int) &&
              sizeof(RankedPairs) == 9 * sizeof(int));

// Scores and ranks one board of a pairs event into `board`: scores holds each
// table's N-S score, signed from N-S's side as the traveller reads (0 for a
// board passed out). Any ints: a difference past the IMP scale's top earns
// 24. A count isPairsCount refuses ranks no table.
void rankPairs(std::span<const int> scores, PairsBoard& board);

} // namespace quimbel
