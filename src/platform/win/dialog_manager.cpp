// The dialog manager: the keyboard interface of a dialog (tab order, groups and arrows, Enter
// for the default button, Escape for Cancel, mnemonics), with WM_GETDLGCODE asked first, and the
// default push button that follows the focus among push buttons.
#include <cctype>
#include <string>
#include <vector>

#include "platform/win/dialog_internal.h"

using namespace dlg_internal;

namespace {

std::vector<HWND> Items(HWND hDlg) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(hDlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

DWORD StyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE)); }

// The item's own state: a dialog being made is not shown yet, its items count as they will show.
bool Usable(HWND h) {
    const DWORD s = StyleOf(h);
    return (s & WS_VISIBLE) && !(s & WS_DISABLED);
}

void SetButtonLook(HWND hCtl, bool asDefault) {
    const DWORD s = StyleOf(hCtl) & 0xFFFF & ~BS_TYPEMASK;
    SendMessageA(hCtl, BM_SETSTYLE, s | (asDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

// The push button that shows as the default: the focused one when a push button has the focus,
// else the dialog's default.
void UpdateDefaultButton(HWND hDlg, HWND hFocusItem) {
    HWND wanted = nullptr;
    if (hFocusItem && (DlgCode(hFocusItem) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        wanted = hFocusItem;
    } else {
        const LRESULT d = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
        if (HIWORD(static_cast<UINT_PTR>(d)) == DC_HASDEFID) wanted = GetDlgItem(hDlg, LOWORD(static_cast<UINT_PTR>(d)));
    }
    for (HWND c : Items(hDlg)) {
        if (!IsWindow(c)) continue;
        const UINT code = DlgCode(c);
        if (c == wanted && (code & DLGC_UNDEFPUSHBUTTON)) SetButtonLook(c, true);
        else if (c != wanted && (code & DLGC_DEFPUSHBUTTON)) SetButtonLook(c, false);
    }
}

bool Checked(HWND h) { return SendMessageA(h, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(BST_CHECKED); }

// Tabbing into a radio group lands on its checked button.
HWND CheckedInGroup(HWND hDlg, HWND hRadio) {
    if (!(DlgCode(hRadio) & DLGC_RADIOBUTTON) || Checked(hRadio)) return hRadio;
    HWND h = hRadio;
    for (int guard = 0; guard < 1000; ++guard) {
        h = GetNextDlgGroupItem(hDlg, h, FALSE);
        if (!h || h == hRadio) break;
        if ((DlgCode(h) & DLGC_RADIOBUTTON) && Checked(h)) return h;
    }
    return hRadio;
}

// The character after the single '&' of a text, 0 when there is none.
char Mnemonic(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

bool HandleMnemonic(HWND hDlg, HWND hFrom, WPARAM ch) {
    const char want = static_cast<char>(std::toupper(static_cast<int>(ch & 0xFF)));
    if (!want) return false;
    const std::vector<HWND> items = Items(hDlg);
    const HWND from = DialogItemOf(hDlg, hFrom);
    std::size_t start = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == from) start = i + 1;
    for (std::size_t n = 0; n < items.size(); ++n) {
        const std::size_t i = (start + n) % items.size();
        const HWND h = items[i];
        if (!IsWindow(h) || !Usable(h)) continue;
        const UINT code = DlgCode(h);
        if (code & (DLGC_HASSETSEL | DLGC_WANTCHARS)) continue;  // an edit's text is no label
        if ((code & DLGC_STATIC) && (StyleOf(h) & SS_NOPREFIX)) continue;
        char buf[256];
        GetWindowTextA(h, buf, sizeof buf);
        if (Mnemonic(buf) != want) continue;
        if (code & DLGC_STATIC) {
            // A label names the item after it.
            for (std::size_t k = 1; k < items.size(); ++k) {
                const HWND next = items[(i + k) % items.size()];
                if (IsWindow(next) && Usable(next) && !(DlgCode(next) & DLGC_STATIC)) {
                    SetDlgFocus(hDlg, next, true);
                    break;
                }
            }
        } else {
            SetDlgFocus(hDlg, h, true);
            if (code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_RADIOBUTTON))
                SendMessageA(h, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

// Presses the button with this id the dialog's way: WM_COMMAND to the dialog, unless the button
// is there and disabled.
void PressId(HWND hDlg, int id) {
    const HWND b = GetDlgItem(hDlg, id);
    if (b && !IsWindowEnabled(b)) return;
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(b));
}

bool HandleKeyDown(HWND hDlg, MSG& msg) {
    const UINT code = DlgCode(msg.hwnd, &msg);
    if (code & DLGC_WANTALLKEYS) return false;
    const HWND item = DialogItemOf(hDlg, msg.hwnd);
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return false;
        HWND next = GetNextDlgTabItem(hDlg, item, GetKeyState(VK_SHIFT) < 0);
        if (next) SetDlgFocus(hDlg, CheckedInGroup(hDlg, next), true);
        return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS) return false;
        if (!item) return true;
        const HWND next = GetNextDlgGroupItem(hDlg, item, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        if (next && next != item) {
            SetDlgFocus(hDlg, next, true);
            // Moving within a radio group checks the button moved to.
            if (IsWindow(next) && (DlgCode(next) & DLGC_RADIOBUTTON) && !Checked(next)) SendMessageA(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    case VK_RETURN: {
        int id = IDOK;
        if (item && (DlgCode(item) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
            id = GetDlgCtrlID(item);
        } else {
            const LRESULT d = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
            if (HIWORD(static_cast<UINT_PTR>(d)) == DC_HASDEFID) id = LOWORD(static_cast<UINT_PTR>(d));
        }
        PressId(hDlg, id);
        return true;
    }
    case VK_ESCAPE:
        PressId(hDlg, IDCANCEL);
        return true;
    default:
        return false;
    }
}

bool HandleChar(HWND hDlg, const MSG& msg) {
    MSG copy = msg;
    const UINT code = DlgCode(msg.hwnd, &copy);
    if (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) return false;
    if (msg.wParam == '\t') return !(code & DLGC_WANTTAB);
    if (msg.wParam == '\r' || msg.wParam == 0x1B) return true;  // their keys did the work
    return HandleMnemonic(hDlg, msg.hwnd, msg.wParam);
}

}  // namespace

namespace dlg_internal {

UINT DlgCode(HWND hCtl, const MSG* pMsg) {
    if (!hCtl || !IsWindow(hCtl)) return 0;
    return static_cast<UINT>(SendMessageA(hCtl, WM_GETDLGCODE, pMsg ? pMsg->wParam : 0, reinterpret_cast<LPARAM>(pMsg)));
}

HWND DialogItemOf(HWND hDlg, HWND hCtl) {
    for (HWND h = hCtl; h && h != hDlg; h = GetAncestor(h, GA_PARENT)) {
        if (GetAncestor(h, GA_PARENT) == hDlg && (StyleOf(h) & WS_CHILD)) return h;
        if (!(StyleOf(h) & WS_CHILD)) return nullptr;
    }
    return nullptr;
}

void SetDlgFocus(HWND hDlg, HWND hCtl, bool select) {
    if (hCtl && IsWindow(hCtl)) {
        if (GetFocus() != hCtl) SetFocus(hCtl);
        if (select && IsWindow(hCtl) && (DlgCode(hCtl) & DLGC_HASSETSEL)) SendMessageA(hCtl, EM_SETSEL, 0, -1);
    }
    if (IsWindow(hDlg)) UpdateDefaultButton(hDlg, DialogItemOf(hDlg, GetFocus()));
}

}  // namespace dlg_internal

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    const std::vector<HWND> items = Items(hDlg);
    const int n = static_cast<int>(items.size());
    if (n == 0) return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (items[i] == hCtl) at = i;
    const int step = bPrevious ? -1 : 1;
    for (int k = 1; k <= n; ++k) {
        const int i = at < 0 ? (bPrevious ? n - k : k - 1) : ((at + step * k) % n + n) % n;
        const HWND h = items[i];
        if (h == hCtl) break;
        if (Usable(h) && (StyleOf(h) & WS_TABSTOP)) return h;
    }
    return at < 0 ? nullptr : hCtl;
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    const std::vector<HWND> items = Items(hDlg);
    const int n = static_cast<int>(items.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (items[i] == hCtl) at = i;
    if (at < 0) return nullptr;
    // The group runs from the item with WS_GROUP at or before this one to the next such item.
    int first = at;
    while (first > 0 && !(StyleOf(items[first]) & WS_GROUP)) --first;
    int end = at + 1;
    while (end < n && !(StyleOf(items[end]) & WS_GROUP)) ++end;
    const int size = end - first;
    const int step = bPrevious ? -1 : 1;
    for (int k = 1; k < size; ++k) {
        const int i = first + (((at - first) + step * k) % size + size) % size;
        if (Usable(items[i])) return items[i];
    }
    return hCtl;
}

BOOL IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !hDlg || !IsWindow(hDlg)) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    const HWND focusBefore = GetFocus();
    bool done = false;
    switch (lpMsg->message) {
    case WM_KEYDOWN: done = HandleKeyDown(hDlg, *lpMsg); break;
    case WM_CHAR: done = HandleChar(hDlg, *lpMsg); break;
    case WM_SYSCHAR: done = HandleMnemonic(hDlg, lpMsg->hwnd, lpMsg->wParam); break;
    default: break;
    }
    if (!done) {
        TranslateMessage(lpMsg);
        DispatchMessageA(lpMsg);
        // A click may have moved the focus to another push button, which then shows as default.
        const HWND focus = GetFocus();
        if (IsWindow(hDlg) && focus != focusBefore && IsChild(hDlg, focus)) UpdateDefaultButton(hDlg, DialogItemOf(hDlg, focus));
    }
    return TRUE;
}
