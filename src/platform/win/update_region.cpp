// The update region of a window (a union of non-overlapping rectangles in client coordinates),
// invalidation and validation, UpdateWindow, BeginPaint and EndPaint, and ScrollWindow.
#include <limits>
#include <algorithm>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

// Beyond this many pieces the region becomes its bounding box: a little more repainting, but
// never an unbounded list.
constexpr std::size_t kMaxPieces = 64;

// a minus b: up to four pieces.
void Subtract(const RECT& a, const RECT& b, std::vector<RECT>& out) {
    const RECT i = Intersect(a, b);
    if (RectEmpty(i)) {
        out.push_back(a);
        return;
    }
    if (a.top < i.top) out.push_back(RECT{a.left, a.top, a.right, i.top});
    if (i.bottom < a.bottom) out.push_back(RECT{a.left, i.bottom, a.right, a.bottom});
    if (a.left < i.left) out.push_back(RECT{a.left, i.top, i.left, i.bottom});
    if (i.right < a.right) out.push_back(RECT{i.right, i.top, a.right, i.bottom});
}

// Coordinate plus a shift, held within LONG: callers may scroll by any int amount.
LONG Shifted(LONG v, int d) {
    const long long sum = static_cast<long long>(v) + d;
    return static_cast<LONG>(std::clamp<long long>(sum, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

RECT Offset(RECT r, int dx, int dy) {
    return RECT{Shifted(r.left, dx), Shifted(r.top, dy), Shifted(r.right, dx), Shifted(r.bottom, dy)};
}

RECT ClientRectOf(const Window& w) {
    const SIZE c = ClientSize(w);
    return RECT{0, 0, c.cx, c.cy};
}

RECT Bounds(const std::vector<RECT>& pieces) {
    RECT b{0, 0, 0, 0};
    bool first = true;
    for (const RECT& r : pieces) {
        if (first) b = r, first = false;
        else b = RECT{std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right), std::max(b.bottom, r.bottom)};
    }
    return b;
}

void SendPaintTree(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || !VisibleChain(*w)) return;
    if (w->ncDirty) {
        w->ncDirty = false;
        CallProc(hwnd, WM_NCPAINT, 1, 0);
        w = Find(hwnd);
        if (!w) return;
    }
    if (!w->update.empty()) CallProc(hwnd, WM_PAINT, 0, 0);
    w = Find(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) SendPaintTree(c);
}

}  // namespace

namespace win_internal {

bool RectEmpty(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (RectEmpty(r)) r = RECT{0, 0, 0, 0};
    return r;
}

void SubtractUpdate(Window& w, const RECT& rc) {
    if (RectEmpty(rc) || w.update.empty()) return;
    std::vector<RECT> out;
    for (const RECT& piece : w.update) Subtract(piece, rc, out);
    w.update.swap(out);
    if (w.update.empty()) w.erase = false;
}

void AddUpdate(Window& w, const RECT& rcIn, bool erase, bool children) {
    const RECT rc = Intersect(rcIn, ClientRectOf(w));
    if (!RectEmpty(rc)) {
        SubtractUpdate(w, rc);
        w.update.push_back(rc);
        if (w.update.size() > kMaxPieces) w.update.assign(1, Bounds(w.update));
        if (erase) w.erase = true;
    }
    if (!children || (w.style & WS_CLIPCHILDREN) || RectEmpty(rc)) return;
    for (HWND h : w.children) {
        Window* c = Find(h);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        const RECT inChild = Intersect(rc, c->rect);
        if (RectEmpty(inChild)) continue;
        // The parent's paint covers the child's frame too, even where it misses the client area.
        const RECT ins = NonClientInsets(*c);
        if (ins.left || ins.top || ins.right || ins.bottom) c->ncDirty = true;
        const RECT cw = ClientInWindow(*c);
        AddUpdate(*c, Offset(inChild, -(c->rect.left + cw.left), -(c->rect.top + cw.top)), erase, true);
    }
}

}  // namespace win_internal

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    AddUpdate(*w, lpRect ? *lpRect : ClientRectOf(*w), bErase != FALSE, true);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    if (!lpRect) {
        w->update.clear();
        w->erase = false;
    } else {
        SubtractUpdate(*w, *lpRect);
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    const RECT b = Bounds(w->update);
    if (lpRect) *lpRect = b;
    return w->update.empty() ? FALSE : TRUE;
}

int GetUpdateRects(HWND hWnd, std::vector<RECT>& rects) {
    rects.clear();
    Window* w = Find(hWnd);
    if (!w) return 0;
    rects = w->update;
    return static_cast<int>(rects.size());
}

BOOL UpdateWindow(HWND hWnd) {
    if (!Find(hWnd)) return FALSE;
    SendPaintTree(hWnd);
    return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = Find(hWnd);
    if (!w || !lpPaint) return nullptr;
    *lpPaint = PAINTSTRUCT{};
    lpPaint->rcPaint = Bounds(w->update);
    const bool erase = w->erase;
    w->update.clear();
    w->erase = false;
    const WindowPaintHooks& hooks = S().paintHooks;
    HDC hdc = hooks.begin_paint ? hooks.begin_paint(hWnd, lpPaint->rcPaint) : nullptr;
    lpPaint->hdc = hdc;
    lpPaint->fErase = erase ? TRUE : FALSE;
    if (erase && hdc) {
        // The window erased its background when WM_ERASEBKGND answers non-zero.
        lpPaint->fErase = CallProc(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    }
    return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (!lpPaint) return FALSE;
    const WindowPaintHooks& hooks = S().paintHooks;
    if (lpPaint->hdc && hooks.end_paint) hooks.end_paint(hWnd, lpPaint->hdc);
    return Find(hWnd) ? TRUE : FALSE;
}

BOOL ScrollWindow(HWND hWnd, int dx, int dy, const RECT* lpRect, const RECT* lpClipRect) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    const RECT client = ClientRectOf(*w);
    const RECT scroll = lpRect ? Intersect(*lpRect, client) : client;
    const RECT clip = lpClipRect ? Intersect(*lpClipRect, client) : client;
    if (dx == 0 && dy == 0) return TRUE;
    const WindowPaintHooks& hooks = S().paintHooks;
    if (hooks.scroll_pixels && !RectEmpty(scroll)) hooks.scroll_pixels(hWnd, scroll, clip, dx, dy);

    // The invalid part inside the scrolled area travels with the contents.
    std::vector<RECT> kept, moved;
    for (const RECT& piece : w->update) {
        Subtract(piece, scroll, kept);
        const RECT inside = Intersect(piece, scroll);
        if (RectEmpty(inside)) continue;
        const RECT m = Intersect(Intersect(Offset(inside, dx, dy), clip), scroll);
        if (!RectEmpty(m)) moved.push_back(m);
    }
    const bool erase = w->erase;
    w->update = kept;
    w->erase = erase && !kept.empty();
    for (const RECT& m : moved) AddUpdate(*w, m, erase, false);

    // What scrolled in has no valid contents.
    const RECT area = Intersect(scroll, clip);
    const RECT valid = Intersect(Offset(scroll, dx, dy), area);
    std::vector<RECT> exposed;
    Subtract(area, valid, exposed);
    for (const RECT& e : exposed)
        if (!RectEmpty(e)) AddUpdate(*w, e, true, false);

    if (!lpRect) {
        const std::vector<HWND> children = w->children;
        for (HWND c : children) {
            Window* cw = Find(c);
            if (!cw) continue;
            SetWindowPos(c, nullptr, Shifted(cw->rect.left, dx), Shifted(cw->rect.top, dy), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    return TRUE;
}
