// The archive record of a style, read with a styles map as the archive's context, then written
// again and read back.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/style/styles_map.h"
#include "host_strings.h"

namespace {
CGXStylesMap* g_pMap = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_pMap = NewStandardStylesMap();
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXStyle style;
        if (!archive_round::ReadInput(data, size, [&](CArchive& ar) { style.Serialize(ar, nullptr); },
                                      g_pMap))
            return;
        // What was read is a style like any other: it writes, reads back and compares equal.
        CGXStyle again;
        archive_round::ReadBack(archive_round::Write([&](CArchive& ar) { style.Serialize(ar, g_pMap); }),
                                [&](CArchive& ar) { again.Serialize(ar, g_pMap); });
        if (!again.IsSubSet(style) || !style.IsSubSet(again)) __builtin_trap();
    });
    return 0;
}
