// A window's own scroll bars: range, page, position and whether each is shown, their layout,
// and what a press on them does. Showing or hiding a bar is a frame change: the client area
// shrinks or grows and the window hears WM_SIZE.
#include <algorithm>

#include "platform/win/nonclient.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

ScrollBarState* Bar(HWND hwnd, int nBar) {
    Window* w = Find(hwnd);
    if (!w || (nBar != SB_HORZ && nBar != SB_VERT)) return nullptr;
    return &w->bars[nBar];
}

void Clamp(ScrollBarState& b) {
    if (b.nMax < b.nMin) b.nMax = b.nMin;
    const long long range = static_cast<long long>(b.nMax) - b.nMin + 1;
    if (static_cast<long long>(b.nPage) > range) b.nPage = static_cast<UINT>(range);
    const long long last = static_cast<long long>(b.nMax) - std::max<long long>(static_cast<long long>(b.nPage) - 1, 0);
    const long long pos = std::clamp<long long>(b.nPos, b.nMin, std::max<long long>(last, b.nMin));
    b.nPos = static_cast<int>(pos);
    b.nTrackPos = std::clamp(b.nTrackPos, b.nMin, b.nMax);
}

void ShowBars(HWND hwnd, DWORD bits, bool show) {
    Window* w = Find(hwnd);
    if (!w) return;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return;
    const SIZE before = ClientSize(*w);
    w->style = style;
    if (bits & WS_VSCROLL) w->bars[SB_VERT].known = true;
    if (bits & WS_HSCROLL) w->bars[SB_HORZ].known = true;
    if (w->style & WS_VISIBLE) {
        const SIZE now = ClientSize(*w);
        AddUpdate(*w, RECT{0, 0, now.cx, now.cy}, true, true);
    }
    NotifyClientChange(hwnd, before);
}

}  // namespace

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw) {
    ScrollBarState* b = Bar(hWnd, nBar);
    if (!b || !lpsi) return 0;
    b->known = true;
    if (lpsi->fMask & SIF_PAGE) b->nPage = lpsi->nPage;
    if (lpsi->fMask & SIF_RANGE) b->nMin = lpsi->nMin, b->nMax = lpsi->nMax;
    if (lpsi->fMask & SIF_POS) b->nPos = lpsi->nPos;
    Clamp(*b);
    const int pos = b->nPos;
    if (lpsi->fMask & (SIF_RANGE | SIF_PAGE)) {
        // Nothing to scroll: the whole range fits in a page, or the range is empty.
        const bool idle = (b->nPage && static_cast<long long>(b->nMax) - b->nMin + 1 <= b->nPage) || b->nMin >= b->nMax;
        const DWORD bit = nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        if (idle && !(lpsi->fMask & SIF_DISABLENOSCROLL))
            ShowBars(hWnd, bit, false);
        else if (!idle && (lpsi->fMask & ~SIF_DISABLENOSCROLL) != SIF_PAGE)  // a page alone does not show a bar
            ShowBars(hWnd, bit, true);
    }
    // The bar shows its new state at once when asked to; a bar that appeared or went away
    // repaints with the frame.
    if (bRedraw) {
        if (Window* w = Find(hWnd); w && VisibleChain(*w)) nonclient::PaintScrollBars(hWnd);
    }
    return pos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi) {
    ScrollBarState* b = Bar(hWnd, nBar);
    if (!b || !lpsi || !b->known) return FALSE;
    if (lpsi->fMask & SIF_PAGE) lpsi->nPage = b->nPage;
    if (lpsi->fMask & SIF_RANGE) lpsi->nMin = b->nMin, lpsi->nMax = b->nMax;
    if (lpsi->fMask & SIF_POS) lpsi->nPos = b->nPos;
    if (lpsi->fMask & SIF_TRACKPOS) lpsi->nTrackPos = b->nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    ScrollBarState* b = Bar(hWnd, nBar);
    if (!b) return 0;
    const int prev = b->nPos;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(hWnd, nBar, &si, bRedraw);
    return prev;
}

