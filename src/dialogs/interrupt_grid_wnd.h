#pragma once
// CInterruptGridWnd: the grid of the editor and of the Software Protections dialog. It tells its
// dialog of every check box toggle and button press by a posted message (WM_USER+1, row and
// column), and switches off what these dialogs do not want: scroll bars, the clipboard's data
// source, undo, sizing rows and columns, selecting, pasting and clearing.
#include "grid/core/grid_wnd.h"

// Posted to the dialog after a check box toggled or a button was pressed: wParam row, lParam
// column; the cell already holds its new value.
constexpr UINT WM_GRID_BUTTON_CLICKED = WM_USER + 1;
// Posted to the dialog whenever the current cell is about to be left: wParam row, lParam column.
constexpr UINT WM_GRID_LEAVING_CELL = WM_USER + 2;

class CInterruptGridWnd : public CGXGridWnd {
public:
    CInterruptGridWnd() = default;
    ~CInterruptGridWnd() override = default;

    // The settings both dialogs apply right after registering their cell controls.
    void ApplyInterruptGridSettings();

    bool OnLeavingCell(ROWCOL nRow, ROWCOL nCol) override;
    void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) override;
    bool CanPaste() override { return false; }
    bool CanClear() override { return false; }
    // The edge of a selection shows the window's own cursor.
    UINT SetGridCursor(UINT nID, LPCSTR pszStandard = nullptr) override;
};
