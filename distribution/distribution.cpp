#include "distribution.h"

#include "frequency_table.h"

#include "alphabet.h"

#include <algorithm>
#include <optional>

namespace quimbel {

namespace {

// Not a query, or not a split of 2 to 10 cards.
constexpr std::string_view rejected = "erreur";

} // namespace

bool Proba(std::string_view line) {
    if (line.size() >= 2 && line[1] == '-')
        return true;
    return line.size() >= 3 && line[2] == '-' && !isSuit(line[1]);
}

std::string Repartition(std::string_view line) {
    if (!Proba(line))
        return std::string(rejected);

    // Short form 3-3 / 0-10 (the second number one or two digits), else long
    // form 10-0 (the second one digit). Whatever follows goes unread, so
    // "10-0x" is 10-0; "5-4x" reads 4x as its second number, which is none.
    const bool shortForm = line[1] == '-';
    const auto first = number(line.substr(0, shortForm ? 1 : 2));
    const auto second = number(line.substr(shortForm ? 2 : 3, shortForm ? 2 : 1));
    if (!first || !second)
        return std::string(rejected);

    const int total = first.value() + second.value();
    const int smaller = std::min(first.value(), second.value());
    const auto row =
        std::find_if(frequencyTable.begin(), frequencyTable.end(), [&](const SplitFrequency& s) {
            return s.smaller == smaller && s.larger + s.smaller == total;
        });
    return std::string(row == frequencyTable.end() ? rejected : row->text);
}

} // namespace quimbel
