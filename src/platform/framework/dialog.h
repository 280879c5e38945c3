#pragma once
// CDialog: a dialog window with a framework object, made from a template by id or name (looked
// up along the resource chain) or from a template handle of a loaded resource.
//
// Template sources, in the order DoModal takes them: m_hDialogTemplate (a loaded RT_DIALOG
// resource, as a plug-in sets it from its own module, clearing m_lpszTemplateName), then
// m_lpDialogTemplate (a template in memory), then m_lpszTemplateName (an id as MAKEINTRESOURCE,
// or a name) along the resource chain: the current resource module first, then every module.
//
// OnInitDialog loads the controls with UpdateData(FALSE); OnOK saves them with UpdateData(TRUE)
// and ends the dialog with IDOK only when that succeeds; OnCancel ends it with IDCANCEL.
// Commands and control notifications reach the dialog's message map (ON_COMMAND,
// ON_BN_CLICKED, ON_EN_CHANGE, ON_CBN_SELCHANGE ...).
//
// Map: CDialog; the resource chain's template look-up; AfxMessageBox.
#include "platform/framework/data_exchange.h"
#include "platform/framework/wnd.h"
#include "platform/win/dialogs.h"
#include "platform/win/module_resources.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // ---- modal -----------------------------------------------------------------------------
    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be made (no
    // template, a template that does not parse, a control that cannot be made).
    virtual INT_PTR DoModal();
    // Sets the template for DoModal from memory (the template must live until DoModal returns).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);

    // ---- modeless ----------------------------------------------------------------------------
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    // The window-class form stays callable beside this one.
    using CWnd::Create;
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    void EndDialog(int nResult);

    // ---- overridables --------------------------------------------------------------------------
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    // ---- data and controls ---------------------------------------------------------------------
    // FALSE when the exchange failed (the user was told; the focus is on the control).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    // The id of the checked button from first to last, 0 when none is.
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    // What the platform's dialog object holds; see the map above.
    LPCTSTR m_lpszTemplateName = nullptr;
    HGLOBAL m_hDialogTemplate = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

protected:
    // The template DoModal and Create use, with the module it came from; null when there is none.
    LPCDLGTEMPLATE FindTemplate(HINSTANCE* phInst) const;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTemplateName;  // a copy of a named template's name
    friend INT_PTR AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The dialog procedure of framework dialogs: WM_INITDIALOG goes to OnInitDialog.
INT_PTR AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The module along the resource chain that has the resource; null when none has.
HMODULE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// A message box over the active window, captioned with the application's name ("Error" when it
// has none).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
