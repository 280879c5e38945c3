#pragma once
// The standard controls: the window classes "BUTTON", "STATIC", "EDIT", "COMBOBOX" and the
// drop-down list of a combo box ("ComboLBox"), with their styles, messages, states and answers.
// The classes need no registration by the caller: the first look-up of one of their names (by
// CreateWindowEx or GetClassInfo) registers it, also after ResetWindowSystem.
//
// Map: button styles, messages and states; static styles; edit styles and messages; combo box
// styles, messages and answers; list box messages; the caret.
#include "platform/win/winuser.h"

// ---- buttons -----------------------------------------------------------------------------------

constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2, BS_AUTOCHECKBOX = 0x3,
                BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_AUTO3STATE = 0x6, BS_GROUPBOX = 0x7,
                BS_USERBUTTON = 0x8, BS_AUTORADIOBUTTON = 0x9, BS_PUSHBOX = 0xA, BS_OWNERDRAW = 0xB,
                BS_TYPEMASK = 0xF, BS_LEFTTEXT = 0x20, BS_TEXT = 0x0, BS_LEFT = 0x100, BS_RIGHT = 0x200,
                BS_CENTER = 0x300, BS_TOP = 0x400, BS_BOTTOM = 0x800, BS_VCENTER = 0xC00,
                BS_PUSHLIKE = 0x1000, BS_MULTILINE = 0x2000, BS_NOTIFY = 0x4000, BS_FLAT = 0x8000;

enum : UINT {
    BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2, BM_SETSTATE = 0x00F3,
    BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5,
};

enum : UINT {
    BST_UNCHECKED = 0x0, BST_CHECKED = 0x1, BST_INDETERMINATE = 0x2, BST_PUSHED = 0x4, BST_FOCUS = 0x8,
};

// ---- statics -----------------------------------------------------------------------------------

constexpr DWORD SS_LEFT = 0x0, SS_CENTER = 0x1, SS_RIGHT = 0x2, SS_ICON = 0x3, SS_BLACKRECT = 0x4,
                SS_GRAYRECT = 0x5, SS_WHITERECT = 0x6, SS_BLACKFRAME = 0x7, SS_GRAYFRAME = 0x8,
                SS_WHITEFRAME = 0x9, SS_SIMPLE = 0xB, SS_LEFTNOWORDWRAP = 0xC, SS_ETCHEDHORZ = 0x10,
                SS_ETCHEDVERT = 0x11, SS_ETCHEDFRAME = 0x12, SS_TYPEMASK = 0x1F, SS_NOPREFIX = 0x80,
                SS_NOTIFY = 0x100, SS_CENTERIMAGE = 0x200, SS_SUNKEN = 0x1000;

enum : UINT { STN_CLICKED = 0, STN_DBLCLK = 1, STN_ENABLE = 2, STN_DISABLE = 3 };

// ---- edit controls (single line) ---------------------------------------------------------------

constexpr DWORD ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_MULTILINE = 0x4, ES_UPPERCASE = 0x8,
                ES_LOWERCASE = 0x10, ES_PASSWORD = 0x20, ES_AUTOVSCROLL = 0x40, ES_AUTOHSCROLL = 0x80,
                ES_NOHIDESEL = 0x100, ES_OEMCONVERT = 0x400, ES_READONLY = 0x800, ES_WANTRETURN = 0x1000,
                ES_NUMBER = 0x2000;

enum : UINT {
    EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SCROLLCARET = 0x00B7,
    EM_GETMODIFY = 0x00B8, EM_SETMODIFY = 0x00B9, EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB,
    EM_LINELENGTH = 0x00C1, EM_REPLACESEL = 0x00C2, EM_GETLINE = 0x00C4, EM_LIMITTEXT = 0x00C5,
    EM_SETLIMITTEXT = 0x00C5, EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7, EM_GETFIRSTVISIBLELINE = 0x00CE,
    EM_SETREADONLY = 0x00CF, EM_GETLIMITTEXT = 0x00D5, EM_POSFROMCHAR = 0x00D6, EM_CHARFROMPOS = 0x00D7,
};

