#include "imp_scale.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quimbel {

namespace {

// The least difference that earns each IMP, from 1 to 24.
constexpr std::array<int, 24> leastForImp{20,   50,   90,   130,  170,  220,  270,  320,
                                          370,  430,  500,  600,  750,  900,  1100, 1300,
                                          1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
static_assert(std::is_sorted(leastForImp.begin(), leastForImp.end()));

} // namespace

// The IMPs a difference earns, less those its opposite earns: one of the two
// earns none.
int imps(int difference) {
    const auto earned = [](std::int64_t points) {
        return int(std::upper_bound(leastForImp.begin(), leastForImp.end(), points) -
                   leastForImp.begin());
    };
    return earned(difference) - earned(-std::int64_t(difference));
}

} // namespace quimbel
