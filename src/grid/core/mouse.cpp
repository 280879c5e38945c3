// The mouse buttons: a press starts a button sequence on a cell or header (making the cell
// current, selecting, handing the press to the cell's control), a sizing border starts resizing,
// a selected header starts moving; the dispatch of a sequence's down, move and up to the control.
//
// Map: shared steps; left button down; right and middle buttons; double clicks; the dispatch.
#include <algorithm>

#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

namespace {

bool HasWindow(const CGXGridCore& g) { return g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr; }

// The buttons other than this one (1 left, 2 right, 3 middle) whose being held cancels a press.
UINT OtherButtons(int nButton) {
    switch (nButton) {
    case 1: return MK_RBUTTON | MK_MBUTTON;
    case 2: return MK_LBUTTON | MK_MBUTTON;
    default: return MK_LBUTTON | MK_RBUTTON;
    }
}

}  // namespace

// ---- shared steps ---------------------------------------------------------------------------------

namespace gx_mouse {

// The first steps of every press: not before the grid is ready; a press during another sequence
// or with another button held cancels what runs. False when the press goes no further (bHandled
// tells what to answer).
bool BeginPress(CGXGridCore& g, CWnd* pWnd, int nButton, UINT nFlags, bool& bHandled) {
    bHandled = false;
    if (!g.IsInitialized() || !HasWindow(g)) return false;
    bHandled = true;
    if (CWnd::GetCapture() == pWnd || (nFlags & OtherButtons(nButton)) != 0) {
        pWnd->SendMessage(WM_CANCELMODE);
        return false;
    }
    pWnd->UpdateWindow();
    return true;
}

}  // namespace gx_mouse

bool CGXGridCore::CanSelect(ROWCOL, ROWCOL, UINT, CPoint) { return true; }

// ---- left button down -----------------------------------------------------------------------------

