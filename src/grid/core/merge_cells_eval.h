#pragma once
// One evaluation pass over merged cells, for the grid core's merge operations: the runs of the
// merge pools read as runs of one line, the test of a pair of neighbours, the evaluation of one
// cell in both directions, and the composed styles of the row being evaluated, kept per column
// until the pass leaves the row.
//
// A line is a row for horizontal runs and a column for vertical ones; a position is a column or
// a row along it.
#include <map>
#include <memory>
#include <optional>

#include "grid/core/grid_core.h"

namespace gxmerge {

// The merge pools index rows and columns as int: positions from here on are not evaluated.
constexpr ROWCOL kLastPosition = 0x7FFFFFFE;

// Merging is on with the low bits 1 (delayed) or 2 (on display); 0 and 3 mean off.
constexpr bool IsMergeOn(WORD wMode) noexcept {
    return (wMode & 3) == gxnMergeDelayEval || (wMode & 3) == gxnMergeEvalOnDisplay;
}

// The pool of a direction (gxnMergeHorizontal or gxnMergeVertical), or null.
CGXSpanCellPool* Pool(const CGXGridParam& param, int nDirection) noexcept;

// A run along a line, first and last position.
struct Run {
    ROWCOL first = 0;
    ROWCOL last = 0;
    bool operator==(const Run&) const = default;
};

// The run of the line through the position: the entries around it that hold the same start value
// as it does. None when the entry is empty.
std::optional<Run> RunAt(const CGXSpanCellPool& pool, int nDirection, ROWCOL nLine, ROWCOL nPos);

// Sets or clears a run in the pool of its direction; clearing takes the whole run that begins at
// first. True when the pool changed.
bool SetRun(CGXSpanCellPool& pool, int nDirection, ROWCOL nLine, const Run& run, bool bSet);

class EvalPass {
public:
    // The grid's merge pools must exist. pRangeChanged, when given, grows by the cells whose
    // drawing the pass changed.
    EvalPass(CGXGridCore& grid, CGXRange* pRangeChanged);

    // The cells of the range that exist: rows and columns expanded to the grid's counts, then cut
    // at them. None when nothing is left.
    std::optional<CGXRange> Clip(const CGXRange& range) const;

    // Tests the cell against its neighbours in every direction the mode allows, following a run
    // back to its beginning (and forward along the row) while it grows.
    void EvalCell(ROWCOL nRow, ROWCOL nCol);

    // The styles composed for one row of the pass are not needed by the next.
    void ReleaseStyles() noexcept { m_styles.clear(); }
    // Whether any run changed during the pass.
    bool IsChanged() const noexcept { return m_bChanged; }

private:
    // The pairs before and after the position on one line.
    void EvalLine(int nDirection, ROWCOL nLine, ROWCOL nPos, ROWCOL nLast, bool bFollowForward);
    // Tests the neighbours a and a + 1 of a line and joins or splits their runs; true when they
    // merge.
    bool TestPair(int nDirection, ROWCOL nLine, ROWCOL a);
    // The composed style of a cell: of the row being evaluated from the cache, of another row in
    // one of two scratch styles (one per cell of a pair).
    const CGXStyle& Composed(ROWCOL nRow, ROWCOL nCol, int nScratch);

    CGXGridCore& m_grid;
    CGXSpanCellPool* m_pPools[2];
    WORD m_wMode;
    ROWCOL m_nRows;
    ROWCOL m_nCols;
    CGXRange* m_pRangeChanged;
    bool m_bChanged = false;
    ROWCOL m_nRow = GX_INVALID;  // the row being evaluated
    std::map<ROWCOL, std::unique_ptr<CGXStyle>> m_styles;  // its composed styles by column
    CGXStyle m_scratch[2];
};

}  // namespace gxmerge
