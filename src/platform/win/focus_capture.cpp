// Focus, activation, mouse capture and the enabled state, with their messages in the
// platform's order: the window losing the focus hears of it first (WM_KILLFOCUS, while GetFocus
// already names the new window), then the window gaining it (WM_SETFOCUS); the window losing
// activation gets WM_NCACTIVATE and WM_ACTIVATE before the window gaining it.
#include <algorithm>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

void MoveFocus(HWND hwnd) {
    State& s = S();
    const HWND prev = s.focus;
    if (prev == hwnd) return;
    s.focus = hwnd;
    if (prev && Find(prev)) CallProc(prev, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && Find(hwnd)) CallProc(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(prev), 0);
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

// Activates a top-level window (null: none). With setFocus the focus moves into it when its
// WM_ACTIVATE handling left the focus elsewhere.
HWND Activate(HWND hwnd, UINT state, bool setFocus) {
    State& s = S();
    const HWND prev = s.active;
    if (hwnd == prev) return prev;
    s.active = hwnd;
    if (prev && Find(prev)) {
        CallProc(prev, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        CallProc(prev, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    }
    if (s.active != hwnd) return prev;  // a handler activated another window meanwhile
    if (hwnd && Find(hwnd)) {
        auto& tops = s.topLevels;
        tops.erase(std::remove(tops.begin(), tops.end(), hwnd), tops.end());
        tops.insert(tops.begin(), hwnd);
        CallProc(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(prev));
        CallProc(hwnd, WM_ACTIVATE, MAKEWPARAM(static_cast<WORD>(state), 0), reinterpret_cast<LPARAM>(prev));
    }
    if (s.active != hwnd) return prev;
    if (!hwnd) {
        MoveFocus(nullptr);
    } else if (setFocus && Find(hwnd) && (!s.focus || TopLevelOf(s.focus) != hwnd)) {
        MoveFocus(hwnd);
    }
    return prev;
}

void ForgetFocusAndCapture(HWND hwnd) {
    State& s = S();
    if (s.capture && IsDescendant(hwnd, s.capture)) ReleaseCapture();
    Window* w = Find(hwnd);
    if (!w) return;
    if (s.focus && IsDescendant(hwnd, s.focus)) MoveFocus(w->parent && Find(w->parent) ? w->parent : nullptr);
    if (!w->parent && s.active == hwnd) {
        const HWND next = NextActivatable(hwnd);
        Activate(next, WA_ACTIVE, true);
        if (s.active == hwnd) s.active = nullptr;
    }
}

}  // namespace win_internal

HWND SetFocus(HWND hWnd) {
    State& s = S();
    const HWND prev = s.focus;
    if (!hWnd) {
        MoveFocus(nullptr);
        return prev;
    }
    Window* w = Find(hWnd);
    if (!w) return nullptr;
    // A disabled or minimised window, or one inside such a window, cannot take the focus.
    for (Window* p = w; p; p = Find(p->parent))
        if (p->style & (WS_DISABLED | WS_MINIMIZE)) return nullptr;
    if (hWnd == prev) return prev;
    const HWND top = TopLevelOf(hWnd);
    if (top != s.active) {
        Activate(top, WA_ACTIVE, false);
        if (!Find(hWnd)) return nullptr;
    }
    const HWND before = s.focus;
    MoveFocus(hWnd);
    return before == hWnd ? prev : before;
}

HWND GetFocus() { return S().focus; }

HWND SetActiveWindow(HWND hWnd) {
    if (hWnd) {
        Window* w = Find(hWnd);
        if (!w) return nullptr;
        hWnd = TopLevelOf(hWnd);
        if (Find(hWnd)->style & WS_DISABLED) return nullptr;
    }
    return Activate(hWnd, WA_ACTIVE, true);
}

HWND GetActiveWindow() { return S().active; }

BOOL SetForegroundWindow(HWND hWnd) {
    if (!Find(hWnd)) return FALSE;
    SetActiveWindow(hWnd);
    return S().active == TopLevelOf(hWnd) ? TRUE : FALSE;
}

HWND GetForegroundWindow() { return S().active; }

HWND SetCapture(HWND hWnd) {
    State& s = S();
    if (!hWnd) {
        const HWND prev = s.capture;
        ReleaseCapture();
        return prev;
    }
    if (!Find(hWnd)) return nullptr;
    const HWND prev = s.capture;
    s.capture = hWnd;
    if (prev && prev != hWnd && Find(prev)) CallProc(prev, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return prev;
}

BOOL ReleaseCapture() {
    State& s = S();
    const HWND prev = s.capture;
    s.capture = nullptr;
    if (prev && Find(prev)) {
        CallProc(prev, WM_CAPTURECHANGED, 0, 0);
        // The windows under the pointer may have missed its moves while the capture held them.
        InputEvent e{};
        e.kind = InputEvent::MouseMove;
        e.pt = s.cursorPos;
        e.time = s.clock;
        s.input.push_back(e);
    }
    return TRUE;
}

HWND GetCapture() { return S().capture; }

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    std::shared_ptr<Window> w = Hold(hWnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    State& s = S();
    if (bEnable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        CallProc(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !wasDisabled) {
        CallProc(hWnd, WM_CANCELMODE, 0, 0);
        if (w->dead) return wasDisabled;
        w->style |= WS_DISABLED;
        if (s.focus && IsDescendant(hWnd, s.focus)) MoveFocus(nullptr);
        if (s.capture && IsDescendant(hWnd, s.capture)) ReleaseCapture();
        if (!w->dead) CallProc(hWnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}
