// The store steps of inserting, removing and moving rows and columns: the data store changes, and
// every structure the parameters keep by row (column) number follows it through the same change:
// sizes, hidden flags, the selection, the covered cells with their pool, and the merge and float
// span pools with their pending ranges.
//
// Map: where a line goes (GXLineChange); the per-line structures one by one; StoreChange, which
// runs them in order; the virtual store operations of rows and columns.
#include <cstdint>
#include <vector>

#include "grid/core/merge_cells_eval.h"
#include "grid/core/rows_cols_axis.h"

// ---- where a line goes ----------------------------------------------------------------------------

ROWCOL GXLineChange::Map(ROWCOL n) const noexcept {
    if (n == GX_INVALID) return n;
    const ROWCOL nLast = Last();
    switch (kind) {
        case Insert:
            // A line pushed beyond the last number a line can have is beyond the last line.
            return n < nFirst ? n : uint64_t{n} + nCount >= GX_INVALID ? GX_INVALID : n + nCount;
        case Remove:
            return n < nFirst ? n : n <= nLast ? GX_INVALID : n - nCount;
        case Move:
            // The block goes to nDest; the lines it passes over close up behind it.
            if (n >= nFirst && n <= nLast) return n - nFirst + nDest;
            if (nDest < nFirst && n >= nDest && n < nFirst) return n + nCount;
            if (nDest > nFirst && n > nLast && n <= nDest + nCount - 1) return n - nCount;
            return n;
    }
    return n;
}

bool GXLineChange::MapBlock(ROWCOL& nTop, ROWCOL& nBottom) const noexcept {
    const ROWCOL nLast = Last();
    if (kind == Insert) {
        nTop = Map(nTop);
        nBottom = Map(nBottom);
        return true;
    }
    if (kind == Remove) {
        if (nTop >= nFirst && nBottom <= nLast) return false;
        nTop = nTop < nFirst ? nTop : nTop <= nLast ? nFirst : Map(nTop);
        nBottom = nBottom < nFirst ? nBottom : nBottom <= nLast ? nFirst - 1 : Map(nBottom);
        return true;
    }
    // A move is a shift within each of its regions: outside, the block, the lines it passes
    // over. The image of the block is the lines between the images of its ends and of the
    // region borders inside it; it stays one block when it is as long as before.
    const ROWCOL nLo = FirstChanged(), nHi = LastChanged();
    const ROWCOL nMid = nDest < nFirst ? nFirst : nLast + 1;
    ROWCOL nMin = Map(nTop), nMax = nMin;
    auto take = [&](ROWCOL n) {
        nMin = std::min(nMin, Map(n));
        nMax = std::max(nMax, Map(n));
    };
    take(nBottom);
    for (uint64_t b : {uint64_t{nLo}, uint64_t{nMid}, uint64_t{nHi} + 1}) {
        if (b > nTop && b <= nBottom) {
            take(static_cast<ROWCOL>(b - 1));
            take(static_cast<ROWCOL>(b));
        }
    }
    if (nMax - nMin != nBottom - nTop) return false;
    nTop = nMin;
    nBottom = nMax;
    return true;
}

