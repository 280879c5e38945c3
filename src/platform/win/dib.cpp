#include "platform/win/dib.h"

#include <cstring>
#include <limits>

namespace {

constexpr long long kMaxSide = 1 << 20;
constexpr long long kMaxPixels = 1LL << 26;

int MaskShift(DWORD m) {
    int s = 0;
    while (m != 0 && !(m & 1)) {
        m >>= 1;
        ++s;
    }
    return s;
}

int MaskBits(DWORD m) {
    m >>= MaskShift(m);
    int n = 0;
    while (m & 1) {
        m >>= 1;
        ++n;
    }
    return n;
}

// A channel of a masked pixel, scaled to 8 bits.
uint32_t Channel(uint32_t v, DWORD mask) {
    if (mask == 0) return 0;
    const int bits = MaskBits(mask);
    uint32_t c = (v & mask) >> MaskShift(mask);
    if (bits >= 8) return c >> (bits - 8);
    return bits == 0 ? 0 : (c * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
}

bool Fail(const char** error, const char* text) {
    if (error != nullptr) *error = text;
    return false;
}

}  // namespace

size_t DibRowBytes(long long width, int bpp) noexcept {
    if (width <= 0 || width > kMaxSide || bpp <= 0 || bpp > 32) return 0;
    return static_cast<size_t>((width * bpp + 31) / 32 * 4);
}

int DibNumColors(const BITMAPINFOHEADER& h) noexcept {
    if (h.biBitCount <= 8) {
        const DWORD max = 1u << h.biBitCount;
        return static_cast<int>(h.biClrUsed == 0 || h.biClrUsed > max ? max : h.biClrUsed);
    }
    return h.biClrUsed > 256 ? 256 : static_cast<int>(h.biClrUsed);
}

size_t DibInfoBytes(const BITMAPINFOHEADER& h, UINT usage) noexcept {
    size_t n = h.biSize;
    if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER)) n += 12;
    return n + static_cast<size_t>(DibNumColors(h)) * (usage == DIB_PAL_COLORS ? 2 : 4);
}

RGBQUAD* DibColorTable(BITMAPINFO* bmi) noexcept {
    if (bmi == nullptr) return nullptr;
    auto* p = reinterpret_cast<BYTE*>(bmi) + bmi->bmiHeader.biSize;
    if (bmi->bmiHeader.biCompression == BI_BITFIELDS && bmi->bmiHeader.biSize == sizeof(BITMAPINFOHEADER)) p += 12;
    return reinterpret_cast<RGBQUAD*>(p);
}

bool DibCheck(const BITMAPINFO* bmi, size_t infoBytes, const void* bits, size_t bitsBytes, UINT usage, int rows,
              DibView& out, const char** error) noexcept {
    if (bmi == nullptr) return Fail(error, "no bitmap header");
    if (infoBytes < sizeof(BITMAPINFOHEADER)) return Fail(error, "bitmap header cut short");
    const BITMAPINFOHEADER& h = bmi->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > 1024) return Fail(error, "unknown bitmap header size");
    if (h.biWidth <= 0 || h.biWidth > kMaxSide || h.biHeight == 0 || h.biHeight < -kMaxSide || h.biHeight > kMaxSide)
        return Fail(error, "bitmap size out of range");
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    if (static_cast<long long>(h.biWidth) * height > kMaxPixels) return Fail(error, "bitmap too large");
    const int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail(error, "unsupported bits per pixel");
    if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32)))
        return Fail(error, "unsupported bitmap compression");
    if (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS) return Fail(error, "unknown colour use");
    // Colour masks follow a 40-byte header, and sit inside any longer one, which must then be
    // long enough to hold them.
    if (h.biCompression == BI_BITFIELDS && h.biSize > sizeof(BITMAPINFOHEADER) && h.biSize < 52)
        return Fail(error, "bitmap header too short for its colour masks");
    if (h.biBitCount <= 8 && h.biClrUsed > (1u << h.biBitCount))
        return Fail(error, "colour table larger than the depth allows");
    const size_t info = DibInfoBytes(h, usage);
    if (infoBytes < info) return Fail(error, "colour table cut short");
    out = DibView{};
    out.header = &h;
    out.width = h.biWidth;
    out.topDown = h.biHeight < 0;
    out.bpp = bpp;
    out.stride = DibRowBytes(h.biWidth, bpp);
    out.numColors = DibNumColors(h);
    out.palIndices = usage == DIB_PAL_COLORS;
    const auto* base = reinterpret_cast<const BYTE*>(bmi);
    if (h.biCompression == BI_BITFIELDS) {
        const BYTE* m = base + (h.biSize == sizeof(BITMAPINFOHEADER) ? sizeof(BITMAPINFOHEADER) : 40);
        for (int i = 0; i < 3; ++i)
            out.masks[i] = static_cast<DWORD>(m[4 * i]) | (static_cast<DWORD>(m[4 * i + 1]) << 8) |
                           (static_cast<DWORD>(m[4 * i + 2]) << 16) | (static_cast<DWORD>(m[4 * i + 3]) << 24);
    } else if (bpp == 16) {
        out.masks[0] = 0x7C00;
        out.masks[1] = 0x03E0;
        out.masks[2] = 0x001F;
    } else if (bpp == 32) {
        out.masks[0] = 0xFF0000;
        out.masks[1] = 0x00FF00;
        out.masks[2] = 0x0000FF;
    }
    out.colors = base + info - static_cast<size_t>(out.numColors) * (out.palIndices ? 2 : 4);
    if (bpp <= 8 && out.numColors == 0) return Fail(error, "no colour table");
    const long long held = rows >= 0 ? rows : height;
    if (held > height) return Fail(error, "more rows than the bitmap has");
    out.height = static_cast<int>(held);
    if (bits == nullptr) return Fail(error, "no pixels");
    if (bitsBytes != std::numeric_limits<size_t>::max() && static_cast<unsigned long long>(held) * out.stride > bitsBytes)
        return Fail(error, "pixels cut short");
    out.bits = static_cast<const BYTE*>(bits);
    return true;
}

