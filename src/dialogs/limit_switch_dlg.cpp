#include "dialogs/limit_switch_dlg.h"

#include "dialogs/module_template.h"
#include "dialogs/resource.h"

CLimitSwitchDlg::CLimitSwitchDlg(HMODULE hModule, CWnd* pParent) : CDialog(IDD_LIMIT_SWITCH, pParent) {
    UseModuleTemplate(*this, hModule, IDD_LIMIT_SWITCH);
}

BOOL CLimitSwitchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    return TRUE;
}

void CLimitSwitchDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, IDC_LIMIT_RISING, m_Edge); }
