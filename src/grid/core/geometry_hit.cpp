// Hit-testing: which cell, header or sizing border lies under a point, and the edge of a selected
// range that a drag can take hold of.
#include <cstdlib>

#include "grid/core/geometry_axis.h"

namespace {

// The border tests of one axis (columns: x and widths; rows: y and heights). The cell's far edge
// is a border of the cell itself; its near edge belongs to the nearest earlier row (column) that
// has a size. Returns the hit code of the border, 0 when this axis has none, and -1 when the
// point lies on a header border that may not be sized: then no border counts at all.
int BorderHit(GXGeometryAxis a, ROWCOL& nClient, CRect& rect, CPoint pt, int h, WORD wSizing) {
    const bool bRows = a.bRows;
    const int nCoord = a.Coord(pt);
    const int nNear = bRows ? rect.top : rect.left;
    const int nFar = bRows ? rect.bottom : rect.right;
    const bool bNoHeader = (wSizing & GX_TRACK_NOTHEADER) != 0;
    const int nCode = bRows ? GX_HITROWBORDER : GX_HITCOLBORDER;
    // a. (c.) The far edge.
    if (std::abs(nFar - nCoord) <= h) return nClient <= a.Headers() && bNoHeader ? -1 : nCode;
    // b. (d.) The near edge, which is the far edge of the row before.
    if (std::abs(nNear - nCoord) <= h && nClient != 0) {
        if (nClient <= a.Headers() + 1 && bNoHeader) return -1;
        ROWCOL c = nClient - 1;
        int nSize = a.Size(a.FromClient(c));
        while (nSize == 0 && c > 0) nSize = a.Size(a.FromClient(--c));
        if (nSize == 0) return 0;  // nothing before the point has a size: no border to drag
        nClient = c;
        (bRows ? rect.bottom : rect.right) = nNear;
        (bRows ? rect.top : rect.left) = nNear - nSize;
        return nCode;
    }
    return 0;
}

}  // namespace

int CGXGridCore::HitTest(CPoint ptIn, ROWCOL* pRow, ROWCOL* pCol, CRect* pRect) {
    GXGeometryAxis rows{*this, true}, cols{*this, false};
    if (pRow != nullptr) *pRow = GX_INVALID;
    if (pCol != nullptr) *pCol = GX_INVALID;
    if (pRect != nullptr) pRect->SetRectEmpty();

    // 1. Outside the grid area nothing is hit.
    if (!GetGridRect().PtInRect(ptIn)) return GX_HITNONE;
    CPoint pt(std::max<LONG>(ptIn.x, 0), std::max<LONG>(ptIn.y, 0));
    int nTop = 0, nLeft = 0;
    ROWCOL nClientRow = ClientRowFromPoint(pt, &nTop);
    ROWCOL nClientCol = ClientColFromPoint(pt, &nLeft);

    // 2. The cell under the point.
    const bool bValid = nClientRow != GX_INVALID && nClientCol != GX_INVALID;
    CRect rect;
    if (bValid)
        rect.SetRect(nLeft, nTop, nLeft + GetColWidth(ClientColToCol(nClientCol)),
                     nTop + GetRowHeight(ClientRowToRow(nClientRow)));

    // 3. Where sizing is allowed.
    CGXGridParam* pParam = m_pParam;
    const WORD wColSizing = pParam != nullptr ? pParam->GetColSizingFlags() : 0;
    const WORD wRowSizing = pParam != nullptr ? pParam->GetRowSizingFlags() : 0;
    const bool bColSizing =
        (wColSizing & 3) != 0 && (nClientRow <= GetHeaderRows() || (wColSizing & GX_TRACK_EXTHITTEST) != 0);
    const bool bRowSizing =
        (wRowSizing & 3) != 0 && (nClientCol <= GetHeaderCols() || (wRowSizing & GX_TRACK_EXTHITTEST) != 0);

    // 4. Borders, columns first.
    int nHit = GX_HITNONE;
    const int h = m_nHitTolerance / 2;
    if (bValid) {
        int nColHit = bColSizing ? BorderHit(cols, nClientCol, rect, pt, h, wColSizing) : 0;
        int nRowHit = nColHit == 0 && bRowSizing ? BorderHit(rows, nClientRow, rect, pt, h, wRowSizing) : 0;
        nHit = std::max(std::max(nColHit, nRowHit), 0);
    }

    // 5. A derived grid's own test, by default the edge of a selected range.
    if (bValid && nHit == GX_HITNONE) nHit = ExtraHitTest(pt, ClientRowToRow(nClientRow), ClientColToCol(nClientCol), rect);

    // 6. A cell or a header.
    if (bValid && nHit == GX_HITNONE)
        nHit = nClientCol > GetHeaderCols() && nClientRow > GetHeaderRows() ? GX_HITCELL : GX_HITHEADER;

    // 7. Below the last row (right of the last column) the row is the one after the last.
    if (pRow != nullptr)
        *pRow = nClientRow == GX_INVALID && pt.y > h + 1 ? GetRowCount() + 1 : ClientRowToRow(nClientRow);
    if (pCol != nullptr)
        *pCol = nClientCol == GX_INVALID && pt.x > h + 1 ? GetColCount() + 1 : ClientColToCol(nClientCol);
    if (pRect != nullptr) *pRect = rect;
    return nHit;
}

int CGXGridCore::ExtraHitTest(CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect&) {
    if (!m_bSelDragging || m_pParam == nullptr) return 0;
    // Within 5 pixels inside an outer edge of a selected range that holds the cell.
    const CGXRangeList& selection = *m_pParam->GetRangeList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        CGXRange range = *selection.GetNext(pos);
        range.ExpandRange(0, 0, GetRowCount(), GetColCount());
        if (!range.IsCellInRange(nRow, nCol)) continue;
        CRect r = CalcRangeRect(range);
        if (pt.x - r.left < 5 || pt.y - r.top < 5 || r.right - 1 - pt.x < 5 || r.bottom - 1 - pt.y < 5)
            return GX_HITSELECTIONEDGE;
    }
    return 0;
}
