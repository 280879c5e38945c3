// Inserting, removing and moving rows and columns, and the row and column counts on top of them.
// Each operation checks its arguments, stores (rows_cols_store.cpp), updates
// (rows_cols_update.cpp) and records the opposite operation: a removal the insertion of what it
// removed (rows_cols_undo.cpp), an insertion the removal, a move the move back.
//
// Covered ranges that a removal or a move cuts apart are changed before the store and recorded
// only once the store has taken the change, so that a refused change leaves no trace: the ranges
// are put back and no block is left open on the undo list.
//
// Map: covered ranges; Insert, Remove, Move over an axis; the operations of rows and columns;
// SetRowCount and SetColCount.
#include <memory>

#include "grid/commands/commands.h"
#include "grid/core/long_operation.h"
#include "grid/core/rows_cols_axis.h"

using gxrowscols::RemovedLines;

namespace {

bool IsNormalCall(UINT nCommandMode) noexcept { return nCommandMode == gxDo; }

// ---- covered ranges -------------------------------------------------------------------------------

// The covered ranges with lines from..to on the axis, in list order.
std::vector<CGXRange> CoveredRanges(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo) {
    std::vector<CGXRange> found;
    const CGXRangeList& list = *a.g.GetParam()->GetCoveredCellsList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGXRange& r = *list.GetNext(pos);
        const ROWCOL nTop = a.bRows ? r.top : r.left, nBottom = a.bRows ? r.bottom : r.right;
        if (nTop <= nTo && nBottom >= nFrom) found.push_back(r);
    }
    return found;
}

// Before lines from..to are removed: a covered range that starts in them is uncovered, one that
// starts above them and ends in them is cut to end before them. The ranges changed, as they were.
std::vector<CGXRange> CutCoveredRanges(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo) {
    std::vector<CGXRange> changed;
    for (const CGXRange& r : CoveredRanges(a, nFrom, nTo)) {
        const ROWCOL nTop = a.bRows ? r.top : r.left, nBottom = a.bRows ? r.bottom : r.right;
        if (nTop >= nFrom) {
            a.g.SetCoveredCellsRowCol(r.top, r.left, r.top, r.left, GX_INVALIDATE, gxNoRecord);
        } else if (nBottom <= nTo) {
            a.g.SetCoveredCellsRowCol(r.top, r.left, a.bRows ? nFrom - 1 : r.bottom, a.bRows ? r.right : nFrom - 1,
                                      GX_INVALIDATE, gxNoRecord);
        } else {
            continue;  // it spans the removed lines and shrinks with them
        }
        changed.push_back(r);
    }
    return changed;
}

// Covers the ranges again as they were, after a refused removal.
void RestoreCoveredRanges(CGXGridCore& g, const std::vector<CGXRange>& ranges) {
    for (const CGXRange& r : ranges) g.SetCoveredCellsRowCol(r.top, r.left, r.bottom, r.right, GX_INVALIDATE, gxNoRecord);
}

// Records, in a block with the opposite command, what covers the ranges again after the undo
// of the opposite command has run: the block's commands undo the most recent first.
class CoveredBlock {
public:
    CoveredBlock(CGXGridCore& g, const CGXCommand* pOpposite, bool bOpen) : m_g(g), m_bOpen(bOpen && pOpposite != nullptr) {
        if (m_bOpen) m_g.BeginTrans(pOpposite->GetDescription());
    }
    ~CoveredBlock() {
        if (m_bOpen) m_g.CommitTrans();
    }
    CoveredBlock(const CoveredBlock&) = delete;
    CoveredBlock& operator=(const CoveredBlock&) = delete;

    // An undo covers the range again.
    void RecordCover(const CGXRange& r) {
        if (m_bOpen) m_g.RecordCommand(new CGXSetCoveredCellsCmd(r.top, r.left, r.bottom, r.right), gxDo);
    }
    // An undo uncovers whatever range then starts at the range's first cell.
    void RecordUncover(const CGXRange& r) {
        if (m_bOpen) m_g.RecordCommand(new CGXSetCoveredCellsCmd(r.top, r.left, r.top, r.left), gxDo);
    }

private:
    CGXGridCore& m_g;
    bool m_bOpen;
};

// Covered ranges change the drawing of whole blocks: what scrolling would move is redrawn instead.
UINT RedrawLaterWhen(bool bCovered, UINT flags) noexcept {
    return bCovered && (flags & 7) != 0 ? UINT{GX_REDRAWLATER} : flags;
}

// ---- the operations over an axis ------------------------------------------------------------------