namespace gxrowscols {
namespace {

// ---- the per-line structures ----------------------------------------------------------------------

bool StoreData(GXRowsColsAxis a, CGXData& data, const GXLineChange& c) {
    switch (c.kind) {
        case GXLineChange::Insert:
            return a.bRows ? data.InsertRows(c.nFirst, c.nCount) : data.InsertCols(c.nFirst, c.nCount);
        case GXLineChange::Remove:
            return a.bRows ? data.RemoveRows(c.nFirst, c.Last()) : data.RemoveCols(c.nFirst, c.Last());
        case GXLineChange::Move:
            return a.bRows ? data.MoveRows(c.nFirst, c.Last(), c.nDest) : data.MoveCols(c.nFirst, c.Last(), c.nDest);
    }
    return false;
}

// Sizes of removed lines go; the others are kept under their new numbers.
void MoveSizes(CGXMapDWordToLong& sizes, const GXLineChange& c) {
    std::vector<std::pair<DWORD, LONG>> entries(sizes.begin(), sizes.end());
    sizes.RemoveAll();
    for (const auto& [n, nUnits] : entries)
        if (const ROWCOL nNew = c.Map(n); nNew != GX_INVALID) sizes.SetAt(nNew, nUnits);
}

// Flags of lines beyond what the array can index are dropped, as HideRows never stores them.
void MoveHidden(CGXHiddenArray& hidden, const GXLineChange& c) {
    std::vector<ROWCOL> lines;
    for (int i = 0; i < hidden.GetSize(); ++i) {
        if (hidden.GetAt(i) == 0) continue;
        if (const ROWCOL nNew = c.Map(static_cast<ROWCOL>(i)); nNew < 0x7FFFFFFF) lines.push_back(nNew);
    }
    hidden.RemoveAll();
    if (lines.empty()) return;
    hidden.SetSize(static_cast<int>(*std::max_element(lines.begin(), lines.end())) + 1);
    for (ROWCOL n : lines) hidden.SetAt(static_cast<int>(n), 1);
}

// The range after the change, or false when nothing of it is left or it broke apart. Ranges
// without this direction's coordinates (whole columns for rows, the table) stay as they are.
bool MoveRange(GXRowsColsAxis a, CGXRange& r, const GXLineChange& c) {
    if (r.IsTable() || (a.bRows ? r.IsCols() : r.IsRows())) return true;
    ROWCOL& nTop = a.bRows ? r.top : r.left;
    ROWCOL& nBottom = a.bRows ? r.bottom : r.right;
    return c.MapBlock(nTop, nBottom);
}

// A range that broke apart is dropped: a covered block whose rows no longer lie together cannot
// be drawn as one cell, and a selection of scattered rows is not the one the user made. A covered
// block loses its covering cell with its first row, and one cut down to one cell is no block.
void MoveRanges(GXRowsColsAxis a, CGXRangeList& list, const GXLineChange& c, bool bCovered) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION posAt = pos;
        CGXRange& r = *list.GetNext(pos);
        const ROWCOL nTop = a.bRows ? r.top : r.left;
        const bool bTopGone = bCovered && c.kind == GXLineChange::Remove && nTop >= c.nFirst && nTop <= c.Last();
        const bool bKept = !bTopGone && MoveRange(a, r, c) && !(bCovered && r.top == r.bottom && r.left == r.right);
        if (!bKept) list.DeleteAt(posAt);
    }
}

// Pending ranges follow their cells; one that broke apart leaves every line the move touched
// pending.
void MovePending(GXRowsColsAxis a, CGXDelayedRangePool& pending, const GXLineChange& c) {
    CGXRangeList taken;
    pending.TakeRanges(taken);
    for (POSITION pos = taken.GetHeadPosition(); pos != nullptr;) {
        CGXRange r = *taken.GetNext(pos);
        if (MoveRange(a, r, c)) pending.AddRange(r);
        else if (c.kind == GXLineChange::Move) pending.AddRange(a.Lines(c.FirstChanged(), c.LastChanged()));
    }
}

// The pools move their entries as the data store does; the start values of the runs along this
// direction are numbered anew, since the pools leave them as they were.
void MoveSpans(GXRowsColsAxis a, CGXSpanCellPool* pPool, const GXLineChange& c) {
    if (pPool == nullptr) return;
    const ROWCOL nLast = c.Last();
    if (c.kind == GXLineChange::Insert) {
        if (a.bRows) pPool->InsertRows(c.nFirst, c.nCount);
        else pPool->InsertCols(c.nFirst, c.nCount);
    } else if (c.kind == GXLineChange::Remove) {
        if (a.bRows) pPool->RemoveRows(c.nFirst, nLast);
        else pPool->RemoveCols(c.nFirst, nLast);
    } else {
        if (a.bRows) pPool->MoveRows(c.nFirst, nLast, c.nDest);
        else pPool->MoveCols(c.nFirst, nLast, c.nDest);
    }
    if (a.bRows) pPool->RenumberRowSpans();
    else pPool->RenumberColSpans();
}

