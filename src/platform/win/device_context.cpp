// Device contexts: creation over an image or a memory bitmap, object selection, the drawing
// state (colours, modes, origins, position), save and restore, clipping and device caps.
#include <unordered_set>

#include "platform/win/gdi_internal.h"
#include "platform/win/system_metrics.h"

namespace gdi {
namespace {

std::unordered_set<DC*>& DcRegistry() {
    static auto* set = new std::unordered_set<DC*>();  // lives as long as the process
    return *set;
}

void BindSurface(DC& dc, cairo_surface_t* s) {
    if (dc.cr != nullptr) cairo_destroy(dc.cr);
    dc.surface = s;
    dc.width = cairo_image_surface_get_width(s);
    dc.height = cairo_image_surface_get_height(s);
    dc.cr = cairo_create(s);
    cairo_set_antialias(dc.cr, CAIRO_ANTIALIAS_NONE);
    dc.clipSynced = false;
    dc.sourceValid = false;
}

void InitState(DC& dc) {
    dc.st.pen = static_cast<Pen*>(Stock(BLACK_PEN));
    dc.st.brush = static_cast<Brush*>(Stock(WHITE_BRUSH));
    dc.st.font = static_cast<Font*>(Stock(SYSTEM_FONT));
    Retain(dc.st.pen);
    Retain(dc.st.brush);
    Retain(dc.st.font);
    if (dc.memory) {
        dc.st.bitmap = StockBitmap();
        Retain(dc.st.bitmap);  // shared by every new memory DC, so never marked as taken
    }
}

cairo_region_t* CopyRegion(const cairo_region_t* r) { return r == nullptr ? nullptr : cairo_region_copy(r); }

void RetainState(const DcState& s) {
    Retain(s.pen);
    Retain(s.brush);
    Retain(s.font);
    Retain(s.bitmap);
}

void ReleaseState(DcState& s) {
    Release(s.pen);
    Release(s.brush);
    Release(s.font);
    Release(s.bitmap);
    if (s.clip != nullptr) cairo_region_destroy(s.clip);
    s.clip = nullptr;
}

// The clip region, or the whole surface when there is none; the caller destroys it.
cairo_region_t* EffectiveClip(const DC& dc) {
    if (dc.st.clip != nullptr) return cairo_region_copy(dc.st.clip);
    const cairo_rectangle_int_t all{0, 0, dc.width, dc.height};
    return cairo_region_create_rectangle(&all);
}

int RegionKind(const cairo_region_t* r) {
    const int n = cairo_region_num_rectangles(r);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int ClipKind(const DC& dc) {
    if (dc.st.clip == nullptr) return SIMPLEREGION;
    return RegionKind(dc.st.clip);
}

void SetClip(DC& dc, cairo_region_t* r) {
    if (dc.st.clip != nullptr) cairo_region_destroy(dc.st.clip);
    dc.st.clip = r;
    dc.clipSynced = false;
}

template <class T>
T Swap(T& field, T value) {
    T old = field;
    field = value;
    return old;
}

}  // namespace

// The last DC looked up, so that a run of calls on one DC skips the registry.
DC* g_lastDc = nullptr;

DC* LookupDC(HDC h) noexcept {
    if (h == nullptr) return nullptr;
    if (reinterpret_cast<DC*>(h) == g_lastDc) return g_lastDc;
    auto& reg = DcRegistry();
    auto it = reg.find(reinterpret_cast<DC*>(h));
    if (it == reg.end()) return nullptr;
    g_lastDc = *it;
    return g_lastDc;
}

void SetSolidSource(DC& dc, uint32_t px) {
    if (dc.sourceValid && dc.sourcePx == px) return;
    cairo_set_source_rgb(dc.cr, ((px >> 16) & 0xFF) / 255.0, ((px >> 8) & 0xFF) / 255.0, (px & 0xFF) / 255.0);
    dc.sourceValid = true;
    dc.sourcePx = px;
}

cairo_t* Prepare(DC& dc) {
    if (!dc.clipSynced) {
        cairo_reset_clip(dc.cr);
        if (dc.st.clip != nullptr) {
            const int n = cairo_region_num_rectangles(dc.st.clip);
            for (int i = 0; i < n; ++i) {
                cairo_rectangle_int_t r;
                cairo_region_get_rectangle(dc.st.clip, i, &r);
                cairo_rectangle(dc.cr, r.x, r.y, r.width, r.height);
            }
            if (n == 0) cairo_rectangle(dc.cr, 0, 0, 0, 0);
            cairo_clip(dc.cr);
        }
        dc.clipSynced = true;
    }
    return dc.cr;
}

RECT Normalized(RECT r) noexcept {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

bool IsEmpty(const RECT& r) noexcept { return r.left >= r.right || r.top >= r.bottom; }

RECT Intersect(const RECT& a, const RECT& b) noexcept {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmpty(r)) r = {0, 0, 0, 0};
    return r;
}

std::vector<RECT> VisibleRects(DC& dc, RECT r) {
    std::vector<RECT> out;
    r = Intersect(Normalized(r), RECT{0, 0, dc.width, dc.height});
    if (IsEmpty(r)) return out;
    if (dc.st.clip == nullptr) {
        out.push_back(r);
        return out;
    }
    const int n = cairo_region_num_rectangles(dc.st.clip);
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t c;
        cairo_region_get_rectangle(dc.st.clip, i, &c);
        RECT p = Intersect(r, RECT{c.x, c.y, c.x + c.width, c.y + c.height});
        if (!IsEmpty(p)) out.push_back(p);
    }
    return out;
}

}  // namespace gdi

