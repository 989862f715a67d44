#include "score.h"

#include "alphabet.h"
#include "notation.h"

#include <cstdint>

namespace quimbel {

namespace {

// All score arithmetic is 16-bit signed; accepted lines stay within
// -7600..3160, so nothing here can overflow.
using Points = std::int16_t;

struct Doubling {
    Points multiplier; // 1 undoubled, 2 doubled, 4 redoubled
    Points insultBonus;
    Points noTrumpCorrection;
    Points overtrickNotVulnerable; // undoubled overtricks count as tricks instead
    Points overtrickVulnerable;
    Points firstUndertrickNotVulnerable; // undoubled, every undertrick costs as much
    Points firstUndertrickVulnerable;

    constexpr bool isDoubled() const { return multiplier > 1; }
};

constexpr Doubling undoubled{1, 0, 0, 0, 0, 50, 100};
constexpr Doubling doubled{2, 50, 10, 100, 200, 100, 200};
constexpr Doubling redoubled{4, 100, 30, 200, 400, 200, 400};

const Doubling& doublingOf(std::string_view stcont) {
    const bool noTrump = charAt(stcont, 2) == 'N';
    if (charAt(stcont, noTrump ? 5 : 4) == doubleSign)
        return redoubled;
    if (charAt(stcont, 4) == doubleSign || charAt(stcont, 3) == doubleSign)
        return doubled;
    return undoubled;
}

Points penalty(const Doubling& doubling, Points u, bool bvul) {
    const Points b =
        bvul ? doubling.firstUndertrickVulnerable : doubling.firstUndertrickNotVulnerable;
    if (!doubling.isDoubled())
        return Points(-(u * b));
    if (u == 1)
        return Points(-b);
    if (bvul)
        return Points(-(b + (b + b / 2) * (u - 1)));
    if (u < 4)
        return Points(-(b + 2 * b * (u - 1)));
    return Points(-(5 * b + 3 * b * (u - 3)));
}

} // namespace

int contractScore(std::string_view line, bool bvul) {
    const auto [stcont, stres] = Contrat(line);

    const auto level = Points(charAt(stcont, 1) - '0');
    const char strain = charAt(stcont, 2);
    const Points trickValue = (strain == club || strain == diamond) ? 20 : strain == 'N' ? 40 : 30;
    const Points slamBonus = level == 6   ? (bvul ? 750 : 500)
                             : level == 7 ? (bvul ? 1500 : 1000)
                                          : 0;

    const Doubling& doubling = doublingOf(stcont);
    const Points overtrickValue =
        bvul ? doubling.overtrickVulnerable : doubling.overtrickNotVulnerable;
    Points m = Points(level * doubling.multiplier);

    // Equivalent to the contract's trick score reaching 100, overtricks aside.
    const bool game =
        (trickValue == 20 && m > 4) || (trickValue == 40 && m > 2) || (trickValue == 30 && m > 3);
    const Points gameBonus = game ? (bvul ? 500 : 300) : 50;

    const char resultSign = charAt(stres, 1);
    const auto overtricks = Points(resultSign == '+' ? leadingNumber(stres.substr(1)) : 0);
    if (!doubling.isDoubled())
        m = Points(m + overtricks);

    Points base =
        trickValue == 40
            ? Points((m - 1) * 30 + 40 + doubling.insultBonus + doubling.noTrumpCorrection)
            : Points(trickValue * m + doubling.insultBonus);
    base = Points(base + gameBonus + slamBonus);

    Points score = base;
    if (resultSign == '+') {
        score = Points(base + overtricks * overtrickValue);
    } else if (resultSign == '-') {
        // "-0" claims no undertrick: the contract was made exactly.
        // One or two digits after the sign.
        const auto u = Points(leadingNumber(stres.substr(1)));
        if (u > 0)
            score = penalty(doubling, u, bvul);
    }
    return score;
}

std::string Marquecontrat(std::string_view line, bool bvul) {
    return std::to_string(contractScore(line, bvul));
}

} // namespace quimbel
