// Lines: the cells' own borders and the grid lines, joined into runs so that neighbouring cells
// with the same line cost one call; the area beyond the table; feedback lines and the inverted
// selection.
#include "grid/core/draw_steps.h"

namespace {

// What a cell wants along one edge: nothing, a grid line, or its own border's pen.
struct LineKey {
    enum Kind { None, Grid, Pen } kind = None;
    const StylePen* pPen = nullptr;
    bool operator==(const LineKey& o) const noexcept {
        return kind == o.kind && (kind != Pen || *pPen == *o.pPen);
    }
};

// Draws a band of a border's pen: solid pens as a fill of their width inside the edge, other
// styles as a line of the pen along the band.
void DrawPenBand(CGXGridCore& g, CDC* pDC, const CRect& band, const StylePen& pen, bool bHorizontal) {
    if (pen.GetStyle() == GX_PS_NULL || band.IsRectEmpty()) return;
    if (pen.GetStyle() == GX_PS_SOLID) {
        pDC->FillSolidRect(&band, pen.GetColor());
        return;
    }
    CPen* pPen = g.LookupPen(pen);
    if (pPen == nullptr) return;
    CPen* pOld = pDC->SelectObject(pPen);
    const int w = pen.GetThickness();
    if (bHorizontal) {
        pDC->MoveTo(band.left, band.top + w / 2);
        pDC->LineTo(band.right - 1, band.top + w / 2);
    } else {
        pDC->MoveTo(band.left + w / 2, band.top);
        pDC->LineTo(band.left + w / 2, band.bottom - 1);
    }
    pDC->SelectObject(pOld);
}

// The edge's key for cell i: side 0 left, 1 right, 2 top, 3 bottom.
LineKey KeyOf(const GXDrawContext& x, size_t i, int side) {
    const WORD f = x.flags[i];
    if (!(f & GX_DF_SPAN) && (f & (GX_DF_BORDER_LEFT << side))) return {LineKey::Pen, &x.styles[i]->GetBorders(side)};
    const WORD wGrid = side == 2 ? GX_DF_HORZ_LINE : side == 0 ? GX_DF_VERT_LINE
                     : side == 3 ? GX_DF_LAST_FROZEN_ROW : GX_DF_LAST_FROZEN_COL;
    return (f & wGrid) ? LineKey{LineKey::Grid, nullptr} : LineKey{};
}

// One pass of lines along a row (bRow: cells of row n along its columns) or a column, for one
// side, joining neighbours that want the same line.
void LinePass(CGXGridCore& g, GXDrawContext& x, ROWCOL n, bool bRow, int side) {
    const ROWCOL nCount = bRow ? x.nCols : x.nRows;
    auto cell = [&](ROWCOL k) { return bRow ? x.At(n, k) : x.At(k, n); };
    auto size = [&](ROWCOL k) { return bRow ? x.widths[k] : x.heights[k]; };
    auto start = [&](ROWCOL k) { return bRow ? x.lefts[k] : x.tops[k]; };
    const int nEdgeStart = bRow ? x.tops[n] : x.lefts[n];
    const int nEdgeEnd = nEdgeStart + (bRow ? x.heights[n] : x.widths[n]);
    for (ROWCOL k = 0; k < nCount;) {
        const LineKey key = size(k) > 0 ? KeyOf(x, cell(k), side) : LineKey{};
        if (key.kind == LineKey::None) {
            ++k;
            continue;
        }
        ROWCOL k2 = k;
        while (k2 + 1 < nCount && (size(k2 + 1) == 0 || KeyOf(x, cell(k2 + 1), side) == key)) ++k2;
        const int from = start(k), to = start(k2) + size(k2);
        // Where along the edge: the first pixel for left and top, the last for right and bottom.
        const int w = key.kind == LineKey::Pen ? key.pPen->GetThickness() : 1;
        const bool bFar = side == 1 || side == 3;
        const int a = bFar ? nEdgeEnd - w : nEdgeStart;
        if (key.kind == LineKey::Grid) {
            if (bRow) g.DrawGridLine(x.pDC, from, a, to - from, 1, 2, n, 0);
            else g.DrawGridLine(x.pDC, a, from, 1, to - from, 1, n, 0);
        } else {
            CRect band = bRow ? CRect(from, a, to, a + w) : CRect(a, from, a + w, to);
            DrawPenBand(g, x.pDC, band, *key.pPen, bRow);
        }
        k = k2 + 1;
    }
}

}  // namespace

