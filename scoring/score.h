#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// The duplicate score, for the declaring side, of a line that Verifsaisie has
// just accepted, as the check left it.
int contractScore(std::string_view line, bool bvul);

// The same score as the result line shows it, in decimal.
std::string Marquecontrat(std::string_view line, bool bvul);

} // namespace quimbel