bool CGXGridCore::OnGridLButtonDown(UINT nFlags, CPoint pt) {
    bool bHandled = false;
    if (!gx_mouse::BeginPress(*this, m_pGridWnd, 1, nFlags, bHandled)) return bHandled;
    CGXGridParam& param = *m_pParam;
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTest(pt, &nRow, &nCol);
    // No drag and drop of selections: the edge of a selection is a cell like any other.
    if (nHit == GX_HITSELECTIONEDGE) nHit = GX_HITCELL;

    if (nHit == GX_HITCOLBORDER && (param.GetColSizingFlags() & 3) != 0) return StartResizing(nCol, 2, pt);
    if (nHit == GX_HITROWBORDER && (param.GetRowSizingFlags() & 3) != 0) return StartResizing(nRow, 1, pt);
    if (nHit != GX_HITCELL && nHit != GX_HITHEADER) return false;

    auto currentWithControl = [&](ROWCOL r, ROWCOL c) {
        return IsCurrentCell(r, c) && m_pCurrentControl != nullptr && m_pCurrentControl->IsInit(r, c);
    };
    m_nTrackButton = 1;
    m_bMoved = false;
    WORD nState = GX_HIT_TRACKED;
    if (currentWithControl(nRow, nCol)) nState |= GX_HIT_CURRENTCELL;

    if (nRow == 0 && nCol == 0) {
        // The corner selects or deselects the whole table.
        if (param.IsSelection(4) && CanSelect(0, 0, nFlags, pt)) {
            const CGXRangeList* pList = GetSelection();
            const bool bAll = pList != nullptr && pList->GetCount() == 1 && pList->GetHead()->IsTable();
            ClearSelection();
            if (!bAll) SelectRange(CGXRange().SetTable());
        }
    } else {
        // Where the click is: a column header, a row header or a data cell.
        const bool bColHeader = nRow <= GetHeaderRows() && nCol > GetHeaderCols();
        const bool bRowHeader = nCol <= GetHeaderCols() && nRow > GetHeaderRows();
        const bool bData = nRow > GetHeaderRows() && nCol > GetHeaderCols();
        const WORD wList = param.GetListMode();
        bool bCtrl = (nFlags & MK_CONTROL) != 0 && param.IsSelection(0x10);
        bool bShift = (nFlags & MK_SHIFT) != 0 && param.IsSelection(0x20);
        if (wList & 1) bCtrl = bShift = false;

        // A selected column's (row's) header moves the selected columns (rows), when allowed.
        const CGXRangeList* pList = GetSelection();
        const bool bTable = pList != nullptr && pList->GetCount() == 1 && pList->GetHead()->IsTable();
        if (!bTable && pList != nullptr && ((bColHeader && param.GetAllowMoveCols()) || (bRowHeader && param.GetAllowMoveRows()))) {
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                const CGXRange& r = *pList->GetNext(pos);
                if ((bColHeader && r.IsCols() && nCol >= r.left && nCol <= r.right) ||
                    (bRowHeader && r.IsRows() && nRow >= r.top && nRow <= r.bottom))
                    if (StartMoving(bRowHeader ? nRow : nCol, bRowHeader, pt)) return true;
            }
        }

        if (bCtrl) nState |= GX_HIT_CTRL;
        if ((param.GetSelectionFlags() & 0xFF) != 0 && CanSelect(nRow, nCol, nFlags, pt)) {
            if (!bCtrl && !bShift) {
                ClearSelection();
            } else if (bCtrl && !bShift && (pList == nullptr || pList->IsEmpty()) && IsCurrentCell() &&
                       !IsCurrentCell(nRow, nCol) && wList == 0) {
                SelectRange(CGXRange(m_nCurrentRow, m_nCurrentCol, m_nCurrentRow, m_nCurrentCol));
            }
            if ((bRowHeader && param.IsSelection(1)) || (bColHeader && param.IsSelection(2)) || (bData && param.IsSelection(8))) {
                CGXRangeList* pSel = GetSelection();
                bool bAnchored = false;
                for (POSITION pos = pSel->GetHeadPosition(); pos != nullptr && !bAnchored;)
                    bAnchored = pSel->GetNext(pos) == m_pMouseAnchorRange;
                if (!bShift || !bAnchored) {
                    if (!bShift || !IsCurrentCell()) {
                        m_nMouseAnchorRow = nRow;
                        m_nMouseAnchorCol = nCol;
                    } else {
                        m_nMouseAnchorRow = m_nCurrentRow;
                        m_nMouseAnchorCol = m_nCurrentCol;
                    }
                    m_pMouseAnchorRange = new CGXRange;
                    pSel->AddTail(m_pMouseAnchorRange);
                }
                const CGXRange old = *m_pMouseAnchorRange;
                PrepareChangeSelection(old);
                const ROWCOL t = std::min(m_nMouseAnchorRow, nRow), b = std::max(m_nMouseAnchorRow, nRow);
                const ROWCOL l = std::min(m_nMouseAnchorCol, nCol), r = std::max(m_nMouseAnchorCol, nCol);
                if (bColHeader) m_pMouseAnchorRange->SetCols(l, r);
                else if (bRowHeader || wList != 0) m_pMouseAnchorRange->SetRows(t, b);
                else m_pMouseAnchorRange->SetCells(t, l, b, r);
                DoneChangeSelection(*m_pMouseAnchorRange);
                nState |= GX_HIT_SELECTING;
            }
        }
    }
    m_nDownRow = m_nLastRow = nRow;
    m_nDownCol = m_nLastCol = nCol;
    m_nTrackState = nState;
    if (!OnLButtonHitRowCol(nRow, nCol, nRow, nCol, pt, nFlags, nState | GX_HIT_DOWN | GX_HIT_INDOWNCELL)) {
        m_pGridWnd->SendMessage(WM_CANCELMODE);
        return true;
    }
    // The sequence may have been cancelled on the way (a dialog the press opened).
    if (m_nTrackState != 0) m_pGridWnd->SetCapture();
    return true;
}

// ---- right and middle buttons ---------------------------------------------------------------------

