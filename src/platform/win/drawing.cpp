// Drawing: rectangle fills and frames, pattern blits and inversion, lines with the pen rules,
// rectangles, single pixels, three-dimensional edges and the focus frame.
#include <cmath>
#include <cstdlib>

#include "platform/win/gdi_internal.h"

using namespace gdi;

namespace {

// A brush handle, or a system colour index plus one, as the platform accepts in FillRect.
Brush* BrushArg(HBRUSH hbr) {
    const auto v = reinterpret_cast<std::uintptr_t>(hbr);
    if (v >= 1 && v <= static_cast<std::uintptr_t>(COLOR_COUNT)) hbr = GetSysColorBrush(static_cast<int>(v - 1));
    return LookupAs<Brush>(hbr, Kind::Brush);
}

RECT DevRect(const DC& dc, const RECT& r) { return Normalized(dc.ToDev(r.left, r.top, r.right, r.bottom)); }

uint32_t PenPixel(const Pen& p) { return Pixel(ResolveColorRef(p.color)); }

// Fills with the current brush through the line raster operation (Rectangle's inside).
void BrushSpan(DC& dc, RECT r, Brush& b) {
    if (b.style == BS_NULL || IsEmpty(Normalized(r))) return;
    const int rop = dc.st.rop2;
    if (rop == R2_COPYPEN) {
        FillDevRect(dc, r, b);
        return;
    }
    if (rop == R2_NOP) return;
    ForEachPixel(dc, r, [&dc, &b, rop](int x, int y, uint32_t d) {
        uint32_t p;
        return BrushPixelAt(dc, b, x, y, p) ? Rop2(rop, p, d) : d;
    });
}

// Pixels of one pen colour, drawn in one go in copy mode.
void PlotRects(DC& dc, const std::vector<RECT>& rects, uint32_t px) {
    if (rects.empty() || dc.st.rop2 == R2_NOP) return;
    if (dc.st.rop2 != R2_COPYPEN) {
        for (const RECT& r : rects) PenSpan(dc, r, px);
        return;
    }
    cairo_t* cr = Prepare(dc);
    SetSolidSource(dc, px);
    for (const RECT& r : rects) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

// On and off lengths of the cosmetic pen styles.
struct DashPattern {
    int count;
    int lengths[6];
};
const DashPattern* DashOf(UINT dash) {
    static const DashPattern kDash{2, {18, 6}}, kDot{2, {3, 3}}, kDashDot{4, {9, 6, 3, 6}},
        kDashDotDot{6, {9, 3, 3, 3, 3, 3}}, kAlternate{2, {1, 1}};
    switch (dash) {
        case PS_DASH: return &kDash;
        case PS_DOT: return &kDot;
        case PS_DASHDOT: return &kDashDot;
        case PS_DASHDOTDOT: return &kDashDotDot;
        case PS_ALTERNATE: return &kAlternate;
        default: return nullptr;
    }
}

bool Geometric(const Pen& p) { return (p.style & PS_TYPE_MASK) == PS_GEOMETRIC; }
bool FlatCaps(const Pen& p) { return Geometric(p) && (p.style & PS_ENDCAP_MASK) == PS_ENDCAP_FLAT; }

// A one-pixel line from a to b in device units. A cosmetic pen leaves b out; a geometric pen with
// square or round caps reaches half a pixel beyond b, so b is drawn.
void ThinLine(DC& dc, const Pen& pen, POINT a, POINT b) {
    const uint32_t color = PenPixel(pen);
    const DashPattern* dash = DashOf(pen.Dash());
    const bool withEnd = Geometric(pen) && !FlatCaps(pen);
    if (dash == nullptr && withEnd && (a.x == b.x || a.y == b.y)) {
        PenSpan(dc, {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1}, color);
        return;
    }
    if (dash == nullptr) {
        if (a.y == b.y) {
            if (a.x != b.x) PenSpan(dc, a.x < b.x ? RECT{a.x, a.y, b.x, a.y + 1} : RECT{b.x + 1, a.y, a.x + 1, a.y + 1}, color);
            return;
        }
        if (a.x == b.x) {
            PenSpan(dc, a.y < b.y ? RECT{a.x, a.y, a.x + 1, b.y} : RECT{a.x, b.y + 1, a.x + 1, a.y + 1}, color);
            return;
        }
    }
    std::vector<RECT> on, off;
    const bool opaque = dc.st.bkMode == OPAQUE;
    int seg = 0, left = dash != nullptr ? dash->lengths[0] : 0;
    auto plot = [&](int x, int y) {
        bool isOn = true;
        if (dash != nullptr) {
            isOn = seg % 2 == 0;
            if (--left == 0) {
                seg = (seg + 1) % dash->count;
                left = dash->lengths[seg];
            }
        }
        if (isOn)
            on.push_back({x, y, x + 1, y + 1});
        else if (opaque)
            off.push_back({x, y, x + 1, y + 1});
    };
    // Bresenham from a towards b.
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy, x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (withEnd) plot(b.x, b.y);
    PlotRects(dc, on, color);
    PlotRects(dc, off, Pixel(ResolveColorRef(dc.st.bk)));
}

// A pen wider than one pixel: a band of its width across the line (from w / 2 before the line's
// pixels), along it from the start to the end point with flat caps, or half the width beyond both
// end points with square and round caps (round ones are drawn square on the pixel grid).
void WideLine(DC& dc, const Pen& pen, POINT a, POINT b) {
    const int w = pen.width;
    const bool flat = FlatCaps(pen);
    const int lo = flat ? 0 : w / 2, hi = flat ? 0 : (w - 1) / 2 + 1;
    const uint32_t color = PenPixel(pen);
    if (a.y == b.y) {
        PenSpan(dc, {std::min(a.x, b.x) - lo, a.y - w / 2, std::max(a.x, b.x) + hi, a.y - w / 2 + w}, color);
        return;
    }
    if (a.x == b.x) {
        PenSpan(dc, {a.x - w / 2, std::min(a.y, b.y) - lo, a.x - w / 2 + w, std::max(a.y, b.y) + hi}, color);
        return;
    }
    // Slanted wide lines are stroked by Cairo, in copy mode only.
    cairo_t* cr = Prepare(dc);
    SetSolidSource(dc, color);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, flat ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_SQUARE);
    cairo_move_to(cr, a.x + 0.5, a.y + 0.5);
    cairo_line_to(cr, b.x + 0.5, b.y + 0.5);
    cairo_stroke(cr);
}

void DrawLine(DC& dc, POINT a, POINT b) {
    const Pen& pen = *dc.st.pen;
    if (pen.Dash() == PS_NULL) return;
    if (pen.width <= 1)
        ThinLine(dc, pen, a, b);
    else
        WideLine(dc, pen, a, b);
}

}  // namespace

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    DC* dc = LookupDC(hdc);
    Brush* b = BrushArg(hbr);
    if (dc == nullptr || b == nullptr || lprc == nullptr) return 0;
    FillDevRect(*dc, DevRect(*dc, *lprc), *b);
    return 1;
}

int FrameRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    DC* dc = LookupDC(hdc);
    Brush* b = BrushArg(hbr);
    if (dc == nullptr || b == nullptr || lprc == nullptr) return 0;
    const RECT r = DevRect(*dc, *lprc);
    if (IsEmpty(r)) return 1;
    FillDevRect(*dc, {r.left, r.top, r.right, r.top + 1}, *b);
    if (r.bottom - r.top > 1) FillDevRect(*dc, {r.left, r.bottom - 1, r.right, r.bottom}, *b);
    FillDevRect(*dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, *b);
    if (r.right - r.left > 1) FillDevRect(*dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, *b);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* lprc) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || lprc == nullptr) return FALSE;
    ForEachPixel(*dc, DevRect(*dc, *lprc), [](int, int, uint32_t d) { return ~d; });
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || RopUsesSource(rop)) return FALSE;
    const RECT r = Normalized(dc->ToDev(x, y, x + w, y + h));
    Brush& b = *dc->st.brush;
    switch (rop) {
        case PATCOPY: FillDevRect(*dc, r, b); return TRUE;
        case BLACKNESS: FillDevRectColor(*dc, r, 0); return TRUE;
        case WHITENESS: FillDevRectColor(*dc, r, 0xFFFFFF); return TRUE;
        default: break;
    }
    const bool pattern = RopUsesPattern(rop);
    if (pattern && b.style == BS_NULL) return TRUE;
    ForEachPixel(*dc, r, [dc, &b, rop, pattern](int px, int py, uint32_t d) {
        uint32_t p = 0;
        if (pattern && !BrushPixelAt(*dc, b, px, py, p)) return d;
        return Rop3(rop, p, 0, d);
    });
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return FALSE;
    const RECT r = Normalized(dc->ToDev(left, top, right, bottom));
    const Pen& pen = *dc->st.pen;
    Brush& brush = *dc->st.brush;
    if (pen.Dash() == PS_NULL) {
        // Without an outline the inside stops one pixel short at the right and bottom.
        BrushSpan(*dc, {r.left, r.top, r.right - 1, r.bottom - 1}, brush);
        return TRUE;
    }
    if (IsEmpty(r)) return TRUE;
    const int w = std::max(1, pen.width);
    RECT o = r;
    if (pen.Dash() != PS_INSIDEFRAME) o = {r.left - (w - 1) / 2, r.top - (w - 1) / 2, r.right + w / 2, r.bottom + w / 2};
    const uint32_t color = PenPixel(pen);
    if (o.right - o.left <= 2 * w || o.bottom - o.top <= 2 * w) {
        PenSpan(*dc, o, color);
        return TRUE;
    }
    BrushSpan(*dc, {o.left + w, o.top + w, o.right - w, o.bottom - w}, brush);
    if (w == 1 && DashOf(pen.Dash()) != nullptr) {
        const POINT c[5] = {{o.left, o.top}, {o.right - 1, o.top}, {o.right - 1, o.bottom - 1},
                            {o.left, o.bottom - 1}, {o.left, o.top}};
        for (int i = 0; i < 4; ++i) ThinLine(*dc, pen, c[i], c[i + 1]);
        return TRUE;
    }
    PenSpan(*dc, {o.left, o.top, o.right, o.top + w}, color);
    PenSpan(*dc, {o.left, o.bottom - w, o.right, o.bottom}, color);
    PenSpan(*dc, {o.left, o.top + w, o.left + w, o.bottom - w}, color);
    PenSpan(*dc, {o.right - w, o.top + w, o.right, o.bottom - w}, color);
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return FALSE;
    const POINT a{dc->ToDevX(dc->st.pos.x), dc->ToDevY(dc->st.pos.y)};
    const POINT b{dc->ToDevX(x), dc->ToDevY(y)};
    DrawLine(*dc, a, b);
    dc->st.pos = {x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || apt == nullptr || cpt < 2) return FALSE;
    for (int i = 0; i + 1 < cpt; ++i)
        DrawLine(*dc, {dc->ToDevX(apt[i].x), dc->ToDevY(apt[i].y)}, {dc->ToDevX(apt[i + 1].x), dc->ToDevY(apt[i + 1].y)});
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return CLR_INVALID;
    const int dx = dc->ToDevX(x), dy = dc->ToDevY(y);
    if (VisibleRects(*dc, {dx, dy, dx + 1, dy + 1}).empty()) return CLR_INVALID;
    const uint32_t px = Pixel(ResolveColorRef(color));
    ForEachPixel(*dc, {dx, dy, dx + 1, dy + 1}, [px](int, int, uint32_t) { return px; });
    return ColorOf(px);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return CLR_INVALID;
    const int dx = dc->ToDevX(x), dy = dc->ToDevY(y);
    if (VisibleRects(*dc, {dx, dy, dx + 1, dy + 1}).empty()) return CLR_INVALID;
    cairo_surface_flush(dc->surface);
    const unsigned char* data = cairo_image_surface_get_data(dc->surface);
    const int stride = cairo_image_surface_get_stride(dc->surface);
    return ColorOf(reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(dy) * stride)[dx]);
}

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || qrc == nullptr) return FALSE;
    RECT r = DevRect(*dc, *qrc);
    const bool soft = grfFlags & BF_SOFT, flat = grfFlags & BF_FLAT, mono = grfFlags & BF_MONO;
    const UINT layers[2] = {edge & BDR_OUTER, (edge & BDR_INNER) >> 2};
    for (int layer = 0; layer < 2; ++layer) {
        const UINT kind = layers[layer];  // 1 raised, 2 sunken
        if (kind == 0) continue;
        int tl, br;
        if (mono) {
            tl = br = layer == 0 ? COLOR_WINDOWFRAME : COLOR_WINDOW;
        } else if (flat) {
            tl = br = layer == 0 ? COLOR_3DSHADOW : COLOR_3DFACE;
        } else if (kind & 1) {
            tl = layer == 0 ? (soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT) : (soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT);
            br = layer == 0 ? COLOR_3DDKSHADOW : COLOR_3DSHADOW;
        } else {
            tl = layer == 0 ? (soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW) : (soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW);
            br = layer == 0 ? COLOR_3DHILIGHT : COLOR_3DLIGHT;
        }
        if (IsEmpty(r)) break;
        const uint32_t cTL = Pixel(GetSysColor(tl)), cBR = Pixel(GetSysColor(br));
        // The light sides stop one pixel short, so the dark sides own the top-right and
        // bottom-left corners.
        if (grfFlags & BF_TOP) FillDevRectColor(*dc, {r.left, r.top, r.right - 1, r.top + 1}, cTL);
        if (grfFlags & BF_LEFT) FillDevRectColor(*dc, {r.left, r.top, r.left + 1, r.bottom - 1}, cTL);
        if (grfFlags & BF_BOTTOM) FillDevRectColor(*dc, {r.left, r.bottom - 1, r.right, r.bottom}, cBR);
        if (grfFlags & BF_RIGHT) FillDevRectColor(*dc, {r.right - 1, r.top, r.right, r.bottom - 1}, cBR);
        if (grfFlags & BF_TOP) ++r.top;
        if (grfFlags & BF_LEFT) ++r.left;
        if (grfFlags & BF_BOTTOM) --r.bottom;
        if (grfFlags & BF_RIGHT) --r.right;
    }
    if ((grfFlags & BF_MIDDLE) && !IsEmpty(r))
        FillDevRectColor(*dc, r, Pixel(GetSysColor(mono ? COLOR_WINDOW : COLOR_3DFACE)));
    if (grfFlags & BF_ADJUST) {
        const int dx = dc->ToDevX(0), dy = dc->ToDevY(0);
        *qrc = {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
    }
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* lprc) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || lprc == nullptr) return FALSE;
    const RECT r = DevRect(*dc, *lprc);
    if (IsEmpty(r)) return TRUE;
    const POINT org = dc->st.brushOrg;
    auto dots = [org](int x, int y, uint32_t d) { return ((x - org.x + y - org.y) & 1) == 0 ? ~d : d; };
    ForEachPixel(*dc, {r.left, r.top, r.right, r.top + 1}, dots);
    if (r.bottom - r.top > 1) ForEachPixel(*dc, {r.left, r.bottom - 1, r.right, r.bottom}, dots);
    ForEachPixel(*dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, dots);
    if (r.right - r.left > 1) ForEachPixel(*dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, dots);
    return TRUE;
}
