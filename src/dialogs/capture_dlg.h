#pragma once
// CCaptureDlg: which encoder index input generates the capture interrupt, and on which edge.
#include "platform/framework/dialog.h"

class CCaptureDlg : public CDialog {
public:
    CCaptureDlg(HMODULE hModule, CWnd* pParent);

    bool m_bIndexPresent = false;   // the drive has the first encoder index input
    bool m_bIndex2Present = false;  // and the second
    int m_CaptureType = 0;          // 1 first index, 2 second
    int m_Capture = 0;              // edge: 0 rising, 1 falling

protected:
    // Only loads the controls: every click stores its choice at once.
    void DoDataExchange(CDataExchange* pDX) override;

    void OnCaptureIndex();
    void OnCaptureIndex2();
    void OnRising();
    void OnFalling();

    DECLARE_MESSAGE_MAP()
};
