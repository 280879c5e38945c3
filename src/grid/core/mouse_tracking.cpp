// A button sequence after its press: moves with the button held (the control hears them, a
// selection grows), the release, resizing by a border and moving rows or columns by their
// headers, the cancel-mode message that ends any of them, and the cursor that follows the hit.
//
// Map: the cell under a point; moves; releases; cancel; resizing; moving; cursors.
#include <algorithm>

#include "grid/controls/control.h"
#include "grid/core/geometry_axis.h"
#include "platform/framework/resources.h"
#include "platform/framework/wnd.h"
#include "platform/win/module_resources.h"

namespace {

// The cell under a point inside the client area: beyond the last row (column) the last one.
void CellAt(CGXGridCore& g, CPoint pt, ROWCOL& nRow, ROWCOL& nCol) {
    const ROWCOL nClientRow = g.ClientRowFromPoint(pt), nClientCol = g.ClientColFromPoint(pt);
    nRow = nClientRow == GX_INVALID ? g.GetRowCount() : std::min(g.ClientRowToRow(nClientRow), g.GetRowCount());
    nCol = nClientCol == GX_INVALID ? g.GetColCount() : std::min(g.ClientColToCol(nClientCol), g.GetColCount());
}

CPoint ClampToClient(CWnd* pWnd, CPoint pt) {
    CRect client;
    pWnd->GetClientRect(&client);
    pt.x = std::clamp<LONG>(pt.x, client.left, std::max(client.left, client.right - 1));
    pt.y = std::clamp<LONG>(pt.y, client.top, std::max(client.top, client.bottom - 1));
    return pt;
}

bool Dispatch(CGXGridCore& g, int nButton, ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint pt,
              UINT nFlags, WORD nState) {
    switch (nButton) {
    case 1: return g.OnLButtonHitRowCol(nDownRow, nDownCol, nRow, nCol, pt, nFlags, nState);
    case 2: return g.OnRButtonHitRowCol(nDownRow, nDownCol, nRow, nCol, pt, nFlags, nState);
    default: return g.OnMButtonHitRowCol(nDownRow, nDownCol, nRow, nCol, pt, nFlags, nState);
    }
}

}  // namespace

// ---- moves ----------------------------------------------------------------------------------------

