// The archive form of a span pool: read, written again, read back and written to the same bytes;
// no input may make the pool allocate beyond what its data back.
#include <cstdint>
#include <vector>

#include "alloc_guard.h"
#include "grid/data/span_cell_pool.h"

namespace {
std::vector<BYTE> Write(CGXSpanCellPool& pool) {
    CMemFile out;
    CArchive ar(&out, CArchive::store);
    pool.Serialize(ar);
    ar.Close();
    return out.GetBytes();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXSpanCellPool pool;
        try {
            CMemFile file(data, size);
            CArchive ar(&file, CArchive::load);
            pool.Serialize(ar);
        } catch (const CArchiveException&) {
            return;
        }
        const std::vector<BYTE> once = Write(pool);
        CGXSpanCellPool again;
        CMemFile in(once.data(), once.size());
        CArchive ar(&in, CArchive::load);
        again.Serialize(ar);
        if (Write(again) != once) __builtin_trap();
        CGXRange range;
        pool.GetSpanCellsRowCol(1, 1, range);
    });
    return 0;
}
