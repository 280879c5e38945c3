// DoScroll: moving the top row (left column) by a number of rows, scrolling the window content
// that stays in view and painting only what scrolled in.
#include "grid/core/geometry_axis.h"
#include "platform/framework/wnd.h"

namespace {

// The part of the grid area that scrolls in this direction: below the header and frozen rows
// (right of the frozen columns), the whole width (height) of the area.
CRect ScrollingPart(GXGeometryAxis a) {
    CRect part = a.g.GetGridRect();
    const int nArea = a.End(part) - a.Start(part);
    if (a.bRows) part.top += a.g.SumRowHeights(0, a.Frozen(), nArea);
    else part.left += a.g.SumColWidths(0, a.Frozen(), nArea);
    if (part.top > part.bottom) part.top = part.bottom;
    if (part.left > part.right) part.left = part.right;
    return part;
}

// Steps 2: the new first row and the pixels between the old and the new one (at least the
// extent when the walk stopped there). The walk never rests on a row without height.
ROWCOL NewFirst(GXGeometryAxis a, bool bBack, ROWCOL nCount, int64_t nExtent, int64_t& nPixels) {
    const ROWCOL nOld = a.First(), nFirst = a.Frozen() + 1;
    nPixels = 0;
    ROWCOL r = nOld;
    if (bBack) {
        const ROWCOL nTarget = nOld > nFirst && nOld - nFirst > nCount ? nOld - nCount : nFirst;
        if (nTarget >= nOld) return nOld;
        while (r > nFirst && nPixels < nExtent && (r > nTarget || a.Size(r) == 0)) nPixels += a.Size(--r);
        return std::max<ROWCOL>(std::min(r, nTarget), 1);
    }
    // Forward: not beyond the last row, nor beyond where the end would leave empty space.
    ROWCOL nLast = std::max(a.Count(), nFirst);
    if (a.Scroll().nMode & GX_SCROLL_NOEMPTYEND)
        nLast = std::max(nFirst, a.bRows ? a.g.GetLastSensibleTopRow() : a.g.GetLastSensibleLeftCol());
    const ROWCOL nTarget = nLast - nOld > nCount ? nOld + nCount : nLast;
    if (nTarget <= nOld) return nOld;
    while (r < nLast && nPixels < nExtent && (r < nTarget || a.Size(r) == 0)) nPixels += a.Size(r++);
    return std::max(r, nTarget);
}

}  // namespace

bool CGXGridCore::DoScroll(int nDirection, ROWCOL nCount) {
    if (!m_bInitDone || nDirection < GX_UP || nDirection > GX_RIGHT || nCount == 0) return false;
    const bool bBack = nDirection == GX_UP || nDirection == GX_LEFT;
    GXGeometryAxis a{*this, nDirection == GX_UP || nDirection == GX_DOWN};

    // 1. Nothing measured before stays true.
    ResetLastVisibleCaches();
    struct ScrollingFlag {
        bool& b;
        explicit ScrollingFlag(bool& flag) : b(flag) { b = true; }
        ~ScrollingFlag() { b = false; }
    } scrolling(m_bScrolling);

    // 2. Where to, and how many pixels away.
    const CRect part = ScrollingPart(a);
    const int64_t nExtent = a.End(part) - a.Start(part);
    int64_t nPixels = 0;
    const ROWCOL nOld = a.First();
    const ROWCOL nNew = NewFirst(a, bBack, nCount, nExtent, nPixels);
    if (nNew == nOld) return false;

    // 3. A derived grid may refuse.
    if (!(a.bRows ? CanChangeTopRow(nNew) : CanChangeLeftCol(nNew))) return false;
    a.Scroll().nPrevFirst = nOld;
    a.FirstRef() = nNew;
    ResetLastVisibleCaches();

    // 5. What stays in view moves; only what scrolled in is painted. Each row draws its grid lines
    // inside its own rectangle, so the moved pixels stay right up to the seam. Merged cells may
    // take another shape with the rows that come into view, so they are painted afresh.
    if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr && !m_bLockUpdate && !part.IsRectEmpty()) {
        if (nPixels < nExtent && (GetMergeCellsMode() & 3) == 0) {
            const int d = static_cast<int>(bBack ? nPixels : -nPixels);
            m_pGridWnd->ScrollWindow(a.bRows ? 0 : d, a.bRows ? d : 0, &part, &part);
        } else {
            m_pGridWnd->InvalidateRect(&part, FALSE);
        }
    }

    // 6. The bar follows; a bar shown only when needed may go once the first row is back.
    SetGridScrollPos(a.Bar(), nNew, true);
    if ((a.Scroll().nMode & GX_SCROLL_WHENNEEDED) && nNew == a.Frozen() + 1) UpdateScrollbars();
    if (a.bRows) OnTopRowChanged();
    else OnLeftColChanged();
    return true;
}

// ---- a cell into view -----------------------------------------------------------------------------

namespace {

// Scrolls the least that shows the row (column) in full: up to make it the top row, down to make
// it the last row shown (the top row when it is taller than the scrolling part).
bool ScrollInView(GXGeometryAxis a, ROWCOL n, UINT flags) {
    const ROWCOL nFirst = a.Frozen() + 1, nTop = a.First();
    if (n == GX_INVALID || n < nFirst || n > a.Count()) return false;
    ROWCOL nNew = nTop;
    if (n < nTop) {
        nNew = n;
    } else {
        const CRect part = ScrollingPart(a);
        const int64_t nExtent = a.End(part) - a.Start(part);
        int64_t nSum = 0;
        for (ROWCOL r = nTop; r <= n && nSum <= nExtent; ++r) nSum += a.Size(r);
        if (nSum <= nExtent) return false;
        nNew = n;
        int64_t nFit = a.Size(n);
        while (nNew > nFirst && nFit + a.Size(nNew - 1) <= nExtent) nFit += a.Size(--nNew);
    }
    if (nNew == nTop) return false;
    if (a.bRows) a.g.SetTopRow(nNew, flags);
    else a.g.SetLeftCol(nNew, flags);
    return a.First() != nTop;
}

}  // namespace

bool CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    const bool bRow = ScrollInView({*this, true}, nRow, flags);
    const bool bCol = ScrollInView({*this, false}, nCol, flags);
    return bRow || bCol;
}
