// Moving the current cell as the keys do: a step in a direction to the next cell that can take
// it (enabled, not hidden, not covered by another cell), pages, the ends of rows and columns, and
// extending the selection with Shift.
//
// Map: FindNextCell; the target of a move; MoveCurrentCellEx; MoveCurrentCell.
#include <algorithm>

#include "grid/core/grid_core.h"
#include "platform/win/window.h"

// ---- FindNextCell ---------------------------------------------------------------------------------

bool CGXGridCore::FindNextCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol) {
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    const bool bRows = nDirection == GX_MOVE_UP || nDirection == GX_MOVE_DOWN;
    ROWCOL r = nRow, c = nCol;
    while (r <= nRows && c <= nCols) {
        bool bTakes = bRows ? GetRowHeight(r) > 0 : GetColWidth(c) > 0;
        if (bTakes) {
            // A covered range is entered only at its top left cell.
            const CGXRange* pCovered = GetCoveredCellsRowCol(r, c);
            bTakes = pCovered == nullptr || (pCovered->top == r && pCovered->left == c);
        }
        if (bTakes) {
            const CGXStyle& style = LookupStyleRowCol(r, c);
            if (!style.GetIncludeEnabled() || style.GetEnabled()) {
                nRow = r;
                nCol = c;
                return true;
            }
        }
        switch (nDirection) {
        case GX_MOVE_UP:
            if (r <= 1) return false;
            --r;
            break;
        case GX_MOVE_LEFT:
            if (c <= 1) return false;
            --c;
            break;
        case GX_MOVE_DOWN: ++r; break;
        case GX_MOVE_RIGHT: ++c; break;
        default: return false;
        }
    }
    return false;
}

// ---- the target of a move -------------------------------------------------------------------------

namespace {

// One step of a walk from (r, c): the next cell in the direction that takes the current cell, not
// into the header rows and columns.
bool Step(CGXGridCore& g, int nDirection, ROWCOL& r, ROWCOL& c) {
    ROWCOL nr = r, nc = c;
    switch (nDirection) {
    case GX_MOVE_UP: nr = r - 1; break;
    case GX_MOVE_DOWN: nr = r + 1; break;
    case GX_MOVE_LEFT: nc = c - 1; break;
    case GX_MOVE_RIGHT: nc = c + 1; break;
    default: return false;
    }
    if (nr <= g.GetHeaderRows() || nc <= g.GetHeaderCols()) return false;
    if (!g.FindNextCell(nDirection, nr, nc) || nr <= g.GetHeaderRows() || nc <= g.GetHeaderCols()) return false;
    r = nr;
    c = nc;
    return true;
}

// The rows a page moves: those the scrolling part shows in full, at least one.
ROWCOL PageRows(CGXGridCore& g) {
    bool bLast = false;
    const ROWCOL nLast = g.GetLastVisibleRow(&bLast);
    const ROWCOL nTop = g.GetTopRow();
    return nLast != GX_INVALID && nLast > nTop + 1 ? nLast - nTop - 1 : 1;
}

// The first cell that takes the current cell walking from (r, c) in nDirection, then, when that
// row (column) has none, the next rows (columns) in nNext.
bool FirstFrom(CGXGridCore& g, ROWCOL r, ROWCOL c, int nDirection, ROWCOL& nRow, ROWCOL& nCol) {
    if (!g.FindNextCell(nDirection, r, c)) return false;
    nRow = r;
    nCol = c;
    return r > g.GetHeaderRows() && c > g.GetHeaderCols();
}

}  // namespace

// ---- MoveCurrentCellEx ----------------------------------------------------------------------------

