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

void GXArrayArchive::WriteHead(CArchive& ar, int nLength) { ar << nSchema << static_cast<DWORD>(nLength); }
void GXArrayArchive::WriteEnd(CArchive& ar) { ar << nEndMark; }

DWORD GXArrayArchive::ReadHead(CArchive& ar) {
    WORD nFileSchema = 0;
    ar >> nFileSchema;
    if (nFileSchema != nSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD nRead = 0;
    ar >> nRead;
    if (nRead > nMaxLength) AfxThrowArchiveException(CArchiveException::genericException);
    return nRead;
}

int GXArrayArchive::ReadIndex(CArchive& ar) {
    DWORD nIndex = 0;
    ar >> nIndex;
    if (nIndex == nEndMark) return -1;
    // Indexes ascend and stay inside the length (and inside int): anything else is damage.
    if (static_cast<LONGLONG>(nIndex) <= nLast || nIndex >= nLength || nIndex >= static_cast<DWORD>(INT_MAX))
        AfxThrowArchiveException(CArchiveException::genericException);
    nLast = nIndex;
    return static_cast<int>(nIndex);
}

void CGXDWordArrayPtrArray::Serialize(CArchive& ar) {
    GXArrayArchive::Serialize(
        *this, ar, [&](CDWordArray* p) { p->Serialize(ar); },
        [&](CGXDWordArrayPtrArray& read, int nIndex) {
            auto pInner = std::make_unique<CDWordArray>();
            pInner->Serialize(ar);
            read.SetAtGrow(nIndex, pInner.release());
            read.Compact(nIndex);
        });
}
