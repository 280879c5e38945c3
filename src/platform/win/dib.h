#pragma once
// Device-independent bitmaps in their packed form: header, colour table, pixels (rows padded to
// 32 bits, bottom-up unless the height is negative). 1, 4, 8, 16, 24 and 32 bits per pixel;
// BI_RGB, and BI_BITFIELDS for 16 and 32 bits.
//
// Every reader checks the header against the bytes that hold it, so that a header claiming more
// pixels or colours than the data holds is refused with an error text instead of being read.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/win/gdi.h"

struct DibView {
    const BITMAPINFOHEADER* header = nullptr;
    const BYTE* colors = nullptr;  // RGBQUAD entries, or 16-bit palette indices (palIndices)
    int numColors = 0;
    bool palIndices = false;
    DWORD masks[3] = {0, 0, 0};    // red, green, blue of 16 and 32 bits per pixel
    const BYTE* bits = nullptr;
    int width = 0;
    int height = 0;  // rows held
    bool topDown = false;
    int bpp = 0;
    size_t stride = 0;
    // The colour of pixel (x, row), rows counted from the top; 0x00RRGGBB.
    uint32_t Pixel(int x, int row) const noexcept;
};

// Bytes per row of a DIB, padded to 32 bits; 0 when it would not fit.
size_t DibRowBytes(long long width, int bpp) noexcept;
// Entries of the colour table that a header declares.
int DibNumColors(const BITMAPINFOHEADER& h) noexcept;
// Bytes of header, masks and colour table.
size_t DibInfoBytes(const BITMAPINFOHEADER& h, UINT usage = DIB_RGB_COLORS) noexcept;
// The colour table that follows a header (writable where the bitmap is).
RGBQUAD* DibColorTable(BITMAPINFO* bmi) noexcept;

// Checks a header with its colour table (infoBytes available from bmi) and pixels (bitsBytes
// available from bits); rows >= 0 says how many rows the pixels hold instead of the header's
// height. Sizes may be SIZE_MAX when not known. On failure returns false and sets *error.
bool DibCheck(const BITMAPINFO* bmi, size_t infoBytes, const void* bits, size_t bitsBytes, UINT usage, int rows,
              DibView& out, const char** error) noexcept;
// The same for a packed DIB of size bytes (pixels right after the colour table).
bool DibFromPacked(const void* data, size_t size, DibView& out, const char** error) noexcept;

// A packed bitmap of four bits a pixel as a bitmap resource holds it: the header, the palette of
// nColors entries (blue, green, red, reserved) and the rows, bottom row first. pixel(x, y) gives
// a pixel's palette index, y counted from the top.
std::vector<BYTE> PackedDib4(int width, int height, const BYTE (*palette)[4], int nColors,
                             const std::function<BYTE(int x, int y)>& pixel);
