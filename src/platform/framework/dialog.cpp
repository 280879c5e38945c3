// CDialog: templates from the resource chain or a handle, the modal and modeless dialogs, the
// framework's dialog procedure, and the dialog's helpers.
#include "platform/framework/dialog.h"

#include "platform/framework/resources.h"
#include "platform/framework/win_app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}

HMODULE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    return FindResourceModule(lpszName, lpszType, AfxGetResourceHandle());
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    const CWinApp* app = AfxGetApp();
    const char* caption = app && app->m_pszAppName ? app->m_pszAppName : "Error";
    return MessageBoxA(GetActiveWindow(), lpszText, caption, nType);
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : m_pParentWnd(pParentWnd) {
    if (lpszTemplateName && !IS_INTRESOURCE(lpszTemplateName)) {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    } else {
        m_lpszTemplateName = lpszTemplateName;
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    }
}

CDialog::~CDialog() = default;

LPCDLGTEMPLATE CDialog::FindTemplate(HINSTANCE* phInst) const {
    *phInst = AfxGetResourceHandle();
    if (m_hDialogTemplate) return static_cast<LPCDLGTEMPLATE>(LockResource(m_hDialogTemplate));
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    if (!m_lpszTemplateName) return nullptr;
    const HMODULE h = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    if (!h) return nullptr;
    *phInst = h;
    return static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(h, FindResourceA(h, m_lpszTemplateName, RT_DIALOG))));
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return hDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInst = nullptr;
    const LPCDLGTEMPLATE t = FindTemplate(&hInst);
    if (!t || m_hWnd) return -1;
    HWND hParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : ::GetActiveWindow();
    // The object attaches to the dialog window before its first message, so that WM_INITDIALOG
    // and everything after reach OnInitDialog and the message map.
    SetWindowCreateHook([this](HWND h) { SubclassWindow(h); });
    const INT_PTR r = DialogBoxIndirectParamA(hInst, t, hParent, AfxDlgProc, reinterpret_cast<LPARAM>(this));
    if (m_hWnd) {  // a window that outlived its run (never the case unless a handler kept it)
        const HWND h = m_hWnd;
        UnsubclassWindow();
        ::DestroyWindow(h);
    }
    return r;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    if (m_hWnd || !lpDialogTemplate) return FALSE;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    SetWindowCreateHook([this](HWND h) { SubclassWindow(h); });
    const HWND h = CreateDialogIndirectParamA(AfxGetResourceHandle(), lpDialogTemplate,
                                              m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr, AfxDlgProc,
                                              reinterpret_cast<LPARAM>(this));
    return h != nullptr && m_hWnd == h;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    const HMODULE h = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    if (!h) return FALSE;
    return CreateIndirect(static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(h, FindResourceA(h, lpszTemplateName, RT_DIALOG)))),
                          pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;  // the user was told; the dialog stays open
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    } catch (const CException& e) {
        // A fault of the dialog's own exchange (a control it names is missing): said, not thrown
        // through the modal loop.
        AfxMessageBox(e.GetErrorMessage(), MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(c);
        if (id >= nIDFirstButton && id <= nIDLastButton && ::IsDlgButtonChecked(m_hWnd, id) == 1) return id;
    }
    return 0;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }

UINT CDialog::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl && pWndCtrl->m_hWnd) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::SetDefID(UINT nID) { ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0); }

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0)); }

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
