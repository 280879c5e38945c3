// Blits: BitBlt, StretchBlt, StretchDIBits and SetDIBitsToDevice.
//
// A plain source copy between different surfaces goes straight through Cairo; everything else
// (scaling, mirroring, monochrome conversion, other raster operations, a surface copied onto
// itself) first samples the source into a scratch image of the visible destination area, then
// combines it with the destination pixel by pixel.
#include <limits>

#include "platform/win/gdi_internal.h"
#include "platform/win/global_memory.h"

using namespace gdi;

namespace {

struct Source {
    cairo_surface_t* surface;
    bool mono;         // monochrome bitmap: black is 0, white is 1
    COLORREF bk;       // background colour of the source DC, for colour to monochrome
};

bool IsWhite(uint32_t px) {
    return ((px >> 16) & 0xFF) + ((px >> 8) & 0xFF) + (px & 0xFF) >= 384;
}

// The destination rectangle (x, y, w, h) in the destination's logical units receives the source
// rectangle (sx, sy, sw, sh) in source pixels; negative sizes mirror.
BOOL Transfer(DC& dst, int x, int y, int w, int h, const Source& src, double sx, double sy, double sw, double sh,
              DWORD rop) {
    if (w == 0 || h == 0) return TRUE;
    if (sw == 0 || sh == 0) return FALSE;
    const int dx = dst.ToDevX(x), dy = dst.ToDevY(y);
    const double ax = sw / w, ay = sh / h;
    const double cx = sx - dx * ax, cy = sy - dy * ay;  // source = a · device + c
    const RECT d = Intersect(Normalized(RECT{dx, dy, dx + w, dy + h}), RECT{0, 0, dst.width, dst.height});
    if (IsEmpty(d)) return TRUE;
    const bool convert = src.mono != dst.Mono();
    if (rop == SRCCOPY && !convert && src.surface != dst.surface) {
        cairo_t* cr = Prepare(dst);
        cairo_pattern_t* p = cairo_pattern_create_for_surface(src.surface);
        cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
        cairo_matrix_t m;
        cairo_matrix_init(&m, ax, 0, 0, ay, cx, cy);
        cairo_pattern_set_matrix(p, &m);
        cairo_set_source(cr, p);
        SourceChanged(dst);
        cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        return TRUE;
    }
    const int tw = d.right - d.left, th = d.bottom - d.top;
    cairo_surface_t* t = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th);
    if (cairo_surface_status(t) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(t);
        return FALSE;
    }
    cairo_surface_flush(src.surface);
    {
        cairo_t* tc = cairo_create(t);
        cairo_pattern_t* p = cairo_pattern_create_for_surface(src.surface);
        cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
        cairo_matrix_t m;
        cairo_matrix_init(&m, ax, 0, 0, ay, cx + d.left * ax, cy + d.top * ay);
        cairo_pattern_set_matrix(p, &m);
        cairo_set_source(tc, p);
        cairo_paint(tc);
        cairo_pattern_destroy(p);
        cairo_destroy(tc);
    }
    cairo_surface_flush(t);
    unsigned char* tdata = cairo_image_surface_get_data(t);
    const int tstride = cairo_image_surface_get_stride(t);
    // Monochrome to colour: 0 takes the text colour, 1 the background colour of the destination;
    // colour to monochrome: the source's background colour becomes 1, all else 0.
    const uint32_t fg = Pixel(ResolveColorRef(dst.st.text)), bg = Pixel(ResolveColorRef(dst.st.bk));
    const uint32_t srcBk = Pixel(ResolveColorRef(src.bk));
    auto sourceAt = [&](int px, int py, uint32_t& s) {
        const uint32_t v = reinterpret_cast<const uint32_t*>(tdata + static_cast<std::ptrdiff_t>(py - d.top) * tstride)[px - d.left];
        if ((v >> 24) == 0) return false;  // outside the source
        s = v & 0xFFFFFF;
        if (src.mono && !dst.Mono())
            s = IsWhite(s) ? bg : fg;
        else if (!src.mono && dst.Mono())
            s = s == srcBk ? 0xFFFFFF : 0;
        return true;
    };
    Brush& brush = *dst.st.brush;
    const bool pattern = RopUsesPattern(rop);
    ForEachPixel(dst, d, [&](int px, int py, uint32_t dp) {
        uint32_t s, p = 0;
        if (!sourceAt(px, py, s)) return dp;
        if (pattern && !BrushPixelAt(dst, brush, px, py, p)) return dp;
        return Rop3(rop, p, s, dp);
    });
    cairo_surface_destroy(t);
    return TRUE;
}

