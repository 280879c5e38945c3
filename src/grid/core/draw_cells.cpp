// DrawCells: the drawing context of a block of window rows and columns, the flags of its cells,
// and row by row the backgrounds (in runs), the cells and the horizontal lines; then the area
// beyond the table, the vertical lines and the selection.
#include "grid/controls/control.h"
#include "grid/core/draw_steps.h"
#include "grid/core/draw_state.h"

namespace {

// Decreases the nesting counter however DrawCells ends.
struct DrawingScope {
    int& n;
    explicit DrawingScope(int& r) : n(r) { ++n; }
    ~DrawingScope() { --n; }
};

// The intervals of rows (columns) that window rows from..to show: the frozen part and the
// scrolled part each form one run of consecutive rows.
int RowRuns(CGXGridCore& g, bool bRows, ROWCOL from, ROWCOL to, ROWCOL nFrozen, ROWCOL runs[2][2]) {
    int n = 0;
    auto conv = [&](ROWCOL c) { return bRows ? g.ClientRowToRow(c) : g.ClientColToCol(c); };
    if (from <= nFrozen) runs[n][0] = conv(from), runs[n][1] = conv(std::min(to, nFrozen)), ++n;
    if (to > nFrozen) runs[n][0] = conv(std::max(from, nFrozen + 1)), runs[n][1] = conv(to), ++n;
    return n;
}

// Fills the layout of one axis: numbers, sizes and positions of the window rows from..to.
void Layout(CGXGridCore& g, bool bRows, ROWCOL from, ROWCOL to, int nStart, std::vector<ROWCOL>& numbers,
            std::vector<int>& sizes, std::vector<int>& starts) {
    const ROWCOL n = to - from + 1;
    numbers.resize(n + 1);
    sizes.resize(n);
    starts.resize(n);
    const ROWCOL nCount = bRows ? g.GetRowCount() : g.GetColCount();
    int64_t pos = nStart;
    for (ROWCOL i = 0; i < n; ++i) {
        const ROWCOL nRow = bRows ? g.ClientRowToRow(from + i) : g.ClientColToCol(from + i);
        numbers[i] = nRow;
        sizes[i] = bRows ? g.GetRowHeight(nRow) : g.GetColWidth(nRow);
        starts[i] = ClampPixels(pos);
        pos += sizes[i];
    }
    const ROWCOL nNext = bRows ? g.ClientRowToRow(to + 1) : g.ClientColToCol(to + 1);
    numbers[n] = nNext > nCount || nNext == GX_INVALID ? 0 : nNext;
}

}  // namespace

void CGXGridCore::DrawCells(ROWCOL nFromClientRow, ROWCOL nFromClientCol, ROWCOL nToClientRow, ROWCOL nToClientCol,
                            CDC* pDC) {
    GXDrawState& d = *m_pDraw;
    if (d.nDrawing == 0) d.nScratchUsed = 0;
    DrawingScope scope(d.nDrawing);
    GXDrawContext& x = d.context;
    const CRect grid = GetGridRect();

    // 1. The context: counts, frozen and header rows and columns, and both axes' layout.
    x.pDC = pDC;
    x.nFromClientRow = nFromClientRow;
    x.nFromClientCol = nFromClientCol;
    x.nRows = nToClientRow - nFromClientRow + 1;
    x.nCols = nToClientCol - nFromClientCol + 1;
    x.nFrozenRows = GetFrozenRows();
    x.nFrozenCols = GetFrozenCols();
    x.nHeaderRows = GetHeaderRows();
    x.nHeaderCols = GetHeaderCols();
    Layout(*this, true, nFromClientRow, nToClientRow,
           grid.top + (nFromClientRow == 0 ? 0 : SumClientRowHeights(0, nFromClientRow - 1)), x.rowNumbers, x.heights,
           x.tops);
    Layout(*this, false, nFromClientCol, nToClientCol,
           grid.left + (nFromClientCol == 0 ? 0 : SumClientColWidths(0, nFromClientCol - 1)), x.colNumbers, x.widths,
           x.lefts);

    // 4. Merged cells of the block, evaluated before their runs are read.
    if ((GetMergeCellsMode() & 3) != 0) {
        ROWCOL rowRuns[2][2], colRuns[2][2];
        int nr = RowRuns(*this, true, nFromClientRow, nToClientRow, x.nFrozenRows, rowRuns);
        int nc = RowRuns(*this, false, nFromClientCol, nToClientCol, x.nFrozenCols, colRuns);
        for (int i = 0; i < nr; ++i)
            for (int j = 0; j < nc; ++j) EvalMergeCells(CGXRange(rowRuns[i][0], colRuns[j][0], rowRuns[i][1], colRuns[j][1]));
    }

    // 5. Styles and flags of every cell.
    ComputeCellFlags(*this, x);

    // 6. Row by row: backgrounds, cells, horizontal lines.
    for (ROWCOL r = 0; r < x.nRows; ++r) {
        if (x.heights[r] <= 0) continue;
        FillBackgrounds(x, r);
        for (ROWCOL c = 0; c < x.nCols; ++c) {
            const size_t i = x.At(r, c);
            const WORD f = x.flags[i];
            if (f & GX_DF_SPAN) {
                if (f & GX_DF_SPAN_INNER) continue;
                // The span's first cell in the block draws the whole span once.
                DrawSpan(*this, pDC, x.spans[i], *x.styles[i], grid);
            } else if (x.widths[c] > 0) {
                SetDrawCellBackground((f & GX_DF_BACKGROUND) != 0);
                DrawItem(pDC, x.rowNumbers[r], x.colNumbers[c], x.CellRect(r, c), *x.styles[i]);
                SetDrawCellBackground(false);
            }
        }
        // c. The current cell's frame, once its row is drawn, by the control set up for it.
        DrawCurrentCellFrame(x, r);
        DrawRowLines(*this, x, r);
    }

    // 7. The area beyond the last row and column.
    DrawBeyondTable(*this, x, grid);
    // 8. Vertical lines, column by column.
    for (ROWCOL c = 0; c < x.nCols; ++c)
        if (x.widths[c] > 0) DrawColLines(*this, x, c);
    // 9. The selection.
    for (ROWCOL r = 0; r < x.nRows; ++r)
        for (ROWCOL c = 0; c < x.nCols; ++c)
            if (x.flags[x.At(r, c)] & GX_DF_SELECTED)
                DrawInvertCell(pDC, x.rowNumbers[r], x.colNumbers[c], x.CellRect(r, c));
}

void CGXGridCore::DrawCurrentCellFrame(GXDrawContext& x, ROWCOL r) {
    if (!m_bCurrentCell || x.rowNumbers[r] != m_nCurrentRow) return;
    for (ROWCOL c = 0; c < x.nCols; ++c) {
        if (x.colNumbers[c] != m_nCurrentCol) continue;
        const size_t i = x.At(r, c);
        // A current cell inside a span is framed by the span's first cell, when that is current.
        if (x.flags[i] & GX_DF_SPAN_INNER) return;
        const CGXStyle& style = *x.styles[i];
        CGXControl* pControl = GetRegisteredControl(static_cast<WORD>(style.GetControlId()));
        if (pControl == nullptr || !pControl->IsInit(m_nCurrentRow, m_nCurrentCol)) return;
        const CRect cell = (x.flags[i] & GX_DF_SPAN) ? CalcRangeRect(x.spans[i]) : x.CellRect(r, c);
        const CRect content = pControl->GetCellRect(m_nCurrentRow, m_nCurrentCol, &cell, &style);
        if (!content.IsRectEmpty()) pControl->DrawFocusFrame(x.pDC, content);
        return;
    }
}
