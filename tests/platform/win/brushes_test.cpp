// Brushes and inversion: pattern brushes from monochrome bitmaps aligned to the brush origin,
// hatch brushes, PatBlt, InvertRect, the focus frame and three-dimensional edges.
#include "canvas.h"

namespace {

// An 8 × 8 monochrome bitmap whose only 0 bit is at (bx, by); rows are padded to 16 bits.
HBITMAP OneDot(int bx, int by) {
    WORD rows[8];
    for (int y = 0; y < 8; ++y) rows[y] = y == by ? static_cast<WORD>(0xFF & ~(0x80 >> bx)) : 0xFF;
    return CreateBitmap(8, 8, 1, 1, rows);
}

TEST(PatternBrush, MonochromeBitsTakeTextAndBackgroundColours) {
    Canvas c(16, 16);
    HBITMAP bm = OneDot(2, 5);
    HBRUSH br = CreatePatternBrush(bm);
    DeleteObject(bm);  // the brush keeps its own copy
    SetTextColor(c, kRed);
    SetBkColor(c, kBlue);
    RECT r{0, 0, 16, 16};
    FillRect(c, &r, br);
    EXPECT_EQ(c.Count(kRed), 4);
    EXPECT_EQ(c.Count(kBlue), 256 - 4);
    c.Expect({{2, 5, kRed}, {10, 13, kRed}});
    DeleteObject(br);
}

TEST(PatternBrush, FollowsTheBrushOriginNotTheRectangle) {
    Canvas c(24, 24);
    HBITMAP bm = OneDot(0, 0);
    HBRUSH br = CreatePatternBrush(bm);
    SetTextColor(c, kBlack);
    SetBkColor(c, kWhite);
    RECT r{3, 3, 21, 21};
    FillRect(c, &r, br);
    // The pattern starts at the device origin: dots at multiples of 8.
    c.Expect({{8, 8, kBlack}, {3, 3, kWhite}});
    EXPECT_EQ(c.Count(kBlack), 4);
    Canvas d(24, 24);
    SetBrushOrgEx(d, 5, 2, nullptr);
    FillRect(d, &r, br);
    d.Expect({{5, 10, kBlack}, {13, 18, kBlack}, {8, 8, kWhite}});
    // A viewport origin moves the drawing but not the pattern.
    Canvas e(24, 24);
    SetViewportOrgEx(e, 3, 3, nullptr);
    RECT all{-3, -3, 21, 21};
    FillRect(e, &all, br);
    EXPECT_EQ(e.At(8, 16), kBlack);
    DeleteObject(br);
    DeleteObject(bm);
}

TEST(HatchBrush, LinesInBrushColourBackgroundByMode) {
    const struct {
        int style;
        int count;  // hatch pixels in one 8 × 8 tile
    } kHatches[] = {{HS_HORIZONTAL, 8}, {HS_VERTICAL, 8}, {HS_FDIAGONAL, 8},
                    {HS_BDIAGONAL, 8},  {HS_CROSS, 15},   {HS_DIAGCROSS, 16}};
    for (const auto& h : kHatches) {
        Canvas c(16, 8, kBlue);
        HBRUSH br = CreateHatchBrush(h.style, kRed);
        SetBkMode(c, TRANSPARENT);
        RECT r{0, 0, 8, 8};
        FillRect(c, &r, br);
        EXPECT_EQ(c.Count(kRed, 0, 0, 8, 8), h.count) << h.style;
        EXPECT_EQ(c.Count(kBlue, 0, 0, 8, 8), 64 - h.count) << h.style;
        SetBkMode(c, OPAQUE);
        SetBkColor(c, kWhite);
        RECT r2{8, 0, 16, 8};
        FillRect(c, &r2, br);
        EXPECT_EQ(c.Count(kWhite, 8, 0, 16, 8), 64 - h.count) << h.style;
        DeleteObject(br);
    }
    Canvas c(8, 8);
    HBRUSH fd = CreateHatchBrush(HS_FDIAGONAL, kBlack);
    RECT r{0, 0, 8, 8};
    FillRect(c, &r, fd);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(c.At(i, i), kBlack);
    DeleteObject(fd);
    EXPECT_EQ(CreateHatchBrush(6, kBlack), nullptr);
}

TEST(PatBlt, PatternInversionTwiceRestores) {
    Canvas c(16, 16, RGB(40, 90, 200));
    HBRUSH br = CreateSolidBrush(RGB(0xFF, 0x0F, 0x00));
    SelectObject(c, br);
    PatBlt(c, 2, 2, 8, 8, PATINVERT);
    c.Expect({{2, 2, RGB(40 ^ 0xFF, 90 ^ 0x0F, 200)}, {10, 10, RGB(40, 90, 200)}});
    PatBlt(c, 2, 2, 8, 8, PATINVERT);
    EXPECT_EQ(c.Count(RGB(40, 90, 200)), 256);
    PatBlt(c, 0, 0, 4, 4, PATCOPY);
    EXPECT_EQ(c.Count(RGB(0xFF, 0x0F, 0x00)), 16);
    PatBlt(c, 0, 0, 16, 16, DSTINVERT);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0xF0, 0xFF));
    EXPECT_FALSE(PatBlt(c, 0, 0, 4, 4, SRCCOPY));  // needs a source
    SelectObject(c, GetStockObject(WHITE_BRUSH));
    DeleteObject(br);
}

