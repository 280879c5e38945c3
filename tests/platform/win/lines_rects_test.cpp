// Rectangle and line rules: right and bottom exclusive, the end point of a line not drawn, pen
// widths and styles, line raster operations.
#include "canvas.h"

namespace {

struct PenIn {
    PenIn(HDC dc, HPEN pen) : dc_(dc), pen_(pen), old_(SelectObject(dc, pen)) {}
    ~PenIn() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

TEST(FillRect, CoversLeftTopButNotRightBottomAndTakesSystemColourIndices) {
    Canvas c(20, 20);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{2, 3, 7, 9};
    FillRect(c, &r, red);
    EXPECT_EQ(c.Count(kRed), 5 * 6);
    c.Expect({{2, 3, kRed}, {6, 8, kRed}, {7, 8, kWhite}, {6, 9, kWhite}});
    DeleteObject(red);
    // A system colour index plus one stands for that colour's brush.
    FillRect(c, &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(c.At(2, 3), GetSysColor(COLOR_BTNFACE));
}

TEST(FrameRect, DrawsOnePixelInsideTheRectangle) {
    Canvas c(20, 20);
    RECT r{2, 2, 10, 8};
    FrameRect(c, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Count(kBlack), 2 * 8 + 2 * 4);
    c.Expect({{9, 7, kBlack}, {3, 3, kWhite}, {10, 7, kWhite}});
}

TEST(LineTo, EndPointsAndCapsByPen) {
    const DWORD square = PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID, flat = PS_GEOMETRIC | PS_ENDCAP_FLAT;
    const struct {
        const char* what;
        DWORD style;
        int width;  // 0: the default cosmetic black pen
        POINT from, to;
        int count;
        std::vector<Canvas::Px> pixels;
    } cases[] = {
        {"the end point is not drawn", 0, 0, {2, 5}, {10, 5}, 8, {{2, 5, kBlack}, {9, 5, kBlack}, {10, 5, kWhite}}},
        {"backwards: from 10 to 2 draws 10..3", 0, 0, {10, 7}, {2, 7}, 8, {{10, 7, kBlack}, {2, 7, kWhite}}},
        {"diagonal: one pixel per column, stopping short", 0, 0, {1, 1}, {11, 6}, 10,
         {{1, 1, kBlack}, {11, 6, kWhite}}},
        {"wide square caps reach one pixel beyond both ends: rows 9..11, columns 4..16", square, 3, {5, 10}, {15, 10},
         3 * 13, {{4, 9, kRed}, {16, 11, kRed}, {17, 10, kWhite}, {3, 10, kWhite}, {10, 12, kWhite}}},
        // The grid's borders: a line from an edge's first pixel to its last covers both.
        {"a one-pixel square cap draws the end point", square, 1, {3, 2}, {3, 9}, 8, {{3, 9, kRed}, {3, 10, kWhite}}},
        {"and backwards too", square, 1, {12, 4}, {5, 4}, 8, {{12, 4, kRed}, {5, 4, kRed}}},
        {"flat caps stop at the ends", flat, 2, {10, 5}, {10, 15}, 2 * 10,
         {{9, 5, kRed}, {10, 14, kRed}, {10, 15, kWhite}}},
    };
    const LOGBRUSH red{BS_SOLID, kRed, 0};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        Canvas c(30, 30);
        HPEN pen = t.width ? ExtCreatePen(t.style, t.width, &red, 0, nullptr) : nullptr;
        HGDIOBJ old = pen ? SelectObject(c, pen) : nullptr;
        MoveToEx(c, t.from.x, t.from.y, nullptr);
        LineTo(c, t.to.x, t.to.y);
        EXPECT_EQ(c.Count(t.width ? kRed : kBlack), t.count);
        c.Expect(t.pixels);
        POINT pos;
        GetCurrentPositionEx(c, &pos);
        EXPECT_EQ(std::make_pair(pos.x, pos.y), std::make_pair(t.to.x, t.to.y));
        if (pen) {
            SelectObject(c, old);
            DeleteObject(pen);
        }
    }
}

TEST(LineTo, PolylineCornersAreDrawnOnce) {
    Canvas c(20, 20);
    SetROP2(c, R2_NOT);  // a pixel drawn twice would come back white
    const POINT pts[] = {{2, 2}, {12, 2}, {12, 9}, {2, 9}, {2, 2}};
    Polyline(c, pts, 5);
    EXPECT_EQ(c.Count(kBlack), 2 * 10 + 2 * 7);
    c.Expect({{12, 2, kBlack}, {2, 9, kBlack}});
}

TEST(Pens, DashedPenLeavesGapsTransparentOrInBackgroundColour) {
    Canvas c(60, 4);
    PenIn p(c, CreatePen(PS_DASH, 1, kBlack));
    SetBkMode(c, TRANSPARENT);
    MoveToEx(c, 0, 1, nullptr);
    LineTo(c, 48, 1);
    EXPECT_EQ(c.Count(kBlack, 0, 1, 60, 2), 36);  // two dashes of 18, gaps of 6
    c.Expect({{17, 1, kBlack}, {18, 1, kWhite}, {24, 1, kBlack}});
    SetBkMode(c, OPAQUE);
    SetBkColor(c, kRed);
    MoveToEx(c, 0, 2, nullptr);
    LineTo(c, 48, 2);
    EXPECT_EQ(c.Count(kRed, 0, 2, 60, 3), 12);
    EXPECT_EQ(c.At(20, 2), kRed);
}

TEST(Pens, DottedPenAlternatesThreeOnThreeOff) {
    Canvas c(20, 3);
    PenIn p(c, CreatePen(PS_DOT, 1, kBlack));
    SetBkMode(c, TRANSPARENT);
    MoveToEx(c, 0, 1, nullptr);
    LineTo(c, 12, 1);
    for (int x = 0; x < 12; ++x) EXPECT_EQ(c.At(x, 1), (x / 3) % 2 == 0 ? kBlack : kWhite) << x;
}

TEST(Rop2, XorTwiceRestoresAndNotInverts) {
    Canvas c(20, 20, RGB(10, 200, 30));
    PenIn p(c, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55)));
    EXPECT_EQ(SetROP2(c, R2_XORPEN), R2_COPYPEN);
    MoveToEx(c, 1, 4, nullptr);
    LineTo(c, 15, 4);
    EXPECT_EQ(c.At(3, 4), RGB(10 ^ 0xF0, 200 ^ 0x0F, 30 ^ 0x55));
    MoveToEx(c, 1, 4, nullptr);
    LineTo(c, 15, 4);
    EXPECT_EQ(c.Count(RGB(10, 200, 30)), 400);
    SetROP2(c, R2_NOT);
    MoveToEx(c, 5, 0, nullptr);
    LineTo(c, 5, 10);
    EXPECT_EQ(c.At(5, 3), RGB(245, 55, 225));
}

