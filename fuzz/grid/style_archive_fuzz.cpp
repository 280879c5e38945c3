// The archive record of a style, read with a styles map as the archive's context, then written
// again and read back.
#include <cstdint>

#include "alloc_guard.h"
#include "grid/style/styles_map.h"
#include "host_strings.h"

namespace {
CGXStylesMap* g_pMap = nullptr;
}

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
        CGXStyle style;
        try {
            CMemFile file(data, size);
            CArchive ar(&file, CArchive::load);
            ar.m_pDocument = g_pMap;
            style.Serialize(ar, nullptr);
        } catch (const CArchiveException&) {
            return;
        }
        // What was read is a style like any other: it writes, reads back and compares equal.
        CMemFile out;
        {
            CArchive ar(&out, CArchive::store);
            style.Serialize(ar, g_pMap);
            ar.Close();
        }
        CMemFile in(out.GetData(), out.GetLength());
        CArchive ar(&in, CArchive::load);
        CGXStyle again;
        again.Serialize(ar, g_pMap);
        if (!again.IsSubSet(style) || !style.IsSubSet(again)) __builtin_trap();
    });
    return 0;
}
