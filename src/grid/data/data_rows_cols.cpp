// CGXData: inserting, removing, moving and reordering rows and columns. Rows are entries of the
// row styles and of the cells array; columns are entries of the column styles and of every row's
// array. Each change moves pointers, never a style.
#include <algorithm>
#include <climits>
#include <vector>

#include "grid/data/data.h"

namespace {
// An array of length nSize holding entries from nAt on can take nCount more places within int.
bool CanShift(int nSize, ULONGLONG nAt, ULONGLONG nCount) noexcept {
    return nAt >= static_cast<ULONGLONG>(nSize) || static_cast<ULONGLONG>(nSize) + nCount <= INT_MAX;
}
// Indexes and counts as the arrays take them; beyond int nothing is stored anyway.
int ToIndex(ULONGLONG n) noexcept { return static_cast<int>(std::min<ULONGLONG>(n, INT_MAX)); }

// The data rows (columns) 1 to nCount that lie in nFrom..nTo.
ROWCOL Within(ROWCOL nCount, ROWCOL nFrom, ROWCOL nTo) noexcept {
    const ROWCOL nLo = std::max<ROWCOL>(nFrom, 1), nHi = std::min(nTo, nCount);
    return nLo <= nHi ? nHi - nLo + 1 : 0;
}

// Whether a move of n entries to nDest fits each array of length nSize.
bool CanMove(int nSize, ULONGLONG n, ULONGLONG nDest) noexcept {
    return nDest + n <= INT_MAX && static_cast<ULONGLONG>(nSize) + n <= INT_MAX;
}

// The inverse of a permutation of 0..k-1: for each old position, where it goes. Empty when the
// array is not a permutation (a repeated index would have two rows own one row's styles).
std::vector<int> Inverse(const CDWordArray& indexes) {
    const int k = indexes.GetSize();
    std::vector<int> inverse(static_cast<size_t>(k), -1);
    for (int i = 0; i < k; ++i) {
        const DWORD nOld = indexes.GetAt(i);
        if (nOld >= static_cast<DWORD>(k) || inverse[nOld] != -1) return {};
        inverse[nOld] = i;
    }
    return inverse;
}

// New entry nFirst + i takes what old entry nFirst + indexes[i] held.
template <typename TArray>
void Reorder(TArray& a, int nFirst, const std::vector<int>& inverse) {
    const int k = static_cast<int>(inverse.size());
    auto block = a.TakeOut(nFirst, nFirst + k);
    for (auto& e : block) e.first = nFirst + inverse[static_cast<size_t>(e.first - nFirst)];
    std::sort(block.begin(), block.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (auto& e : block) a.SetAtGrow(e.first, e.second.release());
}
}  // namespace

bool CGXData::CanShiftRows(ROWCOL nAt, ROWCOL nCount) const noexcept {
    return CanShift(m_rowStyles.GetSize(), nAt, nCount) && CanShift(m_cells.GetSize(), nAt, nCount);
}

bool CGXData::CanShiftCols(ROWCOL nAt, ROWCOL nCount) const noexcept {
    bool bCan = CanShift(m_colStyles.GetSize(), nAt, nCount);
    m_cells.ForEach([&](int, const CGXStylePtrArray* p) { bCan = bCan && CanShift(p->GetSize(), nAt, nCount); });
    return bCan;
}

bool CGXData::InsertRows(ROWCOL nRow, ROWCOL nCount) {
    ++m_nChanges;
    if (static_cast<ULONGLONG>(m_nRows) + nCount > 0xFFFFFFFFull || !CanShiftRows(nRow, nCount)) return false;
    const int nAt = ToIndex(nRow), n = ToIndex(nCount);
    m_rowStyles.InsertEmpty(nAt, n);
    m_cells.InsertEmpty(nAt, n);
    m_nRows += nCount;
    return true;
}

bool CGXData::InsertCols(ROWCOL nCol, ROWCOL nCount) {
    ++m_nChanges;
    if (static_cast<ULONGLONG>(m_nCols) + nCount > 0xFFFFFFFFull || !CanShiftCols(nCol, nCount)) return false;
    const int nAt = ToIndex(nCol), n = ToIndex(nCount);
    m_colStyles.InsertEmpty(nAt, n);
    m_cells.ForEach([&](int, CGXStylePtrArray* p) { p->InsertEmpty(nAt, n); });
    m_nCols += nCount;
    return true;
}

// The count goes down by the rows removed that it counted, so that removing past the last row
// keeps the rows before the block.
bool CGXData::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow) {
    ++m_nChanges;
    if (nFromRow > nToRow) return false;
    const int nAt = ToIndex(nFromRow), n = ToIndex(static_cast<ULONGLONG>(nToRow) - nFromRow + 1);
    m_rowStyles.DeleteAt(nAt, n);
    m_cells.DeleteAt(nAt, n);
    m_nRows -= Within(m_nRows, nFromRow, nToRow);
    return true;
}

