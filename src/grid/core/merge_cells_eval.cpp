// The evaluation of merged cells: runs of a line, the pair test, one cell in both directions.
#include "grid/core/merge_cells_eval.h"

#include <algorithm>
#include <utility>

namespace gxmerge {

namespace {
// The cell at a position of a line.
std::pair<ROWCOL, ROWCOL> CellAt(int nDirection, ROWCOL nLine, ROWCOL nPos) noexcept {
    return nDirection == gxnMergeHorizontal ? std::pair{nLine, nPos} : std::pair{nPos, nLine};
}
}  // namespace

CGXSpanCellPool* Pool(const CGXGridParam& param, int nDirection) noexcept {
    if (nDirection == gxnMergeHorizontal) return param.GetHorzMergeCellsPool();
    if (nDirection == gxnMergeVertical) return param.GetVertMergeCellsPool();
    return nullptr;
}

std::optional<Run> RunAt(const CGXSpanCellPool& pool, int nDirection, ROWCOL nLine, ROWCOL nPos) {
    if (nLine > kLastPosition || nPos > kLastPosition) return std::nullopt;
    const CGXDWordArrayPtrArray& lines = nDirection == gxnMergeHorizontal ? pool.GetHorizontal() : pool.GetVertical();
    const CDWordArray* p = lines.GetAt(static_cast<int>(nLine));
    const int i = static_cast<int>(nPos);
    if (p == nullptr || i >= p->GetSize() || p->GetAt(i) == 0) return std::nullopt;
    // The entries themselves say where the run lies; a start value left behind by a structural
    // change must not make us clear or join cells of another run.
    const DWORD v = p->GetAt(i);
    int nFirst = i, nLast = i;
    while (nFirst > 0 && p->GetAt(nFirst - 1) == v) --nFirst;
    while (nLast + 1 < p->GetSize() && p->GetAt(nLast + 1) == v) ++nLast;
    return Run{static_cast<ROWCOL>(nFirst), static_cast<ROWCOL>(nLast)};
}

bool SetRun(CGXSpanCellPool& pool, int nDirection, ROWCOL nLine, const Run& run, bool bSet) {
    // Clearing takes the run from its first entry on; the pool would otherwise also visit every
    // position up to the last in its other direction, where a merge pool holds nothing.
    const ROWCOL nLast = bSet ? run.last : run.first;
    return nDirection == gxnMergeHorizontal ? pool.SetSpanCellsRowCol(nLine, run.first, nLine, nLast, bSet)
                                            : pool.SetSpanCellsRowCol(run.first, nLine, nLast, nLine, bSet);
}

EvalPass::EvalPass(CGXGridCore& grid, CGXRange* pRangeChanged)
    : m_grid(grid),
      m_pPools{Pool(*grid.GetParam(), gxnMergeHorizontal), Pool(*grid.GetParam(), gxnMergeVertical)},
      m_wMode(grid.GetMergeCellsMode()),
      m_nRows(std::min(grid.GetRowCount(), kLastPosition)),
      m_nCols(std::min(grid.GetColCount(), kLastPosition)),
      m_pRangeChanged(pRangeChanged) {}

std::optional<CGXRange> EvalPass::Clip(const CGXRange& range) const {
    if (!range.IsValid()) return std::nullopt;
    CGXRange cells = range;
    cells.ExpandRange(0, 0, m_nRows, m_nCols);
    cells.bottom = std::min(cells.bottom, m_nRows);
    cells.right = std::min(cells.right, m_nCols);
    if (cells.top > cells.bottom || cells.left > cells.right) return std::nullopt;
    return cells;
}

void EvalPass::EvalCell(ROWCOL nRow, ROWCOL nCol) {
    if (nRow != m_nRow) ReleaseStyles();
    m_nRow = nRow;
    if (!(m_wMode & gxnMergeNoHorizontal)) EvalLine(gxnMergeHorizontal, nRow, nCol, m_nCols, true);
    // Downwards one pair: the rows below are evaluated after this one, or were already.
    if (!(m_wMode & gxnMergeNoVertical)) EvalLine(gxnMergeVertical, nCol, nRow, m_nRows, false);
}

void EvalPass::EvalLine(int nDirection, ROWCOL nLine, ROWCOL nPos, ROWCOL nLast, bool bFollowForward) {
    if (nPos > nLast) return;
    const CGXSpanCellPool& pool = *m_pPools[nDirection];
    auto first = [&](ROWCOL n) { return RunAt(pool, nDirection, nLine, n).value_or(Run{n, n}).first; };
    auto last = [&](ROWCOL n) { return RunAt(pool, nDirection, nLine, n).value_or(Run{n, n}).last; };
    // Once the cell joins its neighbour, the run may reach further than the pool knew (cells not
    // evaluated yet): follow it from its first cell backwards, and from its last forwards, while
    // it grows.
    if (nPos >= 1 && TestPair(nDirection, nLine, nPos - 1)) {
        for (ROWCOL k = first(nPos - 1); k > 0 && TestPair(nDirection, nLine, k - 1);) k = first(k - 1);
    }
    if (nPos < nLast && TestPair(nDirection, nLine, nPos) && bFollowForward) {
        for (ROWCOL k = last(nPos + 1); k < nLast && TestPair(nDirection, nLine, k);) k = last(k + 1);
    }
}

bool EvalPass::TestPair(int nDirection, ROWCOL nLine, ROWCOL a) {
    const ROWCOL b = a + 1;
    CGXSpanCellPool& pool = *m_pPools[nDirection];

    // 1. The runs the two cells lie in now.
    const std::optional<Run> runA = RunAt(pool, nDirection, nLine, a);
    const std::optional<Run> runB = RunAt(pool, nDirection, nLine, b);

    // 2. and 3. Their composed styles decide, and each cell's control says whether it shows a
    // value.
    const auto [nRowA, nColA] = CellAt(nDirection, nLine, a);
    const auto [nRowB, nColB] = CellAt(nDirection, nLine, b);
    const CGXStyle& styleA = Composed(nRowA, nColA, 0);
    const CGXStyle& styleB = Composed(nRowB, nColB, 1);
    auto control = [&](const CGXStyle& style) {
        return m_grid.GetRegisteredControl(style.GetIncludeControlId() ? static_cast<WORD>(style.GetControlId()) : WORD(0));
    };
    const bool bMerge = m_grid.CanMergeCell(control(styleA), nRowA, nColA, styleA, nDirection) &&
                        m_grid.CanMergeCell(control(styleB), nRowB, nColB, styleB, nDirection) &&
                        m_grid.CanMergeCells(styleA, styleB);

    bool bChanged = false;
    const bool bSameRun = runA && runB && *runA == *runB;
    if (bMerge && !bSameRun) {
        // 4. One run from the beginning of a's to the end of b's.
        if (runB) bChanged = SetRun(pool, nDirection, nLine, *runB, false);
        const Run joined{runA ? runA->first : a, runB ? runB->last : b};
        bChanged = SetRun(pool, nDirection, nLine, joined, true) || bChanged;
    } else if (!bMerge && bSameRun) {
        // 5. The run is cut between a and b; a part of one cell is no run.
        bChanged = SetRun(pool, nDirection, nLine, *runA, false);
        if (runA->first < a) SetRun(pool, nDirection, nLine, Run{runA->first, a}, true);
        if (b < runA->last) SetRun(pool, nDirection, nLine, Run{b, runA->last}, true);
    }

    // 6. What was drawn as the old runs, and the two cells, must be drawn again.
    if (bChanged) {
        m_bChanged = true;
        if (m_pRangeChanged != nullptr) {
            const auto [nTop, nLeft] = CellAt(nDirection, nLine, runA ? runA->first : a);
            const auto [nBottom, nRight] = CellAt(nDirection, nLine, runB ? runB->last : b);
            if (!m_pRangeChanged->IsValid()) m_pRangeChanged->SetCells(nRowB, nColB, nRowB, nColB);
            m_pRangeChanged->UnionRange(*m_pRangeChanged, CGXRange(nTop, nLeft, nBottom, nRight));
        }
    }
    return bMerge;
}

const CGXStyle& EvalPass::Composed(ROWCOL nRow, ROWCOL nCol, int nScratch) {
    // Cells of other rows (vertical neighbours, or a run followed upwards) are needed once.
    if (nRow != m_nRow) {
        m_grid.ComposeStyleRowCol(nRow, nCol, &m_scratch[nScratch], true);
        return m_scratch[nScratch];
    }
    std::unique_ptr<CGXStyle>& pStyle = m_styles[nCol];
    if (pStyle == nullptr) {
        auto pNew = std::make_unique<CGXStyle>();
        m_grid.ComposeStyleRowCol(nRow, nCol, pNew.get(), true);
        pStyle = std::move(pNew);
    }
    return *pStyle;
}

}  // namespace gxmerge
