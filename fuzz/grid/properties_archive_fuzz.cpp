// The archive record of the grid properties; what reads is then copied, and the copy written
// again, which must read back to the same bytes.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/properties/properties.h"
#include "host_strings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepareHost();
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        archive_round::SameBytesAgain<CGXProperties>(data, size, nullptr, [](CGXProperties& props) {
            const CGXProperties copy(props);
            props = copy;
        });
    });
    return 0;
}