Source SourceOf(DC& dc) {
    cairo_surface_flush(dc.surface);
    return {dc.surface, dc.Mono(), dc.st.bk};
}

// A DIB decoded for drawing; null surface when the DIB is refused.
struct DecodedDib {
    DibView view;
    cairo_surface_t* surface = nullptr;
    ~DecodedDib() {
        if (surface != nullptr) cairo_surface_destroy(surface);
    }
};

bool Decode(const BITMAPINFO* bmi, const void* bits, UINT usage, int rows, DecodedDib& out) {
    const char* error = nullptr;
    if (!DibCheck(bmi, GlobalBytesFrom(bmi), bits, GlobalBytesFrom(bits), usage, rows, out.view, &error)) return false;
    out.surface = DecodeDib(out.view);
    return out.surface != nullptr;
}

}  // namespace

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    if (!RopUsesSource(rop)) return PatBlt(hdc, x, y, cx, cy, rop);
    DC* dst = LookupDC(hdc);
    DC* src = LookupDC(hdcSrc);
    if (dst == nullptr || src == nullptr || cx < 0 || cy < 0) return FALSE;
    return Transfer(*dst, x, y, cx, cy, SourceOf(*src), src->ToDevX(x1), src->ToDevY(y1), cx, cy, rop);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
    if (!RopUsesSource(rop)) return PatBlt(hdcDest, xDest, yDest, wDest, hDest, rop);
    DC* dst = LookupDC(hdcDest);
    DC* src = LookupDC(hdcSrc);
    if (dst == nullptr || src == nullptr) return FALSE;
    return Transfer(*dst, xDest, yDest, wDest, hDest, SourceOf(*src), src->ToDevX(xSrc), src->ToDevY(ySrc), wSrc,
                    hSrc, rop);
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc, int SrcWidth,
                  int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage, DWORD rop) {
    DC* dst = LookupDC(hdc);
    if (dst == nullptr) return 0;
    DecodedDib dib;
    if (!Decode(lpbmi, lpBits, iUsage, -1, dib)) return 0;
    // The source rectangle of a bottom-up DIB is measured from its bottom row.
    const double top = dib.view.topDown ? ySrc : dib.view.height - ySrc - SrcHeight;
    const Source src{dib.surface, false, 0};
    if (!Transfer(*dst, xDest, yDest, DestWidth, DestHeight, src, xSrc, top, SrcWidth, SrcHeight, rop)) return 0;
    return SrcHeight < 0 ? -SrcHeight : SrcHeight;
}

int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan, UINT cLines,
                      const void* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse) {
    DC* dst = LookupDC(hdc);
    if (dst == nullptr || w > 0x7FFFFFFF || h > 0x7FFFFFFF || cLines > 0x7FFFFFFF || StartScan > 0x7FFFFFFF) return 0;
    if (cLines == 0) return 0;
    DecodedDib dib;
    if (!Decode(lpbmi, lpvBits, ColorUse, static_cast<int>(cLines), dib)) return 0;
    const LONG fullHeight = lpbmi->bmiHeader.biHeight < 0 ? -lpbmi->bmiHeader.biHeight : lpbmi->bmiHeader.biHeight;
    if (static_cast<long long>(StartScan) + cLines > fullHeight) return 0;
    // The bits hold scan lines StartScan .. StartScan + cLines - 1; for a bottom-up DIB those count
    // from the bottom, and so does ySrc.
    const long long top = dib.view.topDown ? static_cast<long long>(ySrc) - StartScan
                                           : static_cast<long long>(StartScan) + cLines - ySrc - static_cast<long long>(h);
    const Source src{dib.surface, false, 0};
    if (!Transfer(*dst, xDest, yDest, static_cast<int>(w), static_cast<int>(h), src, xSrc, static_cast<double>(top),
                  static_cast<int>(w), static_cast<int>(h), SRCCOPY))
        return 0;
    return static_cast<int>(cLines);
}
