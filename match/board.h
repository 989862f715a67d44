#pragma once

#include <span>
#include <type_traits>

namespace quimbel {

// One board of a team match: the team's score at its own table and at the
// other table, each signed from the team's side.
struct Board {
    int own;
    int other;
};
// The web page writes boards into memory as pairs of int32.
static_assert(std::is_standard_layout_v<Board> && sizeof(Board) == 2 * sizeof(int));

// The IMPs the team earns on a board: its two scores' sum on the WBF scale,
// so 620 at one table and -650 at the other is -1. Any two ints: a sum past
// the scale's top earns 24.
int boardImps(Board board);

// The IMPs the team earns over a match: its boards' IMPs added up. Exact up
// to INT_MAX / 24 boards (89 million); a longer match keeps the int's end.
int totalImps(std::span<const Board> boards);

} // namespace quimbel
