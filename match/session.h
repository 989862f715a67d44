#pragma once

#include "counts.h"

#include <cstddef>
#include <span>
#include <type_traits>

namespace quimbel {

// One result of a board's traveller: its pairs' numbers, 1 to largestCount,
// or 0 where none was written (the result counts on its board, but ranks no
// pair), and N-S's score, signed as the traveller reads, or, where `adjusted`
// is not 0, the adjusted score given instead: 1 to 5 for 60/40, 50/50,
// 40/60, 60/60 and 40/40, N-S's then E-W's (Moyenne+, Moyenne, Moyenne−).
struct SessionResult {
    int northSouth;
    int eastWest;
    int adjusted;
    int score;
};

// How a pair sits: in a Howell its number whichever direction; in a Mitchell
// N-S 3 and E-W 3 are two pairs, ranked apart.
enum class Direction { howell, northSouth, eastWest };

// One pair's line of the ranking.
struct SessionRow {
    Direction direction;
    int pair;
    // Competition ranking on the exact percentage, within its direction.
    int place;
    // Another pair of its direction has the same percentage: "2=".
    bool tied;
    // Boards it has a result on, adjusted ones included.
    int played;
    // Its matchpoints on the session's top, in tenths, a half upwards.
    int total;
    // Its total over the session's top times `played`, in hundredths, a half upwards.
    int percent;
};

struct PairsSession {
    // 2(N - 1), N the most results a board has, scored or adjusted; 0 while
    // no board has 2.
    int top;
    // A session that cannot be scored ranks no pair. Then `board` and
    // `result` (counted from 0) tell the result at fault: a pair number or an
    // adjusted score out of range, a pair twice on the board or playing
    // itself; `result` is -1 where the board itself has a count out of range,
    // and `board` -1 where the session has more than largestCount boards or
    // its counts do not add up to its results.
    bool refused;
    int board;
    int result;
    // The rows ranked, in order of place (in a Mitchell N-S's, then E-W's),
    // tied pairs by number; none while no board has 2 results.
    int count;
    SessionRow rows[2 * largestCount];
};
// The web page reads a session from memory as ints: five, then seven for each row.
static_assert(std::is_standard_layout_v<PairsSession> &&
              offsetof(PairsSession, rows) == 5 * sizeof(int) &&
              sizeof(SessionRow) == 7 * sizeof(int) && sizeof(Direction) == sizeof(int));

// Each result's N-S matchpoints on a board of `most` results' top, by
// Neuberg's formula from those on the board's own: n·M′ = (M + 1)·most − n,
// for the board's n scored results (0 for an adjusted one). Returns n.
// Takes at most largestCount results, and `most` no fewer than n.
int neubergMatchpoints(std::span<const SessionResult> board, int most, std::span<int> scaled);

// Scores a session of boards, `counts` telling each board's number of
// results, which follow each other in `results`. Exactly, rounding only the
// figures given: each board is matchpointed among its scored results, then
// brought to the session's top by Neuberg's formula; an adjusted score
// gives Moyenne+ (60 % of the top, or the pair's own percentage on the
// boards it scored if higher), Moyenne (50 %) or Moyenne− (40 %, or that
// percentage if lower); a pair that scored no board gets 60, 50 or 40 %.
void rankSession(bool mitchell, std::span<const int> counts, std::span<const SessionResult> results,
                 PairsSession& session);

} // namespace quimbel
