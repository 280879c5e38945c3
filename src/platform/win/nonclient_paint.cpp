// Drawing the non-client area onto the window's surface in the classic look: the one-pixel
// black border, the raised dialog and sizing frames in the 3-D colours, the caption in the
// active or inactive caption colours with its text in bold and the close box, the sunken client
// edge, and the window's own scroll bars (arrow buttons, dithered shaft, thumb, size box).
#include <algorithm>
#include <cstdio>

#include "platform/win/nonclient.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_surface.h"

using namespace win_internal;

namespace {

RECT Offset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void Fill(HDC hdc, const RECT& r, int color) { FillRect(hdc, &r, GetSysColorBrush(color)); }

// The caption font: the dialog face in bold at 8 points.
HFONT CaptionFont() {
    LOGFONTA lf{};
    lf.lfHeight = -((8 * GetScreenDpi() + 36) / 72);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "MS Sans Serif");
    return CreateFontIndirectA(&lf);
}

// The close box's cross: two diagonals, two pixels thick, of 8 × 7 pixels (at 96 dots per inch).
void DrawCross(HDC hdc, const RECT& box, bool pressed) {
    const int w = 8, h = 7;
    const int x0 = box.left + (box.right - box.left - w) / 2 + (pressed ? 1 : 0);
    const int y0 = box.top + (box.bottom - box.top - h) / 2 + (pressed ? 1 : 0);
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    for (int i = 0; i < h; ++i) {
        const RECT a{x0 + i, y0 + i, x0 + i + 2, y0 + i + 1};
        const RECT b{x0 + h - 1 - i, y0 + i, x0 + h + 1 - i, y0 + i + 1};
        FillRect(hdc, &a, ink);
        FillRect(hdc, &b, ink);
    }
}

