#include "vp_scale.h"

#include "counts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quimbel {

namespace {

// The least margin that wins 20 VPs, ⌈15·√boards⌉, in integers so that no
// rounding moves it.
constexpr int blitz(int boards) {
    int margin = 0;
    while (margin * margin < 225 * boards)
        ++margin;
    return margin;
}
constexpr int highestBlitz = blitz(largestCount);

// τ^y for 0 < y ≤ 1, as exp(y·ln τ) by its series: |y·ln τ| < 1/2, so
// twenty terms are exact to the last bit. The web page's module carries no
// pow, which would be a third of its size.
double powerOfTau(double y) {
    constexpr double lnTau = -0.48121182505960344750; // −ln φ, φ the golden ratio
    double term = 1, sum = 1;
    for (int n = 1; n <= 20; ++n) {
        term *= y * lnTau / n;
        sum += term;
    }
    return sum;
}

} // namespace

bool isMatchLength(int boards) {
    return boards >= 1 && boards <= largestCount;
}

// The winner's table up to the blitz is built afresh for every call: it costs
// one power, and the page keeps no state.
int victoryPoints(int boards, int margin) {
    boards = std::clamp(boards, 1, largestCount);
    const int top = blitz(boards);
    const std::int64_t lead = std::abs(std::int64_t(margin));
    const auto forTeam = [margin](int winners) { return margin < 0 ? 2000 - winners : winners; };
    if (lead >= top)
        return forTeam(2000);

    // In hundredths, 1000 + 1000·(1 − τ^(3m/X)) / (1 − τ³) with τ = (√5 − 1)/2
    // and X = 15·√boards; each margin multiplies τ^(3m/X) by τ^(3/X).
    const double tau = (std::sqrt(5.0) - 1) / 2;
    const double fall = powerOfTau(3 / (15 * std::sqrt(double(boards))));
    std::array<int, highestBlitz + 1> table;
    double left = 1;
    for (int m = 0; m < top; ++m, left *= fall) {
        // Only the blitz makes 20.00, even where the formula rounds up to it.
        // Rounded half up: the value is positive.
        table[m] = std::min(1999, int(1000.5 + 1000 * (1 - left) / (1 - tau * tau * tau)));
    }
    table[top] = 2000;

    // The WBF's correction: rounding can make one IMP worth more than the one
    // before it; add 0.01 where that first happens until no IMP does. A raise
    // can only break the step before it, so the search resumes there.
    for (int m = 1; m < top;) {
        if (table[m + 1] - table[m] > table[m] - table[m - 1]) {
            ++table[m];
            m = std::max(1, m - 1);
        } else {
            ++m;
        }
    }
    return forTeam(table[lead]);
}

} // namespace quimbel
