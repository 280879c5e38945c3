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
        CGXSpanCellPool pool;
        auto serialize = [](CGXSpanCellPool& p) { return [&p](CArchive& ar) { p.Serialize(ar); }; };
        if (!archive_round::ReadInput(data, size, serialize(pool))) return;
        const archive_round::Bytes once = archive_round::Write(serialize(pool));
        CGXSpanCellPool again;
        archive_round::ReadBack(once, serialize(again));
        if (archive_round::Write(serialize(again)) != once) __builtin_trap();
        CGXRange range;
        pool.GetSpanCellsRowCol(1, 1, range);
    });
    return 0;
}
