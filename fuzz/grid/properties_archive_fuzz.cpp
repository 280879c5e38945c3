// The archive record of the grid properties; what reads is then copied and written again, which
// must read back to the same bytes.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/properties/properties.h"
#include "grid/properties/properties.h"
#include "host_strings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterHostStrings();
    CGXFont().SetFaceName("Arial");
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXProperties props;
        auto serialize = [](CGXProperties& p) { return [&p](CArchive& ar) { p.Serialize(ar); }; };
        if (!archive_round::ReadInput(data, size, serialize(props))) return;
        CGXProperties copy(props);
        const archive_round::Bytes first = archive_round::Write(serialize(copy));
        CGXProperties again;
        archive_round::ReadBack(first, serialize(again));
        if (archive_round::Write(serialize(again)) != first) __builtin_trap();
    });
    return 0;
}
