// Drawing: what a paint draws and where, with a control that records every cell it is asked to
// draw; the composed-style cache; pictures of backgrounds, grid lines, borders, the selection and
// the area beyond the table, and of small grids drawn by the static text control (a frozen title
// row merged across columns, borders, wrapped and aligned texts, a covered block).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core_fixture.h"
#include "grid/controls/control.h"
#include "grid/controls/static_control.h"
#include "platform/framework/dc.h"
#include "support/reference_picture.h"

using core_test::CoreFixture;

namespace {

// Records the cells it draws and paints nothing itself.
struct RecordingControl : CGXControl {
    struct Call {
        ROWCOL nRow, nCol;
        CRect rect;
        bool bErase;
    };
    std::vector<Call> calls;
    std::vector<CRect> frames;
    void DrawFocusFrame(CDC*, const CRect& rect) override { frames.push_back(rect); }
    explicit RecordingControl(CGXGridCore* pGrid) : CGXControl(pGrid) {}
    void Draw(CDC*, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle&, const CGXStyle*) override {
        calls.push_back({nRow, nCol, rect, Grid()->IsDrawCellBackground()});
    }
    // The rectangles the cell was drawn in, "+" marking those whose background it was to paint.
    std::string Rects(ROWCOL r, ROWCOL c) const {
        std::ostringstream s;
        for (const Call& call : calls)
            if (call.nRow == r && call.nCol == c)
                s << "{" << call.rect.left << "," << call.rect.top << "," << call.rect.right << ","
                  << call.rect.bottom << "}" << (call.bErase ? "+" : "");
        return s.str();
    }
};

// Counts compositions, so that a test sees what the style cache answers.
struct CountingGrid : core_test::TestGrid {
    int nComposed = 0;
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, bool bApplyStandard) override {
        ++nComposed;
        CGXGridCore::ComposeStyleRowCol(nRow, nCol, pStyle, bApplyStandard);
    }
};

struct DrawTest : ::testing::Test {
    CountingGrid grid;
    RecordingControl* pControl = nullptr;
    CDC dc;

    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 400, 200));
        pControl = new RecordingControl(&grid);
        grid.RegisterControl(1, pControl, true, false);
        grid.GetData()->SetRowCount(20);
        grid.GetData()->SetColCount(3);
        // Rows of 20 and columns of 100 pixels, the header row and column as well.
        grid.SetDefaultRowHeight(20, GX_INVALIDATE, gxNoRecord);
        grid.SetRowHeight(0, 0, 20, nullptr, GX_INVALIDATE, gxNoRecord);
        grid.SetColWidth(0, 0, 100, nullptr, GX_INVALIDATE, gxNoRecord);
        ASSERT_TRUE(dc.CreateImage(500, 300));
        dc.FillSolidRect(0, 0, 500, 300, RGB(1, 2, 3));
    }
    void Paint(const CRect* pClip = nullptr) {
        const int nSaved = dc.SaveDC();
        if (pClip != nullptr) dc.IntersectClipRect(pClip);
        grid.DrawGrid(&dc);
        dc.RestoreDC(nSaved);
    }
    void Store(ROWCOL r, ROWCOL c, const CGXStyle& s) { ASSERT_TRUE(grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override)); }
};

}  // namespace

TEST_F(DrawTest, OnlyWhatTheClipBoxHolds) {
    // A clip box outside the grid area draws nothing.
    CRect outside(420, 250, 480, 290);
    Paint(&outside);
    EXPECT_TRUE(pControl->calls.empty());
    EXPECT_EQ(dc.GetPixel(450, 270), RGB(1, 2, 3));
    // One cell's clip box draws that cell alone.
    CRect cell(150, 45, 160, 55);
    Paint(&cell);
    EXPECT_EQ(pControl->calls.size(), 1u);
    EXPECT_EQ(pControl->Rects(2, 1), "{100,40,200,60}");
    // A full paint draws every visible cell once: 10 rows of 4 columns.
    pControl->calls.clear();
    Paint();
    EXPECT_EQ(pControl->calls.size(), 40u);
    EXPECT_EQ(dc.GetPixel(450, 100), RGB(1, 2, 3)) << "outside the grid area";
}

// Two rows of 20 and columns of 100 pixels in the 400 by 200 area, column 3 only 50: right and
// below the table the background, closed by a grid line. (1, 1) and (1, 2) are filled green,
// (1, 2) with a red right border at its last pixel where (1, 3) draws no grid line; (2, 1) and
// (2, 2) are selected, (2, 1) inverted, (2, 2) the current cell and framed by its control only.
TEST_F(DrawTest, BackgroundsBordersGridLinesSelectionAndTheAreaBeyondTheTable) {
    grid.GetData()->SetRowCount(2);
    ASSERT_TRUE(grid.SetColWidth(3, 3, 50, nullptr, GX_INVALIDATE, gxNoRecord));
    Store(1, 1, CGXStyle().SetInterior(RGB(0, 200, 0)));
    Store(1, 2, CGXStyle().SetInterior(RGB(0, 200, 0)).SetBorders(gxBorderRight, StylePen().SetColor(RGB(255, 0, 0))));
    grid.GetParam()->GetRangeList()->AddTail(new CGXRange(2, 1, 2, 2));
    grid.SetCurrentCell(2, 2);
    Paint();
    ExpectExactlyReference(dc.GetSafeHdc(), "grid/core/reference/backgrounds_borders_selection.png");
    // The cells are never asked to paint their background: the grid filled them all.
    for (const auto& call : pControl->calls) EXPECT_FALSE(call.bErase) << call.nRow << "," << call.nCol;
    // The current cell's control is set up for it while it is drawn, and frames it once.
    EXPECT_TRUE(pControl->IsInit(2, 2));
    ASSERT_EQ(pControl->frames.size(), 1u);
    EXPECT_EQ(pControl->frames[0], CRect(200, 40, 300, 60));
    // A block that ends before the last column leaves the area right of it alone.
    dc.FillSolidRect(0, 0, 500, 300, RGB(1, 2, 3));
    CRect firstCols(0, 0, 150, 200);
    Paint(&firstCols);
    EXPECT_EQ(dc.GetPixel(160, 10), RGB(1, 2, 3));
}

