// The framework's control classes over the standard controls' messages.
#include "platform/framework/controls.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessage(h, msg, w, l); }
LPARAM Text(LPCTSTR s) { return reinterpret_cast<LPARAM>(s); }

}  // namespace

// ---- CButton ---------------------------------------------------------------------------------------

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const { return static_cast<int>(Send(m_hWnd, BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { Send(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(Send(m_hWnd, BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { Send(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(GetStyle() & 0xFF); }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    Send(m_hWnd, BM_SETSTYLE, nStyle, MAKELPARAM(static_cast<WORD>(bRedraw ? 1 : 0), 0));
}
void CButton::Click() { Send(m_hWnd, BM_CLICK); }

// ---- CStatic ---------------------------------------------------------------------------------------

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

// ---- CEdit -----------------------------------------------------------------------------------------

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0, end = 0;
    Send(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(Send(m_hWnd, EM_GETSEL)); }
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    Send(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(static_cast<SHORT>(LOWORD(dwSelection)), static_cast<SHORT>(HIWORD(dwSelection)), bNoScroll);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    Send(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), Text(lpszNewText));
}
void CEdit::LimitText(int nChars) { Send(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(Send(m_hWnd, EM_GETLIMITTEXT)); }
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const {
    return static_cast<int>(Send(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), Text(lpszBuffer)));
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (!lpszBuffer || nMaxLength < static_cast<int>(sizeof(WORD))) return 0;
    const WORD size = static_cast<WORD>(std::min(nMaxLength, 0xFFFF));
    std::memcpy(lpszBuffer, &size, sizeof size);
    return GetLine(nIndex, lpszBuffer);
}
BOOL CEdit::GetModify() const { return static_cast<BOOL>(Send(m_hWnd, EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { Send(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(bModified)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(Send(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly))); }
void CEdit::Clear() { Send(m_hWnd, WM_CLEAR); }
void CEdit::Copy() { Send(m_hWnd, WM_COPY); }
void CEdit::Cut() { Send(m_hWnd, WM_CUT); }
void CEdit::Paste() { Send(m_hWnd, WM_PASTE); }

// ---- CComboBox -------------------------------------------------------------------------------------

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const { return static_cast<int>(Send(m_hWnd, CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(Send(m_hWnd, CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CComboBox::AddString(LPCTSTR lpszString) { return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, Text(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    return static_cast<int>(Send(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), Text(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(Send(m_hWnd, CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), Text(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    const int n = GetLBTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(n));
    rString.ReleaseBuffer(n);
}
int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return static_cast<int>(Send(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return static_cast<int>(Send(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), Text(lpszFind)));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    return static_cast<int>(Send(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(Send(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(Send(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(Send(m_hWnd, CB_GETDROPPEDSTATE)); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
    Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}