bool CGXGridCore::MoveCurrentCellEx(int nDirection, UINT nCount, bool bSelect) {
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    const ROWCOL nFirstRow = GetHeaderRows() + 1, nFirstCol = GetHeaderCols() + 1;
    if (nRows < nFirstRow || nCols < nFirstCol) return false;
    // From the current cell, or from where it was, within the table.
    const bool bHad = IsCurrentCell();
    ROWCOL r = std::clamp(m_nCurrentRow, nFirstRow, nRows), c = std::clamp(m_nCurrentCol, nFirstCol, nCols);
    ROWCOL nRow = r, nCol = c;
    switch (nDirection) {
    case GX_MOVE_UP:
    case GX_MOVE_DOWN:
    case GX_MOVE_LEFT:
    case GX_MOVE_RIGHT:
        for (UINT i = 0; i < nCount && Step(*this, nDirection, nRow, nCol); ++i) {
        }
        break;
    case GX_MOVE_PAGEDOWN:
    case GX_MOVE_PAGEUP: {
        // The cell a page away, and the grid scrolled by the same page.
        const ROWCOL nPage = PageRows(*this) * std::max<UINT>(nCount, 1);
        const bool bDown = nDirection == GX_MOVE_PAGEDOWN;
        const ROWCOL nTarget = bDown ? (nRows - r > nPage ? r + nPage : nRows) : (r - nFirstRow > nPage ? r - nPage : nFirstRow);
        if (!FirstFrom(*this, nTarget, c, bDown ? GX_MOVE_DOWN : GX_MOVE_UP, nRow, nCol) &&
            !FirstFrom(*this, nTarget, c, bDown ? GX_MOVE_UP : GX_MOVE_DOWN, nRow, nCol)) {
            nRow = r;
            nCol = c;
        }
        if (nRow != r) DoScroll(bDown ? GX_DOWN : GX_UP, nPage);
        break;
    }
    case GX_MOVE_TOP: FirstFrom(*this, nFirstRow, c, GX_MOVE_DOWN, nRow, nCol); break;
    case GX_MOVE_BOTTOM: FirstFrom(*this, nRows, c, GX_MOVE_UP, nRow, nCol); break;
    case GX_MOVE_MOSTLEFT: FirstFrom(*this, r, nFirstCol, GX_MOVE_RIGHT, nRow, nCol); break;
    case GX_MOVE_MOSTRIGHT: FirstFrom(*this, r, nCols, GX_MOVE_LEFT, nRow, nCol); break;
    case GX_MOVE_TOPLEFT:
        for (ROWCOL row = nFirstRow; row <= nRows && !FirstFrom(*this, row, nFirstCol, GX_MOVE_RIGHT, nRow, nCol); ++row) {
        }
        break;
    case GX_MOVE_BOTTOMRIGHT:
        for (ROWCOL row = nRows; row >= nFirstRow && !FirstFrom(*this, row, nCols, GX_MOVE_LEFT, nRow, nCol); --row) {
        }
        break;
    default: return false;
    }
    if (nRow < nFirstRow || nCol < nFirstCol) return false;
    if (bHad && nRow == r && nCol == c) return false;
    if (!m_bSelectCurrentCell || !bSelect)
        return SetCurrentCell(nRow, nCol, GX_CC_SCROLLINVIEW | GX_CC_PAINT | GX_CC_KEEPSELECTION);
    const CGXRangeList* pList = GetSelection();
    if (pList != nullptr && !pList->IsEmpty() && !IsCellSelected(nRow, nCol)) ClearSelection();
    return SetCurrentCell(nRow, nCol, GX_CC_SCROLLINVIEW | GX_CC_PAINT);
}

// ---- MoveCurrentCell ------------------------------------------------------------------------------

bool CGXGridCore::MoveCurrentCell(int nDirection, UINT nCount) {
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    const bool bExtend = bShift && m_pParam != nullptr && m_pParam->IsSelection(0x40);
    CGXRangeList* pList = GetSelection();
    if (!bExtend || pList == nullptr || !IsCurrentCell()) {
        m_pKeyAnchorRange = nullptr;
        return MoveCurrentCellEx(nDirection, nCount, true);
    }
    // The first extension makes the current cell the anchor of a new selection.
    bool bAnchored = false;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr && !bAnchored;)
        bAnchored = pList->GetNext(pos) == m_pKeyAnchorRange;
    if (!bAnchored) {
        ClearSelection();
        m_nKeyAnchorRow = m_nCurrentRow;
        m_nKeyAnchorCol = m_nCurrentCol;
        m_pKeyAnchorRange = new CGXRange(m_nCurrentRow, m_nCurrentCol, m_nCurrentRow, m_nCurrentCol);
        pList->AddTail(m_pKeyAnchorRange);
    }
    const bool bMoved = MoveCurrentCellEx(nDirection, nCount, false);
    // The anchor range spans from the anchor cell to the new current cell.
    const CGXRange old = *m_pKeyAnchorRange;
    PrepareChangeSelection(old);
    m_pKeyAnchorRange->SetCells(std::min(m_nKeyAnchorRow, m_nCurrentRow), std::min(m_nKeyAnchorCol, m_nCurrentCol),
                                std::max(m_nKeyAnchorRow, m_nCurrentRow), std::max(m_nKeyAnchorCol, m_nCurrentCol));
    DoneChangeSelection(*m_pKeyAnchorRange);
    return bMoved;
}
