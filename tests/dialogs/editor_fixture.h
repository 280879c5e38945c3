#pragma once
// The editor and the Software Protections dialog as a person meets them: the editor run modally
// on an item's text with the host's grid resources, cells clicked where a person clicks them, and
// what the grid of the active dialog shows read back row by row.
#include <stdexcept>
#include <string>

#include "details_fixture.h"
#include "dialogs/editor_dlg.h"
#include "dialogs/resource.h"
#include "interrupts/drives.h"
#include "support/grid_host.h"

class EditorTest : public DetailsDialogTest {
public:
    CMC_Motion m_motion{m_module};

    // Runs the editor on the text (a ModalScript made before drives it); the text then holds
    // what OK wrote.
    INT_PTR Edit(const CMC_Setup& setup, CString& text) {
        CEditorDlg dlg(setup, m_motion, text, nullptr);
        return dlg.DoModal();
    }
    static CGXGridCore& Grid(HWND hDlg) {
        auto* grid = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(hDlg, IDC_INTERRUPT_GRID)));
        if (grid == nullptr) throw std::runtime_error("the active dialog has no grid");
        return *grid;
    }
    // A click at the centre of the cell, where its button or unlabelled box is.
    static void Click(HWND hDlg, ROWCOL nRow, ROWCOL nCol) {
        CGXGridCore& grid = Grid(hDlg);
        synthetic::Click(grid.GridWnd()->GetSafeHwnd(), grid.CalcCellRect(nRow, nCol).CenterPoint());
    }
    // A click on the box of a labelled check box, which sits at the cell's left edge.
    static void ClickLabelledBox(HWND hDlg, ROWCOL nRow, ROWCOL nCol) {
        CGXGridCore& grid = Grid(hDlg);
        const CRect cell = grid.CalcCellRect(nRow, nCol);
        synthetic::Click(grid.GridWnd()->GetSafeHwnd(), CPoint(cell.left + 10, cell.CenterPoint().y));
    }
    // The values of the row's cells in columns nFrom to nTo, blank-separated, each after "-" when
    // the cell is greyed.
    static std::string Row(HWND hDlg, ROWCOL nRow, ROWCOL nFrom = 2, ROWCOL nTo = 5) {
        CGXGridCore& grid = Grid(hDlg);
        std::string row;
        for (ROWCOL c = nFrom; c <= nTo; ++c) {
            CGXStyle style;
            grid.ComposeStyleRowCol(nRow, c, &style);
            if (!row.empty()) row += ' ';
            if (style.GetIncludeEnabled() && !style.GetEnabled()) row += '-';
            row += style.GetValue().GetString();
        }
        return row;
    }
};

// The keys a new item's text ends with on the default drive, after the masks.
constexpr const char* kDefaultTail = "LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;";
