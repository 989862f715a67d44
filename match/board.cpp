#include "board.h"

#include "imp_scale.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace quimbel {

namespace {

// The scale is flat past 4000, so a sum past an int earns what the int's end does.
int clampToInt(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

int boardImps(Board board) {
    return imps(clampToInt(std::int64_t(board.own) + board.other));
}

// No span that fits in memory holds enough boards to overflow 64 bits at 24 a board.
int totalImps(std::span<const Board> boards) {
    std::int64_t total = 0;
    for (const Board& board : boards)
        total += boardImps(board);
    return clampToInt(total);
}

} // namespace quimbel
