// (skeleton: geometry arrives next)
#include "grid/core/grid_core.h"

ROWCOL CGXGridCore::GetRowCount() { return GetData() != nullptr ? GetData()->GetRowCount() : 0; }
ROWCOL CGXGridCore::GetColCount() { return GetData() != nullptr ? GetData()->GetColCount() : 0; }
bool CGXGridCore::SetRowCount(ROWCOL, UINT) { return false; }
bool CGXGridCore::SetColCount(ROWCOL, UINT) { return false; }
bool CGXGridCore::StoreRowCount(ROWCOL) { return false; }
bool CGXGridCore::StoreColCount(ROWCOL) { return false; }
void CGXGridCore::UpdateChangedRowCount(ROWCOL, UINT) {}
void CGXGridCore::UpdateChangedColCount(ROWCOL, UINT) {}
ROWCOL CGXGridCore::GetHeaderRows() { return m_pParam ? m_pParam->GetHeaderRows() : 0; }
ROWCOL CGXGridCore::GetHeaderCols() { return m_pParam ? m_pParam->GetHeaderCols() : 0; }
ROWCOL CGXGridCore::GetFrozenRows() { return m_pParam ? m_pParam->GetFrozenRows() : 0; }
ROWCOL CGXGridCore::GetFrozenCols() { return m_pParam ? m_pParam->GetFrozenCols() : 0; }
bool CGXGridCore::SetFrozenRows(ROWCOL, ROWCOL, UINT, UINT) { return false; }
bool CGXGridCore::SetFrozenCols(ROWCOL, ROWCOL, UINT, UINT) { return false; }
bool CGXGridCore::StoreFrozenRows(ROWCOL, ROWCOL) { return false; }
bool CGXGridCore::StoreFrozenCols(ROWCOL, ROWCOL) { return false; }
void CGXGridCore::UpdateFrozenRows(ROWCOL, ROWCOL, UINT) {}
void CGXGridCore::UpdateFrozenCols(ROWCOL, ROWCOL, UINT) {}
void CGXGridCore::SetTopRow(ROWCOL, UINT, bool) {}
void CGXGridCore::SetLeftCol(ROWCOL, UINT, bool) {}
bool CGXGridCore::CanChangeTopRow(ROWCOL) { return true; }
bool CGXGridCore::CanChangeLeftCol(ROWCOL) { return true; }
void CGXGridCore::OnTopRowChanged() {}
void CGXGridCore::OnLeftColChanged() {}
int CGXGridCore::GetRowHeight(ROWCOL) { return 0; }
int CGXGridCore::GetColWidth(ROWCOL) { return 0; }
int CGXGridCore::GetDefaultRowHeight() { return 0; }
int CGXGridCore::GetDefaultColWidth() { return 0; }
bool CGXGridCore::SetRowHeight(ROWCOL, ROWCOL, int, const int*, UINT, UINT) { return false; }
bool CGXGridCore::SetColWidth(ROWCOL, ROWCOL, int, const int*, UINT, UINT) { return false; }
bool CGXGridCore::SetDefaultRowHeight(int, UINT, UINT) { return false; }
bool CGXGridCore::SetDefaultColWidth(int, UINT, UINT) { return false; }
bool CGXGridCore::StoreRowHeight(ROWCOL, int) { return false; }
bool CGXGridCore::StoreColWidth(ROWCOL, int) { return false; }
bool CGXGridCore::StoreDefaultRowHeight(int) { return false; }
bool CGXGridCore::StoreDefaultColWidth(int) { return false; }
void CGXGridCore::UpdateChangedRowHeight(ROWCOL, ROWCOL, UINT) {}
void CGXGridCore::UpdateChangedColWidth(ROWCOL, ROWCOL, UINT) {}
bool CGXGridCore::IsRowHidden(ROWCOL) { return false; }
bool CGXGridCore::IsColHidden(ROWCOL) { return false; }
bool CGXGridCore::HideRows(ROWCOL, ROWCOL, bool, const bool*, UINT, UINT) { return false; }
bool CGXGridCore::HideCols(ROWCOL, ROWCOL, bool, const bool*, UINT, UINT) { return false; }
bool CGXGridCore::StoreHideRow(ROWCOL, bool) { return false; }
bool CGXGridCore::StoreHideCol(ROWCOL, bool) { return false; }
LONG CGXGridCore::HeightToUnits(int) const noexcept { return 0; }
int CGXGridCore::UnitsToHeight(LONG) const noexcept { return 0; }
LONG CGXGridCore::WidthToUnits(int) const noexcept { return 0; }
int CGXGridCore::UnitsToWidth(LONG) const noexcept { return 0; }
ROWCOL CGXGridCore::RowToClientRow(ROWCOL n) { return n; }
ROWCOL CGXGridCore::ColToClientCol(ROWCOL n) { return n; }
ROWCOL CGXGridCore::ClientRowToRow(ROWCOL n) { return n; }
ROWCOL CGXGridCore::ClientColToCol(ROWCOL n) { return n; }
CRect CGXGridCore::GetGridRect() { return m_rectGridArea; }
int CGXGridCore::SumRowHeights(ROWCOL, ROWCOL, int) { return 0; }
int CGXGridCore::SumColWidths(ROWCOL, ROWCOL, int) { return 0; }
int CGXGridCore::SumClientRowHeights(ROWCOL, ROWCOL, int) { return 0; }
int CGXGridCore::SumClientColWidths(ROWCOL, ROWCOL, int) { return 0; }
CRect CGXGridCore::CalcRangeRect(const CGXRange&, bool) { return CRect(); }
ROWCOL CGXGridCore::ClientRowFromPoint(CPoint, int*) { return GX_INVALID; }
ROWCOL CGXGridCore::ClientColFromPoint(CPoint, int*) { return GX_INVALID; }
ROWCOL CGXGridCore::CalcLastVisibleRow(const CRect&, bool*) { return 0; }
ROWCOL CGXGridCore::CalcLastVisibleCol(const CRect&, bool*) { return 0; }
ROWCOL CGXGridCore::GetLastVisibleRow(bool*) { return 0; }
ROWCOL CGXGridCore::GetLastVisibleCol(bool*) { return 0; }
void CGXGridCore::ResetLastVisibleCaches() noexcept {
    m_lastVisibleRow.nLast = GX_INVALID;
    m_lastVisibleCol.nLast = GX_INVALID;
}
int CGXGridCore::HitTest(CPoint, ROWCOL*, ROWCOL*, CRect*) { return GX_HITNONE; }
int CGXGridCore::ExtraHitTest(CPoint, ROWCOL, ROWCOL, const CRect&) { return 0; }