TEST(Rectangle, OutlineWithPenInsideWithBrush) {
    Canvas c(20, 20);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(c, red);
    Rectangle(c, 2, 2, 10, 8);
    EXPECT_EQ(c.Count(kBlack), 2 * 8 + 2 * 4);
    EXPECT_EQ(c.Count(kRed), 6 * 4);
    c.Expect({{9, 7, kBlack}, {10, 8, kWhite}});
    SelectObject(c, old);
    DeleteObject(red);
}

TEST(Rectangle, WithoutOutlineTheInsideStopsOnePixelShortAndNullPenLinesVanish) {
    Canvas c(20, 20);
    SelectObject(c, GetStockObject(NULL_PEN));
    SelectObject(c, GetStockObject(BLACK_BRUSH));
    Rectangle(c, 2, 2, 10, 8);
    MoveToEx(c, 0, 15, nullptr);  // and a line with the null pen draws nothing
    LineTo(c, 20, 15);
    EXPECT_EQ(c.Count(kBlack), 7 * 5);
    c.Expect({{8, 6, kBlack}, {9, 6, kWhite}});
}

TEST(Rectangle, HollowBrushKeepsTheInside) {
    Canvas c(20, 20, kRed);
    SelectObject(c, GetStockObject(HOLLOW_BRUSH));
    Rectangle(c, 0, 0, 10, 10);
    c.Expect({{5, 5, kRed}, {0, 5, kBlack}});
}

TEST(Rectangle, InsideFramePenStaysInside) {
    Canvas c(20, 20);
    PenIn p(c, CreatePen(PS_INSIDEFRAME, 3, kBlue));
    SelectObject(c, GetStockObject(HOLLOW_BRUSH));
    Rectangle(c, 2, 2, 12, 12);
    EXPECT_EQ(c.InkBox().left, 2);
    EXPECT_EQ(c.InkBox().right, 12);
    EXPECT_EQ(c.Count(kBlue), 100 - 16);
}

TEST(Pixels, SetAndGetOutsideTheSurfaceFail) {
    Canvas c(4, 4);
    EXPECT_EQ(SetPixel(c, 1, 2, kRed), kRed);
    EXPECT_EQ(c.At(1, 2), kRed);
    EXPECT_EQ(GetPixel(c, 4, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(c, -1, 0, kRed), CLR_INVALID);
}

}  // namespace
