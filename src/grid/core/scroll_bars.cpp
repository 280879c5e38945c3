// The grid's scroll bars: their modes, the range of rows a bar stands for (divided by a scroll
// factor, so that any count fits a bar's 16-bit range), positions, bringing both bars up to date,
// and what the window's scroll messages do.
//
// Map: the last sensible top row; modes; range and position; UpdateScrollbars; scroll messages.
#include "grid/core/geometry_axis.h"
#include "platform/framework/wnd.h"
#include "platform/win/system_metrics.h"

namespace {

GXGeometryAxis AxisOfBar(CGXGridCore& g, int nBar) { return {g, nBar == SB_VERT}; }

bool HasWindow(const CGXGridCore& g) { return g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr; }

// The pixels the rows that scroll share: the grid area less the header and frozen rows.
int64_t ScrollingExtent(GXGeometryAxis a) {
    const CRect grid = a.g.GetGridRect();
    const int nArea = a.End(grid) - a.Start(grid);
    const int nFrozen = a.bRows ? a.g.SumRowHeights(0, a.Frozen(), nArea) : a.g.SumColWidths(0, a.Frozen(), nArea);
    return std::max<int64_t>(0, int64_t(nArea) - nFrozen);
}

// The smallest top row from which the rows to the last one fit into the scrolling part; the last
// row itself when even it does not fit. A top row beyond it would leave empty space at the end.
ROWCOL LastSensibleFirst(GXGeometryAxis a) {
    const ROWCOL nFirst = a.Frozen() + 1, nCount = a.Count();
    if (nCount <= nFirst) return nFirst;
    const int64_t nArea = ScrollingExtent(a);
    ROWCOL n = nCount;
    int64_t nSum = a.Size(n);
    while (n > nFirst) {
        const int64_t nNext = nSum + a.Size(n - 1);
        if (nNext > nArea) break;
        nSum = nNext;
        --n;
    }
    return n;
}

}  // namespace

ROWCOL CGXGridCore::GetLastSensibleTopRow() { return LastSensibleFirst({*this, true}); }
ROWCOL CGXGridCore::GetLastSensibleLeftCol() { return LastSensibleFirst({*this, false}); }

// ---- modes ----------------------------------------------------------------------------------------

void CGXGridCore::SetScrollBarMode(int nBar, int nMode, bool bUpdate) {
    if (nBar == SB_HORZ || nBar == SB_BOTH) m_scrollCols.nMode = nMode;
    if (nBar == SB_VERT || nBar == SB_BOTH) m_scrollRows.nMode = nMode;
    if (!bUpdate || !HasWindow(*this)) return;
    if (nMode == 0) m_pGridWnd->ShowScrollBar(static_cast<UINT>(nBar), FALSE);
    else if (nMode & GX_SCROLL_ALWAYS) m_pGridWnd->ShowScrollBar(static_cast<UINT>(nBar), TRUE);
    else if (nMode & GX_SCROLL_WHENNEEDED) UpdateScrollbars();
}

int CGXGridCore::GetScrollBarMode(int nBar) const noexcept {
    return nBar == SB_VERT ? m_scrollRows.nMode : m_scrollCols.nMode;
}

ROWCOL CGXGridCore::GetScrollFactor(int nBar) const noexcept {
    return nBar == SB_VERT ? m_scrollRows.nFactor : m_scrollCols.nFactor;
}

// ---- range and position ---------------------------------------------------------------------------

void CGXGridCore::SetGridScrollRange(int nBar, ROWCOL nMin, ROWCOL nMax, bool bRedraw) {
    GXGeometryAxis a = AxisOfBar(*this, nBar);
    ScrollAxisState& s = a.Scroll();
    if (s.nMode == 0 || !HasWindow(*this)) return;
    // So many rows per unit that the largest row number fits the bar.
    s.nFactor = nMax / 32767 + 1;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE;
    // A bar that must not vanish by itself when its range is empty.
    if (s.nMode & (GX_SCROLL_ALWAYS | GX_SCROLL_KEEPRANGE)) si.fMask |= SIF_DISABLENOSCROLL;
    if (s.nMode & GX_SCROLL_NOEMPTYEND) {
        // The page is the rows shown at the end, so that the thumb is as long as what it shows.
        const ROWCOL nCount = a.Count();
        si.fMask |= SIF_PAGE;
        si.nPage = nCount >= nMax ? static_cast<UINT>((nCount - nMax + 1) / s.nFactor) : 0;
        nMax = nCount;
    }
    // Both ends in units, so that the top of the bar is the first row and not the factor's row.
    ROWCOL nMinUnits = nMin / s.nFactor, nMaxUnits = nMax / s.nFactor;
    if (nMaxUnits < nMinUnits) {
        nMinUnits = nMaxUnits;
        si.nPage = 1;
    }
    si.nMin = static_cast<int>(nMinUnits);
    si.nMax = static_cast<int>(nMaxUnits);
    m_pGridWnd->SetScrollInfo(nBar, &si, bRedraw);
    m_bScrollbarsChanged = true;
}

