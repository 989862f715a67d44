#pragma once

#include "alphabet.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// A line as a player reads it ("4♥CC+2") as the input line stores it: each
// suit symbol becomes its single byte.
inline std::string line(std::string_view readable) {
    std::string bytes(readable);
    const std::string_view suits[] = {"♣", "♦", "♥", "♠"}; // club to spade, a byte apart
    for (int i = 0; i < 4; ++i) {
        for (std::size_t at; (at = bytes.find(suits[i])) != std::string::npos;)
            bytes.replace(at, suits[i].size(), 1, char(quimbel::club + i));
    }
    return bytes;
}

// The fields of a table written several cases to a line, blank-separated, as
// stored lines: suit symbols become their bytes, "_" a space and "∅" nothing.
inline std::vector<std::string> fields(std::string_view table) {
    std::istringstream words{std::string(table)};
    std::vector<std::string> out;
    for (std::string word; words >> word;) {
        for (char& c : word)
            c = c == '_' ? ' ' : c;
        out.push_back(word == "∅" ? std::string() : line(word));
    }
    return out;
}
