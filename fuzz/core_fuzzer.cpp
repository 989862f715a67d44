// Feeds arbitrary byte strings to the whole calculation core and checks the
// invariants every caller relies on.
#include "invariants.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string stcont, stres;
    const std::string line(reinterpret_cast<const char*>(data), size);
    quimbel::Contrat(line, stcont, stres);
    if (stcont.size() > 5 || stres.size() > 3 || !holdsInvariants(line))
        std::abort();
    return 0;
}
