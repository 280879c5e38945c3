#include "grid/data/data.h"

IMPLEMENT_SERIAL(CGXData, CObject, 1)

// Interface only so far: the counts are kept, styles are not stored yet.
CGXData::CGXData() = default;
CGXData::~CGXData() = default;

void CGXData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(1) << m_nRows << m_nCols;
        for (int i = 0; i < 3; ++i) ar << static_cast<WORD>(1) << static_cast<DWORD>(0) << static_cast<DWORD>(0xFFFFFFFF);
        return;
    }
    WORD nSchema = 0;
    ar >> nSchema;
    if (nSchema != 1) AfxThrowArchiveException(CArchiveException::badSchema);
    ROWCOL nRows = 0, nCols = 0;
    ar >> nRows >> nCols;
    // Until styles are stored, only the empty arrays are understood.
    for (int i = 0; i < 3; ++i) {
        WORD nArraySchema = 0;
        DWORD nLength = 0, nIndex = 0;
        ar >> nArraySchema >> nLength >> nIndex;
        if (nArraySchema != 1) AfxThrowArchiveException(CArchiveException::badSchema);
        if (nIndex != 0xFFFFFFFF) AfxThrowArchiveException(CArchiveException::genericException);
    }
    m_nRows = nRows;
    m_nCols = nCols;
}

void CGXData::DeleteContents() {}
void CGXData::Assign(const CGXData& other) {
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
}
ROWCOL CGXData::GetRowCount() const { return m_nRows; }
ROWCOL CGXData::GetColCount() const { return m_nCols; }
bool CGXData::SetRowCount(ROWCOL nRows) {
    m_nRows = nRows;
    return true;
}
bool CGXData::SetColCount(ROWCOL nCols) {
    m_nCols = nCols;
    return true;
}
bool CGXData::InsertRows(ROWCOL, ROWCOL) { return false; }
bool CGXData::InsertCols(ROWCOL, ROWCOL) { return false; }
bool CGXData::RemoveRows(ROWCOL, ROWCOL) { return false; }
bool CGXData::RemoveCols(ROWCOL, ROWCOL) { return false; }
bool CGXData::MoveRows(ROWCOL, ROWCOL, ROWCOL) { return false; }
bool CGXData::MoveCols(ROWCOL, ROWCOL, ROWCOL) { return false; }
bool CGXData::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, ModifyMode mode, int nType) {
    return StoreStyle(nRow, nCol, &style, mode, nType);
}
bool CGXData::StoreStyle(ROWCOL, ROWCOL, const CGXStyle*, ModifyMode, int) { return false; }
bool CGXData::LookupStyle(ROWCOL, ROWCOL, CGXStyle&, ModifyMode, int) const { return false; }
bool CGXData::ReorderRows(const CGXRange&, const CDWordArray&) { return false; }
bool CGXData::ReorderCols(const CGXRange&, const CDWordArray&) { return false; }
