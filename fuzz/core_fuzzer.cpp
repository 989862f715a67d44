// Feeds arbitrary byte strings to the whole calculation core and checks the
// invariants every caller relies on.
#include "invariants.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!holdsInvariants(std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    return 0;
}
