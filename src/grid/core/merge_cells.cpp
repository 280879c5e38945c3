// Merged cells: runs of neighbouring cells that show the same content, drawn as one cell. The grid
// finds them itself from the cells' composed styles and keeps them in two span pools of the
// parameters, one for horizontal and one for vertical runs.
//
// Map:
//   the mode and its pools ............. SetMergeCellsMode, GetMergeCellsMode
//   which cells merge .................. CanMergeCell, CanMergeCells
//   the runs ........................... GetMergedCellsRowCol, SetMergedCellsRowCol, MergeCellsRange
//   evaluation ......................... EvalMergeCells (both modes), DelayMergeCells
//   (the pass over cells, the pair test and one cell: merge_cells_eval.cpp)
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "grid/controls/control.h"
#include "grid/core/merge_cells_eval.h"

using gxmerge::IsMergeOn;
using gxmerge::Run;

namespace {

// Makes the pools a mode needs and the parameters lack: two span pools (horizontal first) and,
// for delayed evaluation, the pool of pending ranges with the whole table in it, as nothing has
// been evaluated yet.
void CreateMergePools(CGXGridParam& param) {
    const WORD wMode = param.GetMergeCellsMode();
    if (!IsMergeOn(wMode)) return;
    if (param.GetHorzMergeCellsPool() == nullptr) param.SetHorzMergeCellsPool(std::make_unique<CGXSpanCellPool>().release());
    if (param.GetVertMergeCellsPool() == nullptr) param.SetVertMergeCellsPool(std::make_unique<CGXSpanCellPool>().release());
    if ((wMode & 3) == gxnMergeDelayEval && param.GetDelayedMergeCellsPool() == nullptr) {
        auto pPending = std::make_unique<CGXDelayedRangePool>();
        pPending->AddRange(CGXRange().SetTable());
        param.SetDelayedMergeCellsPool(pPending.release());
    }
}

// A pending range as a rectangle without kinds: whole rows, columns and the table reach kEnd.
constexpr ROWCOL kEnd = GX_INVALID;
struct Box {
    ROWCOL top, left, bottom, right;
};

Box ToBox(const CGXRange& range) noexcept {
    Box box{range.top, range.left, range.bottom, range.right};
    if (range.IsRows() || range.IsTable()) box.left = 0, box.right = kEnd;
    if (range.IsCols() || range.IsTable()) box.top = 0, box.bottom = kEnd;
    return box;
}

CGXRange ToRange(const Box& box) {
    const bool bAllCols = box.left == 0 && box.right == kEnd;
    const bool bAllRows = box.top == 0 && box.bottom == kEnd;
    if (bAllRows && bAllCols) return CGXRange().SetTable();
    if (bAllCols) return CGXRange().SetRows(box.top, box.bottom);
    if (bAllRows) return CGXRange().SetCols(box.left, box.right);
    return CGXRange(box.top, box.left, box.bottom, box.right);
}

std::optional<Box> Intersect(const Box& a, const Box& b) noexcept {
    const Box i{std::max(a.top, b.top), std::max(a.left, b.left), std::min(a.bottom, b.bottom), std::min(a.right, b.right)};
    if (i.top > i.bottom || i.left > i.right) return std::nullopt;
    return i;
}

// What is left of p once the block i inside it is taken out: up to four blocks.
std::vector<Box> Outside(const Box& p, const Box& i) {
    std::vector<Box> rest;
    if (p.top < i.top) rest.push_back({p.top, p.left, i.top - 1, p.right});
    if (i.bottom < p.bottom) rest.push_back({i.bottom + 1, p.left, p.bottom, p.right});
    if (p.left < i.left) rest.push_back({i.top, p.left, i.bottom, i.left - 1});
    if (i.right < p.right) rest.push_back({i.top, i.right + 1, i.bottom, p.right});
    return rest;
}

// Every cell of the block, row by row, but for hidden rows and columns when asked; a row's
// composed styles are released after it.
void EvalBlock(CGXGridCore& grid, gxmerge::EvalPass& pass, const Box& block, bool bSkipHidden) {
    for (ROWCOL r = block.top;; ++r) {
        if (!bSkipHidden || !grid.IsRowHidden(r)) {
            for (ROWCOL c = block.left;; ++c) {
                if (!bSkipHidden || !grid.IsColHidden(c)) pass.EvalCell(r, c);
                if (c == block.right) break;
            }
            pass.ReleaseStyles();
        }
        if (r == block.bottom) break;
    }
}

}  // namespace

