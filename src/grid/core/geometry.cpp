// Row and column counts (SetRowCount, built on inserting and removing rows, is in rows_cols.cpp),
// header and frozen rows and columns, hidden rows and columns, and the top row and left column.
// Every public change runs store, update and record in that order.
#include <memory>

#include "grid/commands/commands.h"
#include "grid/core/geometry_axis.h"
#include "platform/framework/wnd.h"

namespace {

// Rows (columns) from 0x7FFFFFFF on cannot be hidden: the hidden flags are an array indexed by int.
constexpr ROWCOL kMaxHiddenIndex = 0x7FFFFFFE;

bool StoreHidden(CGXHiddenArray& flags, ROWCOL n, bool bHide) {
    if (n > kMaxHiddenIndex) return false;
    int i = static_cast<int>(n);
    if (i < flags.GetSize()) flags.SetAt(i, bHide ? 1 : 0);
    else if (bHide) flags.SetAtGrow(i, 1);
    return true;
}

bool IsHidden(const CGXHiddenArray& flags, ROWCOL n) {
    return n <= kMaxHiddenIndex && flags.GetAt(static_cast<int>(n)) != 0;
}

}  // namespace

// ---- counts ---------------------------------------------------------------------------------------

ROWCOL CGXGridCore::GetRowCount() { return GetData() != nullptr ? GetData()->GetRowCount() : 0; }
ROWCOL CGXGridCore::GetColCount() { return GetData() != nullptr ? GetData()->GetColCount() : 0; }

bool CGXGridCore::StoreRowCount(ROWCOL nRows) {
    return GetData() != nullptr && !IsReadOnly() && GetData()->SetRowCount(nRows);
}
bool CGXGridCore::StoreColCount(ROWCOL nCols) {
    return GetData() != nullptr && !IsReadOnly() && GetData()->SetColCount(nCols);
}

void CGXGridCore::UpdateChangedRowCount(ROWCOL nOldRows, UINT flags) {
    ROWCOL nRows = GetRowCount();
    if (m_bCurrentCell && m_nCurrentRow > nRows) m_bCurrentCell = false;
    ResetLastVisibleCaches();
    RedrawRowCol(CGXRange().SetRows(std::min(nOldRows, nRows) + 1, std::max(nOldRows, nRows)), flags);
}

void CGXGridCore::UpdateChangedColCount(ROWCOL nOldCols, UINT flags) {
    ROWCOL nCols = GetColCount();
    if (m_bCurrentCell && m_nCurrentCol > nCols) m_bCurrentCell = false;
    ResetLastVisibleCaches();
    RedrawRowCol(CGXRange().SetCols(std::min(nOldCols, nCols) + 1, std::max(nOldCols, nCols)), flags);
}

// ---- header and frozen rows and columns -----------------------------------------------------------

ROWCOL CGXGridCore::GetHeaderRows() { return m_pParam != nullptr ? m_pParam->GetHeaderRows() : 0; }
ROWCOL CGXGridCore::GetHeaderCols() { return m_pParam != nullptr ? m_pParam->GetHeaderCols() : 0; }
ROWCOL CGXGridCore::GetFrozenRows() { return m_pParam != nullptr ? m_pParam->GetFrozenRows() : 0; }
ROWCOL CGXGridCore::GetFrozenCols() { return m_pParam != nullptr ? m_pParam->GetFrozenCols() : 0; }

bool CGXGridCore::StoreFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows) {
    if (m_pParam == nullptr || IsReadOnly()) return false;
    m_pParam->SetFrozenRows(nFrozenRows);
    m_pParam->SetHeaderRows(nHeaderRows);
    return true;
}

bool CGXGridCore::StoreFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols) {
    if (m_pParam == nullptr || IsReadOnly()) return false;
    m_pParam->SetFrozenCols(nFrozenCols);
    m_pParam->SetHeaderCols(nHeaderCols);
    return true;
}

bool CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags, UINT nCommandMode) {
    ROWCOL nOldFrozen = GetFrozenRows(), nOldHeaders = GetHeaderRows();
    if (!StoreFrozenRows(nFrozenRows, nHeaderRows)) return false;
    UpdateFrozenRows(nOldFrozen, nOldHeaders, flags);
    RecordCommand(new CGXSetFrozenRowsCmd(nOldFrozen, nOldHeaders), nCommandMode);
    return true;
}

bool CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags, UINT nCommandMode) {
    ROWCOL nOldFrozen = GetFrozenCols(), nOldHeaders = GetHeaderCols();
    if (!StoreFrozenCols(nFrozenCols, nHeaderCols)) return false;
    UpdateFrozenCols(nOldFrozen, nOldHeaders, flags);
    RecordCommand(new CGXSetFrozenColsCmd(nOldFrozen, nOldHeaders), nCommandMode);
    return true;
}

void CGXGridCore::UpdateFrozenRows(ROWCOL nOldFrozenRows, ROWCOL, UINT flags) {
    ROWCOL nFrozen = GetFrozenRows();
    m_nTopRow = std::max(m_nTopRow, nFrozen + 1);
    ResetLastVisibleCaches();
    // Rows that changed between frozen and scrolling may merge differently with their neighbours.
    if (nFrozen != nOldFrozenRows && (GetMergeCellsMode() & 3) != 0)
        EvalMergeCells(CGXRange().SetCells(std::min(nOldFrozenRows, nFrozen), 0, std::max(nOldFrozenRows, nFrozen) + 1,
                                           GetColCount()));
    Redraw(flags);
}

