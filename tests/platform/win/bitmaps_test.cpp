// Bitmaps and blits: DIBs of each depth through StretchDIBits and SetDIBitsToDevice, colour
// tables, BitBlt with monochrome conversion, StretchBlt (an exact picture), bad headers, memory
// DCs and global memory.
#include <cstring>
#include <vector>

#include "support/reference_picture.h"
#include "canvas.h"
#include "platform/win/dib.h"
#include "platform/win/global_memory.h"

namespace {

// A packed bottom-up DIB of w × h with the given depth; pixel (x, y) counted from the top gets
// palette index (or grey level) f(x, y).
std::vector<BYTE> MakeDib(int w, int h, int bpp, const std::vector<RGBQUAD>& table, int (*f)(int, int)) {
    BITMAPINFOHEADER hdr{sizeof(BITMAPINFOHEADER), w, h, 1, static_cast<WORD>(bpp), BI_RGB, 0, 0, 0,
                         static_cast<DWORD>(table.size()), 0};
    const size_t stride = DibRowBytes(w, bpp);
    std::vector<BYTE> out(sizeof hdr + table.size() * 4 + stride * h);
    std::memcpy(out.data(), &hdr, sizeof hdr);
    if (!table.empty()) std::memcpy(out.data() + sizeof hdr, table.data(), table.size() * 4);
    BYTE* bits = out.data() + sizeof hdr + table.size() * 4;
    for (int y = 0; y < h; ++y) {
        BYTE* row = bits + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int v = f(x, y);
            switch (bpp) {
                case 1: row[x / 8] |= static_cast<BYTE>((v & 1) << (7 - x % 8)); break;
                case 4: row[x / 2] |= static_cast<BYTE>((v & 0xF) << (x % 2 ? 0 : 4)); break;
                case 8: row[x] = static_cast<BYTE>(v); break;
                case 24: row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<BYTE>(v); break;
                case 32: row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = static_cast<BYTE>(v); break;
            }
        }
    }
    return out;
}

const BITMAPINFO* Info(const std::vector<BYTE>& d) { return reinterpret_cast<const BITMAPINFO*>(d.data()); }
const BYTE* Bits(const std::vector<BYTE>& d) { return d.data() + DibInfoBytes(Info(d)->bmiHeader); }

const std::vector<RGBQUAD> kTable = {{0, 0, 255, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 0, 0}};  // red blue green black