bool CGXGridCore::OnGridMouseMove(UINT nFlags, CPoint ptIn) {
    if (!m_bInitDone || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return false;
    const CPoint pt = ClampToClient(m_pGridWnd, ptIn);
    if (m_bMoving) return true;
    if (m_bResizing) {
        // The row (column) follows the pointer; the change is recorded once, at the release.
        GXGeometryAxis a{*this, m_bResizeRows};
        const CRect cell = CalcRangeRect(m_bResizeRows ? CGXRange(m_nResizeIndex, 0, m_nResizeIndex, 0)
                                                       : CGXRange(0, m_nResizeIndex, 0, m_nResizeIndex));
        if (!cell.IsRectEmpty()) {
            const int nSize = std::max<int>(1, a.Coord(pt) - a.Start(cell));
            if (nSize != a.Size(m_nResizeIndex)) {
                if (m_bResizeRows) StoreRowHeight(m_nResizeIndex, nSize);
                else StoreColWidth(m_nResizeIndex, nSize);
                if (m_bResizeRows) UpdateChangedRowHeight(m_nResizeIndex, m_nResizeIndex, GX_REDRAWNOW);
                else UpdateChangedColWidth(m_nResizeIndex, m_nResizeIndex, GX_REDRAWNOW);
            }
        }
        return true;
    }
    if (m_nTrackState != 0 && CWnd::GetCapture() == m_pGridWnd) {
        // The control hears where the pointer is in the table, frozen rows included, so that a
        // press held on a frozen cell stays over it.
        ROWCOL nRow = 0, nCol = 0;
        CellAt(*this, pt, nRow, nCol);
        WORD nState = m_nTrackState | GX_HIT_MOVE;
        if (nRow == m_nDownRow && nCol == m_nDownCol) nState |= GX_HIT_INDOWNCELL;
        else if (m_nLastRow == m_nDownRow && m_nLastCol == m_nDownCol) nState |= GX_HIT_LEFTDOWNCELL;
        Dispatch(*this, m_nTrackButton, m_nDownRow, m_nDownCol, nRow, nCol, pt, nFlags, nState);
        if ((nRow != m_nLastRow || nCol != m_nLastCol) && (m_nTrackState & GX_HIT_SELECTING) && m_pMouseAnchorRange != nullptr) {
            // A selection grows over the scrolling rows and columns only.
            const ROWCOL r = std::max(nRow, GetFrozenRows() + 1), c = std::max(nCol, GetFrozenCols() + 1);
            const CGXRange old = *m_pMouseAnchorRange;
            PrepareChangeSelection(old);
            const ROWCOL t = std::min(m_nMouseAnchorRow, r), b = std::max(m_nMouseAnchorRow, r);
            const ROWCOL l = std::min(m_nMouseAnchorCol, c), rr = std::max(m_nMouseAnchorCol, c);
            if (old.IsCols()) m_pMouseAnchorRange->SetCols(l, rr);
            else if (old.IsRows()) m_pMouseAnchorRange->SetRows(t, b);
            else m_pMouseAnchorRange->SetCells(t, l, b, rr);
            DoneChangeSelection(*m_pMouseAnchorRange);
        }
        m_nLastRow = nRow;
        m_nLastCol = nCol;
        return true;
    }
    // No button: the control under the pointer may show something, else the cursor follows.
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = HitTest(pt, &nRow, &nCol);
    if (nHit == GX_HITCELL || nHit == GX_HITHEADER) {
        CGXControl* pControl = GetControl(nRow, nCol);
        if (pControl != nullptr && pControl->OnMouseMoveOver(nRow, nCol, 0, pt)) return true;
    }
    UpdateCursor(pt);
    return true;
}

// ---- releases -------------------------------------------------------------------------------------

namespace {

bool Release(CGXGridCore& g, int nButton, UINT nFlags, CPoint ptIn, WORD& nTrackState, ROWCOL nDownRow,
             ROWCOL nDownCol, ROWCOL nLastRow, ROWCOL nLastCol) {
    CWnd* pWnd = g.GridWnd();
    if (pWnd == nullptr || CWnd::GetCapture() != pWnd) return false;
    ::ReleaseCapture();
    if (nTrackState == 0) return true;
    const CPoint pt = ClampToClient(pWnd, ptIn);
    ROWCOL nRow = 0, nCol = 0;
    CellAt(g, pt, nRow, nCol);
    WORD nState = nTrackState | GX_HIT_UP;
    if (nRow == nDownRow && nCol == nDownCol) nState |= GX_HIT_INDOWNCELL;
    else if (nLastRow == nDownRow && nLastCol == nDownCol) nState |= GX_HIT_LEFTDOWNCELL;
    nTrackState = 0;
    (void)nButton;
    Dispatch(g, nButton, nDownRow, nDownCol, nRow, nCol, pt, nFlags, nState);
    return true;
}

}  // namespace

bool CGXGridCore::OnGridLButtonUp(UINT nFlags, CPoint pt) {
    if (m_pGridWnd == nullptr || CWnd::GetCapture() != m_pGridWnd) return false;
    if (m_bMoving) {
        ::ReleaseCapture();
        DoneMoving(pt);
        return true;
    }
    if (m_bResizing) {
        ::ReleaseCapture();
        DoneResizing(pt);
        return true;
    }
    if ((m_nTrackState & GX_HIT_SELECTING) && m_pMouseAnchorRange != nullptr) {
        // A plain click on one data cell selects nothing (the current cell shows where it is); a
        // Ctrl click keeps the cell selected.
        const CGXRange& a = *m_pMouseAnchorRange;
        const bool bOneCell = a.IsCells() && a.top == a.bottom && a.left == a.right && a.top == m_nLastRow &&
                              a.left == m_nLastCol && m_pParam->GetListMode() == 0;
        if (bOneCell && !(m_nTrackState & GX_HIT_CTRL)) {
            if (!m_bSelectCurrentCell) SelectRange(a, false);
            m_pMouseAnchorRange = nullptr;
            m_nTrackState &= static_cast<WORD>(~GX_HIT_SELECTING);
        } else {
            DoneChangeSelection(a);
        }
    }
    return Release(*this, 1, nFlags, pt, m_nTrackState, m_nDownRow, m_nDownCol, m_nLastRow, m_nLastCol);
}

bool CGXGridCore::OnGridRButtonUp(UINT nFlags, CPoint pt) {
    return Release(*this, 2, nFlags, pt, m_nTrackState, m_nDownRow, m_nDownCol, m_nLastRow, m_nLastCol);
}

bool CGXGridCore::OnGridMButtonUp(UINT nFlags, CPoint pt) {
    return Release(*this, 3, nFlags, pt, m_nTrackState, m_nDownRow, m_nDownCol, m_nLastRow, m_nLastCol);
}

// ---- cancel ---------------------------------------------------------------------------------------

void CGXGridCore::OnGridCancelMode() {
    // A resize that did not end gives the row (column) its old size back.
    if (m_bResizing) {
        m_bResizing = false;
        if (m_bResizeRows) StoreRowHeight(m_nResizeIndex, m_nResizeOldSize);
        else StoreColWidth(m_nResizeIndex, m_nResizeOldSize);
        Redraw(GX_REDRAWLATER);
    }
    m_bMoving = false;
    m_nTrackState = 0;
    if (m_pGridWnd != nullptr && CWnd::GetCapture() == m_pGridWnd) ::ReleaseCapture();
}

// ---- resizing -------------------------------------------------------------------------------------

bool CGXGridCore::StartResizing(ROWCOL n, int nDirection, CPoint) {
    if (m_pGridWnd == nullptr || n == GX_INVALID) return false;
    m_bResizing = true;
    m_bResizeRows = nDirection == 1;
    m_nResizeIndex = n;
    m_nResizeOldSize = m_bResizeRows ? GetRowHeight(n) : GetColWidth(n);
    m_pGridWnd->SetCapture();
    return true;
}

void CGXGridCore::DoneResizing(CPoint) {
    if (!m_bResizing) return;
    m_bResizing = false;
    // The size reached while dragging, recorded as one change from the old size.
    const ROWCOL n = m_nResizeIndex;
    const int nNew = m_bResizeRows ? GetRowHeight(n) : GetColWidth(n);
    if (m_bResizeRows) StoreRowHeight(n, m_nResizeOldSize);
    else StoreColWidth(n, m_nResizeOldSize);
    if (nNew == m_nResizeOldSize) return;
    if (m_bResizeRows) SetRowHeight(n, n, nNew);
    else SetColWidth(n, n, nNew);
}

// ---- moving rows and columns ----------------------------------------------------------------------

bool CGXGridCore::StartMoving(ROWCOL n, bool bRows, CPoint) {
    if (m_pGridWnd == nullptr) return false;
    m_bMoving = true;
    m_bMoveRows = bRows;
    m_nMoveFrom = n;
    m_pGridWnd->SetCapture();
    return true;
}

void CGXGridCore::DoneMoving(CPoint pt) {
    if (!m_bMoving) return;
    m_bMoving = false;
    ROWCOL nRow = 0, nCol = 0;
    CellAt(*this, ClampToClient(m_pGridWnd, pt), nRow, nCol);
    const ROWCOL nTo = m_bMoveRows ? nRow : nCol;
    // The selected block that holds the header pressed goes to where the pointer was released.
    const CGXRangeList* pList = GetSelection();
    if (pList == nullptr || nTo == 0) return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const CGXRange r = *pList->GetNext(pos);
        const ROWCOL nFirst = m_bMoveRows ? r.top : r.left, nLast = m_bMoveRows ? r.bottom : r.right;
        if ((m_bMoveRows ? !r.IsRows() : !r.IsCols()) || m_nMoveFrom < nFirst || m_nMoveFrom > nLast) continue;
        if (nTo >= nFirst && nTo <= nLast) return;
        if (m_bMoveRows) MoveRows(nFirst, nLast, nTo);
        else MoveCols(nFirst, nLast, nTo);
        return;
    }
}

