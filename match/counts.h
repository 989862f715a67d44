#pragma once

namespace quimbel {

// The largest number the screens take of a player: a board's number, a
// match's length in boards, the tables a board of a pairs event is scored
// over. Each is from 1 to this.
inline constexpr int largestCount = 99;

} // namespace quimbel
