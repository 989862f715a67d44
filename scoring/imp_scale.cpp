#include "imp_scale.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace quimbel {

namespace {

// The least difference that earns each IMP, from 1 to 24.
constexpr std::array<int, 24> leastForImp{20,   50,   90,   130,  170,  220,  270,  320,
                                          370,  430,  500,  600,  750,  900,  1100, 1300,
                                          1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
static_assert(std::is_sorted(leastForImp.begin(), leastForImp.end()));

} // namespace

int imps(int difference) {
    // Wide enough for the magnitude of any int.
    const std::int64_t magnitude = std::abs(std::int64_t(difference));
    const int earned = int(std::upper_bound(leastForImp.begin(), leastForImp.end(), magnitude) -
                           leastForImp.begin());
    return difference < 0 ? -earned : earned;
}

} // namespace quimbel
