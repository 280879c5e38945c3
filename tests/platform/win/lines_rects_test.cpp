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

TEST(FillRect, CoversLeftTopButNotRightBottom) {
    Canvas c(20, 20);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{2, 3, 7, 9};
    FillRect(c, &r, red);
    EXPECT_EQ(c.Count(kRed), 5 * 6);
    EXPECT_EQ(c.At(2, 3), kRed);
    EXPECT_EQ(c.At(6, 8), kRed);
    EXPECT_EQ(c.At(7, 8), kWhite);
    EXPECT_EQ(c.At(6, 9), kWhite);
    DeleteObject(red);
}

TEST(FillRect, AcceptsSystemColourIndexPlusOne) {
    Canvas c(4, 4);
    RECT r{0, 0, 4, 4};
    FillRect(c, &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST(FrameRect, DrawsOnePixelInsideTheRectangle) {
    Canvas c(20, 20);
    RECT r{2, 2, 10, 8};
    FrameRect(c, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Count(kBlack), 2 * 8 + 2 * 4);
    EXPECT_EQ(c.At(9, 7), kBlack);
    EXPECT_EQ(c.At(3, 3), kWhite);
    EXPECT_EQ(c.At(10, 7), kWhite);
}

TEST(LineTo, EndPointIsNotDrawn) {
    Canvas c(20, 20);
    MoveToEx(c, 2, 5, nullptr);
    LineTo(c, 10, 5);
    EXPECT_EQ(c.Count(kBlack), 8);
    EXPECT_EQ(c.At(2, 5), kBlack);
    EXPECT_EQ(c.At(9, 5), kBlack);
    EXPECT_EQ(c.At(10, 5), kWhite);
    // Backwards: from 10 to 2 draws 10..3.
    Canvas d(20, 20);
    MoveToEx(d, 10, 7, nullptr);
    LineTo(d, 2, 7);
    EXPECT_EQ(d.At(10, 7), kBlack);
    EXPECT_EQ(d.At(2, 7), kWhite);
    EXPECT_EQ(d.Count(kBlack), 8);
}

TEST(LineTo, PolylineCornersAreDrawnOnce) {
    Canvas c(20, 20);
    SetROP2(c, R2_NOT);  // a pixel drawn twice would come back white
    const POINT pts[] = {{2, 2}, {12, 2}, {12, 9}, {2, 9}, {2, 2}};
    Polyline(c, pts, 5);
    EXPECT_EQ(c.Count(kBlack), 2 * 10 + 2 * 7);
    EXPECT_EQ(c.At(12, 2), kBlack);
    EXPECT_EQ(c.At(2, 9), kBlack);
}

TEST(LineTo, DiagonalLineStepsOnePixelPerColumnAndStopsShort) {
    Canvas c(20, 20);
    MoveToEx(c, 1, 1, nullptr);
    LineTo(c, 11, 6);
    EXPECT_EQ(c.Count(kBlack), 10);
    EXPECT_EQ(c.At(1, 1), kBlack);
    EXPECT_EQ(c.At(11, 6), kWhite);
    POINT pos;
    GetCurrentPositionEx(c, &pos);
    EXPECT_EQ(pos.x, 11);
    EXPECT_EQ(pos.y, 6);
}

TEST(Pens, WideGeometricSquareCapPenCoversBandAndCaps) {
    Canvas c(30, 30);
    LOGBRUSH lb{BS_SOLID, kRed, 0};
    PenIn p(c, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID, 3, &lb, 0, nullptr));
    ASSERT_NE(p.pen_, nullptr);
    MoveToEx(c, 5, 10, nullptr);
    LineTo(c, 15, 10);
    // Rows 9..11; columns 4..16: the caps reach one pixel beyond both end points.
    EXPECT_EQ(c.Count(kRed), 3 * 13);
    EXPECT_EQ(c.At(4, 9), kRed);
    EXPECT_EQ(c.At(16, 11), kRed);
    EXPECT_EQ(c.At(17, 10), kWhite);
    EXPECT_EQ(c.At(3, 10), kWhite);
    EXPECT_EQ(c.At(10, 12), kWhite);
}

TEST(Pens, OnePixelGeometricSquareCapPenDrawsTheEndPoint) {
    // The grid's borders: a line from an edge's first pixel to its last covers both.
    Canvas c(20, 20);
    LOGBRUSH lb{BS_SOLID, kRed, 0};
    PenIn p(c, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID, 1, &lb, 0, nullptr));
    MoveToEx(c, 3, 2, nullptr);
    LineTo(c, 3, 9);
    EXPECT_EQ(c.Count(kRed), 8);
    EXPECT_EQ(c.At(3, 9), kRed);
    EXPECT_EQ(c.At(3, 10), kWhite);
    MoveToEx(c, 12, 4, nullptr);
    LineTo(c, 5, 4);  // backwards too
    EXPECT_EQ(c.At(12, 4), kRed);
    EXPECT_EQ(c.At(5, 4), kRed);
    EXPECT_EQ(c.Count(kRed), 8 + 8);
}

