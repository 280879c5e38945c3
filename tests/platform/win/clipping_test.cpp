// Clipping, origins and saving the drawing state.
#include "support/reference_picture.h"
#include "canvas.h"

namespace {

void FillAll(HDC dc, COLORREF c, int w = 100, int h = 100) {
    HBRUSH b = CreateSolidBrush(c);
    RECT r{-1000, -1000, w + 1000, h + 1000};
    FillRect(dc, &r, b);
    DeleteObject(b);
}

TEST(Clip, IntersectAndExcludeRectangles) {
    Canvas c(20, 20);
    EXPECT_EQ(IntersectClipRect(c, 2, 2, 12, 12), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(c, 4, 4, 6, 6), COMPLEXREGION);
    FillAll(c, kRed);
    ExpectExactlyReference(c, "platform/win/reference/clip_intersect_exclude.png");
    RECT box;
    EXPECT_EQ(GetClipBox(c, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 12);
    EXPECT_TRUE(PtVisible(c, 3, 3));
    EXPECT_FALSE(PtVisible(c, 5, 5));
}

TEST(Clip, SelectedRegionIsCopiedAndNullRemovesClipping) {
    Canvas c(20, 20);
    HRGN a = CreateRectRgn(0, 0, 5, 5);
    HRGN b = CreateRectRgn(10, 10, 15, 15);
    CombineRgn(a, a, b, RGN_OR);
    EXPECT_EQ(SelectClipRgn(c, a), COMPLEXREGION);
    SetRectRgn(a, 0, 0, 20, 20);  // the DC keeps its own copy
    FillAll(c, kBlue);
    ExpectExactlyReference(c, "platform/win/reference/clip_region.png");
    SelectClipRgn(c, nullptr);
    RECT box;
    EXPECT_EQ(GetClipBox(c, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 20);
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Clip, ClipBoxIsInLogicalUnitsAndEmptyClipDrawsNothing) {
    Canvas c(20, 20);
    SetViewportOrgEx(c, 5, 5, nullptr);
    RECT box;
    GetClipBox(c, &box);
    EXPECT_EQ(box.left, -5);
    EXPECT_EQ(box.right, 15);
    IntersectClipRect(c, 0, 0, 2, 2);  // logical: device 5..7
    GetClipBox(c, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 2);
    FillAll(c, kRed);
    IntersectClipRect(c, 10, 10, 12, 12);
    EXPECT_EQ(GetClipBox(c, &box), NULLREGION);
    FillAll(c, kBlue);
    ExpectExactlyReference(c, "platform/win/reference/clip_logical.png");  // red at device 5..7 only
}

TEST(Origins, ViewportAndWindowOriginsMoveDrawing) {
    Canvas c(20, 20);
    POINT old;
    SetViewportOrgEx(c, 4, 3, &old);
    EXPECT_EQ(old.x, 0);
    SetWindowOrgEx(c, 1, 1, nullptr);
    RECT r{1, 1, 2, 2};
    FillRect(c, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // at device 4, 3
    POINT p{1, 1};
    LPtoDP(c, &p, 1);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 3);
    DPtoLP(c, &p, 1);
    EXPECT_EQ(p.x, 1);
    OffsetViewportOrgEx(c, 1, 0, nullptr);
    MoveToEx(c, 1, 5, nullptr);
    LineTo(c, 3, 5);  // device 5..6 on row 7
    ExpectExactlyReference(c, "platform/win/reference/origins.png");
}

TEST(SaveDC, RestoresObjectsColoursModesOriginsAndClip) {
    Canvas c(20, 20);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    const int level = SaveDC(c);
    EXPECT_EQ(level, 1);
    SelectObject(c, red);
    SetTextColor(c, kBlue);
    SetBkMode(c, TRANSPARENT);
    SetROP2(c, R2_XORPEN);
    SetViewportOrgEx(c, 3, 3, nullptr);
    IntersectClipRect(c, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(c), 2);
    SetTextColor(c, kWhite);
    EXPECT_TRUE(RestoreDC(c, level));  // back past both levels
    EXPECT_FALSE(RestoreDC(c, 1));
    EXPECT_EQ(GetCurrentObject(c, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetTextColor(c), kBlack);
    EXPECT_EQ(GetBkMode(c), OPAQUE);
    EXPECT_EQ(GetROP2(c), R2_COPYPEN);
    POINT org;
    GetViewportOrgEx(c, &org);
    EXPECT_EQ(org.x, 0);
    RECT box;
    GetClipBox(c, &box);
    EXPECT_EQ(box.right, 20);
    EXPECT_TRUE(DeleteObject(red));
}

TEST(SaveDC, ObjectDeletedWhileSavedStaysUsableUntilRestored) {
    Canvas c(20, 20);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(c, red);
    SaveDC(c);
    SelectObject(c, GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), 0);  // the handle is gone at once
    RestoreDC(c, -1);
    MoveToEx(c, 0, 0, nullptr);
    LineTo(c, 5, 0);
    EXPECT_EQ(c.At(2, 0), kRed);
    SelectObject(c, GetStockObject(BLACK_PEN));  // now it is freed
}

TEST(Handles, BadHandlesFailWithoutTouchingMemoryAndGoodOnesGiveThePrevious) {
    int dummy = 0;
    HDC bad = reinterpret_cast<HDC>(&dummy);
    RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(bad, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_PEN)), nullptr);
    Canvas c(4, 4);
    HBRUSH red = CreateSolidBrush(kRed);  // a good handle gives back the one before it
    EXPECT_EQ(SelectObject(c, red), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(c, GetStockObject(WHITE_BRUSH)), red);
    DeleteObject(red);
    EXPECT_EQ(SelectObject(c, &dummy), nullptr);
    EXPECT_FALSE(DeleteObject(&dummy));
    EXPECT_FALSE(DeleteDC(bad));
    EXPECT_EQ(FillRect(c, &r, reinterpret_cast<HBRUSH>(&dummy)), 0);
}

}  // namespace