namespace {

// A right or middle press: a tracked sequence on a cell or header that leaves the selection alone.
bool PressOther(CGXGridCore& g, int nButton, UINT nFlags, CPoint pt, ROWCOL& nDownRow, ROWCOL& nDownCol,
                WORD& nState) {
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = g.HitTest(pt, &nRow, &nCol);
    if (nHit != GX_HITCELL && nHit != GX_HITHEADER && nHit != GX_HITSELECTIONEDGE) return false;
    nState = GX_HIT_TRACKED;
    const CGXControl* pControl = g.GetCurrentCellControl();
    if (g.IsCurrentCell(nRow, nCol) && pControl != nullptr && pControl->IsInit(nRow, nCol)) nState |= GX_HIT_CURRENTCELL;
    if (nFlags & MK_CONTROL) nState |= GX_HIT_CTRL;
    nDownRow = nRow;
    nDownCol = nCol;
    const WORD nDown = nState | GX_HIT_DOWN | GX_HIT_INDOWNCELL;
    return nButton == 2 ? g.OnRButtonHitRowCol(nRow, nCol, nRow, nCol, pt, nFlags, nDown)
                        : g.OnMButtonHitRowCol(nRow, nCol, nRow, nCol, pt, nFlags, nDown);
}

}  // namespace

bool CGXGridCore::OnGridRButtonDown(UINT nFlags, CPoint pt) {
    bool bHandled = false;
    if (!gx_mouse::BeginPress(*this, m_pGridWnd, 2, nFlags, bHandled)) return bHandled;
    WORD nState = 0;
    m_bMoved = false;
    if (!PressOther(*this, 2, nFlags, pt, m_nDownRow, m_nDownCol, nState)) return false;
    m_nTrackButton = 2;
    m_nLastRow = m_nDownRow;
    m_nLastCol = m_nDownCol;
    m_nTrackState = nState;
    m_pGridWnd->SetCapture();
    return true;
}

bool CGXGridCore::OnGridMButtonDown(UINT nFlags, CPoint pt) {
    bool bHandled = false;
    if (!gx_mouse::BeginPress(*this, m_pGridWnd, 3, nFlags, bHandled)) return bHandled;
    WORD nState = 0;
    m_bMoved = false;
    if (!PressOther(*this, 3, nFlags, pt, m_nDownRow, m_nDownCol, nState)) return false;
    m_nTrackButton = 3;
    m_nLastRow = m_nDownRow;
    m_nLastCol = m_nDownCol;
    m_nTrackState = nState;
    m_pGridWnd->SetCapture();
    return true;
}

// ---- double clicks --------------------------------------------------------------------------------

namespace {

// A double click on a cell makes it current and gives the click to its control, else to the
// grid's hook; nobody taking it makes it a press.
bool DoubleClick(CGXGridCore& g, int nButton, UINT nFlags, CPoint pt) {
    bool bHandled = false;
    if (!gx_mouse::BeginPress(g, g.GridWnd(), nButton, nFlags, bHandled)) return bHandled;
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = g.HitTest(pt, &nRow, &nCol);
    CGXGridParam& param = *g.GetParam();
    if (nButton == 1 && ((nHit == GX_HITCOLBORDER && (param.GetColSizingFlags() & 3) != 0) ||
                         (nHit == GX_HITROWBORDER && (param.GetRowSizingFlags() & 3) != 0))) {
        // A border's double click gives the row (column) its default size back.
        if (nHit == GX_HITROWBORDER) g.SetRowHeight(nRow, nRow, g.GetDefaultRowHeight());
        else g.SetColWidth(nCol, nCol, g.GetDefaultColWidth());
        return true;
    }
    if (nHit == GX_HITCELL || nHit == GX_HITHEADER || nHit == GX_HITSELECTIONEDGE) {
        CGXControl* pControl = g.GetCurrentCellControl();
        if (!(g.IsCurrentCell(nRow, nCol) && pControl != nullptr && pControl->IsInit(nRow, nCol))) {
            g.SetCurrentCell(nRow, nCol, 10);
            pControl = g.GetCurrentCellControl();
        }
        bool bDone = false;
        if (pControl != nullptr && pControl->IsInit(nRow, nCol)) {
            bDone = nButton == 1   ? pControl->OnLButtonDblClk(nFlags, pt)
                    : nButton == 2 ? pControl->OnRButtonDblClk(nFlags, pt)
                                   : pControl->OnMButtonDblClk(nFlags, pt);
        }
        if (!bDone)
            bDone = nButton == 1   ? g.OnLButtonDblClkRowCol(nRow, nCol, nFlags, pt)
                    : nButton == 2 ? g.OnRButtonDblClkRowCol(nRow, nCol, nFlags, pt)
                                   : g.OnMButtonDblClkRowCol(nRow, nCol, nFlags, pt);
        if (bDone) return true;
    }
    return nButton == 1 ? g.OnGridLButtonDown(nFlags, pt) : nButton == 2 ? g.OnGridRButtonDown(nFlags, pt)
                                                                           : g.OnGridMButtonDown(nFlags, pt);
}

}  // namespace

