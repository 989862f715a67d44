#pragma once

#include "input_line.h"

#include <functional>
#include <string>
#include <string_view>

namespace quimbel {

// Splits a line into its contract part (level, strain, double signs) and its
// result part (up to three characters, possibly empty).
void Contrat(std::string_view line, std::string& stcont, std::string& stres);

// Checks that the input line is a contract followed by a result the contract
// leaves room for. Completes a missing result to "=" (and drops whatever
// follows an "="). Calls showIci, and answers false once it has returned, for
// a line whose third character cannot start any result.
bool Verifsaisie(InputLine& line, const std::function<void()>& showIci);

} // namespace quimbel
