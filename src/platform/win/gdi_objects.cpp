// GDI objects: the handle registry, stock objects, pens, brushes, fonts, their descriptions,
// deletion, the system colour brushes and colour references.
#include <cstring>
#include <unordered_set>

#include "platform/win/gdi_internal.h"

namespace gdi {
namespace {

std::unordered_set<Object*>& Registry() {
    static auto* set = new std::unordered_set<Object*>();  // lives as long as the process
    return *set;
}

// The 20 static colours of the default palette.
constexpr COLORREF kDefaultPalette[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
    RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(192, 220, 192), RGB(166, 202, 240),
    RGB(255, 251, 240), RGB(160, 160, 164), RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),
    RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
};

Brush* NewBrush(UINT style, COLORREF color) {
    auto* b = new Brush();
    b->style = style;
    b->color = color;
    return b;
}

Pen* NewPen(UINT style, int width, COLORREF color) {
    auto* p = new Pen();
    p->style = style;
    p->width = width < 0 ? 0 : width;
    p->color = color;
    return p;
}

Font* NewFont(const LOGFONTA& lf) {
    auto* f = new Font();
    f->lf = lf;
    f->lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return f;
}

LOGFONTA FaceFont(LONG height, LONG weight, BYTE pitch, const char* face) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfPitchAndFamily = pitch;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

struct Stocks {
    Object* objects[20]{};
    Bitmap* bitmap = nullptr;
    Brush* sysBrushes[COLOR_COUNT]{};
    Stocks() {
        auto keep = [](Object* o) {
            o->stock = true;
            Register(o);
            return o;
        };
        objects[WHITE_BRUSH] = keep(NewBrush(BS_SOLID, RGB(255, 255, 255)));
        objects[LTGRAY_BRUSH] = keep(NewBrush(BS_SOLID, RGB(192, 192, 192)));
        objects[GRAY_BRUSH] = keep(NewBrush(BS_SOLID, RGB(128, 128, 128)));
        objects[DKGRAY_BRUSH] = keep(NewBrush(BS_SOLID, RGB(64, 64, 64)));
        objects[BLACK_BRUSH] = keep(NewBrush(BS_SOLID, RGB(0, 0, 0)));
        objects[NULL_BRUSH] = keep(NewBrush(BS_NULL, 0));
        objects[WHITE_PEN] = keep(NewPen(PS_SOLID, 1, RGB(255, 255, 255)));
        objects[BLACK_PEN] = keep(NewPen(PS_SOLID, 1, RGB(0, 0, 0)));
        objects[NULL_PEN] = keep(NewPen(PS_NULL, 1, 0));
        const LOGFONTA sans = FaceFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
        const LOGFONTA mono = FaceFont(-13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier New");
        objects[OEM_FIXED_FONT] = keep(NewFont(mono));
        objects[ANSI_FIXED_FONT] = keep(NewFont(mono));
        objects[ANSI_VAR_FONT] = keep(NewFont(sans));
        objects[SYSTEM_FONT] = keep(NewFont(FaceFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System")));
        objects[DEVICE_DEFAULT_FONT] = keep(NewFont(sans));
        objects[DEFAULT_PALETTE] = keep(new Palette());
        objects[SYSTEM_FIXED_FONT] = keep(NewFont(mono));
        objects[DEFAULT_GUI_FONT] = keep(NewFont(sans));
        objects[DC_BRUSH] = keep(NewBrush(BS_SOLID, RGB(255, 255, 255)));
        objects[DC_PEN] = keep(NewPen(PS_SOLID, 1, RGB(0, 0, 0)));
        auto* bm = new Bitmap();
        bm->width = bm->height = 1;
        bm->bpp = 1;
        bm->surface = NewSurface(1, 1);
        bitmap = static_cast<Bitmap*>(keep(bm));
        for (int i = 0; i < COLOR_COUNT; ++i) {
            Brush* b = NewBrush(BS_SOLID, 0);
            b->sysColor = i;
            sysBrushes[i] = static_cast<Brush*>(keep(b));
        }
    }
};

Stocks& TheStocks() {
    static auto* s = new Stocks();  // lives as long as the process
    return *s;
}

}  // namespace

Brush::~Brush() {
    if (source != nullptr) cairo_pattern_destroy(source);
}

Bitmap::~Bitmap() {
    if (surface != nullptr) cairo_surface_destroy(surface);
}

Region::~Region() {
    if (rgn != nullptr) cairo_region_destroy(rgn);
}

HGDIOBJ Register(Object* o) {
    Registry().insert(o);
    return o;
}

// The last object looked up; cleared when it is deleted.
Object* g_lastObject = nullptr;

Object* Lookup(HGDIOBJ h) noexcept {
    if (h == nullptr) return nullptr;
    if (static_cast<Object*>(h) == g_lastObject) return g_lastObject;
    auto& reg = Registry();
    auto it = reg.find(static_cast<Object*>(h));
    if (it == reg.end()) return nullptr;
    g_lastObject = *it;
    return g_lastObject;
}

void Retain(Object* o) noexcept {
    if (o != nullptr) ++o->selections;
}

void Release(Object* o) noexcept {
    if (o == nullptr) return;
    if (--o->selections <= 0 && o->deleted) delete o;
}

Object* Stock(int i) noexcept {
    return i >= 0 && i < 20 ? TheStocks().objects[i] : nullptr;
}

Bitmap* StockBitmap() noexcept { return TheStocks().bitmap; }

}  // namespace gdi

using namespace gdi;

COLORREF GetDefaultPaletteColor(int nIndex) noexcept {
    return nIndex >= 0 && nIndex < 20 ? kDefaultPalette[nIndex] : 0;
}

COLORREF ResolveColorRef(COLORREF cr) noexcept {
    switch (cr >> 24) {
        case 1: return GetDefaultPaletteColor(static_cast<int>(cr & 0xFFFF));
        default: return cr & 0x00FFFFFF;
    }
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    const UINT dash = static_cast<UINT>(iStyle) & PS_STYLE_MASK;
    if (iStyle < 0 || dash > PS_INSIDEFRAME) return nullptr;
    return static_cast<HPEN>(Register(NewPen(static_cast<UINT>(iStyle), cWidth, color)));
}

HPEN CreatePenIndirect(const LOGPEN* plpen) {
    if (plpen == nullptr) return nullptr;
    return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}

HPEN ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle, const DWORD* pstyle) {
    if (plbrush == nullptr || cStyle != 0 || pstyle != nullptr) return nullptr;
    const UINT dash = iPenStyle & PS_STYLE_MASK;
    if (dash > PS_INSIDEFRAME) return nullptr;
    if ((iPenStyle & PS_TYPE_MASK) == PS_COSMETIC && cWidth != 1) return nullptr;
    if (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL) return nullptr;
    const UINT style = plbrush->lbStyle == BS_NULL ? (iPenStyle & ~PS_STYLE_MASK) | PS_NULL : iPenStyle;
    return static_cast<HPEN>(Register(NewPen(style, static_cast<int>(cWidth > 0x7FFF ? 0x7FFF : cWidth),
                                             plbrush->lbColor)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(Register(NewBrush(BS_SOLID, color)));
}

HBRUSH CreateHatchBrush(int iHatch, COLORREF color) {
    if (iHatch < HS_HORIZONTAL || iHatch > HS_DIAGCROSS) return nullptr;
    Brush* b = NewBrush(BS_HATCHED, color);
    b->hatch = iHatch;
    return static_cast<HBRUSH>(Register(b));
}

HBRUSH CreatePatternBrush(HBITMAP hbm) {
    Bitmap* bm = LookupAs<Bitmap>(hbm, Kind::Bitmap);
    if (bm == nullptr || bm->surface == nullptr) return nullptr;
    Brush* b = NewBrush(BS_PATTERN, 0);
    b->mono = bm->bpp == 1;
    cairo_surface_flush(bm->surface);
    const unsigned char* data = cairo_image_surface_get_data(bm->surface);
    const int stride = cairo_image_surface_get_stride(bm->surface);
    for (int y = 0; y < 8; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + (y % bm->height) * stride);
        for (int x = 0; x < 8; ++x) {
            const uint32_t px = row[x % bm->width] & 0xFFFFFF;
            b->pattern[y * 8 + x] = b->mono ? (px == 0xFFFFFF ? 1u : 0u) : px;
        }
    }
    return static_cast<HBRUSH>(Register(b));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (plbrush == nullptr) return nullptr;
    switch (plbrush->lbStyle) {
        case BS_SOLID: return CreateSolidBrush(plbrush->lbColor);
        case BS_NULL: return static_cast<HBRUSH>(Register(NewBrush(BS_NULL, 0)));
        case BS_HATCHED: return CreateHatchBrush(static_cast<int>(plbrush->lbHatch), plbrush->lbColor);
        case BS_PATTERN:
        case BS_PATTERN8X8: return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
        default: return nullptr;
    }
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr) return nullptr;
    return static_cast<HFONT>(Register(NewFont(*lplf)));
}

HFONT CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                  DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = bItalic != 0;
    lf.lfUnderline = bUnderline != 0;
    lf.lfStrikeOut = bStrikeOut != 0;
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName != nullptr) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

