// The screens' side of what compares scores: the comparison library behind
// the C interface that engine_interface.h declares, a module of its own that
// the screens load when first opened, so that the calculator never waits
// for it. Only ints cross: scores and figures through the module's memory,
// each answer whole from one call.
#include "engine_interface.h"

#include "board_cycle.h"
#include "vp_scale.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace quimbel {

// The page names dealers and vulnerabilities by these indexes.
static_assert(int(Seat::north) == 0 && int(Seat::west) == 3);
static_assert(int(Vulnerability::none) == 0 && int(Vulnerability::northSouth) == 1 &&
              int(Vulnerability::eastWest) == 2 && int(Vulnerability::both) == 3);

} // namespace quimbel

extern "C" {
int quimbelLargestCount() {
    return quimbel::largestCount;
}
// Room for more boards than a player keys in years, and for a session of
// largestCount boards of largestCount results; the page is refused past it.
int* quimbelInts(int count) {
    static int room[1 << 16];
    return count >= 0 && count <= int(std::size(room)) ? room : nullptr;
}
int quimbelBoardImps(int own, int other) {
    return quimbel::boardImps({own, other});
}
int quimbelTotalImps(const quimbel::Board* boards, int count) {
    return quimbel::totalImps({boards, std::size_t(std::max(count, 0))});
}
int quimbelDealer(int board) {
    return int(quimbel::dealt(board).dealer);
}
int quimbelVulnerability(int board) {
    return int(quimbel::dealt(board).vulnerability);
}
int quimbelVictoryPoints(int boards, int margin) {
    return quimbel::isMatchLength(boards) ? quimbel::victoryPoints(boards, margin) : -1;
}
const quimbel::PairsBoard* quimbelPairs(const int* scores, int count) {
    static quimbel::PairsBoard board;
    quimbel::rankPairs({scores, std::size_t(std::max(count, 0))}, board);
    return &board;
}
const quimbel::PairsSession* quimbelSession(int mitchell, const int* counts, int boards,
                                            const quimbel::SessionResult* results, int count) {
    static quimbel::PairsSession session;
    quimbel::rankSession(mitchell != 0, {counts, std::size_t(std::max(boards, 0))},
                         {results, std::size_t(std::max(count, 0))}, session);
    return &session;
}
}
