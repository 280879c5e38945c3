#pragma once
// The grid of demo-grid: a table of measured samples. A frozen title row whose group titles merge
// across their columns and a few styled rows (column titles, a row that shows colours, borders,
// fonts, alignment and wrapped text) are stored styles; every row below them is supplied by the
// style look-up from its row and column number, so that the grid costs no memory per row however
// many rows it has. The grid is a grid window; without a window it still answers as a grid core.
#include "grid/core/grid_wnd.h"

class DemoGrid : public CGXGridWnd {
public:
    static constexpr ROWCOL kCols = 14;
    // The status of a sample, a check box a person ticks, and a button that reports its row.
    static constexpr ROWCOL kStatusCol = 12;
    static constexpr ROWCOL kCheckCol = 13;
    static constexpr ROWCOL kButtonCol = 14;
    // The first row whose values are computed rather than stored.
    static constexpr ROWCOL kFirstComputedRow = 4;
    // The readings of a sample: columns kFirstReadingCol..kLastReadingCol.
    static constexpr ROWCOL kFirstReadingCol = 3;
    static constexpr ROWCOL kLastReadingCol = 8;

    explicit DemoGrid(ROWCOL nRows) : m_nRows(nRows) {}

    // Completes the grid and lays the table out: counts, sizes, the frozen row, merged titles and
    // the stored styles of the first rows; then the scroll bars. The static text control draws
    // every cell.
    void Initialize() override;

    // A computed row's cell when nothing is stored for it: its value, and for the status column
    // its text colour. Everything else is looked up as stored.
    bool GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode = ModifyMode::Copy,
                        int nType = gxCellStyle) override;

    // A button of the action column reports its row on standard error.
    void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) override;

    // One reading of a computed row, 0.00 to 99.99, the same for the same row and column.
    static double Reading(ROWCOL nRow, ROWCOL nCol) noexcept;

private:
    void StoreStyledRows();
    // Fills a computed cell's attributes into an empty style.
    void ComputeCell(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) const;

    ROWCOL m_nRows;
};
