#pragma once

namespace quimbel {

// The IMPs of a score difference on the WBF scale, with the difference's sign:
// 30 is 1, -30 is -1, 4000 and more 24.
int imps(int difference);

} // namespace quimbel
