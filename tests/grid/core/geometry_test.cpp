// Row and column geometry: size units, window rows, the top row, sizes with their limits, range
// rectangles and hit-testing of cells, headers and borders; and against a reference model with
// random sizes, hidden, frozen and header rows and columns, top row and left column: every pixel
// of the grid area must map to the cell whose rectangle holds it, window rows and rows must
// convert both ways, and the last-visible caches must agree with a fresh computation.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core_fixture.h"
#include "platform/framework/wnd.h"

using core_test::CoreFixture;
using core_test::TestGrid;

namespace {

// The header row and column as tall and wide as the others (18 and 100 pixels), so that the
// pixels of a row or column are easy to tell.
struct GeometryTest : CoreFixture {
    void SetUp() override {
        CoreFixture::SetUp();
        SetSize(100, 20);
        ASSERT_TRUE(grid.SetRowHeight(0, 0, 18));
        ASSERT_TRUE(grid.SetColWidth(0, 0, 100));
    }
};

}  // namespace

TEST_F(GeometryTest, SizeUnitsFollowTheBaseCharacter) {
    // A new grid's header row is 1400 and its header column 6000 units.
    EXPECT_EQ(TestGrid().GetParam(), nullptr);
    grid.SetParam(new CGXGridParam);
    grid.Initialize();
    SetSize(10, 10);
    EXPECT_EQ(grid.GetRowHeight(0), 21);
    EXPECT_EQ(grid.GetColWidth(0), 60);
    EXPECT_EQ(grid.GetDefaultRowHeight(), 18);  // 1200 / (1000 / 15)
    EXPECT_EQ(grid.GetDefaultColWidth(), 100);  // 10000 / (1000 / 10)
    ASSERT_TRUE(grid.SetRowHeight(3, 3, 18));
    LONG nUnits = 0;
    ASSERT_TRUE(grid.GetParam()->GetRowHeights().Lookup(3, nUnits));
    EXPECT_EQ(nUnits, 1188);
    EXPECT_EQ(grid.GetRowHeight(3), 18);
    // A standard font taller and wider than 1000 pixels makes a unit a pixel, not a division by 0.
    grid.nBaseHeight = 1500;
    grid.nBaseWidth = 1001;
    grid.UpdateFontMetrics();
    EXPECT_EQ(grid.GetRowHeight(3), 1188);
    EXPECT_EQ(grid.GetDefaultColWidth(), 10000);
}

TEST_F(GeometryTest, TopRowStaysAmongTheScrollableRows) {
    struct Vetoing : TestGrid {
        int nChanged = 0;
        bool bAllow = true;
        bool CanChangeTopRow(ROWCOL) override { return bAllow; }
        void OnTopRowChanged() override { ++nChanged; }
    } g;
    g.Initialize();
    g.GetData()->SetRowCount(50);
    g.SetTopRow(0);  // already the top row: no change to tell
    EXPECT_EQ(g.GetTopRow(), 1u);
    g.SetTopRow(80);
    EXPECT_EQ(g.GetTopRow(), 50u);
    ASSERT_TRUE(g.SetFrozenRows(4, 1));
    EXPECT_EQ(g.GetTopRow(), 50u);
    g.SetTopRow(2);
    EXPECT_EQ(g.GetTopRow(), 5u);
    g.bAllow = false;
    g.SetTopRow(20);
    EXPECT_EQ(g.GetTopRow(), 5u);
    EXPECT_EQ(g.nChanged, 2);
    // Freezing more rows lifts the top row with them.
    g.bAllow = true;
    ASSERT_TRUE(g.SetFrozenRows(8, 1));
    EXPECT_EQ(g.GetTopRow(), 9u);
}

TEST_F(GeometryTest, SetSizesAndTheirLimits) {
    // An array of sizes, a reversed range, and rows beyond the last one not stored.
    const int heights[] = {5, 6, 7};
    ASSERT_TRUE(grid.SetRowHeight(4, 6, 0, heights));
    EXPECT_EQ(grid.GetRowHeight(5), 6);
    ASSERT_TRUE(grid.SetColWidth(19, 5000, 33));
    EXPECT_EQ(grid.GetColWidth(20), 33);
    LONG nUnits = 0;
    EXPECT_FALSE(grid.GetParam()->GetColWidths().Lookup(21, nUnits));
    EXPECT_FALSE(grid.SetColWidth(21, 21, 5));
    // A default must be positive. Negative sizes and hidden rows: the geometry model test.
    EXPECT_FALSE(grid.SetDefaultRowHeight(0));
    ASSERT_TRUE(grid.SetDefaultRowHeight(20));
    EXPECT_EQ(grid.GetRowHeight(8), 20);
}

