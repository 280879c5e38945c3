#pragma once
// Dialog data exchange: moving values between a dialog's members and its controls, both ways.
// DoDataExchange calls the DDX_ functions; with m_bSaveAndValidate they read the controls into
// the members, else they load the controls from the members. A value that cannot be read tells
// the user in a message box and fails the exchange (Fail): the focus goes back to the control,
// and CUserException ends the exchange, which UpdateData answers with FALSE.
#include "platform/framework/cstring.h"
#include "platform/framework/exceptions.h"
#include "platform/framework/wnd.h"

// The exception of an operation the user stopped, or of input the user was already told about.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CString GetErrorMessage() const override;
};
[[noreturn]] void AfxThrowUserException();

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control the last exchange was for, and whether it is an edit (its text is selected
    // again after a failure).
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control's handle; a missing control is a fault of the dialog's code and throws
    // CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last control (selecting an edit's text) and throws CUserException.
    [[noreturn]] void Fail();
};

// The texts the user sees when an edit's text is not a value of the member's kind.
constexpr const char* kDdxParseInt = "Please enter an integer.";
constexpr const char* kDdxParseUInt = "Please enter a positive integer.";
constexpr const char* kDdxParseReal = "Please enter a number.";

// The index of the checked button of the radio group that starts with nIDC (-1: none checked).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// The selected index of a combo box (-1: none).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Subclasses the control with the object the first time (so that it reaches the object's map).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
