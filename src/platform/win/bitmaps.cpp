// Bitmaps: monochrome and screen-format bitmaps on Cairo image surfaces, compatible bitmaps and
// bitmaps made from device-independent ones.
#include <cstring>

#include "platform/win/gdi_internal.h"
#include "platform/win/global_memory.h"

namespace gdi {

cairo_surface_t* NewSurface(int w, int h) {
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > kMaxPixels) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;  // Cairo's new image surfaces are zeroed: black
}

cairo_surface_t* DecodeDib(const DibView& dib) {
    cairo_surface_t* s = NewSurface(dib.width, dib.height);
    if (s == nullptr) return nullptr;
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < dib.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < dib.width; ++x) row[x] = dib.Pixel(x, y);
    }
    cairo_surface_mark_dirty(s);
    return s;
}

}  // namespace gdi

using namespace gdi;

namespace {

HBITMAP NewBitmap(int w, int h, int bpp) {
    cairo_surface_t* s = NewSurface(w, h);
    if (s == nullptr) return nullptr;
    auto* b = new Bitmap();
    b->width = w;
    b->height = h;
    b->bpp = bpp;
    b->surface = s;
    return static_cast<HBITMAP>(Register(b));
}

}  // namespace

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 24 && nBitCount != 32)) return nullptr;
    HBITMAP h = NewBitmap(nWidth, nHeight, nBitCount == 1 ? 1 : 32);
    if (h == nullptr || lpBits == nullptr) return h;
    Bitmap* b = LookupAs<Bitmap>(h, Kind::Bitmap);
    unsigned char* data = cairo_image_surface_get_data(b->surface);
    const int stride = cairo_image_surface_get_stride(b->surface);
    const auto* src = static_cast<const BYTE*>(lpBits);
    // Rows of the platform's bitmap bits are padded to 16 bits.
    const size_t srcStride = (static_cast<size_t>(nWidth) * nBitCount + 15) / 16 * 2;
    for (int y = 0; y < nHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        const BYTE* s = src + srcStride * static_cast<size_t>(y);
        for (int x = 0; x < nWidth; ++x) {
            if (nBitCount == 1)
                row[x] = (s[x >> 3] >> (7 - (x & 7))) & 1 ? 0xFFFFFF : 0;
            else if (nBitCount == 24)
                row[x] = (static_cast<uint32_t>(s[3 * x + 2]) << 16) | (s[3 * x + 1] << 8) | s[3 * x];
            else
                row[x] = (static_cast<uint32_t>(s[4 * x + 2]) << 16) | (s[4 * x + 1] << 8) | s[4 * x];
        }
    }
    cairo_surface_mark_dirty(b->surface);
    return h;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return nullptr;
    // A memory DC that still holds its initial monochrome bitmap makes monochrome bitmaps.
    return NewBitmap(cx, cy, dc->Mono() ? 1 : 32);
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                       const BITMAPINFO* pbmi, UINT iUsage) {
    if ((hdc != nullptr && LookupDC(hdc) == nullptr) || pbmih == nullptr) return nullptr;
    const LONG h = pbmih->biHeight < 0 ? -pbmih->biHeight : pbmih->biHeight;
    if (!(flInit & CBM_INIT)) return NewBitmap(pbmih->biWidth, h, 32);
    DibView dib;
    const char* error = nullptr;
    if (!DibCheck(pbmi, GlobalBytesFrom(pbmi), pjBits, GlobalBytesFrom(pjBits), iUsage, -1, dib, &error))
        return nullptr;
    cairo_surface_t* s = DecodeDib(dib);
    if (s == nullptr) return nullptr;
    auto* b = new Bitmap();
    b->width = dib.width;
    b->height = dib.height;
    b->surface = s;
    return static_cast<HBITMAP>(Register(b));
}

BOOL GetBitmapDimensionEx(HBITMAP hbit, LPSIZE lpsize) {
    Bitmap* b = LookupAs<Bitmap>(hbit, Kind::Bitmap);
    if (b == nullptr || lpsize == nullptr) return FALSE;
    *lpsize = {b->width, b->height};
    return TRUE;
}