TEST_F(GeometryTest, RowsTallerThanTheWindowAreCutToTheRoomLeft) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 400, 100, nullptr, 0));
    grid.SetGridWnd(&wnd);
    ASSERT_TRUE(grid.SetFrozenRows(2, 0));
    ASSERT_TRUE(grid.SetRowHeight(10, 10, 500));
    // Rows 0 to 2 take 54 of the 100 pixels.
    EXPECT_EQ(grid.GetRowHeight(10), 46);
    // Frozen rows taller than the window leave no room, and no negative height.
    ASSERT_TRUE(grid.SetRowHeight(1, 1, 300));
    EXPECT_EQ(grid.GetRowHeight(10), 0);
    EXPECT_EQ(grid.GetRowHeight(11), 0);
    EXPECT_EQ(grid.GetRowHeight(1), 300);
    grid.SetGridWnd(nullptr);
}

TEST_F(GeometryTest, RangeRectangles) {
    grid.SetTopRow(11);
    grid.SetLeftCol(3);
    // A header row is never scrolled out: its rectangle is at the top of the grid, and a range
    // from it down to a visible row reaches that row.
    EXPECT_EQ(grid.CalcCellRect(0, 0), CRect(0, 0, 100, 18));
    CRect r = grid.CalcRangeRect(CGXRange(0, 3, 12, 3));
    EXPECT_EQ(r, CRect(100, 0, 200, 54));
    // A scrolled-out row starts at the top row; one wholly scrolled out is empty.
    EXPECT_EQ(grid.CalcRangeRect(CGXRange(5, 3, 11, 3)), CRect(100, 18, 200, 36));
    EXPECT_TRUE(grid.CalcRangeRect(CGXRange(2, 3, 5, 3)).IsRectEmpty());
    EXPECT_TRUE(grid.CalcCellRect(40, 3).IsRectEmpty() || grid.CalcCellRect(40, 3).top >= 300);
    // Whole rows span every column; covered cells widen the rectangle.
    EXPECT_EQ(grid.CalcRangeRect(CGXRange().SetRows(11, 11)).left, 0);
    ASSERT_TRUE(grid.GetParam()->GetCoveredCellsList()->AddTail(new CGXRange(11, 3, 12, 4)) != nullptr);
    EXPECT_EQ(grid.CalcCellRect(12, 4), CRect(100, 18, 300, 54));
    grid.GetParam()->GetCoveredCellsList()->DeleteAll();
}

TEST_F(GeometryTest, HitTestCellsHeadersAndBorders) {
    ROWCOL r = 0, c = 0;
    CRect rect;
    // Column 1 runs from x 100 to 200, row 1 from y 18 to 36.
    EXPECT_EQ(grid.HitTest(CPoint(150, 25), &r, &c, &rect), GX_HITCELL);
    EXPECT_EQ(r, 1u);
    EXPECT_EQ(c, 1u);
    EXPECT_EQ(rect, CRect(100, 18, 200, 36));
    EXPECT_EQ(grid.HitTest(CPoint(50, 25)), GX_HITHEADER);
    // In the header row 4 pixels from a border sizes the column, 5 do not; inside the table a
    // border is only a cell unless the flags allow sizing there.
    EXPECT_EQ(grid.HitTest(CPoint(196, 5), &r, &c), GX_HITCOLBORDER);
    EXPECT_EQ(c, 1u);
    EXPECT_EQ(grid.HitTest(CPoint(195, 5)), GX_HITHEADER);
    EXPECT_EQ(grid.HitTest(CPoint(203, 5), &r, &c, &rect), GX_HITCOLBORDER);
    EXPECT_EQ(c, 1u);
    EXPECT_EQ(rect.right, 200);
    EXPECT_EQ(grid.HitTest(CPoint(198, 25)), GX_HITCELL);
    grid.GetParam()->SetColSizingFlags(grid.GetParam()->GetColSizingFlags() | GX_TRACK_EXTHITTEST);
    EXPECT_EQ(grid.HitTest(CPoint(198, 25)), GX_HITCOLBORDER);
    // A row border below a hidden row belongs to the nearest visible row above it.
    ASSERT_TRUE(grid.HideRows(3, 3));
    EXPECT_EQ(grid.HitTest(CPoint(50, 55), &r, &c, &rect), GX_HITROWBORDER);
    EXPECT_EQ(r, 2u);
    EXPECT_EQ(rect, CRect(0, 36, 100, 54));
    // Header rows cannot be sized when the flags say so.
    grid.GetParam()->SetRowSizingFlags(grid.GetParam()->GetRowSizingFlags() | GX_TRACK_NOTHEADER);
    EXPECT_EQ(grid.HitTest(CPoint(50, 17)), GX_HITHEADER);
}

