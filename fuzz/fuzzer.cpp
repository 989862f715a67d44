// Feeds any bytes to the calculation core, which other programs may call with
// any line, and checks the invariants every caller relies on. Then drives the
// calculator with them as a player could: key presses, typed text (any UTF-16
// units) and label clicks, checking after every step what always holds. Boxes
// are modal, so none is ever left open.
#include "display_mapping.h"
#include "distribution.h"
#include "frequency_table.h"
#include "notation.h"
#include "recording_window.h"
#include "score.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>

namespace {

// A score as the result line shows it: a 16-bit integer in plain decimal.
bool isScore(const std::string& text) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() &&
           std::to_string(value) == text;
}

bool isFrequency(const std::string& text) {
    return std::any_of(quimbel::frequencyTable.begin(), quimbel::frequencyTable.end(),
                       [&](const auto& split) { return split.text == text; });
}

bool isShowable(const std::string& text) {
    return text.empty() || text == "Erreur" || text == "erreur" || isScore(text) ||
           isFrequency(text);
}

// What every caller of the calculation core relies on, for any line: no
// rewrite of a refused line and none past 6 characters, scores within the
// range the notation allows, and a frequency text only for a query.
bool holdsInvariants(const std::string& text) {
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

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    RecordingWindow window;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t step = data[i++];
        if (step % 4 == 0) {
            window.calculator.Command_Click(int(step / 4 % quimbel::keypad.size()) + 1);
        } else if (step % 4 == 1) {
            std::u16string typed;
            for (std::size_t units = step / 4 % 16; units > 0 && i + 1 < size; --units, i += 2)
                typed += char16_t(data[i] | data[i + 1] << 8);
            window.text1 = quimbel::fromDisplay(typed);
            window.calculator.Text1_Change();
        } else if (step % 4 == 2) {
            window.calculator.Label3_Click();
        } else {
            window.calculator.Label4_Click();
        }
        if (window.text1.size() > 8 || !isShowable(window.text2))
            std::abort();
    }
    return 0;
}
