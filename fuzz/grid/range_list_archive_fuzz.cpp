// The archive form of a range list: read, written again, and read back to the same list.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/data/range_list.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXRangeList list;
        auto serialize = [](CGXRangeList& l) { return [&l](CArchive& ar) { l.Serialize(ar); }; };
        if (!archive_round::ReadInput(data, size, serialize(list))) return;
        CGXRangeList again;
        archive_round::ReadBack(archive_round::Write(serialize(list)), serialize(again));
        // Ranges that are not valid are not written; the valid ones come back in order.
        POSITION posAgain = again.GetHeadPosition();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CGXRange* pRange = list.GetNext(pos);
            if (!pRange->IsValid()) continue;
            if (posAgain == nullptr || !(*again.GetNext(posAgain) == *pRange)) __builtin_trap();
        }
        if (posAgain != nullptr) __builtin_trap();
    });
    return 0;
}
