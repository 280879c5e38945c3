#include "grid/data/covered_cell_pool.h"

#include <climits>

IMPLEMENT_DYNCREATE(CGXCoveredCellPool, CObject)

namespace {
// Rows and columns index int arrays, and grid coordinates stay below 0x80000000.
bool Storable(ROWCOL n) noexcept { return n < static_cast<ROWCOL>(INT_MAX); }
}  // namespace

CGXRange* CGXCoveredCellPool::GetCoveredCell(ROWCOL nRow, ROWCOL nCol) const noexcept {
    if (!Storable(nRow) || !Storable(nCol)) return nullptr;
    const CPtrArray* pCols = m_rows.GetAt(static_cast<int>(nRow));
    return pCols != nullptr ? static_cast<CGXRange*>(pCols->GetAt(static_cast<int>(nCol))) : nullptr;
}

bool CGXCoveredCellPool::SetCoveredCell(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, CGXRange* pRange) {
    if (nTop == nBottom && nLeft == nRight) return false;
    if (nTop > nBottom || nLeft > nRight || !Storable(nBottom) || !Storable(nRight)) return false;
    const int nL = static_cast<int>(nLeft), nR = static_cast<int>(nRight);
    bool bChanged = false;
    try {
        for (int nRow = static_cast<int>(nTop); nRow <= static_cast<int>(nBottom); ++nRow) {
            CPtrArray* pCols = pRange != nullptr ? m_rows.Ensure(nRow) : m_rows.GetAt(nRow);
            if (pCols == nullptr) continue;
            void* pAtLeft = pCols->GetAt(nL);
            if (pRange != nullptr) {
                if (pAtLeft != nullptr && pAtLeft != pRange) {
                    m_rows.Compact(nRow);
                    return false;
                }
                if (pCols->GetSize() <= nR) pCols->SetSize(nR + 1);
                for (int nCol = nL; nCol <= nR; ++nCol) {
                    bChanged = bChanged || pCols->GetAt(nCol) != pRange;
                    pCols->SetAt(nCol, pRange);
                }
                // What remains of an earlier, wider block of the same range.
                for (int nCol = nR + 1; nCol < pCols->GetSize() && pCols->GetAt(nCol) == pRange; ++nCol) {
                    pCols->SetAt(nCol, nullptr);
                    bChanged = true;
                }
            } else if (pAtLeft != nullptr) {
                for (int nCol = nL; nCol < pCols->GetSize() && pCols->GetAt(nCol) == pAtLeft; ++nCol) {
                    pCols->SetAt(nCol, nullptr);
                    bChanged = true;
                }
            }
            m_rows.Compact(nRow);
        }
    } catch (const CMemoryException&) {
        m_rows.CompactAll();
        return false;
    }
    return bChanged;
}

void CGXCoveredCellPool::InitFromRangeList(const CGXRangeList& list) {
    Clear();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXRange* pRange = list.GetNext(pos);
        if (pRange->IsValid()) SetCoveredCell(pRange->top, pRange->left, pRange->bottom, pRange->right, pRange);
    }
}
