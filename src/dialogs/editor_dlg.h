#pragma once
// CEditorDlg: the "Interrupt Settings" editor. The drive's interrupts are the rows of a grid with
// check boxes to enable, disable or reset each, two boxes switch the interrupts globally, and the
// "Details" buttons of the interrupts with options open their dialogs. OK writes the block back
// into the item's text.
#include "dialogs/interrupt_grid_wnd.h"
#include "host/mckernel/edit_motion_dlg.h"
#include "interrupts/internal_data.h"

class CEditorDlg : public CMC_EditMotionDlg {
public:
    // Reads the text into the block (what does not read is left as the block's defaults).
    CEditorDlg(const CMC_Setup& setup, CMC_Motion& motion, CString& strText, CWnd* pParent);

    CMC_EditMotionInternalData* GetInternalData() override { return &m_block; }
    // Writes the block's state into the cells.
    void UpdateGrid();

    CInternalData m_block;
    CInterruptGridWnd m_grid;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange*) override {}
    LRESULT OnGridButtonClicked(WPARAM wParam, LPARAM lParam);
    // The "Details" dialog of the tag.
    void OnDetails(const CString& strTag);

    DECLARE_MESSAGE_MAP()

private:
    void BuildGrid();
};
