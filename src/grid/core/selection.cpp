// The selection: the parameters' list of selected ranges. Every change is announced before and
// after, and each announcement redraws what it names, so the cells show their new state.
#include <algorithm>
#include <vector>

#include "grid/core/grid_core.h"

bool CGXGridCore::IsCellSelected(ROWCOL nRow, ROWCOL nCol) const {
    const CGXRangeList* pList = GetSelection();
    return pList != nullptr && pList->IsCellInList(nRow, nCol);
}

void CGXGridCore::PrepareChangeSelection(const CGXRange& range) { RedrawRowCol(range, GX_REDRAWLATER); }

void CGXGridCore::DoneChangeSelection(const CGXRange& range) { RedrawRowCol(range, GX_REDRAWLATER); }

void CGXGridCore::ClearSelection(bool bUpdate) {
    CGXRangeList* pList = GetSelection();
    m_pKeyAnchorRange = nullptr;
    if (pList == nullptr || pList->IsEmpty()) return;
    if (bUpdate) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) PrepareChangeSelection(*pList->GetNext(pos));
    }
    pList->DeleteAll();
}

namespace {

// The cells of a range with whole rows, columns or the table made into cells of the counts.
CGXRange Cells(const CGXRange& range, ROWCOL nRows, ROWCOL nCols) {
    CGXRange r = range;
    r.ExpandRange(0, 0, nRows, nCols);
    r.kind = CGXRange::cells;
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    if (r.left > r.right) std::swap(r.left, r.right);
    return r;
}

// What is left of a range (r its cells) when a hole is cut out of it: the range itself when the
// hole misses it, else up to four ranges (above, below, and left and right of the hole).
void CutOut(const CGXRange& range, const CGXRange& r, const CGXRange& hole, std::vector<CGXRange>& out) {
    if (hole.bottom < r.top || hole.top > r.bottom || hole.right < r.left || hole.left > r.right) {
        out.push_back(range);
        return;
    }
    if (hole.top > r.top) out.emplace_back(r.top, r.left, hole.top - 1, r.right);
    if (hole.bottom < r.bottom) out.emplace_back(hole.bottom + 1, r.left, r.bottom, r.right);
    const ROWCOL t = std::max(r.top, hole.top), b = std::min(r.bottom, hole.bottom);
    if (hole.left > r.left) out.emplace_back(t, r.left, b, hole.left - 1);
    if (hole.right < r.right) out.emplace_back(t, hole.right + 1, b, r.right);
}

}  // namespace

bool CGXGridCore::SelectRange(const CGXRange& rangeIn, bool bSelect, bool bUpdate) {
    // A copy: the range given may be one of the list's own, which deselecting deletes.
    const CGXRange range = rangeIn;
    CGXRangeList* pList = GetSelection();
    if (pList == nullptr || !range.IsValid()) return false;
    if (bUpdate) PrepareChangeSelection(range);
    if (bSelect) {
        pList->AddTail(new CGXRange(range));
    } else {
        // Deselecting takes the cells out of every range that holds some of them.
        const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
        const CGXRange hole = Cells(range, nRows, nCols);
        std::vector<CGXRange> kept;
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            const CGXRange& r = *pList->GetNext(pos);
            CutOut(r, Cells(r, nRows, nCols), hole, kept);
        }
        pList->DeleteAll();
        m_pKeyAnchorRange = nullptr;
        for (const CGXRange& r : kept) pList->AddTail(new CGXRange(r));
    }
    if (bUpdate) DoneChangeSelection(range);
    return true;
}
