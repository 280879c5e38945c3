// The static text control drawn into an image: where its text lands (wrapping, alignment,
// margins), bitmap references, and the sizes it asks for.
#include <gtest/gtest.h>

#include <string>

#include "grid/controls/dib_pool.h"
#include "grid/controls/grid_text.h"
#include "grid/controls/static_control.h"
#include "grid/core/core_fixture.h"
#include "support/reference_picture.h"
#include "platform/win/module_resources.h"

namespace {

struct StaticControlTest : core_test::CoreFixture {
    CGXStatic* pStatic = nullptr;
    CDC dc;
    const CRect cell{10, 10, 130, 70};

    void SetUp() override {
        CoreFixture::SetUp();
        SetSize(5, 5);
        pStatic = new CGXStatic(&grid);
        grid.RegisterControl(GX_IDS_CTRL_STATIC, pStatic);
        ASSERT_TRUE(dc.CreateImage(140, 80));
    }

    // Draws cell (1, 1) with only these attributes and its value into the rectangle of a blank image.
    void DrawCell(CGXStyle style, const char* pszValue, const CRect& rect) {
        dc.FillSolidRect(CRect(0, 0, 140, 80), RGB(255, 255, 255));
        style.SetValue(pszValue);
        grid.StoreStyleRowCol(1, 1, &style, ModifyMode::Copy);
        CGXStyle composed;
        grid.ComposeStyleRowCol(1, 1, &composed);
        pStatic->Draw(&dc, rect, 1, 1, composed, grid.GetStandardStyle());
    }
};

// A 2 by 2 bitmap of 24 bits, bottom-up: red pixels.
void AddRedBitmap(UINT nID) {
    struct {
        BITMAPINFOHEADER h;
        BYTE rows[2][8];
    } dib{};
    dib.h.biSize = sizeof(BITMAPINFOHEADER);
    dib.h.biWidth = 2;
    dib.h.biHeight = 2;
    dib.h.biPlanes = 1;
    dib.h.biBitCount = 24;
    for (auto& row : dib.rows)
        for (int x = 0; x < 2; ++x) row[x * 3 + 2] = 0xFF;  // blue, green, red
    ASSERT_TRUE(AddModuleResource(GetModuleHandleA(nullptr), RT_BITMAP, MAKEINTRESOURCEA(nID), &dib, sizeof dib));
}

// One cell drawn into a 140 by 80 image, compared with its picture; pictures without text pixel
// for pixel.
struct Scene {
    const char* name;
    CGXStyle style;
    const char* value;
    CRect rect;
    bool bText;
};

TEST_F(StaticControlTest, TextsWrapAlignAndClipAndBitmapReferencesDrawTheirBitmap) {
    AddRedBitmap(4242);
    const Scene scenes[] = {
        // Wrapped at words, the bottom line clipped; unwrapped on one line; line breaks start lines.
        {"wrapped", CGXStyle().SetWrapText(true), "alpha beta gamma delta epsilon", cell, true},
        {"unwrapped", CGXStyle().SetWrapText(false), "alpha beta gamma delta epsilon", cell, true},
        {"line_breaks", CGXStyle().SetWrapText(true), "a\r\nb\nc", cell, true},
        // Right: margin plus one pixel before the cell's end; left: after the margin.
        {"right", CGXStyle().SetHorizontalAlignment(DT_RIGHT), "HHH", cell, true},
        {"left", CGXStyle().SetHorizontalAlignment(DT_LEFT), "HHH", cell, true},
        {"bottom", CGXStyle().SetVerticalAlignment(DT_BOTTOM), "H", cell, true},
        // A cell one pixel high or wide shows no text.
        {"one_pixel_high", CGXStyle(), "HHH", CRect(10, 10, 130, 11), false},
        {"one_pixel_wide", CGXStyle(), "HHH", CRect(10, 10, 11, 70), false},
        // The prefix in any case; number 0 and unknown resources load nothing: the text is drawn.
        {"bitmap", CGXStyle(), "#bmp(4242)", cell, false},
        {"bitmap_zero", CGXStyle(), "#BMP(0)", cell, true},
        {"bitmap_unknown", CGXStyle(), "#BMP(4243)", cell, true},
        {"bitmap_unknown_name", CGXStyle(), "#BMP(\"NOSUCH\")", cell, true},
    };
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.name);
        DrawCell(s.style, s.value, s.rect);
        const std::string path = std::string("grid/controls/reference/static_") + s.name + ".png";
        if (s.bText) ExpectMatchesReference(dc.GetSafeHdc(), path, 8);
        else ExpectExactlyReference(dc.GetSafeHdc(), path);
    }
    EXPECT_EQ(CGXDIBPool::Instance().LookupOrCreateDIB("#BMP(4242)"),
              CGXDIBPool::Instance().LookupOrCreateDIB(CGXDIBPool::MakeReference(4242)));
    CGXDIBPool::Instance().Empty();
    // The text rectangle ends half a margin before the content.
    const CRect content = grid.SubtractBorders(cell, CGXStyle());
    EXPECT_EQ(pStatic->GetCellRect(1, 1, &cell, &grid.GetStandardStyle()[0]).right,
              content.right - CGXStatic::TextMargin() / 2);
}

