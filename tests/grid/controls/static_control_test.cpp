// The static text control drawn into an image: where its text lands (wrapping, alignment,
// margins), bitmap references, and the sizes it asks for.
#include <gtest/gtest.h>

#include <vector>

#include "grid/controls/dib_pool.h"
#include "grid/controls/grid_text.h"
#include "grid/controls/static_control.h"
#include "grid/core/core_fixture.h"
#include "platform/win/module_resources.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

struct StaticControlTest : core_test::CoreFixture {
    CGXStatic* pStatic = nullptr;
    CDC dc;
    const CRect cell{10, 10, 130, 70};

    void SetUp() override {
        CoreFixture::SetUp();
        SetSize(5, 5);
        pStatic = new CGXStatic(&grid);
        grid.RegisterControl(GX_IDS_CTRL_STATIC, pStatic);
        ASSERT_TRUE(dc.CreateImage(200, 100));
    }

    // Draws cell (1, 1) with the stored attributes and its value into the rectangle of a blank image.
    void DrawCell(CGXStyle style, const char* pszValue, const CRect& rect) {
        dc.FillSolidRect(CRect(0, 0, 200, 100), kWhite);
        style.SetValue(pszValue);
        grid.StoreStyleRowCol(1, 1, &style, ModifyMode::Override);
        CGXStyle composed;
        grid.ComposeStyleRowCol(1, 1, &composed);
        pStatic->Draw(&dc, rect, 1, 1, composed, grid.GetStandardStyle());
    }
    bool Ink(int x, int y) const { return (dc.GetPixel(x, y) & 0xFFFFFF) != kWhite; }
    // Rows of the image that hold ink.
    std::vector<int> InkRows() const {
        std::vector<int> rows;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if (Ink(x, y)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    // The first inked column from the left or from the right, -1 when none is.
    int InkEdge(bool bRight) const {
        for (int i = 0; i < 200; ++i)
            for (int y = 0; y < 100; ++y)
                if (Ink(bRight ? 199 - i : i, y)) return bRight ? 199 - i : i;
        return -1;
    }
    // Separate bands of inked rows: one per drawn line of text.
    static int Bands(const std::vector<int>& rows) {
        int n = 0;
        for (size_t i = 0; i < rows.size(); ++i)
            if (i == 0 || rows[i] != rows[i - 1] + 1) ++n;
        return n;
    }
};

TEST_F(StaticControlTest, WrappedTextBreaksAtWordsAndLineBreaksUnwrappedStaysOnOneLine) {
    CGXStyle style;
    style.SetWrapText(true);
    DrawCell(style, "alpha beta gamma delta epsilon", cell);
    const std::vector<int> rows = InkRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(Bands(rows), 2);
    EXPECT_GE(rows.front(), cell.top);
    EXPECT_LT(rows.back(), cell.bottom);
    EXPECT_LT(InkEdge(true), cell.right);  // clipped to the cell

    style.SetWrapText(false);
    DrawCell(style, "alpha beta gamma delta epsilon", cell);
    EXPECT_EQ(Bands(InkRows()), 1);
    EXPECT_LT(InkEdge(true), cell.right);
    // Line breaks in the text start new lines.
    style.SetWrapText(true);
    DrawCell(style, "a\r\nb\nc", cell);
    EXPECT_EQ(Bands(InkRows()), 3);
}

TEST_F(StaticControlTest, RightAlignedTextKeepsMarginPlusOneAndLeftAlignedStartsAfterTheMargin) {
    const int m = CGXStatic::TextMargin();
    const CRect content = grid.SubtractBorders(cell, CGXStyle());
    CGXStyle style;
    style.SetHorizontalAlignment(DT_RIGHT);
    DrawCell(style, "HHH", cell);
    // The text rectangle ends m + 1 pixels before the cell; glyphs may keep a pixel of bearing.
    EXPECT_LE(InkEdge(true), content.right - (m + 1) - 1);
    EXPECT_GE(InkEdge(true), content.right - (m + 1) - 3);

    style.SetHorizontalAlignment(DT_LEFT);
    DrawCell(style, "HHH", cell);
    EXPECT_GE(InkEdge(false), content.left + m);
    EXPECT_LE(InkEdge(false), content.left + m + 2);
    const CRect rectText = pStatic->GetCellRect(1, 1, &cell, &style);
    EXPECT_EQ(rectText.right, content.right - m / 2);
}

TEST_F(StaticControlTest, VerticalAlignmentMovesTheLineDown) {
    CGXStyle style;
    style.SetVerticalAlignment(DT_TOP);
    DrawCell(style, "H", cell);
    const int nTop = InkRows().front();
    style.SetVerticalAlignment(DT_BOTTOM);
    DrawCell(style, "H", cell);
    const std::vector<int> rows = InkRows();
    EXPECT_GT(rows.front(), nTop + 20);
    EXPECT_LT(rows.back(), cell.bottom);
}

TEST_F(StaticControlTest, CellOnePixelHighShowsNoText) {
    DrawCell(CGXStyle(), "HHH", CRect(10, 10, 130, 11));
    EXPECT_TRUE(InkRows().empty());
    DrawCell(CGXStyle(), "HHH", CRect(10, 10, 11, 70));
    EXPECT_TRUE(InkRows().empty());
}

TEST_F(StaticControlTest, BitmapReferencesDrawTheirBitmapAndMissingOnesDrawAsText) {
    // A 2 by 2 bitmap of 24 bits, bottom-up: red pixels.
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
    ASSERT_TRUE(AddModuleResource(GetModuleHandleA(nullptr), RT_BITMAP, MAKEINTRESOURCEA(4242), &dib, sizeof dib));

    const CRect rectText = pStatic->GetCellRect(1, 1, &cell, &grid.GetStandardStyle()[0]);
    DrawCell(CGXStyle(), "#bmp(4242)", cell);  // the prefix in any case
    EXPECT_EQ(dc.GetPixel(rectText.left, rectText.top) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(dc.GetPixel(rectText.left + 1, rectText.top + 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(dc.GetPixel(rectText.left + 2, rectText.top) & 0xFFFFFF, kWhite);
    EXPECT_EQ(CGXDIBPool::Instance().LookupOrCreateDIB("#BMP(4242)"),
              CGXDIBPool::Instance().LookupOrCreateDIB(CGXDIBPool::MakeReference(4242)));

    // Number 0 and an unknown resource load nothing: the text is drawn.
    for (const char* psz : {"#BMP(0)", "#BMP(4243)", "#BMP(\"NOSUCH\")"}) {
        DrawCell(CGXStyle(), psz, cell);
        EXPECT_FALSE(InkRows().empty()) << psz;
    }
    CGXDIBPool::Instance().Empty();
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