using namespace gdi;

HDC CreateImageDC(int cx, int cy) {
    cairo_surface_t* s = NewSurface(cx, cy);
    if (s == nullptr) return nullptr;
    auto* dc = new DC();
    dc->own = s;
    BindSurface(*dc, s);
    InitState(*dc);
    DcRegistry().insert(dc);
    return reinterpret_cast<HDC>(dc);
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc != nullptr && LookupDC(hdc) == nullptr) return nullptr;
    auto* dc = new DC();
    dc->memory = true;
    BindSurface(*dc, StockBitmap()->surface);
    InitState(*dc);
    DcRegistry().insert(dc);
    return reinterpret_cast<HDC>(dc);
}

BOOL DeleteDC(HDC hdc) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return FALSE;
    DcRegistry().erase(dc);
    if (g_lastDc == dc) g_lastDc = nullptr;
    for (DcState& s : dc->saved) ReleaseState(s);
    if (dc->st.bitmap != nullptr && dc->st.bitmap->dc == dc) dc->st.bitmap->dc = nullptr;
    ReleaseState(dc->st);
    cairo_destroy(dc->cr);
    if (dc->own != nullptr) cairo_surface_destroy(dc->own);
    delete dc;
    return TRUE;
}

SIZE GetDCSurfaceSize(HDC hdc) {
    DC* dc = LookupDC(hdc);
    return dc == nullptr ? SIZE{0, 0} : SIZE{dc->width, dc->height};
}

