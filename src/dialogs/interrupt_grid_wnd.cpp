// CInterruptGridWnd: the dialogs' grid settings and its five overrides.
#include "dialogs/interrupt_grid_wnd.h"

void CInterruptGridWnd::ApplyInterruptGridSettings() {
    SetScrollBarMode(SB_BOTH, 0, true);
    // Nothing goes to the clipboard from these grids.
    m_nClipboardFlags = 0;
    CGXGridParam& param = *GetParam();
    param.SetReadOnly(false);
    param.EnableUndo(false);
    param.GetUndoList().DeleteAll();
    param.SetRowSizingFlags(0);
    param.SetColSizingFlags(0);
    param.SetSelectionFlags(0);
}

bool CInterruptGridWnd::OnLeavingCell(ROWCOL nRow, ROWCOL nCol) {
    if (CWnd* pParent = GetParent()) pParent->PostMessage(WM_GRID_LEAVING_CELL, nRow, static_cast<LPARAM>(nCol));
    return true;
}

void CInterruptGridWnd::OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) {
    CGXGridWnd::OnCellButtonClicked(nRow, nCol);
    if (CWnd* pParent = GetParent()) pParent->PostMessage(WM_GRID_BUTTON_CLICKED, nRow, static_cast<LPARAM>(nCol));
}

UINT CInterruptGridWnd::SetGridCursor(UINT nID, LPCSTR pszStandard) {
    if (nID == 23203) return CGXGridWnd::SetGridCursor(0, nullptr);
    return CGXGridWnd::SetGridCursor(nID, pszStandard);
}
