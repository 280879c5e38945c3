#pragma once
// Inserting, removing and moving rows or columns, written once for both directions.
//
// GXLineChange says where every row (column) goes in one such change: the store step moves the
// grid's per-row structures through it, the update step the current cell and the top row.
// GXRowsColsAxis hands the algorithms the parts of one direction: besides the geometry axis's
// counts, frozen rows and top row, the sizes and hidden flags kept by the parameters, the current
// cell's coordinate, and the grid's virtual store and update steps of rows or of columns.
#include <algorithm>
#include <utility>
#include <vector>

#include "grid/core/geometry_axis.h"

// A "line" is a row for row operations and a column for column operations.
struct GXLineChange {
    enum Kind { Insert, Remove, Move };
    Kind kind = Insert;
    ROWCOL nFirst = 0;  // the first line inserted, removed or moved
    ROWCOL nCount = 0;  // how many
    ROWCOL nDest = 0;   // a move: where the block's first line ends

    static GXLineChange Inserted(ROWCOL nAt, ROWCOL nCount) noexcept { return {Insert, nAt, nCount, 0}; }
    static GXLineChange Removed(ROWCOL nFrom, ROWCOL nTo) noexcept { return {Remove, nFrom, nTo - nFrom + 1, 0}; }
    static GXLineChange Moved(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) noexcept {
        return {Move, nFrom, nTo - nFrom + 1, nDest};
    }

    ROWCOL Last() const noexcept { return nFirst + nCount - 1; }
    // The new number of a line; GX_INVALID for a removed one. GX_INVALID itself (beyond the
    // last line) stays.
    ROWCOL Map(ROWCOL n) const noexcept;
    // The new first and last line of a block of lines. A block with lines inserted inside it
    // grows by them. False when nothing of it is left, or when its lines no longer lie together
    // (a move took part of it elsewhere).
    bool MapBlock(ROWCOL& nTop, ROWCOL& nBottom) const noexcept;
    // The lines that hold other contents afterwards: from the first on to the end for an insert
    // or a removal, between the two ends of a move.
    ROWCOL FirstChanged() const noexcept { return kind == Move ? std::min(nFirst, nDest) : nFirst; }
    ROWCOL LastChanged() const noexcept {
        return kind == Move ? std::max(Last(), nDest + nCount - 1) : GX_INVALID;
    }
};

struct GXRowsColsAxis : GXGeometryAxis {
    GXRowsColsAxis(CGXGridCore& grid, bool bRowsAxis) : GXGeometryAxis{grid, bRowsAxis} {}

    // The other direction's count: columns for rows.
    ROWCOL CrossCount() const { return bRows ? g.GetColCount() : g.GetRowCount(); }
    // The cell of line n at position m of the other direction.
    std::pair<ROWCOL, ROWCOL> Cell(ROWCOL n, ROWCOL m) const noexcept {
        return bRows ? std::pair{n, m} : std::pair{m, n};
    }
    // A range of whole lines, and of the cells of lines first..last up to the other count.
    CGXRange Lines(ROWCOL nFirst, ROWCOL nLast) const {
        return bRows ? CGXRange().SetRows(nFirst, nLast) : CGXRange().SetCols(nFirst, nLast);
    }
    CGXRange LineCells(ROWCOL nFirst, ROWCOL nLast) const {
        return bRows ? CGXRange(nFirst, 0, nLast, CrossCount()) : CGXRange(0, nFirst, CrossCount(), nLast);
    }

    // What the parameters keep per line: sizes in size units, and hidden flags.
    CGXMapDWordToLong& Sizes() const { return bRows ? g.Param().GetRowHeights() : g.Param().GetColWidths(); }
    CGXHiddenArray& HiddenFlags() const { return bRows ? g.Param().GetHiddenRows() : g.Param().GetHiddenCols(); }
    int UnitsToPixels(LONG nUnits) const noexcept {
        return bRows ? g.UnitsToHeight(nUnits) : g.UnitsToWidth(nUnits);
    }
    // The header cells show line numbers (rows) or letters (columns) unless their style has a value.
    bool NumberedHeaders() const { return bRows ? g.Param().IsNumberedRowHeaders() : g.Param().IsNumberedColHeaders(); }

