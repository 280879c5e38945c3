#include "grid/data/ptr_arrays.h"

#include <climits>

IMPLEMENT_DYNAMIC(CGXPtrArrayPtrArray, CObject)
IMPLEMENT_SERIAL(CGXDWordArrayPtrArray, CObject, 1)

namespace {
constexpr WORD nSchema = 1;
constexpr DWORD nEndMark = 0xFFFFFFFF;
// Grid coordinates stay below this; an array is never longer.
constexpr DWORD nMaxLength = 0x80000000;
}  // namespace

void CGXDWordArrayPtrArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << nSchema << static_cast<DWORD>(GetSize());
        ForEach([&](int i, CDWordArray* p) {
            ar << static_cast<DWORD>(i);
            p->Serialize(ar);
        });
        ar << nEndMark;
        return;
    }
    WORD nFileSchema = 0;
    ar >> nFileSchema;
    if (nFileSchema != nSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD nLength = 0;
    ar >> nLength;
    if (nLength > nMaxLength) AfxThrowArchiveException(CArchiveException::genericException);
    // Read aside, so that a damaged archive leaves this array as it was.
    CGXDWordArrayPtrArray read;
    for (LONGLONG nLast = -1;;) {
        DWORD nIndex = 0;
        ar >> nIndex;
        if (nIndex == nEndMark) break;
        // Indexes ascend and stay inside the length (and inside int): anything else is damage.
        if (static_cast<LONGLONG>(nIndex) <= nLast || nIndex >= nLength || nIndex >= static_cast<DWORD>(INT_MAX))
            AfxThrowArchiveException(CArchiveException::genericException);
        nLast = nIndex;
        auto pInner = std::make_unique<CDWordArray>();
        pInner->Serialize(ar);
        read.SetAtGrow(static_cast<int>(nIndex), pInner.release());
        read.Compact(static_cast<int>(nIndex));
    }
    Swap(read);
}
