#include "grid/data/range_list.h"

#include <memory>

IMPLEMENT_SERIAL(CGXRangeList, CPtrList, 1)

CGXRangeList::~CGXRangeList() { DeleteAll(); }

void CGXRangeList::DeleteAll() noexcept {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) delete GetNext(pos);
    RemoveAll();
}

void CGXRangeList::DeleteAt(POSITION pos) noexcept {
    if (pos == nullptr) return;
    delete GetAt(pos);
    RemoveAt(pos);
}

POSITION CGXRangeList::FindRange(ROWCOL nRow, ROWCOL nCol) const noexcept {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        if (GetNext(pos)->IsCellInRange(nRow, nCol)) return posThis;
    }
    return nullptr;
}

bool CGXRangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip) const noexcept {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        const CGXRange* pRange = GetNext(pos);
        if (posThis != posSkip && pRange->IsCellInRange(nRow, nCol)) return true;
    }
    return false;
}

void CGXRangeList::Serialize(CArchive& ar) {
    static constexpr WORD nSchema = 1;
    if (ar.IsStoring()) {
        DWORD nValid = 0;
        for (POSITION pos = GetHeadPosition(); pos != nullptr;) nValid += GetNext(pos)->IsValid() ? 1 : 0;
        ar << nSchema << nValid;
        for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
            const CGXRange* pRange = GetNext(pos);
            if (pRange->IsValid()) ar << *pRange;
        }
        return;
    }
    WORD nFileSchema = 0;
    ar >> nFileSchema;
    if (nFileSchema != nSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD nCount = 0;
    ar >> nCount;
    if (nCount > ar.GetRemaining() / CGXRange::nArchiveSize) AfxThrowArchiveException(CArchiveException::endOfFile);
    for (DWORD i = 0; i < nCount; ++i) {
        auto pRange = std::make_unique<CGXRange>();
        ar >> *pRange;
        AddTail(pRange.get());
        pRange.release();
    }
}
