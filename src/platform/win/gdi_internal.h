#pragma once
// What the graphics sources share behind the handles: the objects, the device context with its
// state, and the helpers that turn state into Cairo calls or into raster operations on pixels.
// Not part of the library's interface.
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win/gdi.h"

namespace gdi {

struct FontInstance;  // fonts.cpp
struct DC;

enum class Kind { Pen, Brush, Font, Bitmap, Region, Palette };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    Kind kind;
    bool stock = false;
    int selections = 0;    // selections into device contexts and their saved states
    bool deleted = false;  // DeleteObject came while it was selected
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    UINT style = PS_SOLID;  // full style word, type and end cap included
    int width = 1;
    COLORREF color = 0;
    UINT Dash() const { return style & PS_STYLE_MASK; }
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    ~Brush() override;
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    int sysColor = -1;      // brush of a system colour: follows the table
    bool mono = false;      // pattern from a monochrome bitmap: 0 → text colour, 1 → background
    uint32_t pattern[64]{};  // BS_PATTERN: 0x00RRGGBB, or 0/1 for mono
    // The Cairo source last made for it, with the colours it was made for.
    cairo_pattern_t* source = nullptr;
    uint32_t sourceFg = 0, sourceBg = 0;
    bool sourceOpaque = false;
    COLORREF Color() const { return sysColor >= 0 ? GetSysColor(sysColor) : ResolveColorRef(color); }
};

struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONTA lf{};
    std::shared_ptr<const FontInstance> instance;  // resolved on first use; shared with the font cache
};

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    ~Bitmap() override;
    int width = 0, height = 0;
    int bpp = 32;  // 1: monochrome (pixels are black or white), else the screen's format
    cairo_surface_t* surface = nullptr;  // RGB24
    DC* dc = nullptr;                    // the memory device context it is selected into
};

struct Region : Object {
    Region() : Object(Kind::Region) {}
    ~Region() override;
    cairo_region_t* rgn = nullptr;
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
};

// ---- object registry (gdi_objects.cpp) ------------------------------------------------------

// Registers a new object and returns its handle.
HGDIOBJ Register(Object* o);
// The live object behind a handle, or null.
Object* Lookup(HGDIOBJ h) noexcept;
template <class T>
T* LookupAs(HGDIOBJ h, Kind k) noexcept {
    Object* o = Lookup(h);
    return o != nullptr && o->kind == k ? static_cast<T*>(o) : nullptr;
}
inline HGDIOBJ HandleOf(Object* o) noexcept { return o; }
void Retain(Object* o) noexcept;
void Release(Object* o) noexcept;  // frees an object deleted while selected, once unselected
Object* Stock(int i) noexcept;
Bitmap* StockBitmap() noexcept;  // the 1 × 1 monochrome bitmap of a new memory DC

// ---- device context (device_context.cpp) ---------------------------------------------------

struct DcState {
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    Bitmap* bitmap = nullptr;  // memory DCs only
    COLORREF text = 0;
    COLORREF bk = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = 0;
    POINT brushOrg{0, 0};
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT pos{0, 0};
    cairo_region_t* clip = nullptr;  // device units; null: the whole surface
};

struct DC {
    bool memory = false;
    cairo_surface_t* own = nullptr;  // the image of an image DC
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    int width = 0, height = 0;
    DcState st;
    std::vector<DcState> saved;
    bool clipSynced = false;  // the Cairo clip matches st.clip
    // The solid colour last made the Cairo source; repeated fills in one colour skip making it
    // again. Anything else that sets a source, and every cairo_restore, clears it.
    bool sourceValid = false;
    uint32_t sourcePx = 0;

    int ToDevX(int x) const { return x - st.windowOrg.x + st.viewportOrg.x; }
    int ToDevY(int y) const { return y - st.windowOrg.y + st.viewportOrg.y; }
    RECT ToDev(int l, int t, int r, int b) const { return {ToDevX(l), ToDevY(t), ToDevX(r), ToDevY(b)}; }
    bool Mono() const { return memory && st.bitmap != nullptr && st.bitmap->bpp == 1; }
};

DC* LookupDC(HDC h) noexcept;
// Makes a solid colour (0x00RRGGBB) the Cairo source.
void SetSolidSource(DC& dc, uint32_t px);
inline void SourceChanged(DC& dc) noexcept { dc.sourceValid = false; }
// Brings the Cairo clip up to date with the state; returns the context.
cairo_t* Prepare(DC& dc);
// Pieces of a device rectangle that lie on the surface and inside the clip region.
std::vector<RECT> VisibleRects(DC& dc, RECT r);
RECT Normalized(RECT r) noexcept;
bool IsEmpty(const RECT& r) noexcept;
RECT Intersect(const RECT& a, const RECT& b) noexcept;

