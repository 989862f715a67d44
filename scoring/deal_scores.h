#pragma once

#include "alphabet.h"

#include <cstdlib>
#include <string_view>

namespace quimbel {

// Calls `use` with every line the check accepts in its plain form, one per
// contract, doubling and result: "1♣=" to "7NTCC-13", made exactly as "=",
// overtricks as "+1", undertricks as "-1".
template <typename Use> void forEachContractLine(Use use) {
    constexpr std::string_view strains[] = {
        {&club, 1}, {&diamond, 1}, {&heart, 1}, {&spade, 1}, "NT"};
    for (char level = '1'; level <= '7'; ++level) {
        for (const std::string_view strain : strains) {
            for (int doubling = 0; doubling <= 2; ++doubling) {
                char line[8] = {level};
                std::size_t length = 1;
                for (const char c : strain)
                    line[length++] = c;
                for (int i = 0; i < doubling; ++i)
                    line[length++] = doubleSign;
                const int made = 7 - (level - '0');
                for (int tricks = made - 13; tricks <= made; ++tricks) {
                    std::size_t end = length;
                    line[end++] = tricks == 0 ? '=' : tricks > 0 ? '+' : '-';
                    const int count = std::abs(tricks);
                    if (count >= 10)
                        line[end++] = char('0' + count / 10);
                    if (count > 0)
                        line[end++] = char('0' + count % 10);
                    use(std::string_view(line, end));
                }
            }
        }
    }
}

// Whether a deal can give this score to either side: a score of a line above,
// vulnerable or not, either sign, or 0 for a board passed out.
bool isDealScore(int score);

} // namespace quimbel