TEST_F(DrawTest, SpansAreDrawnOnceOverTheirWholeRectangle) {
    // A 3 by 2 covered block drawn when only its lower right cell is in the clip box.
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 1, 4, 2));
    CRect lowerRight(250, 85, 260, 95);
    Paint(&lowerRight);
    EXPECT_EQ(pControl->calls.size(), 1u);
    EXPECT_EQ(pControl->Rects(2, 1), "{100,40,300,100}+");
    // Merged header cells: equal captions drawn as one cell.
    pControl->calls.clear();
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    for (ROWCOL c = 1; c <= 3; ++c) Store(0, c, CGXStyle().SetValue("Enable").SetMergeCell(1));
    Paint();
    EXPECT_EQ(pControl->Rects(0, 1) + "|" + pControl->Rects(0, 2) + pControl->Rects(0, 3), "{100,0,400,20}+|");
}

TEST_F(DrawTest, ASpanAcrossTheFrozenRowsIsDrawnInEachPaneThatShowsIt) {
    // Rows 1 and 2 are frozen and the top row is 10: rows 3 to 9 are scrolled out.
    ASSERT_TRUE(grid.SetFrozenRows(2, 0, GX_INVALIDATE, gxNoRecord));
    grid.SetTopRow(10, GX_INVALIDATE);
    // A block of rows 1 to 4 shows only in the frozen pane, laid out over its four rows.
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(1, 1, 4, 1));
    Paint();
    EXPECT_EQ(pControl->Rects(1, 1), "{100,20,200,100}+");
    // A block of rows 1 to 12: the frozen pane shows its top, the scrolling pane its rows 10 to 12
    // where the scrolled layout puts them, the block's top 9 rows above.
    pControl->calls.clear();
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(1, 1, 1, 1));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(1, 1, 12, 1));
    Paint();
    EXPECT_EQ(pControl->Rects(1, 1), "{100,20,200,260}+{100,-120,200,120}+");
}

TEST_F(DrawTest, AnUnchangedRepaintComposesNothing) {
    Paint();
    const int nFirst = grid.nComposed;
    EXPECT_GE(nFirst, 40);
    Paint();
    EXPECT_EQ(grid.nComposed, nFirst);
    // A stored style makes the next paint compose again, and show it.
    Store(1, 1, CGXStyle().SetInterior(RGB(0, 0, 255)));
    Paint();
    EXPECT_GT(grid.nComposed, nFirst);
    EXPECT_EQ(dc.GetPixel(150, 30), RGB(0, 0, 255));
}

TEST_F(DrawTest, TheStyleCacheFollowsChangesOfTheDataStore) {
    // A sort moves stored styles without storing any: the cache must not keep the old order.
    Store(1, 1, CGXStyle().SetMaxLength(1));
    Store(2, 1, CGXStyle().SetMaxLength(2));
    EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetMaxLength(), 1);
    CDWordArray order;
    order.Add(1);
    order.Add(0);
    ASSERT_TRUE(grid.MoveDataRows(CGXRange().SetRows(1, 2), order, GX_INVALIDATE, gxNoRecord));
    EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetMaxLength(), 2);
    // Rows removed by a smaller count and added again come back empty.
    ASSERT_TRUE(grid.SetRowCount(1, GX_INVALIDATE));
    ASSERT_TRUE(grid.SetRowCount(3, GX_INVALIDATE));
    EXPECT_NE(grid.LookupStyleRowCol(2, 1).GetMaxLength(), 1);
}

TEST_F(DrawTest, TheStyleCacheNeverAnswersForAnotherCell) {
    // More frozen columns than the cache has slots, and a scrollable row above the cache's origin:
    // each cell's style is its own.
    grid.GetData()->SetColCount(80);
    grid.GetData()->SetRowCount(200);
    ASSERT_TRUE(grid.SetFrozenCols(70, 0, GX_INVALIDATE, gxNoRecord));
    ASSERT_TRUE(grid.SetFrozenRows(2, 0, GX_INVALIDATE, gxNoRecord));
    for (ROWCOL c : {63u, 64u, 69u, 70u}) Store(1, c, CGXStyle().SetMaxLength(WORD(c)));
    for (ROWCOL c : {63u, 64u, 69u, 70u}) EXPECT_EQ(grid.LookupStyleRowCol(1, c).GetMaxLength(), c);
    // With the top row at 100 the cache starts at row 84: row 83 lies above it and must not take
    // the slot of frozen row 2.
    grid.SetTopRow(100);
    Store(2, 5, CGXStyle().SetMaxLength(2));
    Store(83, 5, CGXStyle().SetMaxLength(83));
    Store(95, 5, CGXStyle().SetMaxLength(95));
    for (ROWCOL r : {95u, 2u, 83u, 2u, 95u}) EXPECT_EQ(grid.LookupStyleRowCol(r, 5).GetMaxLength(), r);
}

// ---- pictures drawn by the static text control ----------------------------------------------------

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
