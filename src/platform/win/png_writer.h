#pragma once
// PNG files of what a device context or bitmap shows, for snapshots, tools and tests.
#include <vector>

#include "platform/win/gdi.h"

// Writes the surface of a device context (image, or the bitmap selected into a memory DC);
// false when the handle is bad or the file cannot be written.
bool WritePng(HDC hdc, const char* path);
bool WritePng(HBITMAP hbm, const char* path);

// An image as 0x00RRGGBB pixels, rows top-down.
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned> pixels;
    unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
// Reads a PNG file (alpha is dropped); false when it cannot be read.
bool ReadPng(const char* path, PngImage& out);
// The pixels of a device context's surface.
PngImage CapturePixels(HDC hdc);
