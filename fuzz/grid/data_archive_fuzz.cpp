// The archive form of the cell data store, read with a styles map as the archive's context:
// what was read is a sound store that writes, reads back and writes the same bytes again, and
// no input makes it allocate beyond what its data back.
#include <cstdint>
#include <vector>

#include "alloc_guard.h"
#include "support/archive_bytes.h"
#include "grid/data/data.h"
#include "grid/style/styles_map.h"
#include "host_strings.h"

namespace {
CGXStylesMap* g_pMap = nullptr;

std::vector<BYTE> Write(CGXData& data) {
    return test_archive::Store([&](CArchive& ar) {
        ar.m_pDocument = g_pMap;
        data.Serialize(ar);
    });
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterHostStrings();
    g_pMap = new CGXStylesMap;
    g_pMap->CreateStandardStyles();
    CGXFont().SetFaceName("Arial");  // builds the face map outside the measured runs
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXData store;
        try {
            CMemFile file(data, size);
            CArchive ar(&file, CArchive::load);
            ar.m_pDocument = g_pMap;
            store.Serialize(ar);
        } catch (const CArchiveException&) {
            return;
        }
        const std::vector<BYTE> once = Write(store);
        CGXData again;
        CMemFile in(once.data(), once.size());
        CArchive ar(&in, CArchive::load);
        ar.m_pDocument = g_pMap;
        again.Serialize(ar);
        if (Write(again) != once) __builtin_trap();
        // The structure takes changes: rows and columns shift pointers only.
        again.InsertRows(1, 2);
        again.MoveCols(1, 2, 4);
        again.RemoveRows(2, 3);
        CGXStyle s;
        again.LookupStyle(1, 1, s, ModifyMode::Copy);
    });
    return 0;
}
