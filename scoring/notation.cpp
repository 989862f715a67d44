#include "notation.h"

#include "alphabet.h"

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

void Contrat(std::string_view line, std::string& stcont, std::string& stres) {
    const auto length = contractLength(line);
    stcont = chars(line, 1, length);
    stres = chars(line, length + 1, length + 3);
}

bool Verifsaisie(InputLine& line, const std::function<void()>& showIci) {
    const std::string text = line.read();
    const auto at = [&text](std::size_t i) { return charAt(text, i); };

    if (text.empty() || !oneOf("1234567", at(1)))
        return false;
    if (at(2) != 'N' && !isSuit(at(2)))
        return false;
    if (!oneOf("T=+-C ", at(3))) {
        showIci();
        return false;
    }
    // Each set serves several forms at once; trick limits are checked below.
    static constexpr std::array<std::string_view, 5> allowedFrom4{
        "123456789+-=C ", "0123456789+-=C ", "0123456789+-= ", "0123456789 ", "0123 "};
    for (std::size_t i = 0; i < allowedFrom4.size(); ++i) {
        if (!oneOf(allowedFrom4[i], at(i + 4)))
            return false;
    }

    std::string stcont;
    std::string stres;
    Contrat(text, stcont, stres);

    int value = 0;
    if (stres.empty() || stres[0] == '=') {
        line.write(stcont + "=");
    } else if (const auto parsed = resultValue(stres)) {
        value = *parsed;
    } else {
        return false;
    }

    const int level = leadingNumber(chars(text, 1, 1));
    if (value > 0)
        return value <= 7 - level;
    return -value <= level + 6;
}

} // namespace quimbel
