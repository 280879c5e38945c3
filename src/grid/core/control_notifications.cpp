// What cell controls tell the grid (the notification hooks with their defaults: a derived grid
// overrides them to react or to veto) and the values controls store.
#include <algorithm>

#include "grid/core/grid_core.h"

bool CGXGridCore::OnValidateCell(ROWCOL, ROWCOL) { return true; }
bool CGXGridCore::OnStartEditing(ROWCOL, ROWCOL) { return true; }
void CGXGridCore::OnNotifyModified(ROWCOL, ROWCOL) {}
bool CGXGridCore::OnCancelEditing(ROWCOL, ROWCOL) { return true; }
void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL) {}
bool CGXGridCore::OnLeavingCell(ROWCOL, ROWCOL) { return true; }
bool CGXGridCore::OnLeftCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) { return true; }
bool CGXGridCore::OnNotifyCell(ROWCOL, ROWCOL) { return true; }
void CGXGridCore::OnCellButtonClicked(ROWCOL, ROWCOL) {}

void CGXGridCore::OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol) {
    const bool bChanged = nRow != m_nLastInitRow || nCol != m_nLastInitCol;
    m_nLastInitRow = nRow;
    m_nLastInitCol = nCol;
    if (bChanged) OnCurrentCellChanged();
}

void CGXGridCore::OnCurrentCellChanged() {}

bool CGXGridCore::OnLButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnMButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnLButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnMButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnRButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) { return false; }
bool CGXGridCore::OnMouseMoveOverCell(ROWCOL, ROWCOL, UINT, CPoint) { return false; }

void CGXGridCore::SetWarningText(const char* pszText) { m_strWarningText = pszText != nullptr ? pszText : ""; }

bool CGXGridCore::SetControlValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue, UINT flags, const CGXStyle*) {
    return SetValueRange(CGXRange(nRow, nCol, nRow, nCol), pszValue, ModifyMode::Override, gxCellStyle, flags);
}

