#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// The duplicate score, for the declaring side, of a line that Verifsaisie has
// just accepted, as the check left it, as decimal text.
std::string Marquecontrat(std::string_view line, bool bvul);

} // namespace quimbel
