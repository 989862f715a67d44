#pragma once

#include <string>
#include <vector>

namespace quimbel {

// Every line the check accepts in its plain form, one per contract, doubling
// and result: "1♣=" to "7NTCC-13", made exactly as "=", overtricks as "+1",
// undertricks as "-1".
std::vector<std::string> everyContractLine();

// Whether a deal can give this score to either side: a score of a line above,
// vulnerable or not, either sign, or 0 for a board passed out.
bool isDealScore(int score);

} // namespace quimbel
