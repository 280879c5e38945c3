// Small grids whose picture is what matters, drawn by the static text control and compared with
// checked-in pictures: a frozen title row merged across columns, borders, wrapped and aligned
// texts, a covered block and a selection.
#include <gtest/gtest.h>

#include "core_fixture.h"
#include "grid/controls/static_control.h"
#include "platform/framework/dc.h"
#include "support/reference_picture.h"

namespace {

struct DrawPictureTest : ::testing::Test {
    CGXGridCore grid;
    CDC dc;

    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 460, 220));
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), true);
        grid.GetData()->SetRowCount(30);
        grid.GetData()->SetColCount(6);
        ASSERT_TRUE(dc.CreateImage(460, 220));
    }
    void Store(ROWCOL r, ROWCOL c, const CGXStyle& s) { ASSERT_TRUE(grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override)); }
};

}  // namespace

TEST_F(DrawPictureTest, MergedTitlesBordersAndTexts) {
    // A frozen title row whose equal captions merge, in a bold font on a pale interior.
    ASSERT_TRUE(grid.SetFrozenRows(1, 0));
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    CGXFont bold;
    bold.SetBold(true);
    for (ROWCOL c = 1; c <= 3; ++c)
        Store(1, c, CGXStyle().SetValue("Interrupts").SetMergeCell(1).SetHorizontalAlignment(1).SetFont(bold)
                        .SetInterior(RGB(255, 255, 200)));
    // Borders of one and two pixels, a wrapped text in a taller row, right and centred texts.
    Store(3, 2, CGXStyle().SetValue("Bordered").SetBorders(gxBorderRight, StylePen().SetColor(RGB(255, 0, 0)).SetWidth(2))
                    .SetBorders(gxBorderBottom, StylePen().SetColor(RGB(0, 0, 255))));
    ASSERT_TRUE(grid.SetRowHeight(4, 4, 40));
    Store(4, 1, CGXStyle().SetValue("A long text that wraps over lines").SetWrapText(true));
    Store(5, 3, CGXStyle().SetValue("right").SetHorizontalAlignment(2).SetInterior(RGB(200, 220, 255)));
    // A covered block with a centred caption, and a selection.
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(6, 1, 7, 2));
    Store(6, 1, CGXStyle().SetValue("Covered").SetHorizontalAlignment(1).SetVerticalAlignment(4));
    grid.GetParam()->GetRangeList()->AddTail(new CGXRange(9, 2, 10, 3));
    grid.DrawGrid(&dc);
    ExpectMatchesReference(dc.GetSafeHdc(), "grid/core/reference/merged_borders_texts.png");

    // Through a memory bitmap the same pixels arrive, also for a clip box that is not at the
    // origin.
    CDC direct;
    ASSERT_TRUE(direct.CreateImage(460, 220));
    grid.m_bDrawThroughMemory = true;
    for (const CRect& clip : {CRect(0, 0, 460, 220), CRect(37, 23, 301, 170)}) {
        direct.FillSolidRect(0, 0, 460, 220, RGB(9, 9, 9));
        const int nSaved = direct.SaveDC();
        direct.IntersectClipRect(&clip);
        grid.DrawGrid(&direct);
        direct.RestoreDC(nSaved);
        const PngImage viaMemory = CapturePixels(direct.GetSafeHdc());
        const PngImage drawn = CapturePixels(dc.GetSafeHdc());
        for (int y = clip.top; y < clip.bottom; y += 3)
            for (int x = clip.left; x < clip.right; x += 3)
                ASSERT_EQ(viaMemory.At(x, y), drawn.At(x, y)) << x << "," << y;
        if (clip.right < 460) {
            EXPECT_EQ(viaMemory.At(clip.right + 2, clip.bottom + 2) & 0xFFFFFF, 0x090909u) << "outside the clip";
        }
    }
}
