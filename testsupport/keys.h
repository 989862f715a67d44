#pragma once

#include "keypad.h"

#include <algorithm>
#include <string_view>
#include <vector>

// The keys whose captions, run together as the keypad table holds them, make
// `keys`: "4\xA9XX+2V", "3NTNV". No caption begins another, so the first that
// matches is the key; nothing past a text no key makes.
inline std::vector<int> keyNumbers(std::string_view keys) {
    std::vector<int> numbers;
    while (!keys.empty()) {
        const auto key = std::find_if(quimbel::keypad.begin(), quimbel::keypad.end(),
                                      [&](const auto& k) { return keys.starts_with(k.caption); });
        if (key == quimbel::keypad.end())
            return {};
        numbers.push_back(key->number);
        keys.remove_prefix(key->caption.size());
    }
    return numbers;
}
