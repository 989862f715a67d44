#pragma once

#include "distribution.h"
#include "frequency_table.h"
#include "notation.h"
#include "score.h"

#include <algorithm>
#include <string>

// Whether `text` is one the frequency table shows.
inline bool isFrequency(const std::string& text) {
    return std::any_of(quimbel::frequencyTable.begin(), quimbel::frequencyTable.end(),
                       [&](const auto& split) { return split.text == text; });
}

// What every caller of the calculation core relies on, for any line: no
// rewrite of a refused line and none past 6 characters, scores within the
// range the notation allows, and a frequency text only for a query.
inline bool holdsInvariants(const std::string& text) {
    const auto [verdict, after] = quimbel::Verifsaisie(text);
    const bool valid = verdict == quimbel::Verdict::Accepted;
    if (after != text && (!valid || after.size() > 6))
        return false;
    for (bool bvul : {false, true}) {
        const int score = valid ? std::stoi(quimbel::Marquecontrat(after, bvul)) : 0;
        if (score < -7600 || score > 3160)
            return false;
    }
    const std::string frequency = quimbel::Repartition(text);
    return frequency == "erreur" || (quimbel::Proba(text) && isFrequency(frequency));
}
