#pragma once
// CMC_EditMotionDlg: the base of a motion-sequence item's editor dialogs. It edits the item's
// parameter block and, on OK, writes the block back into the item's parameter text, which it
// holds by reference. It also shows and reads the one typed parameter of a drive, the period: an
// edit box holds the value in the selected unit, a drop-down list holds the units.
#include "host/mckernel/internal_data.h"
#include "host/mckernel/motion.h"
#include "host/mckernel/parameter.h"
#include "host/mckernel/setup.h"
#include "platform/framework/dialog.h"

class CMC_EditMotionDlg : public CDialog {
public:
    CMC_EditMotionDlg(const CMC_Setup& setup, CMC_Motion& motion, CString& strParameters, UINT nIDTemplate,
                      CWnd* pParent);

    // The block the dialog edits; every derived dialog gives its own.
    virtual CMC_EditMotionInternalData* GetInternalData() = 0;

    const CMC_Setup& GetSetup() const noexcept { return m_setup; }
    CMC_Motion& GetMotion() const noexcept { return m_motion; }

protected:
    // The Help button (the framework's help command) shows a short help message.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Data exchange; when it succeeds the block's text replaces the item's text and the dialog
    // ends with IDOK. When it fails the user has been told and the dialog stays open.
    void OnOK() override;
    // Whether OnOK ended the dialog (derived dialogs finish their own OK after it only then).
    bool IsAccepted() const noexcept { return m_bAccepted; }

    // Shows the parameter's value in the edit box; with bFillUnits the unit list is filled anew,
    // with bSelectUnit the parameter's unit is selected in it.
    void ShowParameter(const CMC_Parameter& parameter, int nEditID, int nUnitComboID, BOOL bFillUnits,
                       BOOL bSelectUnit);
    // Saving: reads the edit box into the parameter (a value without a unit is in the selected
    // unit); a text that does not read is refused with a message box, and the exchange fails
    // with the focus back in the edit box. Loading: shows the value.
    void UpdateParameter(CDataExchange* pDX, CMC_Parameter& parameter, int nEditID);
    // The user picked another unit: the value typed so far is taken in the old unit and shown in
    // the new one. A value that does not read is refused and the old unit is selected again.
    void ChangeParameterUnit(CMC_Parameter& parameter, int nEditID, int nUnitComboID);

    const CMC_Setup& m_setup;
    CMC_Motion& m_motion;
    CString& m_strParameters;

private:
    bool m_bAccepted = false;
};
