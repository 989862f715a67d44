#pragma once

namespace quimbel {

// Whether a match of that many boards has a VP scale: 1 to largestCount boards.
bool isMatchLength(int boards);

// The team's Victory Points, in hundredths from 0 to 2000, for a match of
// that many boards won by margin IMPs (lost if negative), on the WBF's 2013
// continuous 20-VP scale: the loser has 20 less the winner's. A length
// isMatchLength refuses counts as the nearest one it accepts.
int victoryPoints(int boards, int margin);

} // namespace quimbel
