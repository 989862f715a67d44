// Feeds any bytes to the calculation core, which other programs may call with
// any line, and checks the invariants every caller relies on. Then drives the
// calculator with them as a player could: key presses, typed text (any UTF-16
// units) and label clicks, checking after every step what always holds. Boxes
// are modal, so none is ever left open. The same bytes, read as ints, go to
// what compares scores between tables, which the web page calls with any ints.
#include "board.h"
#include "board_cycle.h"
#include "display_mapping.h"
#include "invariants.h"
#include "recording_window.h"
#include "vp_scale.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A score as the result line shows it: a 16-bit integer in plain decimal.
bool isScore(const std::string& text) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() &&
           std::to_string(value) == text;
}

bool isShowable(const std::string& text) {
    return text.empty() || text == "Erreur" || text == "erreur" || isScore(text) ||
           isFrequency(text);
}

// Each pair of ints is a board, and also a board number and a match length
// with a margin.
bool holdsForMatches(const std::uint8_t* data, std::size_t size) {
    std::vector<quimbel::Board> boards;
    long long total = 0;
    for (std::size_t i = 0; i + sizeof(quimbel::Board) <= size; i += sizeof(quimbel::Board)) {
        quimbel::Board board;
        std::memcpy(&board, data + i, sizeof board);
        const auto [own, other] = board;
        const int imps = quimbel::boardImps(board);
        const auto [dealer, vulnerability] = quimbel::dealt(own);
        const int vp = quimbel::victoryPoints(own, other);
        // The loser's VPs make up the winner's to 20; INT_MIN has no opposite, and loses all.
        const int opposite = other == INT_MIN ? 2000 : quimbel::victoryPoints(own, -other);
        if (imps < -24 || imps > 24 || int(dealer) < 0 || int(dealer) > 3 ||
            int(vulnerability) < 0 || int(vulnerability) > 3 || vp < 0 || vp > 2000 ||
            (quimbel::isMatchLength(own) && vp + opposite != 2000))
            return false;
        boards.push_back(board);
        total += imps;
    }
    return quimbel::totalImps(boards) == total;
}

} // namespace

// Each step is one byte: a key, typed text (pairs of the bytes that follow,
// as UTF-16 units), or a click on the title or the copyright line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)) ||
        !holdsForMatches(data, size))
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