// ---- raster operations on pixels (raster_ops.cpp) ------------------------------------------

// 0x00RRGGBB, as Cairo's RGB24 pixels hold colours.
inline uint32_t Pixel(COLORREF c) noexcept {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorOf(uint32_t px) noexcept {
    return RGB(static_cast<BYTE>(px >> 16), static_cast<BYTE>(px >> 8), static_cast<BYTE>(px));
}
uint32_t Rop2(int rop2, uint32_t pen, uint32_t dst) noexcept;
uint32_t Rop3(DWORD rop, uint32_t pat, uint32_t src, uint32_t dst) noexcept;
inline bool RopUsesSource(DWORD rop) noexcept {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}
inline bool RopUsesPattern(DWORD rop) noexcept {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

// The colour a brush gives device pixel (x, y); false where a hatch brush in transparent mode
// leaves the pixel alone.
bool BrushPixelAt(const DC& dc, const Brush& b, int x, int y, uint32_t& out) noexcept;
// Sets the brush as the Cairo source, aligned to the brush origin; false for a hollow brush.
bool SetBrushSource(DC& dc, Brush& b);
// Fills a device rectangle with a brush (clip applied); the plain pattern copy.
void FillDevRect(DC& dc, RECT r, Brush& b);
void FillDevRectColor(DC& dc, RECT r, uint32_t px);
// Applies a per-pixel function f(x, y, dst) → new pixel to the visible part of a device rectangle.
template <class F>
void ForEachPixel(DC& dc, RECT r, F f);
// A span of pen pixels with the line raster operation.
void PenSpan(DC& dc, RECT r, uint32_t pen);

template <class F>
void ForEachPixel(DC& dc, RECT r, F f) {
    const std::vector<RECT> parts = VisibleRects(dc, r);
    if (parts.empty()) return;
    cairo_surface_flush(dc.surface);
    unsigned char* data = cairo_image_surface_get_data(dc.surface);
    const int stride = cairo_image_surface_get_stride(dc.surface);
    for (const RECT& p : parts) {
        for (int y = p.top; y < p.bottom; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
            for (int x = p.left; x < p.right; ++x) row[x] = f(x, y, row[x] & 0xFFFFFF) & 0xFFFFFF;
        }
        cairo_surface_mark_dirty_rectangle(dc.surface, p.left, p.top, p.right - p.left, p.bottom - p.top);
    }
}

// ---- fonts (fonts.cpp) ----------------------------------------------------------------------

struct FontInstance {
    FontInstance() = default;
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;
    ~FontInstance() { cairo_scaled_font_destroy(scaled); }
    cairo_scaled_font_t* scaled = nullptr;
    TEXTMETRICA tm{};
    char face[LF_FACESIZE]{};
    unsigned long glyph[256]{};
    int advance[256]{};
    int underlinePos = 0, underlineThickness = 1;  // below the baseline
    int strikePos = 0, strikeThickness = 1;        // above the baseline
    int Width(const char* s, int n) const noexcept {
        int w = 0;
        for (int i = 0; i < n; ++i) w += advance[static_cast<unsigned char>(s[i])];
        return w;
    }
};

// The font instance of a logical font; never null (falls back to the default face). The cache
// keeps the instances used last; a font keeps its own alive.
std::shared_ptr<const FontInstance> ResolveFont(const LOGFONTA& lf);
const FontInstance& FontOf(DC& dc);
// Draws a run of text with its baseline at device (x, y) in the text colour, with the font's
// underline and strike-out; dx (optional) gives each character's advance.
void DrawGlyphs(DC& dc, const FontInstance& f, int x, int y, const char* s, int n, const int* dx);

// ---- bitmaps (bitmaps.cpp) ------------------------------------------------------------------

// A new RGB24 surface, or null for sizes that cannot be made.
cairo_surface_t* NewSurface(int w, int h);
constexpr long long kMaxPixels = 1LL << 26;

}  // namespace gdi

#include "platform/win/dib.h"

namespace gdi {
// The pixels of a DIB as a new RGB24 surface, rows top-down; null when too large.
cairo_surface_t* DecodeDib(const DibView& dib);
}  // namespace gdi
