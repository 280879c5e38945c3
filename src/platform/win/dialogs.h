#pragma once
// Dialogs: the binary template a dialog is made from, creation of modal and modeless dialogs,
// the dialog class's default procedure, the dialog manager's keyboard interface, the helpers
// for dialog items, dialog units and message boxes.
//
// Map: template records and styles; DM_*, DWL_*, DC_HASDEFID; creation and ending; the default
// procedure; the dialog manager; item helpers; dialog units; message boxes.
//
// A template is the platform's in-memory form: a DLGTEMPLATE header followed by the menu, class
// and caption (each a WORD string or 0xFFFF and an ordinal), with DS_SETFONT the point size and
// the face, then the items, each DWORD aligned: a DLGITEMTEMPLATE, its class, its text and a
// count of creation bytes. Texts are 16-bit code units; only 8-bit characters are used here.
// platform/win/dialog_template.h builds them from tables.
#include "platform/win/gdi.h"
#include "platform/win/window.h"

// ---- template records and styles ---------------------------------------------------------------

#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
};
struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(DLGTEMPLATE) == 18 && sizeof(DLGITEMTEMPLATE) == 18);
using LPCDLGTEMPLATE = const DLGTEMPLATE*;
using LPCDLGTEMPLATEA = LPCDLGTEMPLATE;

// Ordinals of the predefined control classes in an item's class field (after 0xFFFF).
enum : WORD {
    DLGCLASS_BUTTON = 0x0080, DLGCLASS_EDIT = 0x0081, DLGCLASS_STATIC = 0x0082,
    DLGCLASS_LISTBOX = 0x0083, DLGCLASS_SCROLLBAR = 0x0084, DLGCLASS_COMBOBOX = 0x0085,
};

enum : DWORD {
    DS_ABSALIGN = 0x0001, DS_SYSMODAL = 0x0002, DS_LOCALEDIT = 0x0020, DS_SETFONT = 0x0040,
    DS_MODALFRAME = 0x0080, DS_NOIDLEMSG = 0x0100, DS_SETFOREGROUND = 0x0200, DS_3DLOOK = 0x0004,
    DS_FIXEDSYS = 0x0008, DS_NOFAILCREATE = 0x0010, DS_CONTROL = 0x0400, DS_CENTER = 0x0800,
    DS_CENTERMOUSE = 0x1000, DS_CONTEXTHELP = 0x2000, DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS,
};

// The name of the dialog window class.
#define WC_DIALOG MAKEINTRESOURCEA(0x8002)
constexpr const char* kDialogClassName = "#32770";

// ---- dialog messages and window longs --------------------------------------------------------

enum : UINT { DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1, DM_REPOSITION = WM_USER + 2 };
// The high word of DM_GETDEFID's answer when there is a default push button.
constexpr WORD DC_HASDEFID = 0x534B;

// Offsets into a dialog window's extra bytes.
enum : int {
    DWLP_MSGRESULT = 0,
    DWLP_DLGPROC = static_cast<int>(sizeof(LRESULT)),
    DWLP_USER = static_cast<int>(2 * sizeof(LRESULT)),
    DWL_MSGRESULT = DWLP_MSGRESULT, DWL_DLGPROC = DWLP_DLGPROC, DWL_USER = DWLP_USER,
};
constexpr int DLGWINDOWEXTRA = static_cast<int>(3 * sizeof(LRESULT));

// A dialog procedure answers TRUE for a message it handled (with the result in DWLP_MSGRESULT),
// FALSE for the default handling. WM_INITDIALOG's answer is whether to set the focus.
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// ---- creation and ending ---------------------------------------------------------------------
// The dialog is a popup owned by hWndParent's top-level window (a child with WS_CHILD), its
// client area the template's size in dialog units of its font; the items are made in template
// order with their ids and styles, each gets WM_SETFONT, then the dialog gets WM_INITDIALOG with
// lParam. A window creation hook set before the call (SetWindowCreateHook) attaches to the
// dialog window itself, never to an item; it is used up by the call, also when it fails.
// A template that does not parse, or an item that cannot be made (an unregistered class among
// them), fails the creation: null, and no window is left behind.
HWND CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, DLGPROC lpDialogFunc,
                                LPARAM dwInitParam);
// The template named lpTemplateName (RT_DIALOG) of the module hInstance.
HWND CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam);
// Modal: shows the dialog, disables the owner and runs the modal loop (with the dialog manager)
// until EndDialog; destroys the dialog and answers EndDialog's result, -1 when the dialog could
// not be made or the loop failed.
INT_PTR DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, DLGPROC lpDialogFunc,
                                LPARAM dwInitParam);
INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam);
inline HWND CreateDialogIndirectParam(HINSTANCE h, LPCDLGTEMPLATE t, HWND p, DLGPROC f, LPARAM l) {
    return CreateDialogIndirectParamA(h, t, p, f, l);
}
inline HWND CreateDialogParam(HINSTANCE h, LPCSTR n, HWND p, DLGPROC f, LPARAM l) { return CreateDialogParamA(h, n, p, f, l); }
inline INT_PTR DialogBoxIndirectParam(HINSTANCE h, LPCDLGTEMPLATE t, HWND p, DLGPROC f, LPARAM l) {
    return DialogBoxIndirectParamA(h, t, p, f, l);
}
inline INT_PTR DialogBoxParam(HINSTANCE h, LPCSTR n, HWND p, DLGPROC f, LPARAM l) { return DialogBoxParamA(h, n, p, f, l); }
// Ends a modal dialog's loop with nResult (also when called before the loop starts, from
// WM_INITDIALOG); the dialog is destroyed when the loop returns. For a modeless dialog it only
// records the result. FALSE for a window that is no dialog.
BOOL EndDialog(HWND hDlg, INT_PTR nResult);

// ---- the dialog class's default procedure ------------------------------------------------------
// Calls the dialog procedure first; what it leaves goes to the default handling: DM_GETDEFID and
// DM_SETDEFID, WM_NEXTDLGCTL, WM_GETFONT, WM_CLOSE as IDCANCEL, the focus kept across
// activation, the button-face background.
LRESULT DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
inline LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) { return DefDlgProcA(hDlg, Msg, wParam, lParam); }

// ---- the dialog manager -------------------------------------------------------------------------
// Handles the dialog's keyboard interface for a message meant for the dialog or one of its items
// (Tab, Shift+Tab, arrows in a group, Enter, Escape, mnemonics), respecting WM_GETDLGCODE, and
// dispatches the message otherwise. TRUE when the message was for the dialog (it is then taken
// care of); FALSE for anything else, which the caller dispatches itself.
BOOL IsDialogMessageA(HWND hDlg, LPMSG lpMsg);
inline BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg) { return IsDialogMessageA(hDlg, lpMsg); }
// The next (previous) visible, enabled item with WS_TABSTOP after hCtl, around the end; the
// first (last) with a null hCtl; hCtl itself when there is no other.
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
// The next (previous) visible, enabled item of hCtl's group (from an item with WS_GROUP to the
// next one), around the group's end.
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);

// ---- item helpers (GetDlgItem and GetDlgCtrlID are in window.h) ---------------------------------
LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
inline LRESULT SendDlgItemMessage(HWND hDlg, int nID, UINT Msg, WPARAM w, LPARAM l) {
    return SendDlgItemMessageA(hDlg, nID, Msg, w, l);
}
BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);
inline BOOL SetDlgItemText(HWND hDlg, int nID, LPCSTR s) { return SetDlgItemTextA(hDlg, nID, s); }
inline UINT GetDlgItemText(HWND hDlg, int nID, LPSTR s, int n) { return GetDlgItemTextA(hDlg, nID, s, n); }
BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
// *lpTranslated (may be null) tells whether the whole text was a number in range.
UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
// Checks nIDCheckButton and clears the other buttons from nIDFirstButton to nIDLastButton.
BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);

// ---- dialog units --------------------------------------------------------------------------------
// Horizontal units are a quarter of the font's average character width (measured over the
// letters), vertical units an eighth of its height.
// Converts a rectangle from the dialog's units to pixels.
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
// The base units of the default dialog font (8-point "MS Sans Serif"): width low, height high.
LONG GetDialogBaseUnits();
// The base units of a font (average character width, height).
SIZE GetFontDialogBaseUnits(HFONT hFont);

// ---- message boxes ---------------------------------------------------------------------------------
enum : UINT {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00,
    MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000, MB_SETFOREGROUND = 0x10000,
    MB_TOPMOST = 0x40000,
};
// A modal dialog with the text, the caption ("Error" when null) and the buttons of the type;
// the id of the button pressed (IDOK, IDCANCEL, IDYES, ...). Escape answers IDCANCEL when there
// is a Cancel button, IDOK for a box with OK alone, and nothing otherwise. 0 on failure.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
inline int MessageBox(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    return MessageBoxA(hWnd, lpText, lpCaption, uType);
}
// The ids of a message box's buttons in a row for its type (at most three); their count.
int GetMessageBoxButtons(UINT uType, int ids[3]);