TEST_F(StaticControlTest, CalcSizeCountsWrappedLinesAndAddsTheMargins) {
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    CFont font;
    LOGFONT lf = style.GetFont()->GetLogFont();
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CFont* pOld = dc.SelectObject(&font);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    const int h = tm.tmHeight + tm.tmExternalLeading;
    const CSize one = dc.GetTextExtent(CString("word"));
    dc.SelectObject(pOld);

    style.SetValue("word\nlonger line");
    const CSize size = pStatic->CalcSize(&dc, 1, 1, style, nullptr, false);
    EXPECT_EQ(size.cy, 2 * h);
    EXPECT_GT(size.cx, one.cx + 2 * CGXStatic::TextMargin());
    style.SetValue("");
    EXPECT_EQ(pStatic->CalcSize(&dc, 1, 1, style, nullptr, true).cy, h + 1);
    style.SetValue("word word word word word word word word word word").SetWrapText(true);
    EXPECT_GT(pStatic->CalcSize(&dc, 1, 1, style, nullptr, true).cy, h + 1);
}

TEST(GridText, OnlyTheWordBreakFlagMakesMoreLinesAndAHugeWordIsCutNotLost) {
    CDC dc;
    ASSERT_TRUE(dc.CreateImage(10, 10));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Arial"));
    CFont* pOld = dc.SelectObject(&font);
    const CRect rect(0, 0, 40, 200);
    EXPECT_EQ(BreakTextLines(&dc, "aa bb cc dd ee ff", -1, rect, 0).size(), 1u);
    const auto lines = BreakTextLines(&dc, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", -1, rect, DT_WORDBREAK);
    ASSERT_GE(lines.size(), 2u);
    int nTotal = 0;
    for (const GXTextLine& line : lines) {
        EXPECT_GE(line.nLength, 1);
        EXPECT_LE(dc.GetTextExtent("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", line.nLength).cx, rect.Width() + 1);
        nTotal += line.nLength;
    }
    EXPECT_EQ(nTotal, 30);
    // A text that ends with a line break has an empty last line.
    const auto trailing = BreakTextLines(&dc, "ab\n", -1, rect, DT_WORDBREAK);
    ASSERT_EQ(trailing.size(), 2u);
    EXPECT_EQ(trailing[1].nLength, 0);
    // A rectangle of one line's height makes one line whatever the text.
    EXPECT_EQ(BreakTextLines(&dc, "a\nb\nc", -1, CRect(0, 0, 40, 14), DT_WORDBREAK).size(), 1u);
    dc.SelectObject(pOld);
}

}  // namespace
