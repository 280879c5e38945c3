// Regions of rectangles, on Cairo's region type.
#include "platform/win/gdi_internal.h"

using namespace gdi;

namespace {

int RgnKind(const cairo_region_t* r) {
    const int n = cairo_region_num_rectangles(r);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

cairo_rectangle_int_t CairoRect(int x1, int y1, int x2, int y2) {
    const RECT r = Normalized(RECT{x1, y1, x2, y2});
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    auto* r = new Region();
    const cairo_rectangle_int_t c = CairoRect(x1, y1, x2, y2);
    r->rgn = cairo_region_create_rectangle(&c);
    return static_cast<HRGN>(Register(r));
}

HRGN CreateRectRgnIndirect(const RECT* lprect) {
    if (lprect == nullptr) return nullptr;
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
    Region* d = LookupAs<Region>(hrgnDst, Kind::Region);
    Region* a = LookupAs<Region>(hrgnSrc1, Kind::Region);
    Region* b = iMode == RGN_COPY ? nullptr : LookupAs<Region>(hrgnSrc2, Kind::Region);
    if (d == nullptr || a == nullptr || (iMode != RGN_COPY && b == nullptr)) return ERROR;
    cairo_region_t* out = cairo_region_copy(a->rgn);
    cairo_status_t st = CAIRO_STATUS_SUCCESS;
    switch (iMode) {
        case RGN_AND: st = cairo_region_intersect(out, b->rgn); break;
        case RGN_OR: st = cairo_region_union(out, b->rgn); break;
        case RGN_XOR: st = cairo_region_xor(out, b->rgn); break;
        case RGN_DIFF: st = cairo_region_subtract(out, b->rgn); break;
        case RGN_COPY: break;
        default: cairo_region_destroy(out); return ERROR;
    }
    if (st != CAIRO_STATUS_SUCCESS) {
        cairo_region_destroy(out);
        return ERROR;
    }
    cairo_region_destroy(d->rgn);
    d->rgn = out;
    return RgnKind(out);
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr) return FALSE;
    const cairo_rectangle_int_t c = CairoRect(left, top, right, bottom);
    cairo_region_destroy(r->rgn);
    r->rgn = cairo_region_create_rectangle(&c);
    return TRUE;
}

int OffsetRgn(HRGN hrgn, int x, int y) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr) return ERROR;
    cairo_region_translate(r->rgn, x, y);
    return RgnKind(r->rgn);
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr || lprc == nullptr) return ERROR;
    cairo_rectangle_int_t e;
    cairo_region_get_extents(r->rgn, &e);
    *lprc = {e.x, e.y, e.x + e.width, e.y + e.height};
    return RgnKind(r->rgn);
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    return r != nullptr && cairo_region_contains_point(r->rgn, x, y);
}

BOOL RectInRegion(HRGN hrgn, const RECT* lprect) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr || lprect == nullptr) return FALSE;
    const cairo_rectangle_int_t c = CairoRect(lprect->left, lprect->top, lprect->right, lprect->bottom);
    return cairo_region_contains_rectangle(r->rgn, &c) != CAIRO_REGION_OVERLAP_OUT;
}

BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2) {
    Region* a = LookupAs<Region>(hrgn1, Kind::Region);
    Region* b = LookupAs<Region>(hrgn2, Kind::Region);
    return a != nullptr && b != nullptr && cairo_region_equal(a->rgn, b->rgn);
}

int GetRegionRects(HRGN hrgn, RECT* pRects, int nMax) {
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr) return 0;
    const int n = cairo_region_num_rectangles(r->rgn);
    for (int i = 0; i < n && i < nMax && pRects != nullptr; ++i) {
        cairo_rectangle_int_t c;
        cairo_region_get_rectangle(r->rgn, i, &c);
        pRects[i] = {c.x, c.y, c.x + c.width, c.y + c.height};
    }
    return n;
}
