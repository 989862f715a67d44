#include "deal_scores.h"

#include "score.h"

#include <array>
#include <cstdlib>

namespace quimbel {

namespace {

// Every deal score is a multiple of 10 within ±largestScore.
constexpr int largestScore = 7600;
using ScoreSet = std::array<bool, largestScore / 10 + 1>;

ScoreSet everyDealScore() {
    ScoreSet set{};
    set[0] = true;
    forEachContractLine([&set](std::string_view line) {
        for (const bool bvul : {false, true})
            set[std::size_t(std::abs(contractScore(line, bvul)) / 10)] = true;
    });
    return set;
}

} // namespace

bool isDealScore(int score) {
    static const ScoreSet scores = everyDealScore();
    return score % 10 == 0 && std::abs(score) <= largestScore &&
           scores[std::size_t(std::abs(score) / 10)];
}

} // namespace quimbel