int GetDeviceCaps(HDC hdc, int index) {
    DC* dc = hdc == nullptr ? nullptr : LookupDC(hdc);
    if (hdc != nullptr && dc == nullptr) return 0;
    const bool mono = dc != nullptr && dc->Mono();
    const int dpi = GetScreenDpi();
    switch (index) {
        case DRIVERVERSION: return 0x4000;
        case TECHNOLOGY: return DT_RASDISPLAY;
        case HORZRES: return dc != nullptr && dc->own != nullptr ? dc->width : GetSystemMetrics(SM_CXSCREEN);
        case VERTRES: return dc != nullptr && dc->own != nullptr ? dc->height : GetSystemMetrics(SM_CYSCREEN);
        case HORZSIZE: return GetDeviceCaps(hdc, HORZRES) * 254 / (dpi * 10);
        case VERTSIZE: return GetDeviceCaps(hdc, VERTRES) * 254 / (dpi * 10);
        case BITSPIXEL: return mono ? 1 : 32;
        case PLANES: return 1;
        case NUMCOLORS: return mono ? 2 : -1;
        case NUMBRUSHES:
        case NUMPENS: return -1;
        case NUMFONTS: return 0;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
        case LOGPIXELSX:
        case LOGPIXELSY: return dpi;
        case SIZEPALETTE:
        case NUMRESERVED: return 0;
        case COLORRES: return 24;
        default: return 0;
    }
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DC* dc = LookupDC(hdc);
    Object* o = Lookup(h);
    if (dc == nullptr || o == nullptr) return nullptr;
    Object* old = nullptr;
    switch (o->kind) {
        case Kind::Pen: old = Swap<Pen*>(dc->st.pen, static_cast<Pen*>(o)); break;
        case Kind::Brush: old = Swap<Brush*>(dc->st.brush, static_cast<Brush*>(o)); break;
        case Kind::Font: old = Swap<Font*>(dc->st.font, static_cast<Font*>(o)); break;
        case Kind::Bitmap: {
            auto* bm = static_cast<Bitmap*>(o);
            if (!dc->memory || (bm->dc != nullptr && bm->dc != dc)) return nullptr;
            old = dc->st.bitmap;
            if (dc->st.bitmap != nullptr && dc->st.bitmap->dc == dc) dc->st.bitmap->dc = nullptr;
            dc->st.bitmap = bm;
            if (!bm->stock) bm->dc = dc;
            BindSurface(*dc, bm->surface);
            SetClip(*dc, nullptr);  // the clip region goes back to the new bitmap's size
            break;
        }
        case Kind::Region: {
            const int kind = SelectClipRgn(hdc, static_cast<HRGN>(h));
            return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
        }
        case Kind::Palette: return GetStockObject(DEFAULT_PALETTE);
    }
    Retain(o);
    HGDIOBJ result = old;  // still valid: a deleted object lives until released here
    if (old != nullptr && old->deleted && old->selections == 1) result = nullptr;
    Release(old);
    return result;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return nullptr;
    switch (type) {
        case OBJ_PEN: return dc->st.pen;
        case OBJ_BRUSH: return dc->st.brush;
        case OBJ_FONT: return dc->st.font;
        case OBJ_BITMAP: return dc->st.bitmap;
        case OBJ_PAL: return GetStockObject(DEFAULT_PALETTE);
        default: return nullptr;
    }
}

#define DC_OR(fail) \
    DC* dc = LookupDC(hdc); \
    if (dc == nullptr) return fail

COLORREF SetTextColor(HDC hdc, COLORREF c) { DC_OR(CLR_INVALID); return Swap(dc->st.text, c); }
COLORREF GetTextColor(HDC hdc) { DC_OR(CLR_INVALID); return dc->st.text; }
COLORREF SetBkColor(HDC hdc, COLORREF c) { DC_OR(CLR_INVALID); return Swap(dc->st.bk, c); }
COLORREF GetBkColor(HDC hdc) { DC_OR(CLR_INVALID); return dc->st.bk; }
int SetBkMode(HDC hdc, int mode) {
    DC_OR(0);
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Swap(dc->st.bkMode, mode);
}
int GetBkMode(HDC hdc) { DC_OR(0); return dc->st.bkMode; }
int SetROP2(HDC hdc, int rop2) {
    DC_OR(0);
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    return Swap(dc->st.rop2, rop2);
}
int GetROP2(HDC hdc) { DC_OR(0); return dc->st.rop2; }
UINT SetTextAlign(HDC hdc, UINT align) { DC_OR(0xFFFFFFFF); return Swap(dc->st.textAlign, align); }
UINT GetTextAlign(HDC hdc) { DC_OR(0xFFFFFFFF); return dc->st.textAlign; }

