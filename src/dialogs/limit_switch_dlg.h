#pragma once
// CLimitSwitchDlg: the edge of one limit switch that generates its interrupt. The caption names
// the switch.
#include "platform/framework/dialog.h"

class CLimitSwitchDlg : public CDialog {
public:
    CLimitSwitchDlg(HMODULE hModule, CWnd* pParent);

    CString m_strTitle;  // the caption
    int m_Edge = 0;      // 0 rising, 1 falling

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