// Cells of 16 × 16: each depth's top row at the top, a colour table edited after the DIB was
// made, stretching and a source rectangle counted from the bottom, monochrome blits taking the
// text and background colours, raster operations and copies onto themselves, mirroring, and
// palette colour references.
TEST(Bitmaps, DibsAndBlitsDrawTheirPixels) {
    const auto tableFor = [](int bpp) {
        return bpp > 8 ? std::vector<RGBQUAD>{}
                       : std::vector<RGBQUAD>(kTable.begin(), kTable.begin() + (bpp == 1 ? 2 : 4));
    };
    std::vector<std::function<void(HDC)>> cells;
    for (int bpp : {1, 4, 8, 24, 32})
        cells.push_back([bpp, tableFor](HDC dc) {
            auto dib = MakeDib(6, 3, bpp, tableFor(bpp),
                               bpp <= 8 ? +[](int x, int y) { return y == 0 ? 1 : x % 2; }
                                        : +[](int x, int y) { return y == 0 ? 200 : x * 10; });
            EXPECT_EQ(StretchDIBits(dc, 1, 1, 6, 3, 0, 0, 6, 3, Bits(dib), Info(dib), DIB_RGB_COLORS, SRCCOPY), 3)
                << bpp;
        });
    cells.push_back([](HDC dc) {
        auto dib = MakeDib(4, 4, 8, kTable, [](int x, int) { return x % 4; });
        EXPECT_EQ(DibNumColors(Info(dib)->bmiHeader), 4);
        DibColorTable(reinterpret_cast<BITMAPINFO*>(dib.data()))[2] = {0x40, 0x30, 0x20, 0};
        SetDIBitsToDevice(dc, 0, 0, 4, 4, 0, 0, 0, 4, Bits(dib), Info(dib), DIB_RGB_COLORS);
    });
    cells.push_back([](HDC dc) {
        auto dib = MakeDib(4, 4, 8, kTable, [](int, int y) { return y; });  // row y has index y
        StretchDIBits(dc, 0, 0, 8, 8, 0, 0, 4, 4, Bits(dib), Info(dib), DIB_RGB_COLORS, SRCCOPY);
        // The bottom two rows of the image, as seen from the bottom: rows 2 and 3 from the top.
        StretchDIBits(dc, 10, 0, 4, 2, 0, 0, 4, 2, Bits(dib), Info(dib), DIB_RGB_COLORS, SRCCOPY);
    });
    cells.push_back([](HDC dc) {
        HDC mem = CreateCompatibleDC(dc);
        const WORD rows[2] = {0x0055, 0x00FF};  // first bytes: 0 1 0 1 0 1 0 1 / all 1
        HBITMAP bm = CreateBitmap(8, 2, 1, 1, rows);
        HGDIOBJ old = SelectObject(mem, bm);
        SetTextColor(dc, kRed);
        SetBkColor(dc, kBlue);
        BitBlt(dc, 2, 3, 8, 2, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bm);
        DeleteDC(mem);
    });
    cells.push_back([](HDC dc) {
        SetPixel(dc, 0, 0, RGB(0x0F, 0xF0, 0x33));
        SetPixel(dc, 1, 0, kBlue);
        BitBlt(dc, 4, 0, 2, 1, dc, 0, 0, SRCCOPY);
        BitBlt(dc, 0, 2, 2, 1, dc, 0, 0, SRCCOPY);
        BitBlt(dc, 1, 2, 4, 1, dc, 0, 2, SRCCOPY);  // overlapping: reads the source before writing
        BitBlt(dc, 8, 0, 1, 1, dc, 0, 0, SRCINVERT);
        BitBlt(dc, 8, 0, 1, 1, dc, 0, 0, SRCINVERT);
        BitBlt(dc, 9, 0, 1, 1, dc, 0, 0, SRCAND);
        BitBlt(dc, 10, 0, 1, 1, dc, 0, 0, NOTSRCCOPY);
    });
    cells.push_back([](HDC dc) {
        Canvas src(2, 1);
        SetPixel(src, 0, 0, kRed);
        SetPixel(src, 1, 0, kBlue);
        StretchBlt(dc, 0, 0, 4, 2, src, 0, 0, 2, 1, SRCCOPY);
        StretchBlt(dc, 8, 4, -2, 1, src, 0, 0, 2, 1, SRCCOPY);
    });
    cells.push_back([](HDC dc) {
        SetPixel(dc, 0, 0, PALETTEINDEX(13));
        SetPixel(dc, 1, 0, PALETTERGB(1, 2, 3));
        SetPixel(dc, 2, 0, PALETTEINDEX(500));
        HBRUSH b = CreateSolidBrush(PALETTEINDEX(4));
        RECT r{0, 2, 3, 3};
        FillRect(dc, &r, b);
        DeleteObject(b);
    });
    Canvas c(4 * 16, 3 * 16);
    DrawCells(c, 16, 16, 4, cells);
    ExpectExactlyReference(c, "platform/win/reference/bitmaps.png");
}

TEST(Dib, BadHeadersAreRefusedWithAReason) {
    auto dib = MakeDib(4, 4, 8, kTable, [](int, int) { return 0; });
    DibView view;
    const char* error = nullptr;
    EXPECT_TRUE(DibFromPacked(dib.data(), dib.size(), view, &error));
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size() - 1, view, &error));
    EXPECT_STREQ(error, "pixels cut short");
    auto* hdr = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    hdr->biHeight = 100000;  // far more pixels than the data holds
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size(), view, &error));
    hdr->biHeight = 4;
    hdr->biClrUsed = 300;
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size(), view, &error));
    EXPECT_STREQ(error, "colour table larger than the depth allows");
    hdr->biClrUsed = 4;
    hdr->biBitCount = 7;
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size(), view, &error));
    hdr->biBitCount = 8;
    hdr->biSize = 12;
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size(), view, &error));
    EXPECT_FALSE(DibFromPacked(dib.data(), 20, view, &error));
}