bool Insert(GXRowsColsAxis a, ROWCOL nAt, ROWCOL nCount, const int* pSizes, const CGXStyleArray* pCells,
            const CGXStyleArray* pLineStyles, ROWCOL nCross, UINT flags, UINT nCommandMode) {
    CGXGridCore& g = a.g;
    // 1. The lines go before an existing one or after the last, and their numbers must stay below
    // GX_INVALID. A cell being edited stores its text first.
    const uint64_t nLines = a.Count();
    if (g.GetData() == nullptr || nCount == 0 || nAt == 0 || nAt > nLines + 1 || nLines + nCount >= GX_INVALID)
        return false;
    if (!g.TransferCurrentCell(true, GX_REDRAWLATER)) return false;
    // A long change shows the wait cursor; it cannot be stopped half way.
    CGXLongOperation longOp(false);
    // 2. Store.
    if (!a.StoreInsert(nAt, nCount, false)) return false;

    // 3. The new lines' sizes and styles, as far as the arrays reach; cells up to the other count.
    bool bStyled = false;
    auto store = [&](ROWCOL n, ROWCOL m, const CGXStyle* pStyle, int nType) {
        if (pStyle == nullptr) return;
        const auto [r, c] = a.Cell(n, m);
        bStyled = g.StoreStyleRowCol(r, c, pStyle, ModifyMode::Copy, nType) || bStyled;
    };
    for (ROWCOL i = 0; pSizes != nullptr && i < nCount; ++i) {
        if (a.bRows) g.StoreRowHeight(nAt + i, pSizes[i]);
        else g.StoreColWidth(nAt + i, pSizes[i]);
    }
    if (pLineStyles != nullptr)
        for (size_t i = 0; i < pLineStyles->size() && i < nCount; ++i)
            store(nAt + ROWCOL(i), 0, (*pLineStyles)[i].get(), gxRangeStyle);
    if (pCells != nullptr && nCross != 0) {
        const ROWCOL nPositions = std::min<ROWCOL>(nCross, a.CrossCount() + 1);
        for (size_t i = 0; i < pCells->size() && i / nCross < nCount; ++i)
            if (i % nCross < nPositions) store(nAt + ROWCOL(i / nCross), ROWCOL(i % nCross), (*pCells)[i].get(), gxCellStyle);
    }
    if (bStyled) gxrowscols::MergeCellsChanged(g, a.LineCells(nAt - 1, nAt + nCount));

    // 4. Update and record.
    a.UpdateInsert(nAt, nCount, flags);
    const ROWCOL nLast = nAt + nCount - 1;
    a.Record(a.bRows ? static_cast<CGXCommand*>(new CGXRemoveRowsCmd(nAt, nLast)) : new CGXRemoveColsCmd(nAt, nLast),
             nCommandMode, nAt);
    return true;
}

bool Remove(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, UINT flags, UINT nCommandMode) {
    CGXGridCore& g = a.g;
    // 1. Data lines only, in order, all of them there. A cell being edited stores its text first.
    if (g.GetData() == nullptr || nFrom == 0 || nFrom > nTo || nTo > a.Count()) return false;
    if (!g.TransferCurrentCell(true, GX_REDRAWLATER)) return false;
    // A long change shows the wait cursor; it cannot be stopped half way.
    CGXLongOperation longOp(false);

    // 2. What an undo needs. Too much to keep asks the user, who may go on without undo; an undo
    // or redo keeps what its opposite needs, since the other list's steps depend on it.
    std::unique_ptr<CGXCommand> pOpposite;
    bool bWithoutUndo = false;
    if (g.ShouldRecord(nCommandMode)) {
        if (IsNormalCall(nCommandMode) && RemovedLines::Measure(a, nFrom, nTo).IsTooLarge(nTo - nFrom + 1)) {
            if (!g.ConfirmChangeWithoutUndo()) return false;
            bWithoutUndo = true;
        } else {
            RemovedLines u = RemovedLines::Collect(a, nFrom, nTo);
            const ROWCOL nCount = nTo - nFrom + 1;
            if (a.bRows)
                pOpposite = std::make_unique<CGXInsertRowsCmd>(nFrom, nCount, std::move(u.sizes), std::move(u.cells),
                                                               std::move(u.lineStyles), u.nCross, std::move(u.hidden));
            else
                pOpposite = std::make_unique<CGXInsertColsCmd>(nFrom, nCount, std::move(u.sizes), std::move(u.cells),
                                                               std::move(u.lineStyles), u.nCross, std::move(u.hidden));
        }
    }

    // 3. Covered ranges that start in the removed lines or end in them.
    const std::vector<CGXRange> covered = IsNormalCall(nCommandMode) ? CutCoveredRanges(a, nFrom, nTo) : std::vector<CGXRange>{};
    flags = RedrawLaterWhen(!covered.empty(), flags);

    // 4. The removed lines' sizes on screen, to scroll the lines after them up by.
    std::vector<int> shown;
    if ((flags & (GX_REDRAWNOW | GX_SMART)) && g.GridWnd() != nullptr && !g.IsLockUpdate() && nTo < a.Count()) {
        const CRect area = g.GetGridRect();
        int64_t nSum = 0;
        for (ROWCOL n = nFrom; n <= nTo && nSum <= a.End(area) - a.Start(area); ++n) {
            shown.push_back(a.Size(n));
            nSum += shown.back();
        }
    }

    // 5. Store; a refusal puts the covered ranges back and keeps nothing.
    if (!a.StoreRemove(nFrom, nTo, false)) {
        RestoreCoveredRanges(g, covered);
        return false;
    }
    {
        CoveredBlock block(g, pOpposite.get(), !covered.empty());
        for (const CGXRange& r : covered) block.RecordCover(r);
        a.UpdateRemove(nFrom, nTo, shown.empty() ? nullptr : &shown, flags);
        a.Record(pOpposite.release(), nCommandMode, nFrom);
    }
    if (bWithoutUndo) a.ForgetHistory();
    return true;
}

