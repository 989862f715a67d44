#pragma once

#include "distribution.h"
#include "frequency_table.h"
#include "notation.h"
#include "score.h"

#include <algorithm>
#include <string>

// What every caller of the calculation core relies on, for any line: no
// acceptance after the "ici" box, a rewrite of at most 6 characters, scores
// within the range the notation allows, and a frequency text only for a query.
inline bool holdsInvariants(const std::string& text) {
    quimbel::StringInputLine input(text);
    bool askedIci = false;
    const bool valid = quimbel::Verifsaisie(input, [&] { askedIci = true; });
    if ((valid && askedIci) || (input.read() != text && input.read().size() > 6))
        return false;
    for (bool bvul : {false, true}) {
        const int score = valid ? std::stoi(quimbel::Marquecontrat(input, bvul)) : 0;
        if (score < -7600 || score > 3160)
            return false;
    }
    const std::string frequency = quimbel::Repartition(text);
    return frequency == "erreur" ||
           (quimbel::Proba(text) &&
            std::any_of(quimbel::frequencyTable.begin(), quimbel::frequencyTable.end(),
                        [&](const auto& split) { return split.text == frequency; }));
}
