// The archive record of a grid parameter object; what reads is then used: its covered cells looked
// up, and written again, which must read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "alloc_guard.h"
#include "support/archive_bytes.h"
#include "grid/data/grid_param.h"
#include "grid_param_host_strings.h"

namespace {
std::vector<BYTE> StoreParam(CGXGridParam& param) {
    return test_archive::Store([&](CArchive& ar) { param.Serialize(ar); });
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterGridParamHostStrings();
    CGXFont().SetFaceName("Arial");
    // The covered-cell index of the ranges an input names stays within the allocation bound.
    CGXGridParam::SetMaxCoveredCellIndex(4096);
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXGridParam param;
        try {
            CMemFile file(data, size);
            CArchive ar(&file, CArchive::load);
            param.Serialize(ar);
        } catch (const CArchiveException&) {
            return;
        }
        for (POSITION pos = param.GetCoveredCellsList()->GetHeadPosition(); pos != nullptr;) {
            const CGXRange* pRange = param.GetCoveredCellsList()->GetNext(pos);
            param.GetCoveredCellPool()->GetCoveredCell(pRange->top, pRange->left);
        }
        const std::vector<BYTE> first = StoreParam(param);
        CGXGridParam again;
        CMemFile file(first.data(), first.size());
        CArchive ar(&file, CArchive::load);
        again.Serialize(ar);
        if (StoreParam(again) != first) std::abort();
    });
    return 0;
}