TEST(Dib, ColourMasksMustLieInsideALongHeader) {
    // A 42-byte header with bit-field masks: the masks would be read past the header's end.
    std::vector<BYTE> dib(42 + 4 * 2, 0);
    auto* hdr = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    hdr->biSize = 42;
    hdr->biWidth = 2;
    hdr->biHeight = 1;
    hdr->biPlanes = 1;
    hdr->biBitCount = 32;
    hdr->biCompression = BI_BITFIELDS;
    DibView view;
    const char* error = nullptr;
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size(), view, &error));
    EXPECT_STREQ(error, "bitmap header too short for its colour masks");
    hdr->biCompression = BI_RGB;  // the same header without masks is fine
    EXPECT_TRUE(DibFromPacked(dib.data(), dib.size(), view, &error)) << error;
}

TEST(Dib, DrawingFromGlobalMemoryIsCheckedAgainstTheBlock) {
    auto dib = MakeDib(4, 4, 8, kTable, [](int, int) { return 1; });
    HGLOBAL h = GlobalAlloc(GHND, dib.size() - 8);  // the block lacks the last pixels
    auto* p = static_cast<BYTE*>(GlobalLock(h));
    std::memcpy(p, dib.data(), dib.size() - 8);
    const auto* bmi = reinterpret_cast<const BITMAPINFO*>(p);
    Canvas c(4, 4);
    EXPECT_EQ(StretchDIBits(c, 0, 0, 4, 4, 0, 0, 4, 4, p + DibInfoBytes(bmi->bmiHeader), bmi, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(c.Count(kWhite), 16);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST(MemoryDC, StartsMonochromeAndCompatibleBitmapsFollowTheDC) {
    Canvas screen(4, 4);
    HDC mem = CreateCompatibleDC(screen);
    EXPECT_EQ(GetDeviceCaps(mem, BITSPIXEL), 1);
    HBITMAP mono = CreateCompatibleBitmap(mem, 8, 8);  // from the memory DC: monochrome
    HBITMAP colour = CreateCompatibleBitmap(screen, 8, 8);
    BITMAP bm;
    GetObject(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    GetObject(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    HGDIOBJ old = SelectObject(mem, colour);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(GetDeviceCaps(mem, BITSPIXEL), 32);
    HDC other = CreateCompatibleDC(screen);
    EXPECT_EQ(SelectObject(other, colour), nullptr);  // one DC at a time
    EXPECT_FALSE(DeleteObject(colour));               // still selected
    SelectObject(mem, old);
    EXPECT_TRUE(DeleteObject(colour));
    DeleteObject(mono);
    DeleteDC(other);
    DeleteDC(mem);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 0, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 100000, 100000), nullptr);
}

// Colour to monochrome: the source's background colour becomes white, the rest black.
TEST(BitBlt, ColourToMonochromeTakesTheBackgroundColourAsWhite) {
    Canvas src(16, 16);
    SetPixel(src, 2, 3, kRed);
    SetPixel(src, 3, 3, kBlue);
    HDC mem = CreateCompatibleDC(src);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mem, mask);
    SetBkColor(src, kWhite);
    BitBlt(mem, 0, 0, 16, 16, src, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mem, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mem, 2, 3), kBlack);
    EXPECT_EQ(GetPixel(mem, 3, 3), kBlack);
    SelectObject(mem, old);
    DeleteObject(mask);
    DeleteDC(mem);
}

TEST(GlobalMemory, AllocateLockResizeFree) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 10);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 10u);
    auto* p = static_cast<char*>(GlobalLock(h));
    EXPECT_EQ(p[9], 0);
    std::memcpy(p, "abcdefghij", 10);
    EXPECT_EQ(GlobalHandle(p), h);
    EXPECT_EQ(GlobalBytesFrom(p + 4), 6u);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 1u);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GlobalReAlloc(h, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT), h);
    p = static_cast<char*>(GlobalLock(h));
    EXPECT_EQ(std::memcmp(p, "abcdefghij", 10), 0);
    EXPECT_EQ(p[4095], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(GlobalAlloc(GHND, SIZE_T{1} << 40), nullptr);
}

}  // namespace
