// Window geometry: the non-client frame, client and window rectangles, coordinate mapping,
// moving and sizing with WM_MOVE and WM_SIZE, z-order, showing and hiding, and finding the
// window under a point.
#include <algorithm>

#include "platform/win/sys_colors.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {


void MoveInList(std::vector<HWND>& list, HWND hwnd, HWND after) {
    auto it = std::find(list.begin(), list.end(), hwnd);
    if (it == list.end()) return;
    list.erase(it);
    if (after == HWND_TOP || after == reinterpret_cast<HWND>(static_cast<INT_PTR>(-1)) ||
        after == reinterpret_cast<HWND>(static_cast<INT_PTR>(-2))) {
        list.insert(list.begin(), hwnd);
    } else if (after == HWND_BOTTOM) {
        list.push_back(hwnd);
    } else {
        auto pos = std::find(list.begin(), list.end(), after);
        list.insert(pos == list.end() ? list.end() : pos + 1, hwnd);
    }
}

// Invalidates the parent (or nothing for a top-level window) where the window lies.
void ExposeInParent(const Window& w, const RECT& rc) {
    if (Window* p = Find(w.parent)) AddUpdate(*p, rc, true, true);
}

void InvalidateWhole(Window& w) {
    w.ncDirty = true;
    const SIZE c = ClientSize(w);
    AddUpdate(w, RECT{0, 0, c.cx, c.cy}, true, true);
}

HWND NextActivatable(HWND except) {
    for (HWND t : S().topLevels) {
        Window* w = Find(t);
        if (t != except && w && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED)) return t;
    }
    return nullptr;
}

}  // namespace

namespace win_internal {

int ScrollBarSize() { return GetSystemMetrics(SM_CXVSCROLL); }

RECT ClientInWindow(const Window& w) {
    const RECT ins = NonClientInsets(w);
    const int width = w.rect.right - w.rect.left;
    const int height = w.rect.bottom - w.rect.top;
    RECT rc{ins.left, ins.top, width - ins.right, height - ins.bottom};
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    return rc;
}

SIZE ClientSize(const Window& w) {
    const RECT rc = ClientInWindow(w);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

POINT WindowOrigin(const Window& w) {
    POINT pt{w.rect.left, w.rect.top};
    if (Window* p = Find(w.parent)) {
        const POINT po = ClientOrigin(*p);
        pt.x += po.x;
        pt.y += po.y;
    }
    return pt;
}

POINT ClientOrigin(const Window& w) {
    const POINT o = WindowOrigin(w);
    const RECT rc = ClientInWindow(w);
    return POINT{o.x + rc.left, o.y + rc.top};
}

void NotifyClientChange(HWND hwnd, SIZE before) {
    Window* w = Find(hwnd);
    if (!w) return;
    const SIZE now = ClientSize(*w);
    if (now.cx == before.cx && now.cy == before.cy) return;
    InvalidateWhole(*w);
    CallProc(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(now.cx), static_cast<WORD>(now.cy)));
}

}  // namespace win_internal

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    if (!lpRect) return FALSE;
    if (hWnd == DesktopHandle()) {
        *lpRect = RECT{0, 0, S().desktop.cx, S().desktop.cy};
        return TRUE;
    }
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    const POINT o = WindowOrigin(*w);
    *lpRect = RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    if (!lpRect) return FALSE;
    if (hWnd == DesktopHandle()) {
        *lpRect = RECT{0, 0, S().desktop.cx, S().desktop.cy};
        return TRUE;
    }
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    const SIZE c = ClientSize(*w);
    *lpRect = RECT{0, 0, c.cx, c.cy};
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    if (!(uFlags & SWP_NOZORDER)) {
        std::vector<HWND>* list = &S().topLevels;
        if (Window* p = Find(w->parent)) list = &p->children;
        MoveInList(*list, hWnd, hWndInsertAfter);
    }
    // Positions and sizes are held to a range in which adding up a window's ancestors can never
    // overflow; the platform's coordinates are far smaller anyway.
    constexpr int kLimit = 1 << 27;
    X = std::clamp(X, -kLimit, kLimit);
    Y = std::clamp(Y, -kLimit, kLimit);
    cx = std::clamp(cx, 0, kLimit);
    cy = std::clamp(cy, 0, kLimit);
    RECT r = w->rect;
    if (!(uFlags & SWP_NOMOVE)) {
        const int width = r.right - r.left, height = r.bottom - r.top;
        r = RECT{X, Y, X + width, Y + height};
    }
    if (!(uFlags & SWP_NOSIZE)) r.right = r.left + std::max(cx, 0), r.bottom = r.top + std::max(cy, 0);
    const RECT oldRect = w->rect;
    const SIZE oldClient = ClientSize(*w);
    const POINT oldClientOrigin = ClientOrigin(*w);
    const bool changed = r.left != oldRect.left || r.top != oldRect.top || r.right != oldRect.right ||
                         r.bottom != oldRect.bottom;
    w->rect = r;
    if ((changed || (uFlags & SWP_FRAMECHANGED)) && !(uFlags & SWP_NOREDRAW) && (w->style & WS_VISIBLE)) {
        ExposeInParent(*w, oldRect);
        ExposeInParent(*w, r);
        InvalidateWhole(*w);
    }
    const SIZE newClient = ClientSize(*w);
    const POINT newClientOrigin = ClientOrigin(*w);
    if (newClientOrigin.x != oldClientOrigin.x || newClientOrigin.y != oldClientOrigin.y) {
        const RECT cw = ClientInWindow(*w);
        CallProc(hWnd, WM_MOVE, 0, MAKEPOINTLPARAM(r.left + cw.left, r.top + cw.top));
    }
    if (!Find(hWnd)) return TRUE;
    if (newClient.cx != oldClient.cx || newClient.cy != oldClient.cy)
        CallProc(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(newClient.cx), static_cast<WORD>(newClient.cy)));
    if (!Find(hWnd)) return TRUE;
    if (uFlags & SWP_SHOWWINDOW) ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (uFlags & SWP_HIDEWINDOW) ShowWindow(hWnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0u : static_cast<UINT>(SWP_NOREDRAW)));
}