HGDIOBJ GetStockObject(int i) {
    Object* o = Stock(i);
    return o;
}

HBRUSH GetSysColorBrush(int nIndex) {
    if (nIndex < 0 || nIndex >= COLOR_COUNT) return nullptr;
    return static_cast<HBRUSH>(HandleOf(TheStocks().sysBrushes[nIndex]));
}

BOOL DeleteObject(HGDIOBJ ho) {
    Object* o = Lookup(ho);
    if (o == nullptr) return FALSE;
    if (o->stock) return TRUE;
    if (o->kind == Kind::Bitmap && static_cast<Bitmap*>(o)->dc != nullptr) return FALSE;
    Registry().erase(o);
    if (g_lastObject == o) g_lastObject = nullptr;
    if (o->selections > 0)
        o->deleted = true;
    else
        delete o;
    return TRUE;
}

int GetObjectType(HGDIOBJ h) {
    if (LookupDC(static_cast<HDC>(h)) != nullptr) return LookupDC(static_cast<HDC>(h))->memory ? OBJ_MEMDC : OBJ_DC;
    Object* o = Lookup(h);
    if (o == nullptr) return 0;
    switch (o->kind) {
        case Kind::Pen: return OBJ_PEN;
        case Kind::Brush: return OBJ_BRUSH;
        case Kind::Font: return OBJ_FONT;
        case Kind::Bitmap: return OBJ_BITMAP;
        case Kind::Region: return OBJ_REGION;
        case Kind::Palette: return OBJ_PAL;
    }
    return 0;
}

