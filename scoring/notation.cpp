#include "notation.h"

#include "alphabet.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quimbel {

namespace {

bool oneOf(std::string_view allowed, char c) {
    return allowed.find(c) != std::string_view::npos;
}

std::string_view::size_type contractLength(std::string_view line) {
    const auto at = [line](std::size_t i) { return charAt(line, i); };
    if (at(2) == 'N') {
        // The third character of a no-trump contract is taken whatever it is.
        if (at(4) == doubleSign)
            return at(5) == doubleSign ? 5 : 4;
        return 3;
    }
    if (at(3) == doubleSign)
        return at(4) == doubleSign ? 4 : 3;
    return 2;
}

// "+2" is 2, "-10" is -10, "05" is 5, " 3" is 3; anything else has no value.
std::optional<int> resultValue(std::string_view stres) {
    if (stres.size() < 2 || !isDigit(stres[1]) || (stres.size() == 3 && !isDigit(stres[2])))
        return std::nullopt;
    const char lead = stres[0];
    if (!isDigit(lead) && lead != '+' && lead != '-' && lead != ' ')
        return std::nullopt;
    const int value = leadingNumber(isDigit(lead) ? stres : stres.substr(1));
    return lead == '-' ? -value : value;
}

} // namespace

ContractParts Contrat(std::string_view line) {
    // A line shorter than its contract is all contract.
    const auto end = std::min(contractLength(line), line.size());
    return {std::string(line.substr(0, end)), std::string(line.substr(end, 3))};
}

LineCheck Verifsaisie(std::string_view text) {
    const auto at = [text](std::size_t i) { return charAt(text, i); };
    const LineCheck refused{Verdict::Refused, std::string(text)};

    if (text.empty() || !oneOf("1234567", at(1)))
        return refused;
    if (at(2) != 'N' && !isSuit(at(2)))
        return refused;
    if (!oneOf("T=+-C ", at(3)))
        return {Verdict::RefusedAfterIci, std::string(text)};
    // Each set serves several forms at once; trick limits are checked below.
    static constexpr std::array<std::string_view, 5> allowedFrom4{
        "123456789+-=C ", "0123456789+-=C ", "0123456789+-= ", "0123456789 ", "0123 "};
    for (std::size_t i = 0; i < allowedFrom4.size(); ++i) {
        if (!oneOf(allowedFrom4[i], at(i + 4)))
            return refused;
    }

    const auto [stcont, stres] = Contrat(text);
    if (stres.empty() || stres[0] == '=')
        return {Verdict::Accepted, stcont + "="};
    const auto value = resultValue(stres);
    if (!value)
        return refused;

    const int level = charAt(text, 1) - '0';
    // From all tricks down to all tricks made.
    const bool fits = -(level + 6) <= *value && *value <= 7 - level;
    return fits ? LineCheck{Verdict::Accepted, std::string(text)} : refused;
}

} // namespace quimbel
