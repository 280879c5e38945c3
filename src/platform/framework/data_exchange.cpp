// Dialog data exchange: the exchange object, its failure path, and the DDX_ functions.
#include "platform/framework/data_exchange.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/framework/dialog.h"
#include "platform/win/controls.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

CString CUserException::GetErrorMessage() const { return "The operation was stopped."; }

void AfxThrowUserException() { throw CUserException(); }

namespace {

CString TextOf(HWND h) {
    CString s;
    const int n = ::GetWindowTextLength(h);
    ::GetWindowText(h, s.GetBuffer(n + 1), n + 1);
    s.ReleaseBuffer();
    return s;
}

// Loads a control's text only when it changes, so that an unchanged edit sends no EN_CHANGE.
void SetTextIfChanged(HWND h, const char* text) {
    if (TextOf(h) != CString(text)) ::SetWindowText(h, text);
}

// The whole text, blanks around it allowed, as a number; false for anything else.
bool ParseInteger(const CString& text, long long& value) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(p, &end, 10);
    if (end == p || errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

bool ParseReal(const CString& text, double& value) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(p, &end);
    if (end == p || errno == ERANGE || !std::isfinite(value)) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

[[noreturn]] void Refuse(CDataExchange* pDX, const char* text) {
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// An integer of the whole text that fits in T.
template <class T>
bool ReadIntegerIn(const CString& text, T& value) {
    long long v = 0;
    if (!ParseInteger(text, v) || v < static_cast<long long>(std::numeric_limits<T>::min()) ||
        v > static_cast<long long>(std::numeric_limits<T>::max()))
        return false;
    value = static_cast<T>(v);
    return true;
}

// A number in an edit box: written with the format; read back with read, and a text that is no
// number of T refused with the message refusal.
template <class T, class Read>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, const char* format, const char* refusal, Read read) {
    const HWND h = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString s;
        s.Format(format, value);
        SetTextIfChanged(h, s);
        return;
    }
    T v{};
    if (!read(TextOf(h), v)) Refuse(pDX, refusal);
    value = v;
}

bool StartsGroup(HWND h) { return (::GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP) != 0; }

bool IsRadio(HWND h) { return (::SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    const HWND h = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!h) AfxThrowNotSupportedException();
    m_hWndLastControl = h;
    m_bEditLastControl = FALSE;
    return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    const HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl && ::IsWindow(m_hWndLastControl) && m_pDlgWnd) {
        // The user corrects the value where it was refused.
        ::SendMessage(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), TRUE);
        if (m_bEditLastControl) ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const HWND first = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND h = first; h && (h == first || !StartsGroup(h)); h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!IsRadio(h)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == 1) value = index;
        } else {
            ::SendMessage(h, BM_SETCHECK, index == value ? 1 : 0, 0);
        }
        ++index;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    const HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessage(h, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    const HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = TextOf(h);
    else SetTextIfChanged(h, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeNumber(pDX, nIDC, value, "%d", kDdxParseInt, ReadIntegerIn<int>);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeNumber(pDX, nIDC, value, "%u", kDdxParseUInt, ReadIntegerIn<UINT>);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, "%.15g", kDdxParseReal, ParseReal);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    const HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(h, CB_GETCURSEL, 0, 0));
    else ::SendMessage(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    const HWND h = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(h)) AfxThrowNotSupportedException();
}
