// Presses on the non-client area: dragging a window by its caption and the close box. Both follow
// the pointer with the capture until the button goes up, reading the mouse messages themselves,
// the way the scroll bar's thumb is tracked.
#include "platform/win/nonclient.h"

using namespace win_internal;

namespace {

constexpr UINT kScClose = 0xF060;
// Enough mouse messages for any real drag; a flood that never ends stops here.
constexpr int kMaxTrackMessages = 100000;

// The next mouse message for a tracking loop; false when the loop must end (the window went away,
// the capture was taken, or nothing can ever arrive).
bool NextMouse(HWND hwnd, MSG& m) {
    for (;;) {
        if (PeekMessageA(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
            return Find(hwnd) && GetCapture() == hwnd;
        if (!WaitMessage() || !Find(hwnd) || GetCapture() != hwnd) return false;
    }
}

}  // namespace

namespace nonclient {

void TrackCaption(HWND hwnd, POINT start) {
    Window* w = Find(hwnd);
    if (!w) return;
    const RECT from = w->rect;
    SetCapture(hwnd);
    MSG m;
    for (int n = 0; n < kMaxTrackMessages && NextMouse(hwnd, m); ++n) {
        if (m.message != WM_MOUSEMOVE && m.message != WM_LBUTTONUP) continue;
        SetWindowPos(hwnd, nullptr, from.left + (m.pt.x - start.x), from.top + (m.pt.y - start.y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (m.message == WM_LBUTTONUP) break;
    }
    if (Find(hwnd) && GetCapture() == hwnd) ReleaseCapture();
}

void TrackCloseBox(HWND hwnd) {
    if (!Find(hwnd)) return;
    SetCapture(hwnd);
    PaintCloseBox(hwnd, true);
    bool over = true;
    bool released = false;
    POINT at{};
    MSG m;
    for (int n = 0; n < kMaxTrackMessages && NextMouse(hwnd, m); ++n) {
        if (m.message != WM_MOUSEMOVE && m.message != WM_LBUTTONUP) continue;
        const bool now = HitTest(*Find(hwnd), m.pt) == HTCLOSE;
        if (now != over) PaintCloseBox(hwnd, now);
        over = now;
        if (m.message == WM_LBUTTONUP) {
            released = true;
            at = m.pt;
            break;
        }
    }
    if (!Find(hwnd)) return;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (over) PaintCloseBox(hwnd, false);
    if (released && over) SendMessageA(hwnd, WM_SYSCOMMAND, kScClose, MAKEPOINTLPARAM(at.x, at.y));
}

}  // namespace nonclient
