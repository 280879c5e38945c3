// The non-client area's geometry: frame, caption and close box sizes from the system metrics,
// and the hit test of a screen point. Layout from the outside in: the frame (one-pixel border,
// dialog frame or sizing frame), the caption, the client edge, the scroll bars, the client area.
#include "platform/win/nonclient.h"

#include "platform/win/system_metrics.h"

using namespace win_internal;

namespace {

bool HasCaption(const Window& w) { return (w.style & WS_CAPTION) == WS_CAPTION; }

int EdgeWidth(const Window& w) {
    int edge = 0;
    if (w.exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
    if (w.exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
    return edge;
}

bool Inside(const RECT& r, POINT pt) { return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom; }

}  // namespace

namespace win_internal {

RECT NonClientInsets(const Window& w) {
    const int frame = nonclient::FrameWidth(w) + EdgeWidth(w);
    RECT ins{frame, frame, frame, frame};
    if (HasCaption(w)) ins.top += GetSystemMetrics(SM_CYCAPTION);
    if (w.style & WS_VSCROLL) ins.right += ScrollBarSize();
    if (w.style & WS_HSCROLL) ins.bottom += ScrollBarSize();
    return ins;
}

}  // namespace win_internal

namespace nonclient {

int FrameWidth(const Window& w) {
    if (w.style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    // A caption is border and dialog frame together: captioned windows get the dialog frame.
    if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if (w.style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

RECT CaptionRect(const Window& w) {
    if (!HasCaption(w)) return RECT{0, 0, 0, 0};
    const int f = FrameWidth(w);
    const int width = w.rect.right - w.rect.left;
    // The caption's last row is the line between caption and client area.
    RECT rc{f, f, width - f, f + GetSystemMetrics(SM_CYCAPTION) - 1};
    if (rc.right < rc.left) rc.right = rc.left;
    return rc;
}

RECT CloseBoxRect(const Window& w) {
    if (!(w.style & WS_SYSMENU)) return RECT{0, 0, 0, 0};
    const RECT cap = CaptionRect(w);
    const int bw = GetSystemMetrics(SM_CXSIZE) - 2, bh = GetSystemMetrics(SM_CYSIZE) - 4;
    if (cap.right - cap.left < bw + 4 || cap.bottom - cap.top < bh) return RECT{0, 0, 0, 0};
    const int top = cap.top + (cap.bottom - cap.top - bh) / 2;
    return RECT{cap.right - 2 - bw, top, cap.right - 2, top + bh};
}

int HitTest(const Window& w, POINT pt) {
    const POINT o = WindowOrigin(w);
    const RECT wr{o.x, o.y, o.x + (w.rect.right - w.rect.left), o.y + (w.rect.bottom - w.rect.top)};
    if (!Inside(wr, pt)) return HTNOWHERE;
    const POINT co = ClientOrigin(w);
    const SIZE cs = ClientSize(w);
    const RECT client{co.x, co.y, co.x + cs.cx, co.y + cs.cy};
    if (Inside(client, pt)) return HTCLIENT;
    const int sb = ScrollBarSize();
    const bool inRows = pt.y >= client.top && pt.y < client.bottom;
    const bool inCols = pt.x >= client.left && pt.x < client.right;
    const bool inVBar = pt.x >= client.right && pt.x < client.right + sb;
    const bool inHBar = pt.y >= client.bottom && pt.y < client.bottom + sb;
    if ((w.style & WS_VSCROLL) && inRows && inVBar) return HTVSCROLL;
    if ((w.style & WS_HSCROLL) && inCols && inHBar) return HTHSCROLL;
    if ((w.style & WS_VSCROLL) && (w.style & WS_HSCROLL) && inVBar && inHBar)
        return (w.style & WS_THICKFRAME) ? HTBOTTOMRIGHT : HTSIZE;
    const POINT local{pt.x - o.x, pt.y - o.y};
    RECT cap = CaptionRect(w);
    if (!RectEmpty(cap)) {
        ++cap.bottom;  // the line below the caption belongs to it
        if (Inside(CloseBoxRect(w), local)) return HTCLOSE;
        if (Inside(cap, local)) return HTCAPTION;
    }
    if (w.style & WS_THICKFRAME) {
        const int frame = FrameWidth(w);
        const bool left = pt.x < wr.left + frame, right = pt.x >= wr.right - frame;
        const bool top = pt.y < wr.top + frame, bottom = pt.y >= wr.bottom - frame;
        if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
    }
    return HTBORDER;
}

}  // namespace nonclient
