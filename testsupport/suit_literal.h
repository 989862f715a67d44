#pragma once

#include "alphabet.h"

#include <string>
#include <string_view>

// Lets tests write lines as a player reads them ("4♥CC+2"): the UTF-8 suit
// symbols become the single-byte suit characters of the input line.
inline std::string line(std::string_view readable) {
    static constexpr std::string_view symbols[] = {"♣", "♦", "♥", "♠"};
    static constexpr char codes[] = {quimbel::club, quimbel::diamond, quimbel::heart,
                                     quimbel::spade};
    std::string bytes;
    for (std::size_t i = 0; i < readable.size();) {
        std::size_t matched = 0;
        for (std::size_t s = 0; s < 4 && matched == 0; ++s) {
            if (readable.substr(i).starts_with(symbols[s])) {
                bytes += codes[s];
                matched = symbols[s].size();
            }
        }
        if (matched == 0) {
            bytes += readable[i];
            matched = 1;
        }
        i += matched;
    }
    return bytes;
}
