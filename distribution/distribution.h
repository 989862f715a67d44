#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// True when the line has the shape of a split query: a minus sign second, or
// third behind anything but a suit character (3-3, 10-0).
bool Proba(std::string_view line);

// The frequency text of the split on the line, or "erreur" when the line is
// not a query or not a split of 2 to 10 cards.
std::string Repartition(std::string_view line);

} // namespace quimbel