ROWCOL CGXGridCore::SetGridScrollPos(int nBar, ROWCOL nPos, bool bRedraw) {
    const ScrollAxisState& s = AxisOfBar(*this, nBar).Scroll();
    if (s.nMode == 0 || !HasWindow(*this)) return 0;
    const int nUnits = nPos < s.nFactor ? 0 : static_cast<int>(nPos / s.nFactor);
    const int nPrev = m_pGridWnd->SetScrollPos(nBar, nUnits, bRedraw);
    return static_cast<ROWCOL>(std::max(nPrev, 0)) * s.nFactor;
}

// ---- UpdateScrollbars -----------------------------------------------------------------------------

namespace {

// Step 4 for one bar, by its mode without the no-empty-end bit.
void UpdateBar(GXGeometryAxis a, ROWCOL nLastSensible) {
    CGXGridCore& g = a.g;
    CWnd* pWnd = g.GridWnd();
    const int nBar = a.Bar();
    const int nMode = a.Scroll().nMode & 7;
    const DWORD dwBit = a.bRows ? WS_VSCROLL : WS_HSCROLL;
    const bool bShown = (pWnd->GetStyle() & dwBit) != 0;
    const ROWCOL nFirst = a.Frozen() + 1;
    auto setRangeAndPos = [&] {
        g.SetGridScrollRange(nBar, nFirst, nLastSensible, true);
        g.SetGridScrollPos(nBar, a.First(), true);
    };
    if (nMode == 0) {
        if (bShown) pWnd->ShowScrollBar(static_cast<UINT>(nBar), FALSE);
    } else if (nMode & GX_SCROLL_ALWAYS) {
        setRangeAndPos();
        pWnd->ShowScrollBar(static_cast<UINT>(nBar), TRUE);
    } else if (nMode & GX_SCROLL_WHENNEEDED) {
        if (nFirst < a.First() || nFirst < nLastSensible) {
            setRangeAndPos();
            pWnd->ShowScrollBar(static_cast<UINT>(nBar), TRUE);
        } else if (bShown) {
            pWnd->ShowScrollBar(static_cast<UINT>(nBar), FALSE);
        }
    } else {
        // Kept up to date, shown or hidden by others.
        setRangeAndPos();
        if (((pWnd->GetStyle() & dwBit) != 0) != bShown) pWnd->ShowScrollBar(static_cast<UINT>(nBar), bShown);
    }
}

}  // namespace

void CGXGridCore::UpdateScrollbars(bool bRedraw, bool bOnlyIfDimensionChanged) {
    if (!m_bInitDone || m_bInUpdateScrollbars || m_bLockUpdate || !HasWindow(*this)) return;
    if (GetProperties() != nullptr && GetProperties()->IsPrinting()) return;
    CWnd* pWnd = m_pGridWnd;
    CRect client;
    pWnd->GetClientRect(&client);
    if (client.IsRectEmpty()) {
        m_bInUpdateScrollbars = true;
        pWnd->ShowScrollBar(SB_BOTH, FALSE);
        m_bInUpdateScrollbars = false;
        return;
    }
    // 1. Only what changed, when asked so.
    const ROWCOL nRows = m_scrollRows.nMode != 0 ? GetRowCount() : 0;
    const ROWCOL nCols = m_scrollCols.nMode != 0 ? GetColCount() : 0;
    if (bOnlyIfDimensionChanged && nRows == m_scrollRows.nCachedCount && nCols == m_scrollCols.nCachedCount) return;

    // 2. and 3. Where the ends lie; no empty space after the last row when the mode says so.
    ResetLastVisibleCaches();
    const GXGeometryAxis axes[2] = {{*this, true}, {*this, false}};
    ROWCOL nLast[2];
    for (int i = 0; i < 2; ++i) {
        const GXGeometryAxis& a = axes[i];
        nLast[i] = LastSensibleFirst(a);
        if ((a.Scroll().nMode & GX_SCROLL_NOEMPTYEND) && a.First() > nLast[i] && a.First() > a.Frozen() + 1) {
            if (a.bRows) SetTopRow(nLast[i], GX_REDRAWNOW);
            else SetLeftCol(nLast[i], GX_REDRAWNOW);
            pWnd->UpdateWindow();
        }
    }

    // 4. Each bar by its mode.
    m_bInUpdateScrollbars = true;
    const DWORD dwBefore = pWnd->GetStyle();
    for (int i = 0; i < 2; ++i) UpdateBar(axes[i], nLast[i]);

    // 5. A bar that came or went changes the client area: what lies under its edge is painted now.
    const DWORD dwChanged = (pWnd->GetStyle() ^ dwBefore) & (WS_VSCROLL | WS_HSCROLL);
    if (!bRedraw && dwChanged != 0) {
        m_sizeOldClient = CSize(0, 0);
        pWnd->UpdateWindow();
        CRect now;
        pWnd->GetClientRect(&now);
        if (dwChanged & WS_VSCROLL)
            pWnd->InvalidateRect(CRect(now.right - GetSystemMetrics(SM_CXVSCROLL), now.top, now.right, now.bottom), FALSE);
        if (dwChanged & WS_HSCROLL)
            pWnd->InvalidateRect(CRect(now.left, now.bottom - GetSystemMetrics(SM_CYHSCROLL), now.right, now.bottom),
                                 FALSE);
        pWnd->UpdateWindow();
    }

    // 6. The positions once more, now that the ranges are final.
    for (const GXGeometryAxis& a : axes)
        if (a.Scroll().nMode != 0) SetGridScrollPos(a.Bar(), a.First(), true);
    m_scrollRows.nCachedCount = nRows;
    m_scrollCols.nCachedCount = nCols;
    m_bInUpdateScrollbars = false;
}

