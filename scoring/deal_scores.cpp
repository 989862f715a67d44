#include "deal_scores.h"

#include "alphabet.h"
#include "score.h"

#include <bitset>
#include <cstdlib>

namespace quimbel {

namespace {

// Every deal score is a multiple of 10 within ±largestScore.
constexpr int largestScore = 7600;
using ScoreSet = std::bitset<largestScore / 10 + 1>;

ScoreSet everyDealScore() {
    ScoreSet set;
    set.set(0);
    for (const std::string& line : everyContractLine()) {
        for (const bool bvul : {false, true})
            set.set(std::size_t(std::abs(contractScore(line, bvul)) / 10));
    }
    return set;
}

} // namespace

std::vector<std::string> everyContractLine() {
    const std::string strains[] = {{club}, {diamond}, {heart}, {spade}, "NT"};
    std::vector<std::string> lines;
    for (int level = 1; level <= 7; ++level) {
        for (const std::string& strain : strains) {
            for (std::size_t doubling = 0; doubling <= 2; ++doubling) {
                const std::string contract =
                    std::to_string(level) + strain + std::string(doubling, doubleSign);
                for (int tricks = -6 - level; tricks <= 7 - level; ++tricks)
                    lines.push_back(contract + (tricks == 0  ? "="
                                                : tricks > 0 ? "+" + std::to_string(tricks)
                                                             : std::to_string(tricks)));
            }
        }
    }
    return lines;
}

bool isDealScore(int score) {
    static const ScoreSet scores = everyDealScore();
    return score % 10 == 0 && std::abs(score) <= largestScore &&
           scores.test(std::size_t(std::abs(score) / 10));
}

} // namespace quimbel
