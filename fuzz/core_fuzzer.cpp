// Feeds arbitrary byte strings to the whole calculation core and checks the
// invariants every caller relies on.
#include "distribution.h"
#include "frequency_table.h"
#include "notation.h"
#include "score.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isFrequencyText(const std::string& text) {
    return std::any_of(quimbel::frequencyTable.begin(), quimbel::frequencyTable.end(),
                       [&](const auto& row) { return row.text == text; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);

    std::string stcont;
    std::string stres;
    quimbel::Contrat(line, stcont, stres);
    require(stcont.size() <= 5 && stres.size() <= 3);

    quimbel::StringInputLine input(line);
    bool askedIci = false;
    const bool valid = quimbel::Verifsaisie(input, [&] { askedIci = true; });
    require(!(valid && askedIci));
    require(input.read() == line || input.read().size() <= 6);
    if (valid) {
        const int score = std::stoi(quimbel::Marquecontrat(input, true));
        const int scoreNotVulnerable = std::stoi(quimbel::Marquecontrat(input, false));
        require(score >= -7600 && score <= 3160);
        require(scoreNotVulnerable >= -7600 && scoreNotVulnerable <= 3160);
    }

    const std::string frequency = quimbel::Repartition(line);
    require(frequency == "erreur" || (quimbel::Proba(line) && isFrequencyText(frequency)));
    return 0;
}