// The text limit of an edit control that was never given one, and the most EM_LIMITTEXT allows.
constexpr int EDIT_DEFAULT_LIMIT = 30000;
constexpr int EDIT_MAX_LIMIT = 0x7FFFFFFE;

// ---- combo boxes -------------------------------------------------------------------------------

constexpr DWORD CBS_SIMPLE = 0x1, CBS_DROPDOWN = 0x2, CBS_DROPDOWNLIST = 0x3, CBS_OWNERDRAWFIXED = 0x10,
                CBS_OWNERDRAWVARIABLE = 0x20, CBS_AUTOHSCROLL = 0x40, CBS_OEMCONVERT = 0x80,
                CBS_SORT = 0x100, CBS_HASSTRINGS = 0x200, CBS_NOINTEGRALHEIGHT = 0x400,
                CBS_DISABLENOSCROLL = 0x800;

enum : UINT {
    CB_GETEDITSEL = 0x0140, CB_LIMITTEXT = 0x0141, CB_SETEDITSEL = 0x0142, CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147, CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149, CB_INSERTSTRING = 0x014A, CB_RESETCONTENT = 0x014B,
    CB_FINDSTRING = 0x014C, CB_SELECTSTRING = 0x014D, CB_SETCURSEL = 0x014E, CB_SHOWDROPDOWN = 0x014F,
    CB_GETITEMDATA = 0x0150, CB_SETITEMDATA = 0x0151, CB_GETDROPPEDCONTROLRECT = 0x0152,
    CB_SETITEMHEIGHT = 0x0153, CB_GETITEMHEIGHT = 0x0154, CB_GETDROPPEDSTATE = 0x0157,
    CB_FINDSTRINGEXACT = 0x0158, CB_GETTOPINDEX = 0x015B,
};

enum : int { CB_OKAY = 0, CB_ERR = -1, CB_ERRSPACE = -2 };

// ---- list boxes (the drop-down list answers these) ---------------------------------------------

enum : UINT {
    LB_GETCURSEL = 0x0188, LB_GETTEXT = 0x0189, LB_GETTEXTLEN = 0x018A, LB_GETCOUNT = 0x018B,
    LB_GETTOPINDEX = 0x018E, LB_SETTOPINDEX = 0x0197, LB_GETITEMRECT = 0x0198,
    LB_GETITEMHEIGHT = 0x01A1, LB_ITEMFROMPOINT = 0x01A9,
};

enum : int { LB_OKAY = 0, LB_ERR = -1, LB_ERRSPACE = -2 };
enum : UINT { LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SELCANCEL = 3, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5 };

// The class name of a combo box's drop-down list.
constexpr const char* COMBOLBOX_CLASS = "ComboLBox";

// ---- the caret ---------------------------------------------------------------------------------
// One caret per process, owned by one window. It is drawn by the window that owns it, at the end
// of that window's paint (DrawCaret): showing, hiding, moving and blinking invalidate the caret's
// rectangle, so the picture is always what the caret's state says. Blinking runs on a timer only
// while a display backend waits for real input; headless (tests) the caret shows steadily.
struct HBITMAP__;
BOOL CreateCaret(HWND hWnd, HBITMAP__* hBitmap, int nWidth, int nHeight);
BOOL DestroyCaret();
BOOL SetCaretPos(int X, int Y);
BOOL GetCaretPos(LPPOINT lpPoint);
// Show and hide nest: the caret shows when every HideCaret has had its ShowCaret.
BOOL ShowCaret(HWND hWnd);
BOOL HideCaret(HWND hWnd);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT uMSeconds);
// The window owning the caret, null when there is none.
HWND GetCaretWindow();
// Whether the caret of hWnd is on screen now (created, shown and in the visible blink phase).
BOOL IsCaretVisible(HWND hWnd);
// Draws the caret of hWnd (if it owns a visible one) into a device context of its client area,
// by inverting the caret rectangle. Call it once at the end of each paint.
void DrawCaret(HWND hWnd, HDC__* hdc);
