// The archive record of the grid properties; what reads is then copied and written again, which
// must read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "alloc_guard.h"
#include "support/archive_bytes.h"
#include "grid/properties/properties.h"
#include "grid_param_host_strings.h"

namespace {
std::vector<BYTE> StoreProperties(CGXProperties& props) {
    return test_archive::Store([&](CArchive& ar) { props.Serialize(ar); });
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterGridParamHostStrings();
    CGXFont().SetFaceName("Arial");
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXProperties props;
        try {
            CMemFile file(data, size);
            CArchive ar(&file, CArchive::load);
            props.Serialize(ar);
        } catch (const CArchiveException&) {
            return;
        }
        CGXProperties copy(props);
        const std::vector<BYTE> first = StoreProperties(copy);
        CGXProperties again;
        CMemFile file(first.data(), first.size());
        CArchive ar(&file, CArchive::load);
        again.Serialize(ar);
        if (StoreProperties(again) != first) std::abort();
    });
    return 0;
}
