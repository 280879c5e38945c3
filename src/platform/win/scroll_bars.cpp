// A window's own scroll bars: range, page, position and whether each is shown. Showing or
// hiding a bar is a frame change: the client area shrinks or grows and the window hears WM_SIZE.
#include <algorithm>

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

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL) {
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