void CGXGridCore::SetMergeCellsMode(WORD nMode, bool bRedraw) {
    CGXGridParam& param = Param();
    if (nMode == param.GetMergeCellsMode()) return;
    // The parameters drop the runs of the old mode: each mode starts from nothing evaluated.
    param.SetMergeCellsMode(nMode);
    CreateMergePools(param);
    if (bRedraw) Redraw();
}

WORD CGXGridCore::GetMergeCellsMode() const noexcept {
    return m_pParam != nullptr ? m_pParam->GetMergeCellsMode() : WORD(0);
}

bool CGXGridCore::CanMergeCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                               int nDirection) {
    const WORD wMode = GetMergeCellsMode();
    if (!IsMergeOn(wMode) || !style.GetIncludeMergeCell()) return false;
    const unsigned nMerge = style.GetMergeCell();
    if (nDirection == gxnMergeHorizontal) {
        if (!(nMerge & 1) || (wMode & gxnMergeNoHorizontal)) return false;
    } else if (nDirection == gxnMergeVertical) {
        if (!(nMerge & 2) || (wMode & gxnMergeNoVertical)) return false;
    } else {
        return false;
    }
    // A covered cell is drawn as its block already.
    if (GetCoveredCellsRowCol(nRow, nCol) != nullptr) return false;
    // Only a cell that shows something merges, so that empty cells never do. Its control knows;
    // without one (no control registered) the value decides.
    if (pControl != nullptr) return pControl->HasValue(nRow, nCol, style, nDirection);
    return !style.GetValue().IsEmpty();
}

bool CGXGridCore::CanMergeCells(const CGXStyle& style1, const CGXStyle& style2) {
    if (!style1.GetIncludeMergeCell() || !style2.GetIncludeMergeCell()) return false;
    // Cells that both ask to merge on their value alone ignore every other attribute.
    if ((style1.GetMergeCell() & 4) && (style2.GetMergeCell() & 4)) return style1.GetValue() == style2.GetValue();
    return style1.IsSubSet(style2) && style2.IsSubSet(style1);
}

bool CGXGridCore::GetMergedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range, int nDirection) {
    if (m_pParam == nullptr || nDirection < gxnMergeBoth || nDirection > gxnMergeVertical) return false;
    range.SetCells(nRow, nCol, nRow, nCol);
    bool bFound = false;
    for (int nDir : {gxnMergeHorizontal, gxnMergeVertical}) {
        const CGXSpanCellPool* pPool = gxmerge::Pool(*m_pParam, nDir);
        if ((nDirection != gxnMergeBoth && nDirection != nDir) || pPool == nullptr) continue;
        const std::optional<Run> run = gxmerge::RunAt(*pPool, nDir, nDir == gxnMergeHorizontal ? nRow : nCol,
                                                      nDir == gxnMergeHorizontal ? nCol : nRow);
        if (!run) continue;
        if (nDir == gxnMergeHorizontal) range.left = run->first, range.right = run->last;
        else range.top = run->first, range.bottom = run->last;
        bFound = true;
    }
    return bFound;
}

bool CGXGridCore::SetMergedCellsRowCol(int nDirection, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                       bool bSet) {
    CGXSpanCellPool* pPool = m_pParam != nullptr ? gxmerge::Pool(*m_pParam, nDirection) : nullptr;
    if (pPool == nullptr || nTop > nBottom || nLeft > nRight) return false;
    // One run per line: a block set into one pool as a block would give it runs of the other
    // direction as well.
    const bool bHorz = nDirection == gxnMergeHorizontal;
    const ROWCOL nFirstLine = bHorz ? nTop : nLeft;
    const Run run = bHorz ? Run{nLeft, nRight} : Run{nTop, nBottom};
    if (run.last > gxmerge::kLastPosition) return false;
    // Lines the pool does not hold have nothing to clear.
    const int nLines = (bHorz ? pPool->GetHorizontal() : pPool->GetVertical()).GetSize();
    const LONGLONG nLastLine = std::min<LONGLONG>(bHorz ? nBottom : nRight, bSet ? gxmerge::kLastPosition : nLines - 1LL);
    bool bChanged = false;
    for (LONGLONG nLine = nFirstLine; nLine <= nLastLine; ++nLine)
        bChanged = gxmerge::SetRun(*pPool, nDirection, static_cast<ROWCOL>(nLine), run, bSet) || bChanged;
    return bChanged;
}

