// CEditorDlg: the grid of interrupts as OnInitDialog builds it, UpdateGrid, and what a click on a
// check box or a "Details" button does to the block.
//
// Map: construction; the grid; UpdateGrid; clicks; the details dialogs.
#include "dialogs/editor_dlg.h"

#include "dialogs/capture_dlg.h"
#include "dialogs/grid_dialog_styles.h"
#include "dialogs/limit_switch_dlg.h"
#include "dialogs/resource.h"
#include "dialogs/sw_prot_dlg.h"
#include "dialogs/time_dlg.h"
#include "grid/controls/check_box.h"
#include "grid/controls/push_button.h"
#include "grid/controls/static_control.h"
#include "platform/win/sys_colors.h"

using grid_dialog::Apply;
using grid_dialog::HasBit;
using grid_dialog::kFirstRow;
using grid_dialog::kMaskBits;
using grid_dialog::Toggle;

BEGIN_MESSAGE_MAP(CEditorDlg, CMC_EditMotionDlg)
    ON_MESSAGE(WM_GRID_BUTTON_CLICKED, &CEditorDlg::OnGridButtonClicked)
END_MESSAGE_MAP()

namespace {

// The tags of the "Details" buttons, which are their cells' values.
constexpr const char* kSwProt = "SW_PROT";
constexpr const char* kCapture = "Capture";
constexpr const char* kLimitPositive = "Limit Switch Positive";
constexpr const char* kLimitNegative = "Limit Switch Negative";
constexpr const char* kTime = "Time";

DWORD MaskOf(int nBits) { return nBits >= 32 ? 0xFFFFFFFF : nBits <= 0 ? 0 : (DWORD{1} << nBits) - 1; }

}  // namespace

// ---- construction ---------------------------------------------------------------------------------

CEditorDlg::CEditorDlg(const CMC_Setup& setup, CMC_Motion& motion, CString& strText, CWnd* pParent)
    : CMC_EditMotionDlg(setup, motion, strText, IDD_EDITOR, pParent), m_block(setup, motion) {
    // A text that does not read still opens the editor, with what was read.
    CString strError;
    m_block.ReadParameters(strText, strError);
}

// ---- the grid -------------------------------------------------------------------------------------

BOOL CEditorDlg::OnInitDialog() {
    // 1. Bits beyond the drive's interrupts and protections are dropped.
    const CMC_Setup& setup = GetSetup();
    const DWORD dwInterrupts = MaskOf(setup.GetInterruptsCount());
    const DWORD dwProtections = MaskOf(setup.GetSwProtectionsCount());
    m_block.Mask &= dwInterrupts;
    m_block.Unmask &= dwInterrupts;
    m_block.Reset &= dwInterrupts;
    m_block.SwProtMask &= dwProtections;
    m_block.SwProtUnmask &= dwProtections;
    // 2. and 3. The dialog, and the grid over its placeholder.
    CMC_EditMotionDlg::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_INTERRUPT_GRID, this);
    m_grid.InitFromPlaceholder();
    BuildGrid();
    // 13.
    UpdateGrid();
    return TRUE;
}

