#pragma once

#include "suit_literal.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// The fields of a table written several cases to a line, blank-separated, as
// stored lines: suit symbols become their bytes, "_" a space and "∅" nothing.
inline std::vector<std::string> fields(std::string_view table) {
    std::istringstream words{std::string(table)};
    std::vector<std::string> out;
    for (std::string word; words >> word;) {
        if (word == "∅")
            word.clear();
        for (char& c : word)
            c = c == '_' ? ' ' : c;
        out.push_back(line(word));
    }
    return out;
}