int GetScrollPos(HWND hWnd, int nBar) {
    ScrollBarState* b = Bar(hWnd, nBar);
    return b ? b->nPos : 0;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    if (!Bar(hWnd, nBar)) return FALSE;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    SetScrollInfo(hWnd, nBar, &si, bRedraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hWnd, int nBar, int* lpMinPos, int* lpMaxPos) {
    ScrollBarState* b = Bar(hWnd, nBar);
    if (!b || !lpMinPos || !lpMaxPos) return FALSE;
    *lpMinPos = b->nMin;
    *lpMaxPos = b->nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
    if (!Find(hWnd)) return FALSE;
    DWORD bits = 0;
    if (wBar == SB_HORZ) bits = WS_HSCROLL;
    else if (wBar == SB_VERT) bits = WS_VSCROLL;
    else if (wBar == SB_BOTH) bits = WS_HSCROLL | WS_VSCROLL;
    else return FALSE;
    ShowBars(hWnd, bits, bShow != FALSE);
    return TRUE;
}

// ---- layout and use -----------------------------------------------------------------------------

namespace {

// The shortest thumb that can still be grabbed.
constexpr int kMinThumb = 8;

int Along(const ScrollBarLayout& l, int nBar, POINT pt) { return nBar == SB_VERT ? pt.y - l.bar.top : pt.x - l.bar.left; }

// The position a thumb whose start lies at `start` stands for.
int PositionAt(const ScrollBarState& b, const ScrollBarLayout& l, int start) {
    const long long span = static_cast<long long>(b.nMax) - b.nMin - std::max<long long>(static_cast<long long>(b.nPage) - 1, 0);
    const int travel = l.length - 2 * l.arrow - l.thumbLength;
    if (span <= 0 || travel <= 0) return b.nMin;
    const long long offset = std::clamp(start - l.arrow, 0, travel);
    return static_cast<int>(b.nMin + (offset * span + travel / 2) / travel);
}

}  // namespace

namespace win_internal {

bool GetScrollBarLayout(HWND hwnd, int nBar, ScrollBarLayout& l) {
    Window* w = Find(hwnd);
    if (!w || (nBar != SB_HORZ && nBar != SB_VERT)) return false;
    if (!(w->style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))) return false;
    const POINT co = ClientOrigin(*w);
    const SIZE cs = ClientSize(*w);
    const int size = ScrollBarSize();
    l.bar = nBar == SB_VERT ? RECT{co.x + cs.cx, co.y, co.x + cs.cx + size, co.y + cs.cy}
                            : RECT{co.x, co.y + cs.cy, co.x + cs.cx, co.y + cs.cy + size};
    l.length = nBar == SB_VERT ? cs.cy : cs.cx;
    l.arrow = std::min(size, l.length / 2);
    const ScrollBarState& b = w->bars[nBar];
    const int shaft = l.length - 2 * l.arrow;
    const long long range = static_cast<long long>(b.nMax) - b.nMin + 1;
    if (shaft < kMinThumb || range <= 1) {
        l.thumbStart = l.arrow;
        l.thumbLength = 0;  // no thumb: nothing to scroll or no room for it
        return true;
    }
    l.thumbLength = b.nPage ? static_cast<int>(std::clamp<long long>(shaft * static_cast<long long>(b.nPage) / range, kMinThumb, shaft))
                            : std::min(size, shaft);
    const long long span = range - 1 - std::max<long long>(static_cast<long long>(b.nPage) - 1, 0);
    const int travel = shaft - l.thumbLength;
    l.thumbStart = l.arrow + (span > 0 ? static_cast<int>((static_cast<long long>(b.nPos) - b.nMin) * travel / span) : 0);
    return true;
}

void TrackScrollBar(HWND hwnd, int nBar, POINT pt) {
    ScrollBarLayout l{};
    if (!GetScrollBarLayout(hwnd, nBar, l)) return;
    const UINT msg = nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    auto send = [hwnd, msg](UINT code, int pos) {
        SendMessageA(hwnd, msg, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)), 0);
    };
    const int at = Along(l, nBar, pt);
    if (at < l.arrow) {
        send(SB_LINEUP, 0);
    } else if (at >= l.length - l.arrow) {
        send(SB_LINEDOWN, 0);
    } else if (l.thumbLength == 0) {
        return;
    } else if (at < l.thumbStart) {
        send(SB_PAGEUP, 0);
    } else if (at >= l.thumbStart + l.thumbLength) {
        send(SB_PAGEDOWN, 0);
    } else {
        // The thumb follows the pointer until the button goes up; the window hears every
        // position on the way and the final one.
        const int grab = at - l.thumbStart;
        SetCapture(hwnd);
        int pos = GetScrollPos(hwnd, nBar);
        for (int guard = 0; guard < 100000; ++guard) {
            MSG m;
            if (!PeekMessageA(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
                if (!WaitMessage() || !Find(hwnd)) break;
                continue;
            }
            if (!Find(hwnd) || GetCapture() != hwnd) break;
            if (m.message == WM_MOUSEMOVE || m.message == WM_LBUTTONUP) {
                ScrollBarState* b = &Find(hwnd)->bars[nBar];
                pos = PositionAt(*b, l, Along(l, nBar, m.pt) - grab);
                b->nTrackPos = pos;
                if (m.message == WM_LBUTTONUP) break;
                send(SB_THUMBTRACK, pos);
            }
        }
        if (Find(hwnd)) {
            send(SB_THUMBPOSITION, pos);
            if (GetCapture() == hwnd) ReleaseCapture();
        }
    }
    if (Find(hwnd)) send(SB_ENDSCROLL, 0);
}

}  // namespace win_internal