void CEditorDlg::BuildGrid() {
    // 4. and 5. Cell controls and the dialogs' grid settings.
    m_grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&m_grid), false, true);
    m_grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, new CGXCheckBox(&m_grid, true), false, true);
    m_grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, new CGXPushbutton(&m_grid), false, true);
    m_grid.ApplyInterruptGridSettings();
    // 6. and 7. and 8. Size and look.
    const int nInterrupts = GetSetup().GetInterruptsCount();
    m_grid.SetColCount(5);
    m_grid.SetRowCount(static_cast<ROWCOL>(nInterrupts) + 3);
    m_grid.SetFrozenRows(3, 3);
    m_grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, true);
    grid_dialog::ApplyTableLook(m_grid);

    // 9. The header cells.
    const StylePen pen = grid_dialog::BorderPen();
    Apply(m_grid, CGXRange(1, 1, 1, 1), grid_dialog::CheckBox("Globally enable KRX Interrupts").SetHorizontalAlignment(DT_LEFT));
    Apply(m_grid, CGXRange(2, 1, 2, 1), grid_dialog::CheckBox("Globally disable KRX Interrupts").SetHorizontalAlignment(DT_LEFT));
    CGXStyle s;
    Apply(m_grid, CGXRange(3, 1, 3, 1), s.SetValue("KRX Interrupts"));
    s.Free();
    Apply(m_grid, CGXRange(1, 2, 1, 2), s.SetHorizontalAlignment(DT_LEFT).SetBorders(gxBorderRight, pen).SetBorders(gxBorderBottom, pen));
    s.Free();
    Apply(m_grid, CGXRange(1, 3, 1, 3), s.SetHorizontalAlignment(DT_LEFT).SetBorders(gxBorderLeft, pen).SetBorders(gxBorderBottom, pen));
    s.Free();
    Apply(m_grid, CGXRange(2, 2, 2, 3), s.SetValue("Enable/Disable KRX Interrupts").SetMergeCell(1).SetBorders(gxBorderTop, pen));
    s.Free();
    Apply(m_grid, CGXRange(3, 2, 3, 2), s.SetValue("Enable"));
    Apply(m_grid, CGXRange(3, 3, 3, 3), s.SetValue("Disable"));
    s.Free();
    Apply(m_grid, CGXRange(1, 4, 3, 4), s.SetValue("Reset previous KRX interrupt requests").SetMergeCell(2));
    s.Free();
    Apply(m_grid, CGXRange(1, 5, 3, 5), s.SetValue(" ").SetMergeCell(6));

    // 10. Widths in twentieths of the window.
    CRect client;
    m_grid.GetClientRect(&client);
    const int u = (client.Width() - 1) / 20;
    m_grid.SetColWidth(0, 0, 0);
    m_grid.SetRowHeight(0, 0, 0);
    m_grid.SetColWidth(1, 1, 7 * u);
    m_grid.SetColWidth(2, 3, 3 * u);
    m_grid.SetColWidth(4, 4, 4 * u);
    m_grid.SetColWidth(5, 5, 3 * u);

    // 11. A row per interrupt: its caption and three check boxes.
    for (int i = 0; i < nInterrupts; ++i) {
        const ROWCOL r = kFirstRow + static_cast<ROWCOL>(i);
        CString caption;
        caption.Format("Int%d - %s", i, GetSetup().GetInterruptDescription(i).GetString());
        s.Free();
        Apply(m_grid, CGXRange(r, 1, r, 1), s.SetValue(caption));
        Apply(m_grid, CGXRange(r, 2, r, 4), grid_dialog::CheckBox(""));
    }
    // 12. The "Details" buttons of the interrupts with options, tagged by their values.
    const struct {
        int nBit;
        const char* pszTag;
    } buttons[] = {{m_block.GetSwProtInterrupt(), kSwProt},
                   {m_block.GetCaptureInterrupt(), kCapture},
                   {m_block.GetLSPInterrupt(), kLimitPositive},
                   {m_block.GetLSNInterrupt(), kLimitNegative},
                   {m_block.GetTimeInterrupt(), kTime}};
    for (const auto& b : buttons) {
        if (b.nBit < 0 || b.nBit >= nInterrupts) continue;
        s.Free();
        s.SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Details").SetValue(b.pszTag);
        const ROWCOL r = kFirstRow + static_cast<ROWCOL>(b.nBit);
        Apply(m_grid, CGXRange(r, 5, r, 5), s);
    }
}

// ---- UpdateGrid -----------------------------------------------------------------------------------