TEST_F(GeometryTest, HitTestBeyondTheTableAndOutsideTheArea) {
    SetSize(3, 2);
    ROWCOL r = 0, c = 0;
    // Rows 0 to 3 end at y 72; columns 0 to 2 at x 300.
    EXPECT_EQ(grid.HitTest(CPoint(150, 200), &r, &c), GX_HITNONE);
    EXPECT_EQ(r, 4u);
    EXPECT_EQ(c, 1u);
    EXPECT_EQ(grid.HitTest(CPoint(350, 20), &r, &c), GX_HITNONE);
    EXPECT_EQ(c, 3u);
    EXPECT_EQ(grid.HitTest(CPoint(-5, 20)), GX_HITNONE);
    EXPECT_EQ(grid.HitTest(CPoint(150, 300)), GX_HITNONE);
    grid.SetGridRect(CRect(10, 10, 5, 5));
    EXPECT_EQ(grid.HitTest(CPoint(7, 7)), GX_HITNONE);
}

TEST_F(GeometryTest, NoBorderLeftOfColumnsWithoutWidth) {
    // Every column left of the point has no width: walking left for a border to drag must stop
    // at column 0 and find none.
    ASSERT_TRUE(grid.HideCols(0, 2));
    ROWCOL r = 0, c = 0;
    EXPECT_EQ(grid.HitTest(CPoint(2, 5), &r, &c), GX_HITHEADER);
    EXPECT_EQ(c, 3u);
    ASSERT_TRUE(grid.HideCols(0, 0, false));
    EXPECT_EQ(grid.HitTest(CPoint(102, 5), &r, &c), GX_HITCOLBORDER);
    EXPECT_EQ(c, 0u);
}

TEST_F(GeometryTest, SelectionEdgeWhenDraggingIsOn) {
    grid.GetParam()->GetRangeList()->AddTail(new CGXRange(2, 2, 4, 4));
    EXPECT_EQ(grid.HitTest(CPoint(202, 60)), GX_HITCELL);
    grid.m_bSelDragging = true;
    EXPECT_EQ(grid.HitTest(CPoint(202, 60)), GX_HITSELECTIONEDGE);
    EXPECT_EQ(grid.HitTest(CPoint(250, 60)), GX_HITCELL);
}

TEST_F(GeometryTest, RedrawFlagsInvalidateWhatMoved) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, 0));
    grid.SetGridWnd(&wnd);
    wnd.ValidateRect(nullptr);
    CRect r;
    // Without redraw flags nothing is invalidated; with them, from the changed row down.
    ASSERT_TRUE(grid.SetRowHeight(3, 3, 30, nullptr, GX_INVALIDATE));
    EXPECT_FALSE(wnd.GetUpdateRect(&r, FALSE));
    ASSERT_TRUE(grid.SetRowHeight(3, 3, 25, nullptr, GX_REDRAWLATER));
    ASSERT_TRUE(wnd.GetUpdateRect(&r, FALSE));
    EXPECT_EQ(r, CRect(0, 54, 400, 300));
    // Locked updates invalidate nothing.
    wnd.ValidateRect(nullptr);
    grid.LockUpdate(true);
    ASSERT_TRUE(grid.SetColWidth(2, 2, 50, nullptr, GX_REDRAWLATER));
    EXPECT_FALSE(wnd.GetUpdateRect(&r, FALSE));
    grid.LockUpdate(false);
    grid.SetGridWnd(nullptr);
}

// ---- against a reference model ------------------------------------------------------------------

namespace {

// What is on screen along one axis, worked out directly: the frozen rows, then the rows from the
// top row on, each with its pixel extent.
struct AxisModel {
    struct Line {
        ROWCOL nRow;
        int nStart, nEnd;
    };
    std::vector<Line> lines;  // by window row