bool DibFromPacked(const void* data, size_t size, DibView& out, const char** error) noexcept {
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) return Fail(error, "bitmap header cut short");
    const auto* bmi = static_cast<const BITMAPINFO*>(data);
    if (bmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || bmi->bmiHeader.biSize > 1024)
        return Fail(error, "unknown bitmap header size");
    const BITMAPINFOHEADER& h = bmi->bmiHeader;
    if (h.biBitCount <= 8 && h.biClrUsed > (1u << h.biBitCount))
        return Fail(error, "colour table larger than the depth allows");
    const size_t info = DibInfoBytes(h);
    if (info > size) return Fail(error, "colour table cut short");
    return DibCheck(bmi, size, static_cast<const BYTE*>(data) + info, size - info, DIB_RGB_COLORS, -1, out, error);
}

uint32_t DibView::Pixel(int x, int row) const noexcept {
    if (x < 0 || x >= width || row < 0 || row >= height) return 0;
    const BYTE* line = bits + stride * static_cast<size_t>(topDown ? row : height - 1 - row);
    auto indexed = [this](unsigned i) -> uint32_t {
        if (static_cast<int>(i) >= numColors) return 0;
        if (palIndices) {
            const unsigned pi = colors[2 * i] | (colors[2 * i + 1] << 8);
            const COLORREF c = GetDefaultPaletteColor(static_cast<int>(pi));
            return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
        const BYTE* q = colors + 4 * i;  // blue, green, red, reserved
        return (static_cast<uint32_t>(q[2]) << 16) | (q[1] << 8) | q[0];
    };
    switch (bpp) {
        case 1: return indexed((line[x >> 3] >> (7 - (x & 7))) & 1);
        case 4: return indexed((line[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
        case 8: return indexed(line[x]);
        case 16: {
            const uint32_t v = line[2 * x] | (line[2 * x + 1] << 8);
            return (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
        }
        case 24: {
            const BYTE* q = line + 3 * x;
            return (static_cast<uint32_t>(q[2]) << 16) | (q[1] << 8) | q[0];
        }
        case 32: {
            const BYTE* q = line + 4 * x;
            const uint32_t v = q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<uint32_t>(q[3]) << 24);
            return (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
        }
        default: return 0;
    }
}

std::vector<BYTE> PackedDib4(int width, int height, const BYTE (*palette)[4], int nColors,
                             const std::function<BYTE(int x, int y)>& pixel) {
    // Laid out in memory as the readers above take it: the header, the palette, the rows.
    const size_t rowBytes = DibRowBytes(width, 4);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height;  // positive: bottom row first
    h.biPlanes = 1;
    h.biBitCount = 4;
    h.biSizeImage = static_cast<DWORD>(rowBytes * static_cast<size_t>(height));
    h.biClrUsed = static_cast<DWORD>(nColors);
    const size_t pixels = sizeof h + 4 * static_cast<size_t>(nColors);
    std::vector<BYTE> bytes(pixels + h.biSizeImage);  // padding left zero
    std::memcpy(bytes.data(), &h, sizeof h);
    std::memcpy(bytes.data() + sizeof h, palette, 4 * static_cast<size_t>(nColors));
    for (int y = 0; y < height; ++y) {
        BYTE* row = bytes.data() + pixels + rowBytes * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) row[x / 2] |= static_cast<BYTE>(x % 2 == 0 ? pixel(x, y) << 4 : pixel(x, y));
    }
    return bytes;
}