TEST(Pens, FlatCapPenStopsAtTheEnds) {
    Canvas c(30, 30);
    LOGBRUSH lb{BS_SOLID, kRed, 0};
    PenIn p(c, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 2, &lb, 0, nullptr));
    MoveToEx(c, 10, 5, nullptr);
    LineTo(c, 10, 15);
    EXPECT_EQ(c.Count(kRed), 2 * 10);
    EXPECT_EQ(c.At(9, 5), kRed);
    EXPECT_EQ(c.At(10, 14), kRed);
    EXPECT_EQ(c.At(10, 15), kWhite);
}

TEST(Pens, NullPenDrawsNothing) {
    Canvas c(20, 20);
    SelectObject(c, GetStockObject(NULL_PEN));
    MoveToEx(c, 0, 5, nullptr);
    LineTo(c, 20, 5);
    EXPECT_EQ(c.Count(kWhite), 400);
}

TEST(Pens, DashedPenLeavesGapsTransparentOrInBackgroundColour) {
    Canvas c(60, 4);
    PenIn p(c, CreatePen(PS_DASH, 1, kBlack));
    SetBkMode(c, TRANSPARENT);
    MoveToEx(c, 0, 1, nullptr);
    LineTo(c, 48, 1);
    EXPECT_EQ(c.Count(kBlack, 0, 1, 60, 2), 36);  // two dashes of 18, gaps of 6
    EXPECT_EQ(c.At(17, 1), kBlack);
    EXPECT_EQ(c.At(18, 1), kWhite);
    EXPECT_EQ(c.At(24, 1), kBlack);
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
    EXPECT_EQ(c.At(9, 7), kBlack);
    EXPECT_EQ(c.At(10, 8), kWhite);
    SelectObject(c, old);
    DeleteObject(red);
}

TEST(Rectangle, WithoutOutlineTheInsideStopsOnePixelShort) {
    Canvas c(20, 20);
    SelectObject(c, GetStockObject(NULL_PEN));
    SelectObject(c, GetStockObject(BLACK_BRUSH));
    Rectangle(c, 2, 2, 10, 8);
    EXPECT_EQ(c.Count(kBlack), 7 * 5);
    EXPECT_EQ(c.At(8, 6), kBlack);
    EXPECT_EQ(c.At(9, 6), kWhite);
}

TEST(Rectangle, HollowBrushKeepsTheInside) {
    Canvas c(20, 20, kRed);
    SelectObject(c, GetStockObject(HOLLOW_BRUSH));
    Rectangle(c, 0, 0, 10, 10);
    EXPECT_EQ(c.At(5, 5), kRed);
    EXPECT_EQ(c.At(0, 5), kBlack);
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
