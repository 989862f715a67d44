#include "board_cycle.h"

namespace quimbel {

Dealt dealt(int boardNumber) {
    // The place in the cycle, 0 for board 1, without ever subtracting from
    // boardNumber: INT_MIN has no predecessor.
    const int place = (boardNumber % 16 + 15) % 16;
    // The dealer turns clockwise; vulnerability runs none, North-South,
    // East-West, both, each group of four boards starting one step further on.
    return {Seat(place % 4), Vulnerability((place % 4 + place / 4) % 4)};
}

} // namespace quimbel
