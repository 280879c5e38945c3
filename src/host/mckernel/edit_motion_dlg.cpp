#include "host/mckernel/edit_motion_dlg.h"

#include "platform/win/controls.h"

namespace {
constexpr UINT kHelpCommand = 57671;
constexpr const char* kHelpText =
    "Set the options of this motion-sequence item, then press OK to keep them or Cancel to leave the item as it was.";

CString ItemText(const CWnd& dialog, int nID) {
    CString text;
    dialog.GetDlgItemText(nID, text);
    return text;
}
}  // namespace

CMC_EditMotionDlg::CMC_EditMotionDlg(const CMC_Setup& setup, CMC_Motion& motion, CString& strParameters,
                                     UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_setup(setup), m_motion(motion), m_strParameters(strParameters) {}

BOOL CMC_EditMotionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kHelpCommand && HIWORD(wParam) == BN_CLICKED) {
        AfxMessageBox(kHelpText, MB_OK | MB_ICONINFORMATION);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMC_EditMotionDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    CString text;
    if (CMC_EditMotionInternalData* pBlock = GetInternalData()) pBlock->WriteParameters(text);
    m_strParameters = text;
    m_bAccepted = true;
    EndDialog(IDOK);
}

void CMC_EditMotionDlg::ShowParameter(const CMC_Parameter& parameter, int nEditID, int nUnitComboID, BOOL bFillUnits,
                                      BOOL bSelectUnit) {
    SetDlgItemText(nEditID, parameter.PrintValue());
    if (bFillUnits) {
        SendDlgItemMessage(nUnitComboID, CB_RESETCONTENT, 0, 0);
        for (int unit = 0; unit < parameter.GetUnitsCount(); ++unit)
            SendDlgItemMessage(nUnitComboID, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(static_cast<LPCSTR>(parameter.GetUnitName(unit))));
    }
    if (bSelectUnit) SendDlgItemMessage(nUnitComboID, CB_SETCURSEL, static_cast<WPARAM>(parameter.GetSelectedUnitIndex()), 0);
}

void CMC_EditMotionDlg::UpdateParameter(CDataExchange* pDX, CMC_Parameter& parameter, int nEditID) {
    if (!pDX->m_bSaveAndValidate) {
        SetDlgItemText(nEditID, parameter.PrintValue());
        return;
    }
    pDX->PrepareEditCtrl(nEditID);
    CString error;
    if (!parameter.SetValueText(static_cast<LPCSTR>(ItemText(*this, nEditID)), error)) {
        AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void CMC_EditMotionDlg::ChangeParameterUnit(CMC_Parameter& parameter, int nEditID, int nUnitComboID) {
    const int nUnit = static_cast<int>(SendDlgItemMessage(nUnitComboID, CB_GETCURSEL, 0, 0));
    if (nUnit < 0 || nUnit == parameter.GetSelectedUnitIndex()) return;
    CMC_Parameter typed(parameter);
    CString error;
    if (!typed.SetValueText(static_cast<LPCSTR>(ItemText(*this, nEditID)), error)) {
        SendDlgItemMessage(nUnitComboID, CB_SETCURSEL, static_cast<WPARAM>(parameter.GetSelectedUnitIndex()), 0);
        AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
        if (CWnd* pEdit = GetDlgItem(nEditID)) GotoDlgCtrl(pEdit);
        return;
    }
    typed.SelectUnit(nUnit);
    parameter = typed;
    ShowParameter(parameter, nEditID, nUnitComboID, FALSE, TRUE);
}
