// The archive form of a span pool: read, written again, read back and written to the same bytes;
// no input may make the pool allocate beyond what its data back.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/data/span_cell_pool.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        archive_round::SameBytesAgain<CGXSpanCellPool>(data, size, nullptr, [](CGXSpanCellPool& pool) {
            CGXRange range;
            pool.GetSpanCellsRowCol(1, 1, range);
        });
    });
    return 0;
}