namespace {
BOOL SetPoint(HDC hdc, POINT DcState::*field, int x, int y, LPPOINT lppt, bool offset) {
    DC_OR(FALSE);
    POINT& p = dc->st.*field;
    if (lppt != nullptr) *lppt = p;
    p = offset ? POINT{p.x + x, p.y + y} : POINT{x, y};
    return TRUE;
}
BOOL GetPoint(HDC hdc, POINT DcState::*field, LPPOINT lppt) {
    DC_OR(FALSE);
    if (lppt == nullptr) return FALSE;
    *lppt = dc->st.*field;
    return TRUE;
}
}  // namespace

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT p) { return SetPoint(hdc, &DcState::brushOrg, x, y, p, false); }
BOOL GetBrushOrgEx(HDC hdc, LPPOINT p) { return GetPoint(hdc, &DcState::brushOrg, p); }
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT p) { return SetPoint(hdc, &DcState::viewportOrg, x, y, p, false); }
BOOL OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT p) { return SetPoint(hdc, &DcState::viewportOrg, x, y, p, true); }
BOOL GetViewportOrgEx(HDC hdc, LPPOINT p) { return GetPoint(hdc, &DcState::viewportOrg, p); }
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT p) { return SetPoint(hdc, &DcState::windowOrg, x, y, p, false); }
BOOL GetWindowOrgEx(HDC hdc, LPPOINT p) { return GetPoint(hdc, &DcState::windowOrg, p); }
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT p) { return SetPoint(hdc, &DcState::pos, x, y, p, false); }
BOOL GetCurrentPositionEx(HDC hdc, LPPOINT p) { return GetPoint(hdc, &DcState::pos, p); }

BOOL LPtoDP(HDC hdc, LPPOINT lppt, int c) {
    DC_OR(FALSE);
    if (c < 0 || (c > 0 && lppt == nullptr)) return FALSE;
    for (int i = 0; i < c; ++i) lppt[i] = {dc->ToDevX(lppt[i].x), dc->ToDevY(lppt[i].y)};
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT lppt, int c) {
    DC_OR(FALSE);
    if (c < 0 || (c > 0 && lppt == nullptr)) return FALSE;
    const int dx = dc->ToDevX(0), dy = dc->ToDevY(0);
    for (int i = 0; i < c; ++i) lppt[i] = {lppt[i].x - dx, lppt[i].y - dy};
    return TRUE;
}

int SaveDC(HDC hdc) {
    DC_OR(0);
    DcState copy = dc->st;
    copy.clip = CopyRegion(dc->st.clip);
    RetainState(copy);
    dc->saved.push_back(copy);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    DC_OR(FALSE);
    const int depth = static_cast<int>(dc->saved.size());
    const int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;
    if (level < 1 || level > depth) return FALSE;
    while (static_cast<int>(dc->saved.size()) > level) {
        ReleaseState(dc->saved.back());
        dc->saved.pop_back();
    }
    DcState restored = dc->saved.back();
    dc->saved.pop_back();
    if (restored.bitmap != dc->st.bitmap && restored.bitmap != nullptr) {
        // The saved bitmap comes back only when no other DC took it meanwhile.
        if (restored.bitmap->dc == nullptr || restored.bitmap->dc == dc) {
            if (dc->st.bitmap != nullptr && dc->st.bitmap->dc == dc) dc->st.bitmap->dc = nullptr;
            if (!restored.bitmap->stock) restored.bitmap->dc = dc;
            BindSurface(*dc, restored.bitmap->surface);
        } else {
            Release(restored.bitmap);
            restored.bitmap = dc->st.bitmap;
            Retain(restored.bitmap);
        }
    }
    ReleaseState(dc->st);
    dc->st = restored;
    dc->clipSynced = false;
    return TRUE;
}

// ---- clipping ---------------------------------------------------------------------------------

