// CGXData: counts, storing and looking up styles, copying and the archive form. The row and
// column operations (insert, remove, move, reorder) are in data_rows_cols.cpp.
#include "grid/data/data.h"

#include <algorithm>
#include <climits>

IMPLEMENT_SERIAL(CGXData, CObject, 1)

namespace {
constexpr WORD nSchema = 1;
// The last index an array can hold.
constexpr ROWCOL nMaxIndex = INT_MAX - 1;
}  // namespace

CGXData::CGXData() = default;
CGXData::~CGXData() = default;

void CGXData::DeleteContents() {
    ++m_nChanges;
    m_cells.DeleteAll();
    m_rowStyles.DeleteAll();
    m_colStyles.DeleteAll();
}

void CGXData::Assign(const CGXData& other) {
    if (&other == this) return;
    ++m_nChanges;
    // Copied aside first, so that running out of memory leaves this store as it was.
    CGXStylePtrArray rowStyles, colStyles;
    CGXStylePtrArrayPtrArray cells;
    rowStyles.CopyFrom(other.m_rowStyles);
    colStyles.CopyFrom(other.m_colStyles);
    cells.CopyFrom(other.m_cells);
    m_rowStyles.Swap(rowStyles);
    m_colStyles.Swap(colStyles);
    m_cells.Swap(cells);
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
}

ROWCOL CGXData::GetRowCount() const { return m_nRows; }
ROWCOL CGXData::GetColCount() const { return m_nCols; }

bool CGXData::SetRowCount(ROWCOL nRows) {
    if (nRows < m_nRows) return RemoveRows(nRows + 1, m_nRows);
    if (nRows > m_nRows) return InsertRows(m_nRows + 1, nRows - m_nRows);
    return true;
}

bool CGXData::SetColCount(ROWCOL nCols) {
    if (nCols < m_nCols) return RemoveCols(nCols + 1, m_nCols);
    if (nCols > m_nCols) return InsertCols(m_nCols + 1, nCols - m_nCols);
    return true;
}

CGXStylePtrArray* CGXData::Slot(ROWCOL nRow, ROWCOL nCol, int nType, bool bCreateRow, int& nIndex) {
    if (nRow > nMaxIndex || nCol > nMaxIndex) return nullptr;
    if (nType == -1) {
        // Row r; column c when r is 0; the table (column entry 0) when both are 0.
        nIndex = static_cast<int>(nRow != 0 ? nRow : nCol);
        return nRow != 0 ? &m_rowStyles : &m_colStyles;
    }
    nIndex = static_cast<int>(nCol);
    const int nRowIndex = static_cast<int>(nRow);
    return bCreateRow ? m_cells.Ensure(nRowIndex) : m_cells.GetAt(nRowIndex);
}

const CGXStyle* CGXData::GetStoredStyle(ROWCOL nRow, ROWCOL nCol, int nType) const noexcept {
    if (nRow > nMaxIndex || nCol > nMaxIndex) return nullptr;
    const int r = static_cast<int>(nRow), c = static_cast<int>(nCol);
    if (nType == -1) return nRow != 0 ? m_rowStyles.GetAt(r) : m_colStyles.GetAt(c);
    const CGXStylePtrArray* pRow = m_cells.GetAt(r);
    return pRow != nullptr ? pRow->GetAt(c) : nullptr;
}

bool CGXData::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, ModifyMode mode, int nType) {
    return StoreStyle(nRow, nCol, &style, mode, nType);
}

bool CGXData::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, ModifyMode mode, int nType) {
    ++m_nChanges;
    // Coordinates no array can hold are refused before anything changes.
    if (nRow > nMaxIndex || nCol > nMaxIndex) return false;
    CGXStyle* pStored = const_cast<CGXStyle*>(GetStoredStyle(nRow, nCol, nType));
    if (pStyle != nullptr) {
        if (pStored != nullptr) {
            pStored->ChangeStyle(*pStyle, mode);
        } else if (mode != ModifyMode::Exclude) {
            // A cell's row array is made only now that it receives a style.
            int nIndex = 0;
            std::unique_ptr<CGXStyle> pClone(pStyle->Clone());
            CGXStylePtrArray* pArray = Slot(nRow, nCol, nType, true, nIndex);
            pArray->SetAtGrow(nIndex, pClone.release());
        }
    } else if (pStored != nullptr) {
        int nIndex = 0;
        CGXStylePtrArray* pArray = Slot(nRow, nCol, nType, false, nIndex);
        pArray->SetAtGrow(nIndex, nullptr);
        // A row without cell styles holds no row array.
        if (nType != -1 && pArray->IsEmpty()) m_cells.SetAtGrow(static_cast<int>(nRow), nullptr);
    }
    m_nRows = std::max(m_nRows, nRow);
    m_nCols = std::max(m_nCols, nCol);
    return true;
}

bool CGXData::LookupStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode, int nType) const {
    if (nRow > m_nRows || nCol > m_nCols) return false;
    const CGXStyle* pStored = GetStoredStyle(nRow, nCol, nType);
    if (pStored == nullptr) return false;
    if (mode == ModifyMode::Copy) style.Assign(*pStored);
    else style.ChangeStyle(*pStored, mode);
    return true;
}

void CGXData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << nSchema << m_nRows << m_nCols;
        m_cells.Serialize(ar);
        m_rowStyles.Serialize(ar);
        m_colStyles.Serialize(ar);
        return;
    }
    WORD nFileSchema = 0;
    ar >> nFileSchema;
    if (nFileSchema != nSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    // Read aside, so that a damaged archive leaves the store as it was.
    ROWCOL nRows = 0, nCols = 0;
    ar >> nRows >> nCols;
    CGXStylePtrArrayPtrArray cells;
    CGXStylePtrArray rowStyles, colStyles;
    cells.Serialize(ar);
    rowStyles.Serialize(ar);
    colStyles.Serialize(ar);
    m_cells.Swap(cells);
    m_rowStyles.Swap(rowStyles);
    m_colStyles.Swap(colStyles);
    m_nRows = nRows;
    m_nCols = nCols;
    ++m_nChanges;
}
