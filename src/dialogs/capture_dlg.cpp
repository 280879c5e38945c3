#include "dialogs/capture_dlg.h"

#include "dialogs/module_template.h"
#include "dialogs/resource.h"
#include "platform/win/controls.h"

BEGIN_MESSAGE_MAP(CCaptureDlg, CDialog)
    ON_BN_CLICKED(IDC_CAPTURE_INDEX, &CCaptureDlg::OnCaptureIndex)
    ON_BN_CLICKED(IDC_CAPTURE_INDEX2, &CCaptureDlg::OnCaptureIndex2)
    ON_BN_CLICKED(IDC_INDEX_RISING, &CCaptureDlg::OnRising)
    ON_BN_CLICKED(IDC_INDEX2_RISING, &CCaptureDlg::OnRising)
    ON_BN_CLICKED(IDC_INDEX_FALLING, &CCaptureDlg::OnFalling)
    ON_BN_CLICKED(IDC_INDEX2_FALLING, &CCaptureDlg::OnFalling)
END_MESSAGE_MAP()

CCaptureDlg::CCaptureDlg(HMODULE hModule, CWnd* pParent) : CDialog(IDD_CAPTURE, pParent) {
    UseModuleTemplate(*this, hModule, IDD_CAPTURE);
}

namespace {
void EnableItem(CWnd& dialog, int nID, bool bEnable) {
    if (CWnd* pItem = dialog.GetDlgItem(nID)) pItem->EnableWindow(bEnable ? TRUE : FALSE);
}
}  // namespace

void CCaptureDlg::DoDataExchange(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate) return;
    // 1. The inputs the drive has.
    EnableItem(*this, IDC_CAPTURE_INDEX, m_bIndexPresent);
    EnableItem(*this, IDC_CAPTURE_INDEX2, m_bIndex2Present);
    EnableItem(*this, IDC_INDEX2_TEXT, m_bIndex2Present);
    // 2. The chosen input.
    CheckDlgButton(IDC_CAPTURE_INDEX, m_CaptureType == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_CAPTURE_INDEX2, m_CaptureType == 2 ? BST_CHECKED : BST_UNCHECKED);
    // 3. and 4. Only the chosen input's edges can be chosen, and only they show the edge.
    const bool bFirst = m_CaptureType == 1;
    const bool bSecond = m_CaptureType == 2;
    EnableItem(*this, IDC_INDEX_RISING, bFirst);
    EnableItem(*this, IDC_INDEX_FALLING, bFirst);
    CheckDlgButton(IDC_INDEX_RISING, bFirst && m_Capture == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INDEX_FALLING, bFirst && m_Capture == 1 ? BST_CHECKED : BST_UNCHECKED);
    EnableItem(*this, IDC_INDEX2_RISING, bSecond);
    EnableItem(*this, IDC_INDEX2_FALLING, bSecond);
    CheckDlgButton(IDC_INDEX2_RISING, bSecond && m_Capture == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INDEX2_FALLING, bSecond && m_Capture == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void CCaptureDlg::OnCaptureIndex() {
    m_CaptureType = 1;
    UpdateData(FALSE);
}

void CCaptureDlg::OnCaptureIndex2() {
    m_CaptureType = 2;
    UpdateData(FALSE);
}

// The edge is kept when the input changes: it is not reloaded here.
void CCaptureDlg::OnRising() { m_Capture = 0; }
void CCaptureDlg::OnFalling() { m_Capture = 1; }
