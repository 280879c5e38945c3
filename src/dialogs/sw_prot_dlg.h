#pragma once
// CSwProtDlg: which of the drive's software protections the item enables and which it disables,
// as two check boxes per protection in a grid.
#include "dialogs/interrupt_grid_wnd.h"
#include "platform/framework/dialog.h"
#include "platform/framework/string_array.h"

class CSwProtDlg : public CDialog {
public:
    CSwProtDlg(HMODULE hModule, CWnd* pParent);

    CStringArray m_descriptions;  // one per protection, by number
    DWORD m_dwAvailable = 0;      // bit i: protection i exists
    DWORD m_dwMask = 0;           // protections to disable
    DWORD m_dwUnmask = 0;         // protections to enable
    CInterruptGridWnd m_grid;

    // Writes the masks into the check boxes.
    void UpdateGrid();

protected:
    BOOL OnInitDialog() override;
    LRESULT OnGridButtonClicked(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