BOOL BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    std::shared_ptr<Window> w = Hold(hWnd);
    if (!w) return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    State& s = S();
    if (nCmdShow == SW_HIDE) {
        if (!wasVisible) return FALSE;
        CallProc(hWnd, WM_SHOWWINDOW, FALSE, 0);
        if (w->dead) return TRUE;
        // The focus leaves a window that disappears: to the parent, or to nobody.
        if (s.focus && IsDescendant(hWnd, s.focus)) SetFocus(w->parent);
        if (w->dead) return TRUE;
        w->style &= ~WS_VISIBLE;
        ExposeInParent(*w, w->rect);
        if (!w->parent && s.active == hWnd) {
            const HWND next = NextActivatable(hWnd);
            if (next) SetActiveWindow(next);
            else if (s.active == hWnd) SetActiveWindow(nullptr);
        }
        return TRUE;
    }
    if (!wasVisible) {
        CallProc(hWnd, WM_SHOWWINDOW, TRUE, 0);
        if (w->dead) return FALSE;
        w->style |= WS_VISIBLE;
        InvalidateWhole(*w);
        ExposeInParent(*w, w->rect);
    }
    const bool activate = nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWMINNOACTIVE &&
                          nCmdShow != SW_MINIMIZE;
    if (activate && !w->parent && !w->dead) SetActiveWindow(hWnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    Window* w = Find(hWnd);
    if (!lpPoint || (!w && hWnd != DesktopHandle())) return FALSE;
    if (w) {
        const POINT o = ClientOrigin(*w);
        lpPoint->x += o.x;
        lpPoint->y += o.y;
    }
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    Window* w = Find(hWnd);
    if (!lpPoint || (!w && hWnd != DesktopHandle())) return FALSE;
    if (w) {
        const POINT o = ClientOrigin(*w);
        lpPoint->x -= o.x;
        lpPoint->y -= o.y;
    }
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    POINT from{0, 0}, to{0, 0};
    if (hWndFrom && hWndFrom != DesktopHandle()) {
        Window* w = Find(hWndFrom);
        if (!w) return 0;
        from = ClientOrigin(*w);
    }
    if (hWndTo && hWndTo != DesktopHandle()) {
        Window* w = Find(hWndTo);
        if (!w) return 0;
        to = ClientOrigin(*w);
    }
    const int dx = from.x - to.x, dy = from.y - to.y;
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(static_cast<SHORT>(dx)), static_cast<WORD>(static_cast<SHORT>(dy)));
}

HWND ChildWindowFromPointEx(HWND hWndParent, POINT pt, UINT flags) {
    Window* p = Find(hWndParent);
    if (!p) return nullptr;
    const SIZE c = ClientSize(*p);
    if (pt.x < 0 || pt.y < 0 || pt.x >= c.cx || pt.y >= c.cy) return nullptr;
    for (HWND h : p->children) {
        Window* w = Find(h);
        if (!w) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(w->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (w->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (w->exStyle & WS_EX_TRANSPARENT)) continue;
        if (pt.x >= w->rect.left && pt.x < w->rect.right && pt.y >= w->rect.top && pt.y < w->rect.bottom) return h;
    }
    return hWndParent;
}

HWND WindowFromPoint(POINT pt) {
    for (HWND t : S().topLevels) {
        Window* w = Find(t);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        if (pt.x < w->rect.left || pt.x >= w->rect.right || pt.y < w->rect.top || pt.y >= w->rect.bottom) continue;
        HWND h = t;
        for (;;) {
            POINT local = pt;
            ScreenToClient(h, &local);
            const HWND c = ChildWindowFromPointEx(h, local, CWP_SKIPINVISIBLE);
            if (!c || c == h) return h;
            h = c;
        }
    }
    return nullptr;
}
