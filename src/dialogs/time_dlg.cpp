#include "dialogs/time_dlg.h"

#include "dialogs/resource.h"

BEGIN_MESSAGE_MAP(CTimeDlg, CMC_EditMotionDlg)
    ON_CBN_SELENDOK(IDC_PERIOD_UNIT, &CTimeDlg::OnUnitAccepted)
END_MESSAGE_MAP()

CTimeDlg::CTimeDlg(CInternalData& block, CString& strText, CWnd* pParent)
    : CMC_EditMotionDlg(block.GetSetup(), block.GetMotion(), strText, IDD_TIME, pParent),
      m_block(block),
      m_Period(block.Period) {}

void CTimeDlg::DoDataExchange(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate)
        UpdateParameter(pDX, m_Period, IDC_PERIOD_VALUE);
    else
        ShowParameter(m_Period, IDC_PERIOD_VALUE, IDC_PERIOD_UNIT, TRUE, TRUE);
}

void CTimeDlg::OnOK() {
    CMC_EditMotionDlg::OnOK();
    // A refused value leaves the dialog open: the block must then keep its period, so that a
    // Cancel afterwards changes nothing.
    if (IsAccepted()) m_block.Period = m_Period;
}

void CTimeDlg::OnUnitAccepted() { ChangeParameterUnit(m_Period, IDC_PERIOD_VALUE, IDC_PERIOD_UNIT); }
