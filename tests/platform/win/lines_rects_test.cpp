// Rectangle and line rules, drawn side by side and compared exactly with a checked-in picture:
// right and bottom exclusive, the end point of a line not drawn, pen widths, caps and styles,
// line raster operations. What a picture cannot show (positions, return values) is asserted.
#include "support/reference_picture.h"
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

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void FillCell(HDC dc, COLORREF colour) {
    HBRUSH b = CreateSolidBrush(colour);
    RECT r{0, 0, 60, 30};
    FillRect(dc, &r, b);
    DeleteObject(b);
}

// A line with a geometric pen; the current position ends at the line's end.
std::function<void(HDC)> PenLine(DWORD style, int width, POINT from, POINT to) {
    return [=](HDC dc) {
        const LOGBRUSH red{BS_SOLID, kRed, 0};
        PenIn p(dc, width ? ExtCreatePen(style, width, &red, 0, nullptr) : CreatePen(PS_SOLID, 0, kBlack));
        Line(dc, from.x, from.y, to.x, to.y);
        POINT pos;
        GetCurrentPositionEx(dc, &pos);
        EXPECT_EQ(std::make_pair(pos.x, pos.y), std::make_pair(to.x, to.y));
    };
}

TEST(Shapes, LinesRectanglesPensAndRasterOperationsDrawTheirPixels) {
    const DWORD square = PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID, flat = PS_GEOMETRIC | PS_ENDCAP_FLAT;
    Canvas c(5 * 60, 4 * 30);
    DrawCells(c, 60, 30, 5, {
        // Right and bottom exclusive; a system colour index plus one stands for its brush.
        [](HDC dc) {
            HBRUSH red = CreateSolidBrush(kRed);
            RECT r{2, 3, 7, 9}, face{10, 3, 15, 9};
            FillRect(dc, &r, red);
            DeleteObject(red);
            FillRect(dc, &face, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
        },
        [](HDC dc) {  // one pixel inside the rectangle
            RECT r{2, 2, 10, 8};
            FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        },
        // The end point is not drawn, forwards, backwards and diagonally.
        PenLine(0, 0, {2, 5}, {10, 5}), PenLine(0, 0, {10, 7}, {2, 7}), PenLine(0, 0, {1, 1}, {11, 6}),
        // Wide square caps reach beyond both ends; a one-pixel square cap draws the end point (the
        // grid's borders: a line from an edge's first pixel to its last covers both), both ways.
        PenLine(square, 3, {5, 10}, {15, 10}), PenLine(square, 1, {3, 2}, {3, 9}), PenLine(square, 1, {12, 4}, {5, 4}),
        PenLine(flat, 2, {10, 5}, {10, 15}),  // flat caps stop at the ends
        [](HDC dc) {  // polyline corners drawn once: a pixel drawn twice would come back white
            SetROP2(dc, R2_NOT);
            const POINT pts[] = {{2, 2}, {12, 2}, {12, 9}, {2, 9}, {2, 2}};
            Polyline(dc, pts, 5);
        },
        [](HDC dc) {  // dashes of 18, gaps of 6: left alone, then in the background colour
            PenIn p(dc, CreatePen(PS_DASH, 1, kBlack));
            SetBkMode(dc, TRANSPARENT);
            Line(dc, 0, 1, 48, 1);
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, kRed);
            Line(dc, 0, 2, 48, 2);
            PenIn d(dc, CreatePen(PS_DOT, 1, kBlack));  // three on, three off
            SetBkMode(dc, TRANSPARENT);
            Line(dc, 0, 5, 12, 5);
        },
        [](HDC dc) {  // XOR twice restores, NOT inverts
            FillCell(dc, RGB(10, 200, 30));
            PenIn p(dc, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55)));
            EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
            Line(dc, 1, 4, 15, 4);
            Line(dc, 1, 8, 15, 8);
            Line(dc, 1, 8, 15, 8);
            SetROP2(dc, R2_NOT);
            Line(dc, 5, 0, 5, 10);
        },
        [](HDC dc) {  // outline with the pen, inside with the brush
            HBRUSH red = CreateSolidBrush(kRed);
            HGDIOBJ old = SelectObject(dc, red);
            Rectangle(dc, 2, 2, 10, 8);
            SelectObject(dc, old);
            DeleteObject(red);
        },
        [](HDC dc) {  // without outline the inside stops one pixel short; null pen lines vanish
            SelectObject(dc, GetStockObject(NULL_PEN));
            SelectObject(dc, GetStockObject(BLACK_BRUSH));
            Rectangle(dc, 2, 2, 10, 8);
            Line(dc, 0, 15, 20, 15);
        },
        [](HDC dc) {  // a hollow brush keeps the inside
            FillCell(dc, kRed);
            SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
            Rectangle(dc, 0, 0, 10, 10);
        },
        [](HDC dc) {  // an inside-frame pen stays inside
            PenIn p(dc, CreatePen(PS_INSIDEFRAME, 3, kBlue));
            SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
            Rectangle(dc, 2, 2, 12, 12);
        },
    });
    ExpectExactlyReference(c, "platform/win/reference/lines_rects.png");
}

TEST(Pixels, SetAndGetOutsideTheSurfaceFail) {
    Canvas c(4, 4);
    EXPECT_EQ(SetPixel(c, 1, 2, kRed), kRed);
    EXPECT_EQ(c.At(1, 2), kRed);
    EXPECT_EQ(GetPixel(c, 4, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(c, -1, 0, kRed), CLR_INVALID);
}

}  // namespace