void CGXGridCore::MergeCellsRange(CGXRange& range) {
    if (m_pParam == nullptr || !range.IsValid() || range.IsTable()) return;
    CGXRange widened = range;
    widened.ExpandRange(0, 0, GetRowCount(), GetColCount());
    // Horizontal runs first; the vertical ones are looked for in what they widened.
    for (int nDir : {gxnMergeHorizontal, gxnMergeVertical}) {
        const CGXSpanCellPool* pPool = gxmerge::Pool(*m_pParam, nDir);
        if (pPool == nullptr) continue;
        const bool bHorz = nDir == gxnMergeHorizontal;
        const CGXDWordArrayPtrArray& lines = bHorz ? pPool->GetHorizontal() : pPool->GetVertical();
        const ROWCOL nFirstLine = bHorz ? widened.top : widened.left;
        const ROWCOL nFirstPos = bHorz ? widened.left : widened.top;
        // Only lines and positions the pool holds can hold runs.
        const LONGLONG nLastLine = std::min<LONGLONG>(bHorz ? widened.bottom : widened.right, lines.GetSize() - 1);
        CGXRange found = widened;
        for (LONGLONG nLine = nFirstLine; nLine <= nLastLine; ++nLine) {
            const CDWordArray* p = lines.GetAt(static_cast<int>(nLine));
            if (p == nullptr) continue;
            const LONGLONG nLastPos = std::min<LONGLONG>(bHorz ? widened.right : widened.bottom, p->GetSize() - 1);
            for (LONGLONG nPos = nFirstPos; nPos <= nLastPos; ++nPos) {
                const std::optional<Run> run = gxmerge::RunAt(*pPool, nDir, static_cast<ROWCOL>(nLine), static_cast<ROWCOL>(nPos));
                if (!run) continue;
                if (bHorz) found.left = std::min(found.left, run->first), found.right = std::max(found.right, run->last);
                else found.top = std::min(found.top, run->first), found.bottom = std::max(found.bottom, run->last);
                nPos = run->last;
            }
        }
        widened = found;
    }
    // Whole rows only grow by rows, whole columns only by columns.
    if (!range.IsCols()) range.top = widened.top, range.bottom = widened.bottom;
    if (!range.IsRows()) range.left = widened.left, range.right = widened.right;
}

bool CGXGridCore::EvalMergeCells(const CGXRange& range, CGXRange* pRangeChanged) {
    if (m_bLockEvalMergeCells || m_pParam == nullptr || !IsMergeOn(GetMergeCellsMode())) return false;
    // Parameters read from an archive may come without the pools of their mode.
    CreateMergePools(*m_pParam);
    gxmerge::EvalPass pass(*this, pRangeChanged);
    const std::optional<CGXRange> area = pass.Clip(range);
    if (!area) return false;

    const Box block = ToBox(*area);
    if ((GetMergeCellsMode() & 3) == gxnMergeEvalOnDisplay) {
        EvalBlock(*this, pass, block, true);
        return pass.IsChanged();
    }

    // Delayed: only what is pending within the range, hidden or not, so that nothing stays
    // pending for ever. The pending ranges are taken out of the pool while they are worked on:
    // a range recorded meanwhile (by a derived grid while composing) goes into the pool as usual,
    // and an evaluation that fails puts every range back.
    CGXDelayedRangePool& pending = *m_pParam->GetDelayedMergeCellsPool();
    CGXRangeList taken;
    pending.TakeRanges(taken);
    std::vector<CGXRange> kept;
    try {
        for (POSITION pos = taken.GetHeadPosition(); pos != nullptr;) {
            const CGXRange& p = *taken.GetNext(pos);
            const std::optional<Box> inside = Intersect(ToBox(p), block);
            if (!inside) {
                kept.push_back(p);
                continue;
            }
            for (const Box& rest : Outside(ToBox(p), *inside)) kept.push_back(ToRange(rest));
            EvalBlock(*this, pass, *inside, false);
        }
    } catch (...) {
        for (POSITION pos = taken.GetHeadPosition(); pos != nullptr;) pending.AddRange(*taken.GetNext(pos));
        throw;
    }
    for (const CGXRange& p : kept) pending.AddRange(p);
    return pass.IsChanged();
}

void CGXGridCore::DelayMergeCells(const CGXRange& range) {
    if (m_pParam == nullptr || (GetMergeCellsMode() & 3) != gxnMergeDelayEval) return;
    CreateMergePools(*m_pParam);
    m_pParam->GetDelayedMergeCellsPool()->AddRange(range);
}

bool CGXGridCore::LockEvalMergeCells(bool bLock) noexcept {
    bool bOld = m_bLockEvalMergeCells;
    m_bLockEvalMergeCells = bLock;
    return bOld;
}