    // The current cell's coordinate along the axis, and that of the cell the controls were last
    // set up for.
    ROWCOL& Current() const noexcept { return bRows ? g.m_nCurrentRow : g.m_nCurrentCol; }
    bool& HasCurrent() const noexcept { return g.m_bCurrentCell; }
    ROWCOL& LastInit() const noexcept { return bRows ? g.m_nLastInitRow : g.m_nLastInitCol; }

    // The grid's virtual steps of this direction.
    bool StoreInsert(ROWCOL nAt, ROWCOL nCount, bool bForce) const {
        return bRows ? g.StoreInsertRows(nAt, nCount, bForce) : g.StoreInsertCols(nAt, nCount, bForce);
    }
    bool StoreRemove(ROWCOL nFrom, ROWCOL nTo, bool bForce) const {
        return bRows ? g.StoreRemoveRows(nFrom, nTo, bForce) : g.StoreRemoveCols(nFrom, nTo, bForce);
    }
    bool StoreMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, bool bForce) const {
        return bRows ? g.StoreMoveRows(nFrom, nTo, nDest, bForce) : g.StoreMoveCols(nFrom, nTo, nDest, bForce);
    }
    void UpdateInsert(ROWCOL nAt, ROWCOL nCount, UINT flags) const {
        if (bRows) g.UpdateInsertRows(nAt, nCount, flags);
        else g.UpdateInsertCols(nAt, nCount, flags);
    }
    void UpdateRemove(ROWCOL nFrom, ROWCOL nTo, const std::vector<int>* pOldSizes, UINT flags) const {
        if (bRows) g.UpdateRemoveRows(nFrom, nTo, pOldSizes, flags);
        else g.UpdateRemoveCols(nFrom, nTo, pOldSizes, flags);
    }
    void UpdateMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags) const {
        if (bRows) g.UpdateMoveRows(nFrom, nTo, nDest, flags);
        else g.UpdateMoveCols(nFrom, nTo, nDest, flags);
    }

    // Records the command as the mode says and, after an undo or redo, shows the change at line n.
    void Record(CGXCommand* pCmd, UINT nCommandMode, ROWCOL n) const {
        g.RecordCommandFor(pCmd, nCommandMode, bRows ? n : g.GetTopRow(), bRows ? g.GetLeftCol() : n);
    }
    // After a change made without undo data, older steps would name lines that no longer hold
    // what they held: both lists are emptied (with any block begun).
    void ForgetHistory() const {
        g.Param().EmptyUndoList();
        g.Param().EmptyRedoList();
        g.m_pTransBlock = nullptr;
    }
};

// The parts of the store and update steps that the grid's operations of both directions share
// (rows_cols_store.cpp, rows_cols_update.cpp), and the undo data of a removal (rows_cols_undo.cpp).
namespace gxrowscols {

// What an undo of removing lines from..to needs to bring them back.
struct RemovedLines {
    // How much of it there is.
    struct Extent {
        bool bSizes = false;     // a line has its own size
        bool bHidden = false;    // a line is hidden
        ROWCOL nLineStyles = 0;  // lines from the first to the last with a row (column) style
        ROWCOL nCellLines = 0;   // lines from the first to the last with a cell style
        ROWCOL nCross = 0;       // positions of the other direction up to the last cell style
        // Too much to keep for an undo without asking: as SetStyleRange asks.
        bool IsTooLarge(ROWCOL nCount) const noexcept;
    };
    static Extent Measure(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo);
    static RemovedLines Collect(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo);

    std::vector<int> sizes;    // pixels, -1 for the default; empty when no line has its own
    std::vector<bool> hidden;  // empty when no line is hidden
    CGXStyleArray lineStyles;  // row (column) styles
    CGXStyleArray cells;       // nCross per line
    ROWCOL nCross = 0;
};

// Moves every per-line structure of the grid through the change; false, changing nothing, when
// the grid is read-only or the data store refuses.
bool StoreChange(GXRowsColsAxis a, const GXLineChange& change, bool bForce);
// Merged cells of the lines, evaluated again (or recorded for evaluation) when merging is on.
void MergeCellsChanged(CGXGridCore& g, const CGXRange& range);
void UpdateInsert(GXRowsColsAxis a, ROWCOL nAt, ROWCOL nCount, UINT flags);
void UpdateRemove(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, const std::vector<int>* pOldSizes, UINT flags);
void UpdateMove(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags);
}  // namespace gxrowscols