// ---- cursors --------------------------------------------------------------------------------------

bool CGXGridCore::OnGridSetCursor(UINT nHitTest, UINT) {
    if (nHitTest != HTCLIENT || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return false;
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pGridWnd->ScreenToClient(&pt);
    UpdateCursor(pt);
    return true;
}

void CGXGridCore::UpdateCursor(CPoint pt) {
    if (m_pParam == nullptr) return;
    const CGXGridParam& param = *m_pParam;
    ROWCOL nRow = 0, nCol = 0;
    UINT nID = 0;
    LPCSTR pszStandard = nullptr;
    switch (HitTest(pt, &nRow, &nCol)) {
    case GX_HITCOLBORDER:
        nID = 23191;
        pszStandard = IDC_SIZEWE;
        break;
    case GX_HITROWBORDER:
        nID = 23205;
        pszStandard = IDC_SIZENS;
        break;
    case GX_HITSELECTIONEDGE:
        nID = 23203;
        pszStandard = IDC_ARROW;
        break;
    case GX_HITHEADER:
        if (nRow == 0 && nCol > 0 && param.IsSelection(2)) nID = 23201;
        else if (nCol == 0 && nRow > 0 && param.IsSelection(1)) nID = 23202;
        pszStandard = IDC_ARROW;
        break;
    default: break;
    }
    SetGridCursor(nID, pszStandard);
}

UINT CGXGridCore::SetGridCursor(UINT nID, LPCSTR pszStandard) {
    const UINT nPrev = m_nCursorId;
    HWND hwnd = m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr;
    if (nID == 0) {
        HCURSOR hDefault = hwnd != nullptr ? reinterpret_cast<HCURSOR>(::GetClassLongPtrA(hwnd, GCLP_HCURSOR)) : nullptr;
        ::SetCursor(hDefault != nullptr ? hDefault : ::LoadCursor(nullptr, IDC_ARROW));
        m_nCursorId = 0;
        return nPrev;
    }
    if (nID != m_nCursorId || m_hLoadedCursor == nullptr) {
        // The cursor resource along the application's resource chain, else the standard cursor.
        HCURSOR h = nullptr;
        if (HMODULE hModule = FindResourceModule(MAKEINTRESOURCEA(nID), RT_CURSOR, AfxGetResourceHandle()))
            h = ::LoadCursor(hModule, MAKEINTRESOURCEA(nID));
        if (h == nullptr) h = ::LoadCursor(nullptr, pszStandard != nullptr ? pszStandard : IDC_ARROW);
        m_hLoadedCursor = h;
        m_nCursorId = nID;
    }
    ::SetCursor(m_hLoadedCursor);
    return nPrev;
}