int SelectClipRgn(HDC hdc, HRGN hrgn) { return ExtSelectClipRgn(hdc, hrgn, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
    DC_OR(ERROR);
    if (hrgn == nullptr) {
        if (mode != RGN_COPY) return ERROR;
        SetClip(*dc, nullptr);
        return SIMPLEREGION;
    }
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr) return ERROR;
    if (mode == RGN_COPY) {
        SetClip(*dc, cairo_region_copy(r->rgn));
        return ClipKind(*dc);
    }
    cairo_region_t* cur = EffectiveClip(*dc);
    switch (mode) {
        case RGN_AND: cairo_region_intersect(cur, r->rgn); break;
        case RGN_OR: cairo_region_union(cur, r->rgn); break;
        case RGN_XOR: cairo_region_xor(cur, r->rgn); break;
        case RGN_DIFF: cairo_region_subtract(cur, r->rgn); break;
        default: cairo_region_destroy(cur); return ERROR;
    }
    SetClip(*dc, cur);
    return ClipKind(*dc);
}

namespace {
int ClipWithRect(HDC hdc, int l, int t, int r, int b, bool exclude) {
    DC_OR(ERROR);
    const RECT d = Normalized(dc->ToDev(l, t, r, b));
    const cairo_rectangle_int_t cr{d.left, d.top, d.right - d.left, d.bottom - d.top};
    cairo_region_t* cur = EffectiveClip(*dc);
    if (exclude)
        cairo_region_subtract_rectangle(cur, &cr);
    else
        cairo_region_intersect_rectangle(cur, &cr);
    SetClip(*dc, cur);
    return ClipKind(*dc);
}
}  // namespace

int IntersectClipRect(HDC hdc, int l, int t, int r, int b) { return ClipWithRect(hdc, l, t, r, b, false); }
int ExcludeClipRect(HDC hdc, int l, int t, int r, int b) { return ClipWithRect(hdc, l, t, r, b, true); }

int OffsetClipRgn(HDC hdc, int x, int y) {
    DC_OR(ERROR);
    if (dc->st.clip == nullptr) return SIMPLEREGION;
    cairo_region_translate(dc->st.clip, x, y);
    dc->clipSynced = false;
    return ClipKind(*dc);
}

int GetClipBox(HDC hdc, LPRECT lprect) {
    DC_OR(ERROR);
    if (lprect == nullptr) return ERROR;
    cairo_region_t* cur = EffectiveClip(*dc);
    const cairo_rectangle_int_t all{0, 0, dc->width, dc->height};
    cairo_region_intersect_rectangle(cur, &all);
    cairo_rectangle_int_t e;
    cairo_region_get_extents(cur, &e);
    const int kind = RegionKind(cur);
    cairo_region_destroy(cur);
    const int dx = dc->ToDevX(0), dy = dc->ToDevY(0);
    if (kind == NULLREGION)
        *lprect = {0, 0, 0, 0};
    else
        *lprect = {e.x - dx, e.y - dy, e.x + e.width - dx, e.y + e.height - dy};
    return kind;
}

int GetClipRgn(HDC hdc, HRGN hrgn) {
    DC_OR(-1);
    Region* r = LookupAs<Region>(hrgn, Kind::Region);
    if (r == nullptr) return -1;
    if (dc->st.clip == nullptr) return 0;
    cairo_region_destroy(r->rgn);
    r->rgn = cairo_region_copy(dc->st.clip);
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
    DC_OR(FALSE);
    const int dx = dc->ToDevX(x), dy = dc->ToDevY(y);
    return !VisibleRects(*dc, RECT{dx, dy, dx + 1, dy + 1}).empty();
}

BOOL RectVisible(HDC hdc, const RECT* lprect) {
    DC_OR(FALSE);
    if (lprect == nullptr) return FALSE;
    return !VisibleRects(*dc, dc->ToDev(lprect->left, lprect->top, lprect->right, lprect->bottom)).empty();
}