void DrawButton(HDC hdc, RECT r, bool pressed) {
    DrawEdge(hdc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void DrawCloseBox(HDC hdc, const RECT& box, bool pressed) {
    if (RectEmpty(box)) return;
    DrawButton(hdc, box, pressed);
    DrawCross(hdc, box, pressed);
}

void DrawCaption(HDC hdc, const Window& w) {
    const RECT cap = nonclient::CaptionRect(w);
    if (RectEmpty(cap)) return;
    const bool active = w.ncActive;
    Fill(hdc, cap, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    Fill(hdc, RECT{cap.left, cap.bottom, cap.right, cap.bottom + 1}, COLOR_3DFACE);
    const RECT box = nonclient::CloseBoxRect(w);
    RECT text{cap.left + 2, cap.top, (RectEmpty(box) ? cap.right : box.left) - 2, cap.bottom};
    if (!w.text.empty() && text.right > text.left) {
        HFONT font = CaptionFont();
        const HGDIOBJ old = SelectObject(hdc, font);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        DrawTextA(hdc, w.text.c_str(), static_cast<int>(w.text.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(hdc, old);
        DeleteObject(font);
    }
    DrawCloseBox(hdc, box, false);
}

// A small filled triangle pointing along (dx, dy), centred in the button.
void DrawArrow(HDC hdc, const RECT& r, int dx, int dy) {
    const int rows = 4;
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    for (int i = 0; i < rows; ++i) {
        // Row i counts from the tip: one pixel wide at the tip, seven at the base.
        const int half = i;
        const int along = i - rows / 2;
        RECT line;
        if (dy != 0) {
            const int y = cy + (dy < 0 ? along : -along);
            line = RECT{cx - half, y, cx + half + 1, y + 1};
        } else {
            const int x = cx + (dx < 0 ? along : -along);
            line = RECT{x, cy - half, x + 1, cy + half + 1};
        }
        FillRect(hdc, &line, ink);
    }
}

// The shaft's checkerboard of the highlight and face colours.
void FillShaft(HDC hdc, const RECT& r) {
    static const WORD kBits[8] = {0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555};
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, kBits);
    HBRUSH dither = bits ? CreatePatternBrush(bits) : nullptr;
    if (!dither) {
        Fill(hdc, r, COLOR_SCROLLBAR);
    } else {
        const COLORREF fg = SetTextColor(hdc, GetSysColor(COLOR_3DHILIGHT));
        const COLORREF bk = SetBkColor(hdc, GetSysColor(COLOR_3DFACE));
        FillRect(hdc, &r, dither);
        SetTextColor(hdc, fg);
        SetBkColor(hdc, bk);
        DeleteObject(dither);
    }
    if (bits) DeleteObject(bits);
}

void DrawScrollBar(HDC hdc, const ScrollBarLayout& l, bool vertical, POINT origin) {
    const RECT b = Offset(l.bar, -origin.x, -origin.y);
    auto part = [&](int from, int to) {
        return vertical ? RECT{b.left, b.top + from, b.right, b.top + to} : RECT{b.left + from, b.top, b.left + to, b.bottom};
    };
    const RECT first = part(0, l.arrow), second = part(l.length - l.arrow, l.length);
    DrawButton(hdc, first, false);
    DrawArrow(hdc, first, vertical ? 0 : -1, vertical ? -1 : 0);
    DrawButton(hdc, second, false);
    DrawArrow(hdc, second, vertical ? 0 : 1, vertical ? 1 : 0);
    const RECT shaft = part(l.arrow, l.length - l.arrow);
    if (!RectEmpty(shaft)) FillShaft(hdc, shaft);
    if (l.thumbLength > 0) DrawButton(hdc, part(l.thumbStart, l.thumbStart + l.thumbLength), false);
}

}  // namespace

namespace nonclient {

void PaintScrollBars(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || !(w->style & (WS_HSCROLL | WS_VSCROLL))) return;
    HDC hdc = GetWindowDC(hwnd);
    if (!hdc) return;
    const POINT origin = WindowOrigin(*Find(hwnd));
    ScrollBarLayout h{}, v{};
    const bool hasH = GetScrollBarLayout(hwnd, SB_HORZ, h);
    const bool hasV = GetScrollBarLayout(hwnd, SB_VERT, v);
    if (hasH) DrawScrollBar(hdc, h, false, origin);
    if (hasV) DrawScrollBar(hdc, v, true, origin);
    if (hasH && hasV) Fill(hdc, Offset(RECT{v.bar.left, h.bar.top, v.bar.right, h.bar.bottom}, -origin.x, -origin.y), COLOR_3DFACE);
    ReleaseDC(hwnd, hdc);
}

void PaintCloseBox(HWND hwnd, bool pressed) {
    Window* w = Find(hwnd);
    if (!w) return;
    const RECT box = CloseBoxRect(*w);
    if (RectEmpty(box)) return;
    HDC hdc = GetWindowDC(hwnd);
    if (!hdc) return;
    DrawCloseBox(hdc, box, pressed);
    ReleaseDC(hwnd, hdc);
}

void Paint(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return;
    const RECT ins = NonClientInsets(*w);
    if (ins.left == 0 && ins.top == 0 && ins.right == 0 && ins.bottom == 0) return;
    HDC hdc = GetWindowDC(hwnd);
    if (!hdc) return;
    w = Find(hwnd);
    RECT r{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    const int frame = FrameWidth(*w);
    if ((w->style & WS_THICKFRAME) || (w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
        // The raised edge, then the face colour for the rest of the frame's width.
        DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        const int ring = (w->style & WS_THICKFRAME) ? (w->ncActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE;
        for (int i = 2; i < frame && !RectEmpty(r); ++i) {
            FrameRect(hdc, &r, GetSysColorBrush(ring));
            r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        }
    } else if (frame > 0) {
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        DrawCaption(hdc, *w);
        r.top += GetSystemMetrics(SM_CYCAPTION);
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) DrawEdge(hdc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (w->exStyle & WS_EX_STATICEDGE) DrawEdge(hdc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    ReleaseDC(hwnd, hdc);
    PaintScrollBars(hwnd);
}

}  // namespace nonclient
