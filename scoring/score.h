#pragma once

#include "input_line.h"

#include <cstdint>
#include <string>

namespace quimbel {

// The duplicate score, for the declaring side, of a line that Verifsaisie has
// just accepted (and possibly rewritten), as decimal text.
std::string Marquecontrat(const InputLine& line, bool bvul);

} // namespace quimbel