bool CGXGridCore::OnGridLButtonDblClk(UINT nFlags, CPoint pt) { return DoubleClick(*this, 1, nFlags, pt); }
bool CGXGridCore::OnGridRButtonDblClk(UINT nFlags, CPoint pt) { return DoubleClick(*this, 2, nFlags, pt); }
bool CGXGridCore::OnGridMButtonDblClk(UINT nFlags, CPoint pt) { return DoubleClick(*this, 3, nFlags, pt); }

// ---- the dispatch of a sequence -------------------------------------------------------------------

namespace {

// Down, move and up of a button sequence to the control of the down cell, when that cell is
// current with its control set up; otherwise an up is a click for the grid's hook.
bool HitRowCol(CGXGridCore& g, int nButton, ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint pt,
               UINT nFlags, WORD nState, bool& bMoved) {
    if (const CGXRange* pCovered = g.GetCoveredCellsRowCol(nDownRow, nDownCol)) {
        nDownRow = pCovered->top;
        nDownCol = pCovered->left;
    }
    auto control = [&]() -> CGXControl* {
        CGXControl* p = g.GetCurrentCellControl();
        return g.IsCurrentCell(nDownRow, nDownCol) && p != nullptr && p->IsInit(nDownRow, nDownCol) ? p : nullptr;
    };
    if (nState & GX_HIT_DOWN) {
        // A click on the current cell keeps it as it is (its control goes on with what it has).
        if (g.m_bSelectCurrentCell || !(nState & GX_HIT_CURRENTCELL)) {
            g.m_bMessageShown = false;
            g.SetCurrentCell(nDownRow, nDownCol, GX_CC_PAINTCLICK | ((nState & GX_HIT_CTRL) ? UINT(GX_CC_KEEPSELECTION) : 0u));
            if (g.m_bMessageShown) return false;
        }
        if (CGXControl* p = control()) {
            if (nButton == 1) p->OnLButtonDown(nFlags, pt, nState);
            else if (nButton == 2) p->OnRButtonDown(nFlags, pt, nState);
            else p->OnMButtonDown(nFlags, pt, nState);
        }
        bMoved = false;
    }
    if (nState & GX_HIT_MOVE) {
        if (CGXControl* p = control()) p->OnMouseMove(nFlags, pt, nState);
        if (nRow != nDownRow || nCol != nDownCol) bMoved = true;
    }
    if (nState & GX_HIT_UP) {
        if (CGXControl* p = control()) {
            if (nButton == 1) p->OnLButtonUp(nFlags, pt, nState);
            else if (nButton == 2) p->OnRButtonUp(nFlags, pt, nState);
            else p->OnMButtonUp(nFlags, pt, nState);
        } else if (nButton == 1) {
            g.OnLButtonClickedRowCol(nDownRow, nDownCol, nFlags, pt);
        } else if (nButton == 2) {
            g.OnRButtonClickedRowCol(nDownRow, nDownCol, nFlags, pt);
        } else {
            g.OnMButtonClickedRowCol(nDownRow, nDownCol, nFlags, pt);
        }
        if (!bMoved) {
            if (g.ScrollCellInView(nDownRow, nDownCol, GX_UPDATENOW))
                if (CGXControl* p = control()) p->Refresh();
        } else if (g.GetParam()->GetListMode() != 0 && !g.SetCurrentCell(nRow, nCol, GX_CC_PAINTCLICK)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CGXGridCore::OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState) {
    return HitRowCol(*this, 1, nHitRow, nHitCol, nRow, nCol, pt, nFlags, nHitState, m_bMoved);
}
bool CGXGridCore::OnRButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState) {
    return HitRowCol(*this, 2, nHitRow, nHitCol, nRow, nCol, pt, nFlags, nHitState, m_bMoved);
}
bool CGXGridCore::OnMButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                     WORD nHitState) {
    return HitRowCol(*this, 3, nHitRow, nHitCol, nRow, nCol, pt, nFlags, nHitState, m_bMoved);
}
