// The small text forms of pens, brushes and colours, and the pattern table.
#include <gtest/gtest.h>

#include <utility>

#include "grid/style/pen_brush.h"

TEST(PenText, WriteAndReadWithAndWithoutTheHighByte) {
    StylePen pen;
    pen.SetStyle(GX_PS_NULL).SetWidth(-2).SetColor(0xF6010203u);
    EXPECT_EQ(pen.GetDescription(), "5 -2 3 2 1 246");
    StylePen read;
    read.SetDescription("  1 3 10 20 30");
    EXPECT_TRUE(read.GetInclude());
    EXPECT_EQ(read.GetStyle(), 1u);
    EXPECT_EQ(read.GetWidth(), 3);
    EXPECT_EQ(read.GetColorNA(), RGB(10, 20, 30));
    read.SetDescription("5 -2 3 2 1 246");
    EXPECT_EQ(read.GetColorNA(), 0xF6010203u);
    for (const char* psz : {"1 2 3 4", "1 2 x 4 5"}) {  // fewer than five numbers: the side is not present
        read.SetDescription(psz);
        EXPECT_FALSE(read.GetInclude()) << psz;
    }
}

TEST(BrushText, StylesPatternsAndColourForms) {
    StyleBrush brush;
    brush.SetPattern(7).SetColor(RGB(1, 2, 3)).SetBkColor(RGB(4, 5, 6));
    EXPECT_EQ(brush.GetDescription(), "3 7 1 2 3 4 5 6 0");
    StyleBrush read;
    read.SetDescription("3 7 1 2 3 4 5 6 0");
    EXPECT_EQ(read.GetStyle(), GX_BS_PATTERN);
    EXPECT_EQ(read.GetPattern(), 7);
    EXPECT_TRUE(read == brush);
    read.SetDescription("2 4 9 8 7");  // hatched; no background given: it stays
    EXPECT_EQ(read.GetHatch(), 4u);
    EXPECT_EQ(read.GetColorNA(), RGB(9, 8, 7));
    EXPECT_EQ(read.GetBkColorNA(), RGB(4, 5, 6));
    // The colour's high byte: a palette index drops blue, the other forms keep it.
    for (auto [psz, color] : {std::pair{"0 0 5 6 7 0 0 0 1", 0x01000605u}, std::pair{"0 0 5 6 7 0 0 0 2", 0x02070605u},
                              std::pair{"0 0 255 255 255 0 0 0 249", 0xF9FFFFFFu}}) {
        read.SetDescription(psz);
        EXPECT_EQ(read.GetColorNA(), color) << psz;
    }
    StyleBrush before = read;
    read.SetDescription("1 2 3 4");
    EXPECT_TRUE(read == before);  // fewer than five numbers change nothing
    read.SetDescription("3 41 0 0 0");
    EXPECT_EQ(read.GetStyle(), GX_BS_HOLLOW);
}

TEST(BrushEquality, BackgroundCountsUnlessSolid) {
    StyleBrush a, b;
    b.SetBkColor(0);
    EXPECT_TRUE(a == b);
    a.SetStyle(GX_BS_HATCHED);
    b.SetStyle(GX_BS_HATCHED);
    EXPECT_FALSE(a == b);
    b.SetBkColor(a.GetBkColorNA()).SetHatch(1);
    EXPECT_FALSE(a == b);
}

TEST(Patterns, TheTableAndItsBitmaps) {
    const WORD* rows = GXGetPatternRows(25);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows[0], 0x00FE);
    EXPECT_EQ(rows[7], 0x007F);
    EXPECT_EQ(GXGetPatternRows(40)[3], 0x00FF);
    EXPECT_EQ(GXGetPatternRows(41), nullptr);
    EXPECT_EQ(GXGetPatternRows(-1), nullptr);
    HBITMAP h = GXGetPatternBitmap(3);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GXGetPatternBitmap(3), h);  // made once
    BITMAP bm{};
    ASSERT_NE(GetObject(h, sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 8);
    EXPECT_EQ(bm.bmHeight, 8);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    StyleBrush brush;
    brush.SetPattern(3);
    EXPECT_EQ(brush.GetPatternBitmap(), h);
    EXPECT_EQ(StyleBrush().GetPatternBitmap(), nullptr);
}

TEST(NumberScan, SignsBlanksAndStops) {
    long v[4] = {};
    EXPECT_EQ(GXScanNumbers("  -1 +2\t3 x 4", v, 4), 3);
    EXPECT_EQ(v[0], -1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(GXScanNumbers("4294967297", v, 1), 1);
    EXPECT_EQ(v[0], 1);  // low 32 bits
    EXPECT_EQ(GXScanNumbers("99999999999999999999999999", v, 1), 1);
    EXPECT_EQ(GXScanNumbers("-", v, 4), 0);
    EXPECT_EQ(GXScanNumbers(nullptr, v, 4), 0);
}
