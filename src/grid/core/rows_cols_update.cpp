// The update steps of inserting, removing and moving rows and columns. The current cell follows
// its row (column); the top row (left column) keeps the same rows in view where it can and, as
// SetTopRow keeps it, never lies beyond the last row or at a frozen one; and what moved on screen
// is scrolled or invalidated as the redraw flags ask. Without a window, or while updates are
// locked, only the state follows.
//
// Map: the current cell and the top row; painting helpers; the three update steps; the virtual
// update operations of rows and columns.
#include "grid/controls/control.h"
#include "grid/core/rows_cols_axis.h"
#include "platform/framework/wnd.h"

namespace gxrowscols {
namespace {

// ---- the current cell and the top row -------------------------------------------------------------

// The current cell, and the cell the controls were last set up for, follow their line; the
// control set up for the current cell is set up again where the cell went (its pending edit was
// stored before the change). A current cell whose line was removed is dropped with its control.
void MoveCurrentCell(GXRowsColsAxis a, const GXLineChange& c) {
    CGXGridCore& g = a.g;
    CGXControl* pControl = g.GetCurrentCellControl();
    if (a.LastInit() != GX_INVALID) a.LastInit() = c.Map(a.LastInit());
    if (!a.HasCurrent()) return;
    const ROWCOL n = c.Map(a.Current());
    if (n == GX_INVALID) {
        a.HasCurrent() = false;
        if (pControl != nullptr) pControl->ResetCell();
        return;
    }
    a.Current() = n;
    ROWCOL nRow = 0, nCol = 0;
    g.GetCurrentCell(nRow, nCol);
    if (pControl != nullptr && pControl->IsInit()) pControl->Init(nRow, nCol);
}

// Sets the first scrollable line, clamped as SetTopRow clamps it; tells the grid when it changed.
void SetFirst(GXRowsColsAxis a, ROWCOL n) {
    n = std::min(n, a.Count());
    if (n == 0) n = 1;
    n = std::max(n, a.Frozen() + 1);
    if (n == a.First()) return;
    a.FirstRef() = n;
    if (a.bRows) a.g.OnTopRowChanged();
    else a.g.OnLeftColChanged();
}

// ---- painting -------------------------------------------------------------------------------------

bool CanPaint(CGXGridCore& g) {
    return !g.IsLockUpdate() && g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr;
}

bool SpansOn(CGXGridCore& g) {
    return (g.GetMergeCellsMode() & 3) != 0 || (g.GetParam()->GetFloatCellsMode() & 3) != 0;
}

// The part of the grid area from line n's window position to the end (n at or after the top
// row); its start is the end when n lies beyond what is shown.
CRect AreaFrom(GXRowsColsAxis a, ROWCOL n) {
    CGXGridCore& g = a.g;
    CRect rect = g.GetGridRect();
    const int nRoom = a.End(rect) - a.Start(rect);
    const ROWCOL nClient = a.ToClient(n);
    const int nAbove = nClient == 0 ? 0
                       : a.bRows   ? g.SumClientRowHeights(0, nClient - 1, nRoom)
                                   : g.SumClientColWidths(0, nClient - 1, nRoom);
    (a.bRows ? rect.top : rect.left) = a.Start(rect) + std::min(nAbove, nRoom);
    return rect;
}

// The rectangle's stretch [from, to) in this direction.
CRect Stretch(GXRowsColsAxis a, CRect rect, int nFrom, int nTo) {
    (a.bRows ? rect.top : rect.left) = nFrom;
    (a.bRows ? rect.bottom : rect.right) = nTo;
    return rect;
}

void ScrollArea(GXRowsColsAxis a, const CRect& rect, int nBy) {
    a.g.GridWnd()->ScrollWindow(a.bRows ? 0 : nBy, a.bRows ? nBy : 0, &rect, &rect);
}

// Header cells show their line's number (letters for columns): those of the lines from n on
// changed.
void RedrawHeaders(GXRowsColsAxis a, ROWCOL n) {
    if (!a.NumberedHeaders() || n > a.Count()) return;
    const ROWCOL nLast = a.Count();
    a.g.RedrawRowCol(a.bRows ? CGXRange(n, 0, nLast, 0) : CGXRange(0, n, 0, nLast), GX_REDRAWLATER);
}

// The inserted lines at n, which lies in view or below it: the lines after them move down (by
// scrolling, when the flags ask for it and the inserted lines leave some of them in view), and
// the inserted lines are drawn.
void ShowInserted(GXRowsColsAxis a, ROWCOL n, ROWCOL nCount, UINT flags) {
    CGXGridCore& g = a.g;
    const CRect area = AreaFrom(a, n);
    const int nStart = a.Start(area), nEnd = a.End(area);
    if (nStart >= nEnd) return;
    const ROWCOL nLast = n + nCount - 1;
    const int nSize = a.bRows ? g.SumRowHeights(n, nLast, nEnd - nStart) : g.SumColWidths(n, nLast, nEnd - nStart);
    const bool bFollow = nLast < a.Count();
    if ((flags & (GX_REDRAWNOW | GX_SMART)) && bFollow && nStart + nSize < nEnd) {
        ScrollArea(a, area, nSize);
        g.InvalidateGridRect(Stretch(a, area, nStart, nStart + nSize), GX_REDRAWLATER);
    } else {
        g.InvalidateGridRect(area, GX_REDRAWLATER);
    }
}

// The removed lines were at n, in view or below it: the lines after them move up (by scrolling
// what is on screen, when their old sizes are known), and what comes into view is drawn.
void ShowRemoved(GXRowsColsAxis a, ROWCOL n, const std::vector<int>* pOldSizes, UINT flags) {
    CGXGridCore& g = a.g;
    const CRect area = AreaFrom(a, n);
    const int nStart = a.Start(area), nEnd = a.End(area);
    if (nStart >= nEnd) return;
    int64_t nSize = 0;
    if (pOldSizes != nullptr)
        for (int nOld : *pOldSizes) nSize += std::max(nOld, 0);
    const bool bFollow = n <= a.Count();
    if ((flags & (GX_REDRAWNOW | GX_SMART)) && pOldSizes != nullptr && bFollow && nStart + nSize < nEnd) {
        const int nBy = static_cast<int>(nSize);
        ScrollArea(a, area, -nBy);
        g.InvalidateGridRect(Stretch(a, area, nEnd - nBy, nEnd), GX_REDRAWLATER);
    } else {
        g.InvalidateGridRect(area, GX_REDRAWLATER);
    }
}

void Finish(GXRowsColsAxis a, UINT flags, bool bDimensionChanged) {
    if ((flags & GX_REDRAWNOW) && CanPaint(a.g)) a.g.GridWnd()->UpdateWindow();
    if (bDimensionChanged && (flags & (GX_REDRAWNOW | GX_SMART))) a.g.UpdateScrollbars();
}

}  // namespace

// ---- the update steps -----------------------------------------------------------------------------

void UpdateInsert(GXRowsColsAxis a, ROWCOL nAt, ROWCOL nCount, UINT flags) {
    CGXGridCore& g = a.g;
    const GXLineChange c = GXLineChange::Inserted(nAt, nCount);
    g.ResetLastVisibleCaches();
    g.FreeObjectCache();
    MoveCurrentCell(a, c);
    // Lines inserted between the frozen ones and the top row push the lines in view on: the top
    // row follows them, so that the same lines stay in view.
    const ROWCOL nOldFirst = a.First();
    const bool bAbove = nAt > a.Frozen() && nAt < nOldFirst;
    SetFirst(a, bAbove ? c.Map(nOldFirst) : nOldFirst);

    flags &= 7;
    if (flags != 0 && CanPaint(g)) {
        if (nAt <= a.Frozen() || SpansOn(g)) g.Redraw(GX_REDRAWLATER);
        else if (!bAbove) ShowInserted(a, nAt, nCount, flags);
        RedrawHeaders(a, c.Map(nAt));
    }
    Finish(a, flags, true);
}

void UpdateRemove(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, const std::vector<int>* pOldSizes, UINT flags) {
    CGXGridCore& g = a.g;
    const GXLineChange c = GXLineChange::Removed(nFrom, nTo);
    g.ResetLastVisibleCaches();
    g.FreeObjectCache();
    MoveCurrentCell(a, c);
    // Lines removed between the frozen ones and the top row: the same lines stay in view. When
    // the top row itself went, the line after the removed ones takes its place.
    const ROWCOL nOldFirst = a.First();
    const bool bAbove = nFrom > a.Frozen() && nTo < nOldFirst;
    const ROWCOL nKept = bAbove ? nOldFirst - c.nCount : nOldFirst;
    SetFirst(a, nOldFirst >= nFrom && nOldFirst <= nTo ? nFrom : nKept);

    flags &= 7;
    if (flags != 0 && CanPaint(g)) {
        // Everything in view moved when the top row had to go elsewhere.
        if (flags == GX_REDRAWLATER || nFrom <= a.Frozen() || SpansOn(g) || a.First() != nKept)
            g.Redraw(GX_REDRAWLATER);
        else if (!bAbove) ShowRemoved(a, nFrom, pOldSizes, flags);
        RedrawHeaders(a, nFrom);
    }
    Finish(a, flags, true);
}

void UpdateMove(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags) {
    CGXGridCore& g = a.g;
    const GXLineChange c = GXLineChange::Moved(nFrom, nTo, nDest);
    g.ResetLastVisibleCaches();
    g.FreeObjectCache();
    MoveCurrentCell(a, c);
    SetFirst(a, a.First());
    // The lines between the two ends of the move show other contents (and numbers).
    flags &= 7;
    if (flags != 0 && CanPaint(g)) {
        if (SpansOn(g)) g.Redraw(GX_REDRAWLATER);
        else g.RedrawRowCol(a.Lines(c.FirstChanged(), c.LastChanged()), GX_REDRAWLATER);
    }
    Finish(a, flags, false);
}

}  // namespace gxrowscols

// ---- the operations of rows and columns -----------------------------------------------------------

void CGXGridCore::UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, bool) {
    gxrowscols::UpdateInsert({*this, true}, nRow, nCount, flags);
}
void CGXGridCore::UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, bool) {
    gxrowscols::UpdateInsert({*this, false}, nCol, nCount, flags);
}
void CGXGridCore::UpdateRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, const std::vector<int>* pOldHeights, UINT flags,
                                   bool) {
    gxrowscols::UpdateRemove({*this, true}, nFromRow, nToRow, pOldHeights, flags);
}
void CGXGridCore::UpdateRemoveCols(ROWCOL nFromCol, ROWCOL nToCol, const std::vector<int>* pOldWidths, UINT flags,
                                   bool) {
    gxrowscols::UpdateRemove({*this, false}, nFromCol, nToCol, pOldWidths, flags);
}
void CGXGridCore::UpdateMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags, bool) {
    gxrowscols::UpdateMove({*this, true}, nFromRow, nToRow, nDestRow, flags);
}
void CGXGridCore::UpdateMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags, bool) {
    gxrowscols::UpdateMove({*this, false}, nFromCol, nToCol, nDestCol, flags);
}