namespace {
template <class T>
int CopyOut(const T& value, int c, void* pv) {
    if (pv == nullptr) return static_cast<int>(sizeof(T));
    if (c < static_cast<int>(sizeof(T))) return 0;
    std::memcpy(pv, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}
}  // namespace

int GetObjectA(HGDIOBJ h, int c, void* pv) {
    Object* o = Lookup(h);
    if (o == nullptr) return 0;
    switch (o->kind) {
        case Kind::Pen: {
            auto* p = static_cast<Pen*>(o);
            return CopyOut(LOGPEN{p->style, {p->width, 0}, p->color}, c, pv);
        }
        case Kind::Brush: {
            auto* b = static_cast<Brush*>(o);
            return CopyOut(LOGBRUSH{b->style, b->sysColor >= 0 ? b->Color() : b->color,
                                    static_cast<ULONG_PTR>(b->hatch)},
                           c, pv);
        }
        case Kind::Font: return CopyOut(static_cast<Font*>(o)->lf, c, pv);
        case Kind::Bitmap: {
            auto* b = static_cast<Bitmap*>(o);
            const LONG widthBytes = b->bpp == 1 ? (b->width + 15) / 16 * 2 : b->width * 4;
            return CopyOut(BITMAP{0, b->width, b->height, widthBytes, 1, static_cast<WORD>(b->bpp), nullptr}, c,
                           pv);
        }
        default: return 0;
    }
}
