// CSwProtDlg: the grid of protections and what a click on one of its check boxes does.
#include "dialogs/sw_prot_dlg.h"

#include "dialogs/grid_dialog_styles.h"
#include "dialogs/module_template.h"
#include "dialogs/resource.h"
#include "grid/controls/check_box.h"
#include "grid/controls/static_control.h"

using grid_dialog::Apply;
using grid_dialog::HasBit;
using grid_dialog::kFirstRow;
using grid_dialog::kMaskBits;

BEGIN_MESSAGE_MAP(CSwProtDlg, CDialog)
    ON_MESSAGE(WM_GRID_BUTTON_CLICKED, &CSwProtDlg::OnGridButtonClicked)
END_MESSAGE_MAP()

CSwProtDlg::CSwProtDlg(HMODULE hModule, CWnd* pParent) : CDialog(IDD_SW_PROTECTIONS, pParent) {
    UseModuleTemplate(*this, hModule, IDD_SW_PROTECTIONS);
}

BOOL CSwProtDlg::OnInitDialog() {
    // 1. and 2. The dialog, and the grid over its placeholder.
    CDialog::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_INTERRUPT_GRID, this);
    m_grid.InitFromPlaceholder();
    // 3. and 4. Its cell controls and settings.
    m_grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&m_grid), false, true);
    m_grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, new CGXCheckBox(&m_grid, true), false, true);
    m_grid.ApplyInterruptGridSettings();
    // 5. and 6. Size and look.
    const ROWCOL nProtections = static_cast<ROWCOL>(m_descriptions.GetSize());
    m_grid.SetColCount(5);
    m_grid.SetRowCount(nProtections + 3);
    m_grid.SetFrozenRows(3, 3);
    m_grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, true);
    grid_dialog::ApplyTableLook(m_grid);

    // 7. The header cells.
    CGXStyle s;
    Apply(m_grid, CGXRange(1, 1, 3, 1), s.SetValue("Software Protection").SetMergeCell(2));
    s.Free();
    Apply(m_grid, CGXRange(1, 2, 1, 3),
          s.SetHorizontalAlignment(DT_LEFT).SetBorders(gxBorderLeft, grid_dialog::BorderPen())
              .SetBorders(gxBorderBottom, grid_dialog::BorderPen()));
    s.Free();
    Apply(m_grid, CGXRange(2, 2, 2, 3),
          s.SetValue("Enable/Disable SW Protections").SetMergeCell(1).SetBorders(gxBorderTop, grid_dialog::BorderPen()));
    s.Free();
    Apply(m_grid, CGXRange(3, 2, 3, 2), s.SetValue("Enable"));
    Apply(m_grid, CGXRange(3, 3, 3, 3), s.SetValue("Disable"));

    // 8. Widths that fill the window.
    CRect client;
    m_grid.GetClientRect(&client);
    const int u = (client.Width() - 1) / 13;
    m_grid.SetColWidth(0, 0, 0);
    m_grid.SetRowHeight(0, 0, 0);
    m_grid.SetColWidth(1, 1, 7 * u);
    m_grid.SetColWidth(2, 3, 3 * u);

    // 9. A row per protection: its caption and two check boxes, greyed when it does not exist
    // (and, beyond the 32 the masks hold, always).
    for (ROWCOL i = 0; i < nProtections; ++i) {
        const ROWCOL r = kFirstRow + i;
        const bool bAvailable = HasBit(m_dwAvailable, i);
        CString caption;
        caption.Format("Bit%lu - %s", static_cast<unsigned long>(i),
                       bAvailable ? m_descriptions.GetAt(static_cast<int>(i)).GetString() : "Reserved");
        s.Free();
        Apply(m_grid, CGXRange(r, 1, r, 1), s.SetValue(caption));
        Apply(m_grid, CGXRange(r, 2, r, 3), grid_dialog::CheckBox("").SetEnabled(bAvailable));
    }
    // 10.
    UpdateGrid();
    return TRUE;
}

void CSwProtDlg::UpdateGrid() {
    const ROWCOL nProtections = static_cast<ROWCOL>(m_descriptions.GetSize());
    for (ROWCOL i = 0; i < nProtections; ++i) {
        grid_dialog::SetCheck(m_grid, kFirstRow + i, 2, HasBit(m_dwUnmask, i));
        grid_dialog::SetCheck(m_grid, kFirstRow + i, 3, HasBit(m_dwMask, i));
    }
}

LRESULT CSwProtDlg::OnGridButtonClicked(WPARAM wParam, LPARAM lParam) {
    const ROWCOL nRow = static_cast<ROWCOL>(wParam), nCol = static_cast<ROWCOL>(lParam);
    // Enable and disable of one protection exclude each other; both may be clear.
    if (nRow >= kFirstRow && nRow - kFirstRow < kMaskBits && (nCol == 2 || nCol == 3)) {
        const DWORD dwBit = DWORD{1} << (nRow - kFirstRow);
        if (nCol == 2) grid_dialog::Toggle(m_dwUnmask, &m_dwMask, dwBit, grid_dialog::IsChecked(m_grid, nRow, nCol));
        else grid_dialog::Toggle(m_dwMask, &m_dwUnmask, dwBit, grid_dialog::IsChecked(m_grid, nRow, nCol));
    }
    UpdateGrid();
    return 0;
}
