// Raster operations on pixels and the brushes as Cairo sources or per-pixel colours.
//
// Cairo draws the plain copies (fills with a brush, pen lines in copy mode); everything that
// combines bits with the destination (xor, not, pattern inversion, the ternary operations) is
// done here on the image's pixels, because the platform's operations are bitwise and Cairo's
// compositing operators are not.
#include "platform/win/gdi_internal.h"

namespace gdi {
namespace {

bool HatchBit(int hatch, int x, int y) noexcept {
    switch (hatch) {
        case HS_HORIZONTAL: return y == 0;
        case HS_VERTICAL: return x == 0;
        case HS_FDIAGONAL: return x == y;
        case HS_BDIAGONAL: return x + y == 7;
        case HS_CROSS: return x == 0 || y == 0;
        case HS_DIAGCROSS: return x == y || x + y == 7;
        default: return false;
    }
}

// Bitwise function with a truth table of nbits inputs: bit i of table is the result for the
// inputs whose bits spell i (first operand most significant).
uint32_t Rop2Table(unsigned t, uint32_t p, uint32_t d) noexcept {
    uint32_t r = 0;
    if (t & 1) r |= ~p & ~d;
    if (t & 2) r |= ~p & d;
    if (t & 4) r |= p & ~d;
    if (t & 8) r |= p & d;
    return r & 0xFFFFFF;
}

}  // namespace

uint32_t Rop2(int rop2, uint32_t pen, uint32_t dst) noexcept {
    switch (rop2) {
        case R2_COPYPEN: return pen;
        case R2_NOP: return dst;
        case R2_NOT: return ~dst & 0xFFFFFF;
        case R2_XORPEN: return (pen ^ dst) & 0xFFFFFF;
        default: return Rop2Table(static_cast<unsigned>(rop2 - 1) & 0xF, pen, dst);
    }
}

uint32_t Rop3(DWORD rop, uint32_t p, uint32_t s, uint32_t d) noexcept {
    const unsigned t = (rop >> 16) & 0xFF;
    switch (t) {
        case 0xCC: return s;
        case 0xF0: return p;
        case 0x5A: return (p ^ d) & 0xFFFFFF;
        case 0x55: return ~d & 0xFFFFFF;
        case 0x66: return (s ^ d) & 0xFFFFFF;
        case 0x88: return s & d;
        case 0xEE: return s | d;
        default: break;
    }
    uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(t & (1u << i))) continue;
        const uint32_t mp = (i & 4) ? p : ~p;
        const uint32_t ms = (i & 2) ? s : ~s;
        const uint32_t md = (i & 1) ? d : ~d;
        r |= mp & ms & md;
    }
    return r & 0xFFFFFF;
}

bool BrushPixelAt(const DC& dc, const Brush& b, int x, int y, uint32_t& out) noexcept {
    const int px = ((x - dc.st.brushOrg.x) % 8 + 8) % 8;
    const int py = ((y - dc.st.brushOrg.y) % 8 + 8) % 8;
    switch (b.style) {
        case BS_SOLID: out = Pixel(b.Color()); return true;
        case BS_HATCHED:
            if (HatchBit(b.hatch, px, py)) {
                out = Pixel(b.Color());
                return true;
            }
            if (dc.st.bkMode != OPAQUE) return false;
            out = Pixel(ResolveColorRef(dc.st.bk));
            return true;
        case BS_PATTERN: {
            const uint32_t v = b.pattern[py * 8 + px];
            out = b.mono ? Pixel(ResolveColorRef(v != 0 ? dc.st.bk : dc.st.text)) : v;
            return true;
        }
        default: return false;
    }
}

bool SetBrushSource(DC& dc, Brush& b) {
    cairo_t* cr = dc.cr;
    if (b.style == BS_SOLID) {
        SetSolidSource(dc, Pixel(b.Color()));
        return true;
    }
    if (b.style != BS_HATCHED && b.style != BS_PATTERN) return false;
    uint32_t fg = 0, bg = 0;
    bool opaque = true;
    if (b.style == BS_HATCHED) {
        fg = Pixel(b.Color());
        bg = Pixel(ResolveColorRef(dc.st.bk));
        opaque = dc.st.bkMode == OPAQUE;
    } else if (b.mono) {
        fg = Pixel(ResolveColorRef(dc.st.text));
        bg = Pixel(ResolveColorRef(dc.st.bk));
    }
    if (b.source == nullptr || b.sourceFg != fg || b.sourceBg != bg || b.sourceOpaque != opaque) {
        if (b.source != nullptr) cairo_pattern_destroy(b.source);
        cairo_surface_t* tile =
            cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, 8, 8);
        unsigned char* data = cairo_image_surface_get_data(tile);
        const int stride = cairo_image_surface_get_stride(tile);
        for (int y = 0; y < 8; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
            for (int x = 0; x < 8; ++x) {
                uint32_t v;
                if (b.style == BS_HATCHED)
                    v = HatchBit(b.hatch, x, y) ? (0xFF000000u | fg) : (opaque ? (0xFF000000u | bg) : 0u);
                else if (b.mono)
                    v = 0xFF000000u | (b.pattern[y * 8 + x] != 0 ? bg : fg);
                else
                    v = 0xFF000000u | b.pattern[y * 8 + x];
                row[x] = v;
            }
        }
        cairo_surface_mark_dirty(tile);
        b.source = cairo_pattern_create_for_surface(tile);
        cairo_surface_destroy(tile);
        cairo_pattern_set_extend(b.source, CAIRO_EXTEND_REPEAT);
        cairo_pattern_set_filter(b.source, CAIRO_FILTER_NEAREST);
        b.sourceFg = fg;
        b.sourceBg = bg;
        b.sourceOpaque = opaque;
    }
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, -dc.st.brushOrg.x, -dc.st.brushOrg.y);
    cairo_pattern_set_matrix(b.source, &m);
    cairo_set_source(cr, b.source);
    SourceChanged(dc);
    return true;
}

void FillDevRect(DC& dc, RECT r, Brush& b) {
    r = Normalized(r);
    if (IsEmpty(r)) return;
    cairo_t* cr = Prepare(dc);
    if (!SetBrushSource(dc, b)) return;
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

void FillDevRectColor(DC& dc, RECT r, uint32_t px) {
    r = Normalized(r);
    if (IsEmpty(r)) return;
    cairo_t* cr = Prepare(dc);
    SetSolidSource(dc, px);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

void PenSpan(DC& dc, RECT r, uint32_t pen) {
    const int rop = dc.st.rop2;
    if (rop == R2_NOP) return;
    if (rop == R2_COPYPEN) {
        FillDevRectColor(dc, r, pen);
        return;
    }
    ForEachPixel(dc, r, [rop, pen](int, int, uint32_t d) { return Rop2(rop, pen, d); });
}

}  // namespace gdi