void CGXGridCore::UpdateFrozenCols(ROWCOL nOldFrozenCols, ROWCOL, UINT flags) {
    ROWCOL nFrozen = GetFrozenCols();
    m_nLeftCol = std::max(m_nLeftCol, nFrozen + 1);
    ResetLastVisibleCaches();
    if (nFrozen != nOldFrozenCols && (GetMergeCellsMode() & 3) != 0)
        EvalMergeCells(CGXRange().SetCells(0, std::min(nOldFrozenCols, nFrozen), GetRowCount(),
                                           std::max(nOldFrozenCols, nFrozen) + 1));
    Redraw(flags);
}

// ---- the top row and left column ------------------------------------------------------------------

namespace {

// Sets the first scrollable row (column) of the axis: the steps of SetTopRow and SetLeftCol.
void SetFirst(GXGeometryAxis a, ROWCOL n, UINT flags) {
    CGXGridCore& g = a.g;
    // 1. Not beyond the last row; row 0 is no scrollable row.
    n = std::min(n, a.Count());
    if (n == 0) n = 1;
    g.ResetLastVisibleCaches();
    // 3. Never a frozen row.
    n = std::max(n, a.Frozen() + 1);
    // 5. Scrolling redraws: the window content moves through DoScroll, which asks, sets and tells.
    flags &= 7;
    const ROWCOL nOld = a.First();
    if ((flags & (GX_SMART | GX_REDRAWNOW)) != 0 && g.IsInitialized()) {
        if (n != nOld) {
            const bool bBack = n < nOld;
            g.DoScroll(a.bRows ? (bBack ? GX_UP : GX_DOWN) : (bBack ? GX_LEFT : GX_RIGHT), bBack ? nOld - n : n - nOld);
        }
        if ((flags & GX_REDRAWNOW) && g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr)
            g.GridWnd()->UpdateWindow();
        return;
    }
    // 4. Ask, set; a later redraw shows the whole area and the bars follow.
    if (!(a.bRows ? g.CanChangeTopRow(n) : g.CanChangeLeftCol(n))) return;
    a.FirstRef() = n;
    if (flags != 0) {
        g.UpdateScrollbars();
        g.Redraw(flags);
    }
    if (a.bRows) g.OnTopRowChanged();
    else g.OnLeftColChanged();
}

}  // namespace

void CGXGridCore::SetTopRow(ROWCOL nRow, UINT flags, bool) { SetFirst({*this, true}, nRow, flags); }
void CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags, bool) { SetFirst({*this, false}, nCol, flags); }
bool CGXGridCore::CanChangeTopRow(ROWCOL) { return true; }
bool CGXGridCore::CanChangeLeftCol(ROWCOL) { return true; }
void CGXGridCore::OnTopRowChanged() {}
void CGXGridCore::OnLeftColChanged() {}

// ---- hidden rows and columns ----------------------------------------------------------------------

bool CGXGridCore::IsRowHidden(ROWCOL nRow) { return m_pParam != nullptr && IsHidden(m_pParam->GetHiddenRows(), nRow); }
bool CGXGridCore::IsColHidden(ROWCOL nCol) { return m_pParam != nullptr && IsHidden(m_pParam->GetHiddenCols(), nCol); }

bool CGXGridCore::StoreHideRow(ROWCOL nRow, bool bHide) {
    return m_pParam != nullptr && StoreHidden(m_pParam->GetHiddenRows(), nRow, bHide);
}
bool CGXGridCore::StoreHideCol(ROWCOL nCol, bool bHide) {
    return m_pParam != nullptr && StoreHidden(m_pParam->GetHiddenCols(), nCol, bHide);
}

namespace {

bool Hide(GXGeometryAxis a, ROWCOL nFirst, ROWCOL nLast, bool bHide, const bool* pFlags, UINT flags,
          UINT nCommandMode) {
    CGXGridCore& g = a.g;
    if (!a.ClampBlock(nFirst, nLast)) return false;
    // Remember, store, update, record.
    std::vector<bool> old;
    old.reserve(nLast - nFirst + 1);
    bool bAny = false;
    for (ROWCOL n = nFirst;; ++n) {
        old.push_back(a.Hidden(n));
        bool b = pFlags != nullptr ? pFlags[n - nFirst] : bHide;
        if (a.bRows ? g.StoreHideRow(n, b) : g.StoreHideCol(n, b)) bAny = true;
        if (n == nLast) break;
    }
    if (!bAny) return false;
    if (a.bRows) g.UpdateChangedRowHeight(nFirst, nLast, flags);
    else g.UpdateChangedColWidth(nFirst, nLast, flags);
    CGXCommand* pCmd = a.bRows ? static_cast<CGXCommand*>(new CGXHideRowsCmd(nFirst, nLast, std::move(old)))
                               : new CGXHideColsCmd(nFirst, nLast, std::move(old));
    g.RecordCommandFor(pCmd, nCommandMode, a.bRows ? nFirst : g.GetTopRow(), a.bRows ? g.GetLeftCol() : nFirst);
    return true;
}

}  // namespace

bool CGXGridCore::HideRows(ROWCOL nFromRow, ROWCOL nToRow, bool bHide, const bool* pFlags, UINT flags,
                           UINT nCommandMode) {
    return Hide({*this, true}, nFromRow, nToRow, bHide, pFlags, flags, nCommandMode);
}

bool CGXGridCore::HideCols(ROWCOL nFromCol, ROWCOL nToCol, bool bHide, const bool* pFlags, UINT flags,
                           UINT nCommandMode) {
    return Hide({*this, false}, nFromCol, nToCol, bHide, pFlags, flags, nCommandMode);
}
