// The archive record of a styles map; what reads is then used: copied, walked and written.
#include <cstdint>

#include "alloc_guard.h"
#include "archive_round.h"
#include "grid/style/styles_map.h"
#include "host_strings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PrepareHost();
    alloc_guard::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    alloc_guard::Run(size, [&] {
        CGXStylesMap map;
        if (!archive_round::ReadInput(data, size, [&](CArchive& ar) { map.Serialize(ar); })) return;
        CGXStylesMap copy;
        copy = map;
        map.ForEachStyle([&](const CString&, WORD, UINT, const CGXStyle& style) {
            CGXStyle cell(style);
            cell.LoadBaseStyle(copy);
        });
        archive_round::Write([&](CArchive& ar) { copy.Serialize(ar); });
    });
    return 0;
}