void DrawRowLines(CGXGridCore& g, GXDrawContext& x, ROWCOL r) {
    LinePass(g, x, r, true, 2);
    LinePass(g, x, r, true, 3);
}

void DrawColLines(CGXGridCore& g, GXDrawContext& x, ROWCOL c) {
    LinePass(g, x, c, false, 0);
    LinePass(g, x, c, false, 1);
}

void DrawBorders(CGXGridCore& g, CDC* pDC, const CRect& rect, const CGXStyle& style) {
    if (!style.GetIncludeBorders()) return;
    for (int side : {2, 3, 0, 1}) {
        if (!style.GetIncludeBorders(side)) continue;
        const StylePen& pen = style.GetBorders(side);
        const int w = pen.GetThickness();
        CRect band = rect;
        if (side == 0) band.right = band.left + w;
        if (side == 1) band.left = band.right - w;
        if (side == 2) band.bottom = band.top + w;
        if (side == 3) band.top = band.bottom - w;
        DrawPenBand(g, pDC, band, pen, side >= 2);
    }
}

void DrawBeyondTable(CGXGridCore& g, GXDrawContext& x, const CRect& grid) {
    const CGXProperties* pProperties = g.GetProperties();
    const bool bHorz = pProperties == nullptr || pProperties->GetDisplayHorzLines();
    const bool bVert = pProperties == nullptr || pProperties->GetDisplayVertLines();
    const COLORREF color = g.GetPropertyColor(gxColorBackground);
    const int top = x.tops[0], left = x.lefts[0];
    const int right = x.lefts[x.nCols - 1] + x.widths[x.nCols - 1];
    const int bottom = x.tops[x.nRows - 1] + x.heights[x.nRows - 1];
    // Right of the last column, closed by a vertical line.
    if (x.colNumbers[x.nCols] == 0 && right < grid.right) {
        x.pDC->FillSolidRect(right, top, grid.right - right, bottom - top, color);
        if (bVert) g.DrawGridLine(x.pDC, right, top, 1, bottom - top, 1, x.nCols, 0);
    }
    // Below the last row, closed by a horizontal line.
    if (x.rowNumbers[x.nRows] == 0 && bottom < grid.bottom) {
        x.pDC->FillSolidRect(left, bottom, grid.right - left, grid.bottom - bottom, color);
        if (bHorz) g.DrawGridLine(x.pDC, left, bottom, std::min(right + 1, grid.right) - left, 1, 2, x.nRows, 0);
    }
}

void CGXGridCore::DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int nOrientation, int, UINT flags) {
    const CRect rect(x, y, x + cx, y + cy);
    if (flags & (4 | 8)) {
        pDC->InvertRect(&rect);
    } else if (flags & 1) {
        pDC->FillSolidRect(&rect, GetPropertyColor(gxColorThird));
    } else if (flags & 2) {
        // A dashed line in the drag-line colour over the grid-line colour.
        StylePen pen;
        pen.SetStyle(PS_DASH).SetColor(GetPropertyColor(gxColorDragLines));
        CPen* pPen = LookupPen(pen);
        if (pPen == nullptr) return;
        CPen* pOld = pDC->SelectObject(pPen);
        const int nOldMode = pDC->SetBkMode(OPAQUE);
        const COLORREF clrOld = pDC->SetBkColor(GetPropertyColor(gxColorGridLines));
        pDC->MoveTo(x, y);
        if (nOrientation == 1) pDC->LineTo(x, y + cy - 1);
        else pDC->LineTo(x + cx - 1, y);
        pDC->SetBkColor(clrOld);
        pDC->SetBkMode(nOldMode);
        pDC->SelectObject(pOld);
    } else {
        pDC->FillSolidRect(&rect, GetPropertyColor(gxColorGridLines));
    }
}

void CGXGridCore::DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
    // The current cell keeps its colours: the selection shows around it.
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol) return;
    pDC->InvertRect(&rect);
}
