// The static control: text (left, centred or right, broken at words, with or without prefix
// characters), filled rectangles and frames (black, grey, white), etched lines. A disabled
// static shows its text embossed. Without SS_NOTIFY the mouse goes through it to its parent.
#include "platform/win/controls_internal.h"

namespace controls {

namespace {

struct StaticRecord {
    HFONT font = nullptr;
};

UINT Kind(DWORD style) { return style & SS_TYPEMASK; }

bool IsTextKind(UINT kind) {
    return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP;
}

// Colour of the filled and framed kinds.
int KindColor(UINT kind) {
    switch (kind) {
    case SS_BLACKRECT: case SS_BLACKFRAME: return COLOR_WINDOWFRAME;
    case SS_GRAYRECT: case SS_GRAYFRAME: return COLOR_3DSHADOW;
    default: return COLOR_WINDOW;
    }
}

void PaintText(HWND hwnd, HDC hdc, const StaticRecord& r, DWORD style) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HBRUSH brush = ControlColors(hwnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &rc, brush);
    const std::string text = TextOf(hwnd);
    if (text.empty()) return;
    const UINT kind = Kind(style);
    UINT format = DT_EXPANDTABS;
    if (kind == SS_CENTER) format |= DT_CENTER;
    else if (kind == SS_RIGHT) format |= DT_RIGHT;
    if (kind == SS_SIMPLE) format |= DT_SINGLELINE;
    else if (kind != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    HGDIOBJ old = SelectObject(hdc, FontOrDefault(r.font));
    DrawControlText(hdc, text.c_str(), rc, format, IsWindowEnabled(hwnd) != FALSE);
    SelectObject(hdc, old);
}

void Paint(HWND hwnd, const StaticRecord& r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) {
        const DWORD style = StyleOf(hwnd);
        const UINT kind = Kind(style);
        RECT rc;
        GetClientRect(hwnd, &rc);
        switch (kind) {
        case SS_BLACKRECT: case SS_GRAYRECT: case SS_WHITERECT:
            FillSys(hdc, rc, KindColor(kind));
            break;
        case SS_BLACKFRAME: case SS_GRAYFRAME: case SS_WHITEFRAME:
            FrameRect(hdc, &rc, GetSysColorBrush(KindColor(kind)));
            break;
        case SS_ETCHEDHORZ:
            DrawEdge(hdc, &rc, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
            break;
        case SS_ETCHEDVERT:
            DrawEdge(hdc, &rc, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
            break;
        case SS_ETCHEDFRAME:
            DrawEdge(hdc, &rc, EDGE_ETCHED, BF_RECT);
            break;
        default:
            if (IsTextKind(kind)) PaintText(hwnd, hdc, r, style);
            break;
        }
    }
    EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) MakeRecord<StaticRecord>(hwnd);
    StaticRecord* r = RecordOf<StaticRecord>(hwnd);
    if (!r) return DefWindowProc(hwnd, msg, wParam, lParam);
    const DWORD style = StyleOf(hwnd);
    switch (msg) {
    case WM_NCDESTROY:
        DropRecord<StaticRecord>(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        if (!(style & SS_NOTIFY)) return HTTRANSPARENT;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        r->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<UINT_PTR>(lParam))) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(r->font);
    case WM_SETTEXT: {
        const LRESULT done = DefWindowProc(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return done;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        if (style & SS_NOTIFY) Notify(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd, *r);
        return 0;
    case WM_LBUTTONDOWN:
        if (style & SS_NOTIFY) Notify(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (style & SS_NOTIFY) Notify(hwnd, STN_DBLCLK);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace controls
