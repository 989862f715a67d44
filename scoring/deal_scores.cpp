#include "deal_scores.h"

#include "score.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace quimbel {

namespace {

// Every deal score is a multiple of 10, 7600 at the most either way: one
// entry for each number of tens.
using ScoreSet = std::array<bool, 7600 / 10 + 1>;

ScoreSet everyDealScore() {
    ScoreSet set{};
    set.at(0) = true; // a board passed out
    forEachContractLine([&set](std::string_view line) {
        for (const bool bvul : {false, true})
            set.at(std::size_t(std::abs(contractScore(line, bvul)) / 10)) = true;
    });
    return set;
}

} // namespace

bool isDealScore(int score) {
    static const ScoreSet scores = everyDealScore();
    // Wide enough for the magnitude of any int.
    const auto tens = std::size_t(std::abs(std::int64_t(score)) / 10);
    return score % 10 == 0 && tens < scores.size() && scores.at(tens);
}

} // namespace quimbel
