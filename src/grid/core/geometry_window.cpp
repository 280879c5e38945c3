// Rows and columns in the window: window rows, the grid area, sums of sizes, the rectangle of a
// range, the window row under a point and the last visible row, with their column twins.
#include "grid/core/geometry_axis.h"
#include "platform/framework/wnd.h"

// ---- window rows ----------------------------------------------------------------------------------

ROWCOL CGXGridCore::RowToClientRow(ROWCOL nRow) { return GXGeometryAxis{*this, true}.ToClient(nRow); }
ROWCOL CGXGridCore::ColToClientCol(ROWCOL nCol) { return GXGeometryAxis{*this, false}.ToClient(nCol); }
ROWCOL CGXGridCore::ClientRowToRow(ROWCOL nClientRow) { return GXGeometryAxis{*this, true}.FromClient(nClientRow); }
ROWCOL CGXGridCore::ClientColToCol(ROWCOL nClientCol) { return GXGeometryAxis{*this, false}.FromClient(nClientCol); }

CRect CGXGridCore::GetGridRect() {
    CRect rect = m_rectGridArea;
    if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr) m_pGridWnd->GetClientRect(&rect);
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    return rect;
}

// ---- sums -----------------------------------------------------------------------------------------

namespace {

// Sizes of first..last, rows or window rows; with a limit, stops once the sum exceeds it.
int Sum(GXGeometryAxis a, ROWCOL nFirst, ROWCOL nLast, int nLimit, bool bClient) {
    int64_t nSum = 0;
    if (nFirst > nLast) return 0;
    for (ROWCOL n = nFirst;; ++n) {
        ROWCOL nRow = bClient ? a.FromClient(n) : n;
        if (nRow == GX_INVALID) break;
        nSum += a.Size(nRow);
        if ((nLimit != 0 && nSum > nLimit) || n == nLast) break;
    }
    return ClampPixels(nSum);
}

}  // namespace

int CGXGridCore::SumRowHeights(ROWCOL nFromRow, ROWCOL nToRow, int nLimit) {
    return Sum({*this, true}, nFromRow, nToRow, nLimit, false);
}
int CGXGridCore::SumColWidths(ROWCOL nFromCol, ROWCOL nToCol, int nLimit) {
    return Sum({*this, false}, nFromCol, nToCol, nLimit, false);
}
int CGXGridCore::SumClientRowHeights(ROWCOL nFromClientRow, ROWCOL nToClientRow, int nLimit) {
    return Sum({*this, true}, nFromClientRow, nToClientRow, nLimit, true);
}
int CGXGridCore::SumClientColWidths(ROWCOL nFromClientCol, ROWCOL nToClientCol, int nLimit) {
    return Sum({*this, false}, nFromClientCol, nToClientCol, nLimit, true);
}

// ---- the rectangle of a range ---------------------------------------------------------------------

namespace {

// Window rows first..last of the range's rows top..bottom on one axis, false when the range is
// scrolled out of view.
bool ClientSpan(GXGeometryAxis a, ROWCOL nTop, ROWCOL nBottom, ROWCOL& nFirst, ROWCOL& nLast) {
    ROWCOL f = a.Frozen();
    // 2. Wholly in the scrolled-out part.
    if (nTop > f && nBottom < a.First()) return false;
    // 3. A row scrolled out above the top row starts at the top row. Only scrollable rows can be
    // scrolled out: window row 0 of a header row is that row itself.
    nFirst = a.ToClient(nTop);
    if (nFirst == 0 && nTop > f) nFirst = a.ToClient(a.First());
    nLast = a.ToClient(nBottom);
    if (nLast == 0 && nBottom > f) nLast = f;
    // 4. Below the last visible row.
    auto& cache = a.Cache();
    if (cache.nLast != GX_INVALID && cache.nComputedFor == a.First() && a.ToClient(cache.nLast) < nFirst) return false;
    return true;
}

}  // namespace

