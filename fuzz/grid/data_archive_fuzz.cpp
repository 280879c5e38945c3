// The archive form of the cell data store, read with a styles map as the archive's context:
// what was read is a sound store that writes, reads back and writes the same bytes again, and
// no input makes it allocate beyond what its data back.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/data/data.h"
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
        // The structure takes changes: rows and columns shift pointers only.
        archive_round::SameBytesAgain<CGXData>(data, size, g_pMap, [](CGXData& store) {
            store.InsertRows(1, 2);
            store.MoveCols(1, 2, 4);
            store.RemoveRows(2, 3);
            CGXStyle s;
            store.LookupStyle(1, 1, s, ModifyMode::Copy);
        });
    });
    return 0;
}