TEST(InvertRect, TwiceRestoresAndRespectsExclusiveEdges) {
    Canvas c(10, 10, RGB(1, 2, 3));
    RECT r{1, 1, 5, 4};
    InvertRect(c, &r);
    EXPECT_EQ(c.Count(RGB(254, 253, 252)), 12);
    InvertRect(c, &r);
    EXPECT_EQ(c.Count(RGB(1, 2, 3)), 100);
}

TEST(FocusRect, DottedFrameRemovedBySecondCall) {
    Canvas c(20, 20);
    RECT r{2, 2, 12, 9};
    DrawFocusRect(c, &r);
    const int dots = c.Count(kBlack);
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 2 * 10 + 2 * 5);
    EXPECT_EQ(c.Count(kBlack, 3, 3, 11, 8), 0);
    EXPECT_EQ(c.At(2, 2) != c.At(3, 2), true);
    DrawFocusRect(c, &r);
    EXPECT_EQ(c.Count(kWhite), 400);
}

TEST(DrawEdge, RaisedAndSunkenUseTheClassicColours) {
    Canvas c(20, 20, kBlue);
    RECT r{0, 0, 10, 10};
    DrawEdge(c, &r, EDGE_RAISED, BF_RECT);
    // The dark side owns the corners it shares with the light one.
    c.Expect({{0, 0, GetSysColor(COLOR_3DLIGHT)}, {9, 0, GetSysColor(COLOR_3DDKSHADOW)},
              {0, 9, GetSysColor(COLOR_3DDKSHADOW)}, {1, 1, GetSysColor(COLOR_3DHILIGHT)},
              {8, 8, GetSysColor(COLOR_3DSHADOW)}, {2, 2, kBlue}});
    RECT s{10, 10, 20, 20};
    DrawEdge(c, &s, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    c.Expect({{10, 10, GetSysColor(COLOR_3DSHADOW)}, {11, 11, GetSysColor(COLOR_3DDKSHADOW)},
              {19, 19, GetSysColor(COLOR_3DHILIGHT)}, {18, 18, GetSysColor(COLOR_3DLIGHT)}});
    EXPECT_EQ(s.left, 12);
    EXPECT_EQ(s.bottom, 18);
}

TEST(DrawEdge, FollowsSystemColourChangesAndSidesAndMiddle) {
    const int index = COLOR_3DDKSHADOW;
    const COLORREF green = RGB(0, 200, 0);
    SetSysColors(1, &index, &green);
    Canvas c(10, 10);
    RECT r{0, 0, 10, 10};
    DrawEdge(c, &r, EDGE_RAISED, BF_BOTTOM | BF_MIDDLE);
    ResetSysColors();
    // No top edge: the middle reaches the top.
    c.Expect({{5, 9, green}, {5, 8, GetSysColor(COLOR_3DSHADOW)}, {5, 0, GetSysColor(COLOR_3DFACE)}});
}

TEST(SysColorBrush, FollowsTheTable) {
    Canvas c(4, 4);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const int index = COLOR_BTNFACE;
    const COLORREF pink = RGB(250, 100, 200);
    SetSysColors(1, &index, &pink);
    RECT r{0, 0, 4, 4};
    FillRect(c, &r, face);
    ResetSysColors();
    EXPECT_EQ(c.At(0, 0), pink);
    EXPECT_TRUE(DeleteObject(face));  // refused quietly: it stays usable
    FillRect(c, &r, face);
    EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
