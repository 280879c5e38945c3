#pragma once
// CGXSpanCellPool: for any cell, the horizontal and vertical span of cells it lies in, for cells
// that float, flood or merge into their neighbours. An entry holds the first column (horizontal)
// or first row (vertical) of its span, 0 for none; a span is a run of entries with the same start.
//
// Structural changes shift entries and leave the start values as they are: the grid recomputes
// the spans afterwards. Coordinates at or above 0x80000000 are refused (false) everywhere, and so
// is a change that would carry entries to such coordinates.
#include "grid/data/ptr_arrays.h"
#include "grid/data/range.h"

class CGXSpanCellPool : public CObject {
    DECLARE_SERIAL(CGXSpanCellPool)
public:
    CGXSpanCellPool() = default;
    CGXSpanCellPool(const CGXSpanCellPool&) = delete;
    CGXSpanCellPool& operator=(const CGXSpanCellPool&) = delete;

    // The range becomes the cell's block: left and right from the horizontal span, top and bottom
    // from the vertical span, the cell itself in a direction without one. True when either exists.
    virtual bool GetSpanCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const;
    // Sets (or clears) a horizontal span over left to right in each row from top to bottom and a
    // vertical span over top to bottom in each column from left to right. A span of one cell is
    // not set. True when either direction changed.
    virtual bool SetSpanCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, bool bSet = true);
    // Each true when the pool had anything to change.
    virtual bool InsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual bool RemoveRows(ROWCOL nFromRow, ROWCOL nToRow);
    virtual bool MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
    virtual bool InsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual bool RemoveCols(ROWCOL nFromCol, ROWCOL nToCol);
    virtual bool MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol);
    // After rows (columns) moved: every run of equal entries along a column (row) takes its first
    // row (column) as its start value again, and a run left with one cell is cleared, since a
    // span of one cell is none.
    void RenumberRowSpans();
    void RenumberColSpans();

    // Both arrays, vertical first. A damaged archive leaves the pool as it was.
    void Serialize(CArchive& ar) override;

    // Per column the start rows by row, and per row the start columns by column.
    const CGXDWordArrayPtrArray& GetVertical() const noexcept { return m_vertical; }
    const CGXDWordArrayPtrArray& GetHorizontal() const noexcept { return m_horizontal; }

private:
    CGXDWordArrayPtrArray m_vertical;
    CGXDWordArrayPtrArray m_horizontal;
};