bool CGXData::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol) {
    ++m_nChanges;
    if (nFromCol > nToCol) return false;
    const int nAt = ToIndex(nFromCol), n = ToIndex(static_cast<ULONGLONG>(nToCol) - nFromCol + 1);
    m_colStyles.DeleteAt(nAt, n);
    std::vector<int> emptied;
    m_cells.ForEach([&](int nRow, CGXStylePtrArray* p) {
        p->DeleteAt(nAt, n);
        if (p->IsEmpty()) emptied.push_back(nRow);
    });
    for (int nRow : emptied) m_cells.SetAtGrow(nRow, nullptr);
    m_nCols -= Within(m_nCols, nFromCol, nToCol);
    return true;
}

bool CGXData::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) {
    ++m_nChanges;
    if (nFromRow > nToRow) return false;
    const ULONGLONG n = static_cast<ULONGLONG>(nToRow) - nFromRow + 1;
    const int nLast = std::max(m_rowStyles.GetSize(), m_cells.GetSize());
    if (nDestRow == nFromRow || (nFromRow >= static_cast<ROWCOL>(nLast) && nDestRow >= static_cast<ROWCOL>(nLast)))
        return true;
    if (!CanMove(nLast, n, nDestRow) || nFromRow > static_cast<ROWCOL>(INT_MAX)) return false;
    const int nFrom = static_cast<int>(nFromRow), nCount = static_cast<int>(n), nDest = static_cast<int>(nDestRow);
    m_rowStyles.MoveEntries(nFrom, nCount, nDest);
    m_cells.MoveEntries(nFrom, nCount, nDest);
    return true;
}

bool CGXData::MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol) {
    ++m_nChanges;
    if (nFromCol > nToCol) return false;
    const ULONGLONG n = static_cast<ULONGLONG>(nToCol) - nFromCol + 1;
    if (nDestCol == nFromCol) return true;
    bool bCan = CanMove(m_colStyles.GetSize(), n, nDestCol);
    m_cells.ForEach([&](int, const CGXStylePtrArray* p) { bCan = bCan && CanMove(p->GetSize(), n, nDestCol); });
    // Nothing is stored at or beyond int: such a block moves nothing and needs no room.
    if (nFromCol > static_cast<ROWCOL>(INT_MAX)) return true;
    if (!bCan) return false;
    const int nFrom = static_cast<int>(nFromCol), nCount = static_cast<int>(n), nDest = static_cast<int>(nDestCol);
    m_colStyles.MoveEntries(nFrom, nCount, nDest);
    m_cells.ForEach([&](int, CGXStylePtrArray* p) { p->MoveEntries(nFrom, nCount, nDest); });
    return true;
}

bool CGXData::ReorderRows(const CGXRange& range, const CDWordArray& indexes) {
    ++m_nChanges;
    const std::vector<int> inverse = Inverse(indexes);
    if (inverse.empty()) return indexes.IsEmpty();
    if (static_cast<ULONGLONG>(range.top) + inverse.size() > INT_MAX) return false;
    const int nTop = static_cast<int>(range.top);
    Reorder(m_rowStyles, nTop, inverse);
    Reorder(m_cells, nTop, inverse);
    return true;
}

bool CGXData::ReorderCols(const CGXRange& range, const CDWordArray& indexes) {
    ++m_nChanges;
    const std::vector<int> inverse = Inverse(indexes);
    if (inverse.empty()) return indexes.IsEmpty();
    if (static_cast<ULONGLONG>(range.left) + inverse.size() > INT_MAX) return false;
    const int nLeft = static_cast<int>(range.left);
    Reorder(m_colStyles, nLeft, inverse);
    m_cells.ForEach([&](int, CGXStylePtrArray* p) { Reorder(*p, nLeft, inverse); });
    return true;
}