bool Move(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, UINT nCommandMode) {
    CGXGridCore& g = a.g;
    // 1. Data lines only; the block must fit where it goes. A cell being edited stores its text
    // first.
    if (g.GetData() == nullptr || nFrom == 0 || nDest == 0 || nFrom > nTo || nTo > a.Count() ||
        uint64_t{nDest} + (nTo - nFrom) > a.Count())
        return false;
    if (!g.TransferCurrentCell(true, GX_REDRAWLATER)) return false;
    // A long change shows the wait cursor; it cannot be stopped half way.
    CGXLongOperation longOp(false);
    const GXLineChange c = GXLineChange::Moved(nFrom, nTo, nDest);
    const ROWCOL nDestLast = nDest + (nTo - nFrom);

    // 2. Covered ranges the move touches may break apart (then the store drops them): an undo
    // uncovers what is at their place and covers them again as they were.
    const std::vector<CGXRange> covered =
        IsNormalCall(nCommandMode) ? CoveredRanges(a, c.FirstChanged(), c.LastChanged()) : std::vector<CGXRange>{};
    flags = RedrawLaterWhen(!covered.empty(), flags);

    // 3. Store; nothing is recorded for a refused move.
    if (!a.StoreMove(nFrom, nTo, nDest, false)) return false;

    // 4. Update and record the move back.
    std::unique_ptr<CGXCommand> pOpposite;
    if (g.ShouldRecord(nCommandMode))
        pOpposite = a.bRows ? std::unique_ptr<CGXCommand>(new CGXMoveRowsCmd(nDest, nDestLast, nFrom))
                            : std::make_unique<CGXMoveColsCmd>(nDest, nDestLast, nFrom);
    CoveredBlock block(g, pOpposite.get(), !covered.empty());
    for (const CGXRange& r : covered) {
        block.RecordCover(r);
        block.RecordUncover(r);
    }
    a.UpdateMove(nFrom, nTo, nDest, flags);
    a.Record(pOpposite.release(), nCommandMode, nDest);
    return true;
}

}  // namespace

// ---- the operations of rows and columns -----------------------------------------------------------

bool CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, const int* pHeights, const CGXStyleArray* pCellsArray,
                             const CGXStyleArray* pRowsArray, ROWCOL nColCount, UINT flags, UINT nCommandMode) {
    return Insert({*this, true}, nRow, nCount, pHeights, pCellsArray, pRowsArray, nColCount, flags, nCommandMode);
}
bool CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, const int* pWidths, const CGXStyleArray* pCellsArray,
                             const CGXStyleArray* pColsArray, ROWCOL nRowCount, UINT flags, UINT nCommandMode) {
    return Insert({*this, false}, nCol, nCount, pWidths, pCellsArray, pColsArray, nRowCount, flags, nCommandMode);
}
bool CGXGridCore::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags, UINT nCommandMode) {
    return Remove({*this, true}, nFromRow, nToRow, flags, nCommandMode);
}
bool CGXGridCore::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags, UINT nCommandMode) {
    return Remove({*this, false}, nFromCol, nToCol, flags, nCommandMode);
}
bool CGXGridCore::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags, UINT nCommandMode) {
    return Move({*this, true}, nFromRow, nToRow, nDestRow, flags, nCommandMode);
}
bool CGXGridCore::MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags, UINT nCommandMode) {
    return Move({*this, false}, nFromCol, nToCol, nDestCol, flags, nCommandMode);
}

// ---- the counts -----------------------------------------------------------------------------------

bool CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags) {
    const ROWCOL nOld = GetRowCount();
    if (nRows == nOld) return true;
    if (nRows < nOld) return RemoveRows(nRows + 1, nOld, flags, gxDo);
    return InsertRows(nOld + 1, nRows - nOld, nullptr, nullptr, nullptr, 0, flags, gxDo);
}

bool CGXGridCore::SetColCount(ROWCOL nCols, UINT flags) {
    const ROWCOL nOld = GetColCount();
    if (nCols == nOld) return true;
    if (nCols < nOld) return RemoveCols(nCols + 1, nOld, flags, gxDo);
    return InsertCols(nOld + 1, nCols - nOld, nullptr, nullptr, nullptr, 0, flags, gxDo);
}