CRect CGXGridCore::CalcRangeRect(const CGXRange& rangeIn, bool bUnclipped) {
    // Whole rows, columns or the table are the cells they hold.
    CGXRange range = rangeIn;
    ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    range.ExpandRange(0, 0, nRows, nCols);
    // 1. Whole merged and covered cells; in order.
    if (range.top > range.bottom) std::swap(range.top, range.bottom);
    if (range.left > range.right) std::swap(range.left, range.right);
    if ((GetMergeCellsMode() & 3) != 0) MergeCellsRange(range);
    if (m_pParam != nullptr) {
        const CGXRangeList& covered = *m_pParam->GetCoveredCellsList();
        for (POSITION pos = covered.GetHeadPosition(); pos != nullptr;) {
            const CGXRange* p = covered.GetNext(pos);
            CGXRange common;
            if (common.IntersectRange(*p, range)) range.UnionRange(range, *p);
        }
    }

    GXGeometryAxis rows{*this, true}, cols{*this, false};
    ROWCOL nFirstRow, nLastRow, nFirstCol, nLastCol;
    if (!ClientSpan(rows, range.top, range.bottom, nFirstRow, nLastRow) ||
        !ClientSpan(cols, range.left, range.right, nFirstCol, nLastCol))
        return CRect();

    // 5. Sum the window rows before the range and those of the range, stopping a good way beyond
    // the grid area unless the whole extent is asked for.
    CRect grid = GetGridRect();
    auto span = [&](GXGeometryAxis a, ROWCOL nFirst, ROWCOL nLast, int& rStart, int& rEnd) {
        int nStop = 2 * a.End(grid);
        int nBefore = nFirst == 0 ? 0 : Sum(a, 0, nFirst - 1, bUnclipped ? 0 : std::max(nStop, 1), true);
        rStart = ClampPixels(int64_t(a.Start(grid)) + nBefore);
        int nLimit = bUnclipped ? 0 : std::max(nStop - rStart, 1);
        rEnd = nLast < nFirst ? rStart : ClampPixels(int64_t(rStart) + Sum(a, nFirst, nLast, nLimit, true));
    };
    CRect rect;
    span(rows, nFirstRow, nLastRow, rect.top, rect.bottom);
    span(cols, nFirstCol, nLastCol, rect.left, rect.right);
    return rect;
}

// ---- the window row under a point, the last visible row -------------------------------------------

namespace {

ROWCOL ClientFromPoint(GXGeometryAxis a, CPoint pt, int* pEdge) {
    CRect grid = a.g.GetGridRect();
    const int64_t nPoint = a.Coord(pt);
    const ROWCOL nCount = a.Count();
    // 1. and 2. Walk down the window rows until one ends below the point; a point on the line
    // between two rows belongs to the lower one.
    int64_t y = a.Start(grid);
    int64_t nEdge = y;
    ROWCOL i = 0;
    for (ROWCOL nRow; y <= nPoint && (nRow = a.FromClient(i)) <= nCount && nRow != GX_INVALID; ++i) {
        nEdge = y;
        y += a.Size(nRow);
    }
    if (pEdge != nullptr) *pEdge = ClampPixels(nEdge);
    // 3. Nothing had a size before the point: the first window row.
    if (y == a.Start(grid) && a.FromClient(i) <= nCount) return 0;
    // 4. Below the last row.
    if (y < nPoint) return GX_INVALID;
    return i - 1;
}

ROWCOL CalcLastVisible(GXGeometryAxis a, const CRect& rect, bool* pbReached, int* pEdge) {
    ROWCOL nClient = ClientFromPoint(a, rect.BottomRight(), pEdge);
    if (pbReached != nullptr) *pbReached = nClient == GX_INVALID;
    return nClient == GX_INVALID ? a.Count() : a.FromClient(nClient);
}

ROWCOL GetLastVisible(GXGeometryAxis a, bool* pbReached) {
    auto& cache = a.Cache();
    if (cache.nLast == GX_INVALID || cache.nComputedFor != a.First()) {
        cache.nLast = CalcLastVisible(a, a.g.GetGridRect(), &cache.bLastReached, &cache.nEdge);
        cache.nComputedFor = a.First();
    }
    if (pbReached != nullptr) *pbReached = cache.bLastReached;
    return cache.nLast;
}

}  // namespace

ROWCOL CGXGridCore::ClientRowFromPoint(CPoint pt, int* pEdge) { return ClientFromPoint({*this, true}, pt, pEdge); }
ROWCOL CGXGridCore::ClientColFromPoint(CPoint pt, int* pEdge) { return ClientFromPoint({*this, false}, pt, pEdge); }

ROWCOL CGXGridCore::CalcLastVisibleRow(const CRect& rect, bool* pbLastRowReached) {
    return CalcLastVisible({*this, true}, rect, pbLastRowReached, nullptr);
}
ROWCOL CGXGridCore::CalcLastVisibleCol(const CRect& rect, bool* pbLastColReached) {
    return CalcLastVisible({*this, false}, rect, pbLastColReached, nullptr);
}
ROWCOL CGXGridCore::GetLastVisibleRow(bool* pbLastRowReached) { return GetLastVisible({*this, true}, pbLastRowReached); }
ROWCOL CGXGridCore::GetLastVisibleCol(bool* pbLastColReached) { return GetLastVisible({*this, false}, pbLastColReached); }

void CGXGridCore::ResetLastVisibleCaches() noexcept {
    m_lastVisibleRow.nLast = GX_INVALID;
    m_lastVisibleCol.nLast = GX_INVALID;
}