void CEditorDlg::UpdateGrid() {
    // 1. The global switch.
    grid_dialog::SetCheck(m_grid, 1, 1, m_block.SetupInterrupt == 1);
    grid_dialog::SetCheck(m_grid, 2, 1, m_block.SetupInterrupt == 2);
    // 2. Each interrupt's boxes and button; an interrupt the drive lacks, or whose bit the masks
    // cannot hold, is greyed.
    const ROWCOL nInterrupts = static_cast<ROWCOL>(GetSetup().GetInterruptsCount());
    for (ROWCOL i = 0; i < nInterrupts; ++i) {
        const ROWCOL r = kFirstRow + i;
        const CString tag = m_grid.GetValueRowCol(r, 5);
        bool bAvailable = i < kMaskBits;
        if (tag == kCapture) bAvailable = bAvailable && m_block.IsCapturePresent();
        else if (tag == kLimitPositive) bAvailable = bAvailable && m_block.IsLSPPresent();
        else if (tag == kLimitNegative) bAvailable = bAvailable && m_block.IsLSNPresent();
        else if (tag == kTime) bAvailable = bAvailable && m_block.IsTimePeriodPresent();
        const DWORD* masks[] = {&m_block.Unmask, &m_block.Mask, &m_block.Reset};
        for (ROWCOL c = 2; c <= 4; ++c) {
            CGXStyle s;
            s.SetEnabled(bAvailable).SetValue(bAvailable && HasBit(*masks[c - 2], i) ? "1" : "0");
            Apply(m_grid, CGXRange(r, c, r, c), s);
        }
        if (!tag.IsEmpty()) {
            const bool bEnabled = bAvailable && HasBit(m_block.Unmask, i);
            CGXStyle s;
            s.SetEnabled(bEnabled).SetTextColor(GetSysColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            Apply(m_grid, CGXRange(r, 5, r, 5), s);
        }
    }
}

// ---- clicks ---------------------------------------------------------------------------------------

LRESULT CEditorDlg::OnGridButtonClicked(WPARAM wParam, LPARAM lParam) {
    const ROWCOL nRow = static_cast<ROWCOL>(wParam), nCol = static_cast<ROWCOL>(lParam);
    const CString value = m_grid.GetValueRowCol(nRow, nCol);
    const bool bChecked = value == "1";
    const bool bInterrupt = nRow >= kFirstRow && nRow - kFirstRow < kMaskBits;
    const DWORD dwBit = bInterrupt ? DWORD{1} << (nRow - kFirstRow) : 0;
    switch (nCol) {
    case 1:
        if (nRow == 1) m_block.SetupInterrupt = bChecked ? 1 : 0;
        else if (nRow == 2) m_block.SetupInterrupt = bChecked ? 2 : 0;
        break;
    case 2:
        if (bInterrupt) Toggle(m_block.Unmask, &m_block.Mask, dwBit, bChecked);
        break;
    case 3:
        if (bInterrupt) Toggle(m_block.Mask, &m_block.Unmask, dwBit, bChecked);
        break;
    case 4:
        if (bInterrupt) Toggle(m_block.Reset, nullptr, dwBit, bChecked);
        break;
    case 5:
        // A button in a row the masks cannot hold stays greyed: its press is as ignored as its boxes'.
        if (bInterrupt) OnDetails(value);
        break;
    default: break;
    }
    UpdateGrid();
    return 0;
}

// ---- the details dialogs --------------------------------------------------------------------------

void CEditorDlg::OnDetails(const CString& strTag) {
    const HMODULE hModule = GetMotion().GetCurrentModule();
    const CMC_Setup& setup = GetSetup();
    if (strTag == kSwProt) {
        CSwProtDlg dlg(hModule, this);
        dlg.m_dwAvailable = setup.GetSwProtectionsMask();
        dlg.m_dwMask = m_block.SwProtMask;
        dlg.m_dwUnmask = m_block.SwProtUnmask;
        dlg.m_descriptions.RemoveAll();
        for (int i = 0; i < setup.GetSwProtectionsCount(); ++i) dlg.m_descriptions.Add(setup.GetSwProtectionDescription(i));
        if (dlg.DoModal() == IDOK) {
            m_block.SwProtMask = dlg.m_dwMask;
            m_block.SwProtUnmask = dlg.m_dwUnmask;
        }
    } else if (strTag == kLimitPositive || strTag == kLimitNegative) {
        const bool bPositive = strTag == kLimitPositive;
        CLimitSwitchDlg dlg(hModule, this);
        dlg.m_strTitle = strTag;
        dlg.m_Edge = bPositive ? m_block.LSP : m_block.LSN;
        if (dlg.DoModal() == IDOK) (bPositive ? m_block.LSP : m_block.LSN) = dlg.m_Edge;
    } else if (strTag == kCapture) {
        CCaptureDlg dlg(hModule, this);
        dlg.m_bIndexPresent = m_block.IsIndexPresent();
        dlg.m_bIndex2Present = m_block.IsIndex2Present();
        dlg.m_CaptureType = m_block.CaptureType;
        dlg.m_Capture = m_block.Capture;
        if (dlg.DoModal() == IDOK) {
            m_block.CaptureType = dlg.m_CaptureType;
            m_block.Capture = dlg.m_Capture;
        }
    } else if (strTag == kTime) {
        // The Time dialog writes the period into the block itself.
        CString strText;
        CTimeDlg dlg(m_block, strText, this);
        dlg.DoModal();
    }
}