// Lines that became neighbours may merge now (or no longer): the pairs where the change joined
// lines that were not neighbours before. Inserted lines are empty, and empty cells never merge.
void EvalSeams(GXRowsColsAxis a, const GXLineChange& c) {
    std::vector<ROWCOL> seams;  // the first line of each new pair
    if (c.kind == GXLineChange::Remove) seams = {c.nFirst - 1};
    if (c.kind == GXLineChange::Move)
        seams = {c.nDest - 1, c.nDest + c.nCount - 1, c.nDest > c.nFirst ? c.nFirst - 1 : c.Last()};
    for (ROWCOL n : seams)
        if (n < a.Count()) MergeCellsChanged(a.g, a.LineCells(n, n + 1));
}

}  // namespace

// ---- the store step -------------------------------------------------------------------------------

bool StoreChange(GXRowsColsAxis a, const GXLineChange& c, bool bForce) {
    CGXGridCore& g = a.g;
    CGXData* pData = g.GetData();
    if (pData == nullptr || g.IsReadOnly()) return false;
    // Nothing to change: no lines, or a move onto itself.
    if (c.nCount == 0 || (c.kind == GXLineChange::Move && c.nDest == c.nFirst)) return bForce;
    // Line numbers end below GX_INVALID, which means none.
    if (c.kind == GXLineChange::Move && uint64_t{c.nDest} + c.nCount > GX_INVALID) return false;
    if (c.kind == GXLineChange::Insert && uint64_t{a.Count()} + c.nCount >= GX_INVALID) return false;
    if (!StoreData(a, *pData, c)) return false;

    CGXGridParam& param = *g.GetParam();
    MoveSizes(a.Sizes(), c);
    MoveHidden(a.HiddenFlags(), c);
    MoveRanges(a, *param.GetRangeList(), c, false);
    MoveRanges(a, *param.GetCoveredCellsList(), c, true);
    param.GetCoveredCellPool()->InitFromRangeList(*param.GetCoveredCellsList());

    for (CGXSpanCellPool* pPool : {param.GetHorzMergeCellsPool(), param.GetVertMergeCellsPool(), param.GetFloatCellsPool()})
        MoveSpans(a, pPool, c);
    for (CGXDelayedRangePool* pPending : {param.GetDelayedMergeCellsPool(), param.GetDelayedFloatCellsPool()})
        if (pPending != nullptr) MovePending(a, *pPending, c);
    EvalSeams(a, c);
    return true;
}

void MergeCellsChanged(CGXGridCore& g, const CGXRange& range) {
    const WORD wMode = g.GetMergeCellsMode() & 3;
    if (wMode == gxnMergeDelayEval) g.DelayMergeCells(range);
    else if (wMode == gxnMergeEvalOnDisplay) g.EvalMergeCells(range);
}

}  // namespace gxrowscols

// ---- the operations of rows and columns -----------------------------------------------------------

using gxrowscols::StoreChange;

bool CGXGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount, bool bForce) {
    return StoreChange({*this, true}, GXLineChange::Inserted(nRow, nCount), bForce);
}
bool CGXGridCore::StoreInsertCols(ROWCOL nCol, ROWCOL nCount, bool bForce) {
    return StoreChange({*this, false}, GXLineChange::Inserted(nCol, nCount), bForce);
}
bool CGXGridCore::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, bool bForce) {
    return nFromRow <= nToRow && StoreChange({*this, true}, GXLineChange::Removed(nFromRow, nToRow), bForce);
}
bool CGXGridCore::StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol, bool bForce) {
    return nFromCol <= nToCol && StoreChange({*this, false}, GXLineChange::Removed(nFromCol, nToCol), bForce);
}
bool CGXGridCore::StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, bool bForce) {
    return nFromRow <= nToRow && StoreChange({*this, true}, GXLineChange::Moved(nFromRow, nToRow, nDestRow), bForce);
}
bool CGXGridCore::StoreMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, bool bForce) {
    return nFromCol <= nToCol && StoreChange({*this, false}, GXLineChange::Moved(nFromCol, nToCol, nDestCol), bForce);
}
