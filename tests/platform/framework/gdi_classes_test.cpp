// The framework's CDC, GDI object classes and CRect. The saving guard only calls SaveDC and
// RestoreDC, whose rules the graphics tests hold.
#include <gtest/gtest.h>

#include "platform/framework/dc.h"

namespace {

TEST(CRect, IntersectUnionAndExclusiveEdges) {
    CRect a(0, 0, 10, 10), b(5, 5, 15, 20), r;
    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(&a, CRect(10, 0, 20, 10)));  // touching edges do not overlap
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(&a, &b));
    EXPECT_EQ(r, CRect(0, 0, 15, 20));
    EXPECT_TRUE(r.UnionRect(&a, CRect(50, 50, 50, 60)));  // empty ones do not count
    EXPECT_EQ(r, a);
    EXPECT_TRUE(a.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 9)));
    CRect c(10, 10, 2, 4);
    c.NormalizeRect();
    EXPECT_EQ(c, CRect(2, 4, 10, 10));
}

TEST(CDC, SelectObjectReturnsTheWrapperOfThePreviousObject) {
    CDC dc;
    ASSERT_TRUE(dc.CreateImage(20, 20));
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* stock = dc.SelectObject(&red);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&blue), &red);  // the permanent object, not a temporary one
    dc.SelectObject(stock);
    EXPECT_EQ(dc.GetCurrentPen(), stock);
    CGdiObject::DeleteTempMap();
}

TEST(CDC, FillSolidRectAndDraw3dRect) {
    CDC dc;
    ASSERT_TRUE(dc.CreateImage(20, 20));
    dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(9, 9, 9));
    EXPECT_EQ(dc.GetBkColor(), RGB(9, 9, 9));  // left as the fill colour
    const COLORREF light = RGB(255, 255, 255), dark = RGB(128, 128, 128), fill = RGB(9, 9, 9);
    dc.Draw3dRect(CRect(2, 2, 10, 10), light, dark);
    // Light along the top and left, dark along the right and bottom, the corners shared that way.
    const struct { int x, y; COLORREF c; } px[] = {{2, 2, light}, {8, 2, light}, {9, 2, dark},  {2, 9, dark},
                                                   {9, 9, dark},  {5, 5, fill},  {10, 10, fill}};
    for (const auto& p : px) EXPECT_EQ(dc.GetPixel(p.x, p.y), p.c) << p.x << ", " << p.y;
}

TEST(CDC, MemoryDcWithCompatibleBitmapAndBlit) {
    CDC screen, mem;
    ASSERT_TRUE(screen.CreateImage(16, 16));
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    CBitmap bm;
    ASSERT_TRUE(bm.CreateCompatibleBitmap(&screen, 8, 8));
    CBitmap* old = mem.SelectObject(&bm);
    ASSERT_NE(old, nullptr);
    mem.FillSolidRect(CRect(0, 0, 8, 8), RGB(200, 0, 0));
    screen.BitBlt(4, 4, 8, 8, &mem, 0, 0, SRCCOPY);
    EXPECT_EQ(screen.GetPixel(4, 4), RGB(200, 0, 0));
    EXPECT_EQ(screen.GetPixel(3, 4), RGB(0, 0, 0));
    mem.SelectObject(old);
    CString face;
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Arial"));
    LOGFONT lf;
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -11);  // 8 points at 96 dots per inch
    screen.SelectObject(&font);
    screen.GetTextFace(face);
    EXPECT_EQ(face.str(), "Liberation Sans");
    EXPECT_EQ(screen.GetTextExtent(CString("ab")).cx, screen.GetTextExtent("a", 1).cx + screen.GetTextExtent("b", 1).cx);
    screen.SelectStockObject(SYSTEM_FONT);
    CGdiObject::DeleteTempMap();
}

TEST(CRgn, CombineAndSelectAsClip) {
    CRgn a, b, c;
    a.CreateRectRgn(0, 0, 4, 4);
    b.CreateRectRgn(2, 2, 6, 6);
    c.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(c.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    c.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(2, 2, 4, 4));
    EXPECT_EQ(c.CombineRgn(&a, &b, RGN_XOR), COMPLEXREGION);
    CDC dc;
    ASSERT_TRUE(dc.CreateImage(8, 8));
    dc.SelectClipRgn(&c);
    dc.FillSolidRect(CRect(0, 0, 8, 8), RGB(0, 0, 255));
    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(0, 0, 255));
}

}  // namespace
