// Geometry against a reference model: random sizes, hidden, frozen and header rows and columns,
// top row and left column. Every pixel of the grid area must map to the cell whose rectangle holds
// it, window rows and rows must convert both ways, and the last-visible caches must agree with a
// fresh computation after every change.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core_fixture.h"

using core_test::CoreFixture;

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
