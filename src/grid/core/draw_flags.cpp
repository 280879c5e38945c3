// The styles, spans and flags of the cells of a block, and the backgrounds of a row in runs.
#include "grid/core/draw_steps.h"

void ComputeCellFlags(CGXGridCore& g, GXDrawContext& x) {
    const size_t n = size_t(x.nRows) * x.nCols;
    x.styles.resize(n);
    x.flags.assign(n, 0);
    x.spans.resize(n);
    const CGXProperties* pProperties = g.GetProperties();
    const bool bHorz = pProperties == nullptr || pProperties->GetDisplayHorzLines();
    const bool bVert = pProperties == nullptr || pProperties->GetDisplayVertLines();
    const bool bMerge = (g.GetMergeCellsMode() & 3) != 0;
    const CGXRangeList* pSelection = g.GetParam() != nullptr ? g.GetParam()->GetRangeList() : nullptr;
    const bool bSelection = pSelection != nullptr && !pSelection->IsEmpty();
    ROWCOL nCurRow = 0, nCurCol = 0;
    const bool bCurrent = g.GetCurrentCell(nCurRow, nCurCol);

    for (ROWCOL r = 0; r < x.nRows; ++r) {
        const ROWCOL nRow = x.rowNumbers[r];
        for (ROWCOL c = 0; c < x.nCols; ++c) {
            const ROWCOL nCol = x.colNumbers[c];
            const size_t i = x.At(r, c);
            WORD f = 0;
            // The span: a covered range first, then merged cells.
            CGXRange span;
            bool bSpan = false;
            if (const CGXRange* pCovered = g.GetCoveredCellsRowCol(nRow, nCol)) {
                span = *pCovered;
                bSpan = true;
                f |= GX_DF_COVERED;
            } else if (bMerge && g.GetMergedCellsRowCol(nRow, nCol, span) &&
                       (span.top != span.bottom || span.left != span.right)) {
                bSpan = true;
            }
            if (bSpan) {
                // Drawn once, by its first cell in the block, with the style of its own first cell.
                f |= GX_DF_SPAN;
                if ((r > 0 && span.IsCellInRange(x.rowNumbers[r - 1], nCol)) ||
                    (c > 0 && span.IsCellInRange(nRow, x.colNumbers[c - 1])))
                    f |= GX_DF_SPAN_INNER;
                x.spans[i] = span;
                x.styles[i] = &g.LookupStyleRowCol(span.top, span.left);
                if (bHorz && nRow == span.top) f |= GX_DF_HORZ_LINE;
                if (bVert && nCol == span.left) f |= GX_DF_VERT_LINE;
            } else {
                const CGXStyle& style = g.LookupStyleRowCol(nRow, nCol);
                x.styles[i] = &style;
                if (style.GetIncludeBorders())
                    for (int side = 0; side < 4; ++side)
                        if (style.GetIncludeBorders(side) && style.GetBorders(side).GetThickness() > 0)
                            f |= WORD(GX_DF_BORDER_LEFT << side);
                // A grid line where neither this cell nor its neighbour across the edge draws a
                // border of its own there.
                const bool bUpperBorder = r > 0 && (x.flags[x.At(r - 1, c)] & GX_DF_BORDER_BOTTOM);
                const bool bLeftBorder = c > 0 && (x.flags[x.At(r, c - 1)] & GX_DF_BORDER_RIGHT);
                if (bHorz && !(f & GX_DF_BORDER_TOP) && !bUpperBorder) f |= GX_DF_HORZ_LINE;
                if (bVert && !(f & GX_DF_BORDER_LEFT) && !bLeftBorder) f |= GX_DF_VERT_LINE;
                if (bHorz && nRow == x.nFrozenRows && x.nFrozenRows > x.nHeaderRows && !(f & GX_DF_BORDER_BOTTOM))
                    f |= GX_DF_LAST_FROZEN_ROW;
                if (bVert && nCol == x.nFrozenCols && x.nFrozenCols > x.nHeaderCols && !(f & GX_DF_BORDER_RIGHT))
                    f |= GX_DF_LAST_FROZEN_COL;
            }
            // Selected cells are inverted at the end; the current cell is not.
            if (bSelection && !(bCurrent && nRow == nCurRow && nCol == nCurCol) && pSelection->IsCellInList(nRow, nCol))
                f |= GX_DF_SELECTED;
            x.flags[i] = f;
        }
    }
}

void FillBackgrounds(GXDrawContext& x, ROWCOL r) {
    for (ROWCOL c = 0; c < x.nCols; ++c) x.flags[x.At(r, c)] |= GX_DF_BACKGROUND;
    const int top = x.tops[r], bottom = x.tops[r] + x.heights[r];
    for (ROWCOL c = 0; c < x.nCols;) {
        const size_t i = x.At(r, c);
        const StyleBrush& brush = x.styles[i]->GetInterior();
        // Spans paint their own background over their whole rectangle; only solid interiors are
        // filled here, the others by the cell's control.
        if ((x.flags[i] & GX_DF_SPAN) || !x.styles[i]->GetIncludeInterior() || brush.GetStyle() != GX_BS_SOLID) {
            ++c;
            continue;
        }
        ROWCOL c2 = c;
        while (c2 + 1 < x.nCols) {
            const size_t j = x.At(r, c2 + 1);
            if ((x.flags[j] & GX_DF_SPAN) || !x.styles[j]->GetIncludeInterior() || x.styles[j]->GetInterior() != brush)
                break;
            ++c2;
        }
        const int left = x.lefts[c], right = x.lefts[c2] + x.widths[c2];
        if (right > left) x.pDC->FillSolidRect(left, top, right - left, bottom - top, brush.GetColor());
        for (ROWCOL k = c; k <= c2; ++k) x.flags[x.At(r, k)] &= WORD(~GX_DF_BACKGROUND);
        c = c2 + 1;
    }
}
