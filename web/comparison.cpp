// The screens' side of what compares scores: the comparison library behind
// the C interface that engine_interface.h declares, a module of its own that
// the screens load when first opened, so that the calculator never waits
// for it. Only ints cross; scores and figures through the module's memory.
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

namespace {

// One board of a pairs event as the page writes its scores and reads its figures.
int pairsScores[99];
PairsFigures pairsFigures[99];
// The scores the page wrote, where it may write that many.
std::span<const int> scoresWritten(int count) {
    return isPairsCount(count) ? std::span<const int>(pairsScores, std::size_t(count))
                               : std::span<const int>();
}

} // namespace

} // namespace quimbel

extern "C" {
int quimbelBoardImps(int own, int other) {
    return quimbel::boardImps({own, other});
}
// Room for more boards than a player keys in years; the page is refused past it.
quimbel::Board* quimbelBoards(int count) {
    static quimbel::Board room[1 << 14];
    return count >= 0 && count <= int(std::size(room)) ? room : nullptr;
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

int* quimbelPairsScores(int count) {
    return quimbel::isPairsCount(count) ? quimbel::pairsScores : nullptr;
}
const quimbel::PairsFigures* quimbelScorePairs(int count) {
    const std::span<const int> scores = quimbel::scoresWritten(count);
    if (scores.empty())
        return nullptr;
    quimbel::scorePairs(scores, std::span(quimbel::pairsFigures, scores.size()));
    return quimbel::pairsFigures;
}
int quimbelDatum(int count) {
    return quimbel::datum(quimbel::scoresWritten(count));
}
int quimbelPairsTop(int count) {
    return quimbel::pairsTop(count);
}
}
