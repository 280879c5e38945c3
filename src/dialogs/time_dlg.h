#pragma once
// CTimeDlg: the period of the time interrupt, edited in a unit of the user's choice.
#include "host/mckernel/edit_motion_dlg.h"
#include "interrupts/internal_data.h"

class CTimeDlg : public CMC_EditMotionDlg {
public:
    // The block is the editor's; the dialog assigns its period to it on OK.
    CTimeDlg(CInternalData& block, CString& strText, CWnd* pParent);

    CMC_EditMotionInternalData* GetInternalData() override { return &m_block; }

    CInternalData& m_block;
    CMC_Parameter m_Period;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnUnitAccepted();

    DECLARE_MESSAGE_MAP()
};