    AxisModel(const std::vector<int>& sizes, ROWCOL nFrozen, ROWCOL nTop) {
        int y = 0;
        for (ROWCOL r = 0; r < sizes.size(); ++r) {
            if (r > nFrozen && r < nTop) continue;
            lines.push_back({r, y, y + sizes[r]});
            y += sizes[r];
        }
    }
    // The window row whose extent holds the pixel; a pixel on the end of the last row counts for
    // it, beyond that there is none.
    ROWCOL At(int y) const {
        for (size_t i = 0; i < lines.size(); ++i)
            if (y >= lines[i].nStart && y < lines[i].nEnd) return static_cast<ROWCOL>(i);
        if (!lines.empty() && y == lines.back().nEnd) return static_cast<ROWCOL>(lines.size() - 1);
        return GX_INVALID;
    }
};

struct GeometryModelTest : CoreFixture {
    std::mt19937 rng{20261207};
    int Rand(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // Gives the grid random sizes and hidden flags and returns the pixel sizes it should report.
    std::vector<int> Shape(bool bRows, ROWCOL nCount) {
        std::vector<int> sizes(nCount + 1);
        for (ROWCOL n = 0; n <= nCount; ++n) {
            int nSize = Rand(4) == 0 ? Rand(60) : -1;  // -1: the default
            bool bHide = Rand(6) == 0;
            if (bRows) {
                EXPECT_TRUE(grid.SetRowHeight(n, n, nSize));
                EXPECT_TRUE(grid.HideRows(n, n, bHide));
                sizes[n] = bHide ? 0 : nSize < 0 ? 18 : nSize;
            } else {
                EXPECT_TRUE(grid.SetColWidth(n, n, nSize));
                EXPECT_TRUE(grid.HideCols(n, n, bHide));
                sizes[n] = bHide ? 0 : nSize < 0 ? 100 : nSize;
            }
        }
        return sizes;
    }
};

}  // namespace

TEST_F(GeometryModelTest, PixelsCellsAndWindowRowsAgreeWithTheModel) {
    const CRect area(0, 0, 420, 260);
    grid.SetGridRect(area);
    for (int round = 0; round < 40; ++round) {
        const ROWCOL nRows = 5 + Rand(30), nCols = 3 + Rand(8);
        SetSize(nRows, nCols);
        std::vector<int> heights = Shape(true, nRows), widths = Shape(false, nCols);
        ASSERT_TRUE(grid.SetFrozenRows(Rand(3), Rand(2)));
        ASSERT_TRUE(grid.SetFrozenCols(Rand(3), Rand(2)));
        grid.SetTopRow(1 + Rand(nRows));
        grid.SetLeftCol(1 + Rand(nCols));
        AxisModel rows(heights, grid.GetFrozenRows(), grid.GetTopRow());
        AxisModel cols(widths, grid.GetFrozenCols(), grid.GetLeftCol());
        SCOPED_TRACE(::testing::Message() << "round " << round << " top " << grid.GetTopRow() << " left "
                                          << grid.GetLeftCol());

        // Window rows and rows, both ways.
        for (ROWCOL i = 0; i < rows.lines.size(); ++i) {
            ASSERT_EQ(grid.ClientRowToRow(i), rows.lines[i].nRow) << i;
            ASSERT_EQ(grid.RowToClientRow(rows.lines[i].nRow), i) << i;
        }
        for (ROWCOL i = 0; i < cols.lines.size(); ++i) ASSERT_EQ(grid.ClientColToCol(i), cols.lines[i].nRow) << i;

        // Every pixel along each axis, and the cell rectangle that holds it.
        for (int y = 0; y < area.bottom; ++y) {
            ROWCOL nExpected = rows.At(y);
            ASSERT_EQ(grid.ClientRowFromPoint(CPoint(0, y)), nExpected) << "y " << y;
            if (nExpected == GX_INVALID || heights[rows.lines[nExpected].nRow] == 0) continue;
            CRect r = grid.CalcCellRect(rows.lines[nExpected].nRow, cols.lines[0].nRow);
            if (y < rows.lines[nExpected].nEnd) { ASSERT_TRUE(r.top <= y && y < r.bottom) << "y " << y; }
        }
        for (int x = 0; x < area.right; ++x) {
            ROWCOL nExpected = cols.At(x);
            ASSERT_EQ(grid.ClientColFromPoint(CPoint(x, 0)), nExpected) << "x " << x;
            if (nExpected == GX_INVALID || widths[cols.lines[nExpected].nRow] == 0) continue;
            CRect r = grid.CalcCellRect(rows.lines[0].nRow, cols.lines[nExpected].nRow);
            if (x < cols.lines[nExpected].nEnd) { ASSERT_TRUE(r.left <= x && x < r.right) << "x " << x; }
        }

        // The caches agree with a fresh computation, also after a change that moves rows.
        for (int k = 0; k < 2; ++k) {
            bool bCached = false, bFresh = false;
            ASSERT_EQ(grid.GetLastVisibleRow(&bCached), grid.CalcLastVisibleRow(area, &bFresh));
            ASSERT_EQ(bCached, bFresh);
            ASSERT_EQ(grid.GetLastVisibleCol(&bCached), grid.CalcLastVisibleCol(area, &bFresh));
            ASSERT_EQ(bCached, bFresh);
            ASSERT_TRUE(grid.SetRowHeight(grid.GetTopRow(), 0, Rand(50)));
            ASSERT_TRUE(grid.SetColWidth(grid.GetLeftCol(), 0, Rand(120)));
            grid.SetTopRow(1 + Rand(nRows));
        }
    }
}
