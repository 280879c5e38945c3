// The button control's behaviour: push and default push buttons, check boxes, radio buttons and
// group boxes. The mouse presses a button in while it is held over it (with the capture), and a
// release over it clicks; Space does the same from the keyboard. A click checks an automatic
// check box or radio button (unchecking the other automatic radio buttons of its group) and
// tells the parent with BN_CLICKED.
#include "platform/win/button.h"

#include <cstring>

namespace controls {

namespace {

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void SetPushed(HWND hwnd, ButtonRecord& r, bool pushed) {
    if (r.pushed == pushed) return;
    r.pushed = pushed;
    Redraw(hwnd);
}

bool IsAutoRadio(HWND hwnd) {
    char name[16];
    if (GetClassName(hwnd, name, sizeof name) == 0) return false;
    return strcasecmp(name, "BUTTON") == 0 && ButtonType(StyleOf(hwnd)) == BS_AUTORADIOBUTTON;
}

// The group runs from the nearest sibling at or before the button that starts a group (or the
// first sibling) up to the next sibling that starts one. Disabled and hidden members are
// unchecked too: the group has one choice whatever the user may touch.
void UncheckGroup(HWND hwnd) {
    HWND start = hwnd;
    while (!(StyleOf(start) & WS_GROUP)) {
        HWND prev = GetWindow(start, GW_HWNDPREV);
        if (!prev) break;
        start = prev;
    }
    for (HWND h = start; h;) {
        HWND next = GetWindow(h, GW_HWNDNEXT);
        if (h != hwnd && IsAutoRadio(h)) SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
        if (next && (StyleOf(next) & WS_GROUP)) break;
        h = next;
    }
}

void Clicked(HWND hwnd) {
    ButtonRecord* r = RecordOf<ButtonRecord>(hwnd);
    if (!r) return;
    switch (ButtonType(StyleOf(hwnd))) {
    case BS_AUTOCHECKBOX:
        SendMessage(hwnd, BM_SETCHECK, r->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessage(hwnd, BM_SETCHECK, (r->check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        if (StyleOf(hwnd) & WS_CHILD) UncheckGroup(hwnd);
        break;
    default:
        break;
    }
    if (IsWindow(hwnd)) Notify(hwnd, BN_CLICKED);
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

UINT DlgCode(DWORD style) {
    switch (ButtonType(style)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

void Paint(HWND hwnd, const ButtonRecord& r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) PaintButton(hwnd, hdc, r);
    EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) MakeRecord<ButtonRecord>(hwnd);
    ButtonRecord* r = RecordOf<ButtonRecord>(hwnd);
    if (!r) return DefWindowProc(hwnd, msg, wParam, lParam);
    const DWORD style = StyleOf(hwnd);
    const UINT type = ButtonType(style);
    switch (msg) {
    case WM_NCDESTROY:
        DropRecord<ButtonRecord>(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DlgCode(style);
    case WM_NCHITTEST:
        // The frame of a group box lies over the controls it holds: the mouse goes through it.
        if (type == BS_GROUPBOX) return HTTRANSPARENT;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        r->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<UINT_PTR>(lParam))) Redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(r->font);
    case WM_SETTEXT: {
        const LRESULT done = DefWindowProc(hwnd, msg, wParam, lParam);
        Redraw(hwnd);
        return done;
    }
    case WM_ENABLE:
        Redraw(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills everything
    case WM_PAINT:
        Paint(hwnd, *r);
        return 0;

    case WM_LBUTTONDBLCLK:
        // Radio buttons, and buttons that ask for it, tell of double clicks; the others take the
        // second click as a click.
        if (type == BS_GROUPBOX) return 0;
        if (IsRadioType(type) || type == BS_USERBUTTON || type == BS_OWNERDRAW || (style & BS_NOTIFY)) {
            Notify(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (type == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        SetCapture(hwnd);
        r->tracking = true;
        SetPushed(hwnd, *r, true);
        return 0;
    case WM_MOUSEMOVE:
        if (r->tracking && GetCapture() == hwnd) SetPushed(hwnd, *r, Inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!r->tracking) return 0;
        r->tracking = false;
        const bool click = r->pushed && Inside(hwnd, lParam);
        SetPushed(hwnd, *r, false);
        if (GetCapture() == hwnd) ReleaseCapture();
        if (click) Clicked(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (r->tracking) {
            r->tracking = false;
            SetPushed(hwnd, *r, false);
        }
        return 0;

    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX) {
            if (!(static_cast<ULONG>(lParam) & (1u << 30))) {  // not an auto-repeat
                r->spaceDown = true;
                SetPushed(hwnd, *r, true);
            }
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_SPACE && r->spaceDown) {
            r->spaceDown = false;
            SetPushed(hwnd, *r, false);
            Clicked(hwnd);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);

    case WM_SETFOCUS:
        r->focused = true;
        Redraw(hwnd);
        if (style & BS_NOTIFY) Notify(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        r->focused = false;
        // A press that loses the focus is no click.
        r->spaceDown = false;
        if (r->tracking) {
            r->tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
        }
        r->pushed = false;
        Redraw(hwnd);
        if (style & BS_NOTIFY) Notify(hwnd, BN_KILLFOCUS);
        return 0;

    case BM_GETCHECK:
        return (IsCheckType(type) || IsRadioType(type)) ? r->check : BST_UNCHECKED;
    case BM_SETCHECK: {
        if (!IsCheckType(type) && !IsRadioType(type)) return 0;
        UINT check = static_cast<UINT>(wParam);
        const UINT most = (type == BS_3STATE || type == BS_AUTO3STATE) ? BST_INDETERMINATE : BST_CHECKED;
        if (check > most) check = most;
        // A checked radio button is where the Tab key enters its group.
        if (IsRadioType(type))
            SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP)));
        if (r->check != check) {
            r->check = check;
            Redraw(hwnd);
        }
        return 0;
    }
    case BM_GETSTATE:
        return static_cast<LRESULT>(r->check | (r->pushed ? BST_PUSHED : 0u) | (r->focused ? BST_FOCUS : 0u));
    case BM_SETSTATE:
        SetPushed(hwnd, *r, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK)));
        if (LOWORD(static_cast<UINT_PTR>(lParam))) Redraw(hwnd);
        return 0;
    case BM_CLICK:
        // What a person cannot click, a program cannot either.
        if (!IsWindowEnabled(hwnd) || type == BS_GROUPBOX) return 0;
        SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        if (IsWindow(hwnd)) SendMessage(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace controls
