// The archive record of a grid parameter object; what reads is then used: its covered cells looked
// up, and written again, which must read back to the same bytes.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/data/grid_param.h"
#include "grid/properties/properties.h"
#include "host_strings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepareHost();
    // The covered-cell index of the ranges an input names stays within the allocation bound.
    CGXGridParam::SetMaxCoveredCellIndex(4096);
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        archive_round::SameBytesAgain<CGXGridParam>(data, size, nullptr, [](CGXGridParam& param) {
            for (POSITION pos = param.GetCoveredCellsList()->GetHeadPosition(); pos != nullptr;) {
                const CGXRange* pRange = param.GetCoveredCellsList()->GetNext(pos);
                param.GetCoveredCellPool()->GetCoveredCell(pRange->top, pRange->left);
            }
        });
    });
    return 0;
}
