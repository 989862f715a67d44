#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// A line split into its contract part (level, strain, double signs) and its
// result part (up to three characters, possibly empty).
struct ContractParts {
    std::string stcont;
    std::string stres;
};

ContractParts Contrat(std::string_view line);

enum class Verdict {
    Accepted,
    Refused,
    RefusedAfterIci, // the third character cannot start any result: the box "ici" comes first
};

// What the check answers of a line, and the line as it must read afterwards.
struct LineCheck {
    Verdict verdict;
    std::string line;
};

// Checks that a line is a contract followed by a result the contract leaves
// room for. An accepted line missing its result reads "=" in its place, and
// whatever follows an "=" goes.
LineCheck Verifsaisie(std::string_view line);

} // namespace quimbel