// ---- scroll messages ------------------------------------------------------------------------------

namespace {

// The rows above the top row that fit, together with it, into the scrolling part: a page up
// makes the old top row the last one shown.
ROWCOL PageBack(GXGeometryAxis a) {
    const int64_t nArea = ScrollingExtent(a);
    const ROWCOL nFirst = a.Frozen() + 1;
    ROWCOL r = a.First(), n = 0;
    int64_t nSum = a.Size(r);
    while (r > nFirst && nSum + a.Size(r - 1) <= nArea) {
        nSum += a.Size(--r);
        ++n;
    }
    return std::max<ROWCOL>(n, 1);
}

bool HasExtent(GXGeometryAxis a, ROWCOL nFrom, ROWCOL nTo) {
    return (a.bRows ? a.g.SumRowHeights(nFrom, nTo, 1) : a.g.SumColWidths(nFrom, nTo, 1)) > 0;
}

bool OnScroll(GXGeometryAxis a, UINT nSBCode, UINT nPos) {
    CGXGridCore& g = a.g;
    if (!g.IsInitialized() || g.IsDrawing()) return false;
    const ROWCOL nCount = a.Count();
    if (nCount == 0 || nCount - 1 <= a.Frozen()) return false;
    const int nBack = a.bRows ? GX_UP : GX_LEFT, nForward = a.bRows ? GX_DOWN : GX_RIGHT;
    const ROWCOL nTop = a.First();
    switch (nSBCode) {
    case SB_LINEUP: g.DoScroll(nBack, 1); break;
    case SB_LINEDOWN: g.DoScroll(nForward, 1); break;
    case SB_PAGEUP:
        if (nTop > 1) g.DoScroll(nBack, PageBack(a));
        break;
    case SB_PAGEDOWN:
        if (nTop < nCount) {
            // The row cut off at the bottom becomes the top row.
            const ROWCOL v = a.bRows ? g.GetLastVisibleRow() : g.GetLastVisibleCol();
            g.DoScroll(nForward, v > nTop && v != GX_INVALID ? v - nTop : 1);
        }
        break;
    case SB_THUMBTRACK:
        if (!g.m_bThumbTrack) break;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        const uint64_t p64 = uint64_t(nPos) * a.Scroll().nFactor;
        const ROWCOL p = p64 > nCount ? nCount : ROWCOL(p64);
        if (p < nTop && HasExtent(a, p, nTop - 1)) g.DoScroll(nBack, nTop - p);
        else if (p > nTop && HasExtent(a, nTop, p - 1)) g.DoScroll(nForward, p - nTop);
        break;
    }
    case SB_TOP:
        if (nTop != 1) g.DoScroll(nBack, nTop - 1);
        break;
    case SB_BOTTOM:
        if (nTop != nCount) g.DoScroll(nForward, nCount - nTop);
        break;
    default: break;
    }
    return true;
}

}  // namespace

bool CGXGridCore::OnGridVScroll(UINT nSBCode, UINT nPos) { return OnScroll({*this, true}, nSBCode, nPos); }
bool CGXGridCore::OnGridHScroll(UINT nSBCode, UINT nPos) { return OnScroll({*this, false}, nSBCode, nPos); }
