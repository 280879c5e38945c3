#include "platform/win/png_writer.h"

#include "platform/win/gdi_internal.h"

using namespace gdi;

namespace {

bool Write(cairo_surface_t* s, const char* path) {
    if (s == nullptr || path == nullptr) return false;
    cairo_surface_flush(s);
    return cairo_surface_write_to_png(s, path) == CAIRO_STATUS_SUCCESS;
}

PngImage Pixels(cairo_surface_t* s) {
    PngImage img;
    cairo_surface_flush(s);
    img.width = cairo_image_surface_get_width(s);
    img.height = cairo_image_surface_get_height(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    img.pixels.resize(static_cast<size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < img.width; ++x) img.pixels[static_cast<size_t>(y) * img.width + x] = row[x] & 0xFFFFFF;
    }
    return img;
}

}  // namespace

bool WritePng(HDC hdc, const char* path) {
    DC* dc = LookupDC(hdc);
    return dc != nullptr && Write(dc->surface, path);
}

bool WritePng(HBITMAP hbm, const char* path) {
    Bitmap* b = LookupAs<Bitmap>(hbm, Kind::Bitmap);
    return b != nullptr && Write(b->surface, path);
}

bool ReadPng(const char* path, PngImage& out) {
    if (path == nullptr) return false;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path);
    const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    if (ok) out = Pixels(s);
    cairo_surface_destroy(s);
    return ok;
}

PngImage CapturePixels(HDC hdc) {
    DC* dc = LookupDC(hdc);
    return dc == nullptr ? PngImage{} : Pixels(dc->surface);
}
