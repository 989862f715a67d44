#pragma once

#include "alphabet.h"

#include <string>
#include <string_view>

namespace quimbel {

// Calls `use` with every line the check accepts in its plain form, one per
// contract, doubling and result: "1♣=" to "7NTCC-13", made exactly as "=",
// overtricks as "+1", undertricks as "-1".
template <typename Use> void forEachContractLine(Use use) {
    constexpr std::string_view strains[] = {
        {&club, 1}, {&diamond, 1}, {&heart, 1}, {&spade, 1}, "NT"};
    for (int level = 1; level <= 7; ++level) {
        for (const std::string_view strain : strains) {
            for (const std::string_view doubling : {"", "C", "CC"}) {
                const std::string contract =
                    std::string(1, char('0' + level)).append(strain).append(doubling);
                const auto withResult = [&](char sign, int tricks) {
                    std::string line = contract + sign;
                    if (tricks >= 10)
                        line += '1';
                    if (tricks > 0)
                        line += char('0' + tricks % 10);
                    use(std::string_view(line));
                };
                withResult('=', 0);
                for (int over = 1; over <= 7 - level; ++over)
                    withResult('+', over);
                for (int under = 1; under <= 6 + level; ++under)
                    withResult('-', under);
            }
        }
    }
}

// Whether a deal can give this score to either side: a score of a line above,
// vulnerable or not, either sign, or 0 for a board passed out.
bool isDealScore(int score);

} // namespace quimbel
