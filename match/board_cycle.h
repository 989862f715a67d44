#pragma once

namespace quimbel {

enum class Seat { north, east, south, west };
enum class Vulnerability { none, northSouth, eastWest, both };

// Who deals a board, and who is vulnerable on it.
struct Dealt {
    Seat dealer;
    Vulnerability vulnerability;

    friend bool operator==(Dealt, Dealt) = default;
};

// The dealer and vulnerability of a board in the cycle of 16 every duplicate
// uses: board 1 North and none, 2 East and North-South, ... 17 as 1. Boards
// are numbered from 1; the cycle runs on backwards for 0 and below.
Dealt dealt(int boardNumber);

} // namespace quimbel
