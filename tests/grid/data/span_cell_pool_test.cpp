// The span pool: setting and reading spans, structural changes on uneven inner arrays, and the
// refusal of coordinates the grid cannot hold.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid/data/span_cell_pool.h"
#include "pool_invariants.h"

using pool_checks::SpanPoolIsSound;

namespace {
CGXRange SpanOf(const CGXSpanCellPool& pool, ROWCOL r, ROWCOL c) {
    CGXRange range;
    pool.GetSpanCellsRowCol(r, c, range);
    return range;
}
}  // namespace

TEST(SpanCellPoolTest, AHorizontalSpanReportsItsFirstAndLastColumn) {
    CGXSpanCellPool pool;
    EXPECT_TRUE(pool.SetSpanCellsRowCol(2, 3, 2, 6));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    CGXRange range;
    ASSERT_TRUE(pool.GetSpanCellsRowCol(2, 5, range));
    EXPECT_EQ(range, CGXRange(2, 3, 2, 6));
    EXPECT_FALSE(pool.GetSpanCellsRowCol(2, 7, range));
    EXPECT_FALSE(pool.GetSpanCellsRowCol(2, 2, range));
    EXPECT_FALSE(pool.GetSpanCellsRowCol(3, 5, range));
    // One row high: no vertical span is made.
    EXPECT_TRUE(pool.GetVertical().IsEmpty());
}

TEST(SpanCellPoolTest, ABlockSpansBothWays) {
    CGXSpanCellPool pool;
    EXPECT_TRUE(pool.SetSpanCellsRowCol(4, 2, 6, 3));
    EXPECT_EQ(SpanOf(pool, 5, 3), CGXRange(4, 2, 6, 3));
    // A column one wide spans only vertically; the cell is its own horizontal extent.
    EXPECT_TRUE(pool.SetSpanCellsRowCol(10, 8, 12, 8));
    EXPECT_EQ(SpanOf(pool, 11, 8), CGXRange(10, 8, 12, 8));
    EXPECT_TRUE(pool.GetHorizontal().GetAt(11) == nullptr);
    EXPECT_TRUE(SpanPoolIsSound(pool));
}

TEST(SpanCellPoolTest, ASingleCellIsNoSpan) {
    CGXSpanCellPool pool;
    EXPECT_FALSE(pool.SetSpanCellsRowCol(3, 3, 3, 3));
    EXPECT_TRUE(pool.GetVertical().IsEmpty());
    EXPECT_TRUE(pool.GetHorizontal().IsEmpty());
    EXPECT_FALSE(pool.SetSpanCellsRowCol(3, 4, 3, 3));
}

TEST(SpanCellPoolTest, ResettingNarrowerClearsTheRestOfTheOldSpan) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 2, 1, 8);
    EXPECT_TRUE(pool.SetSpanCellsRowCol(1, 2, 1, 4));
    EXPECT_EQ(SpanOf(pool, 1, 3), CGXRange(1, 2, 1, 4));
    CGXRange range;
    EXPECT_FALSE(pool.GetSpanCellsRowCol(1, 5, range));
    EXPECT_EQ(pool.GetHorizontal().GetAt(1)->GetSize(), 5);
    EXPECT_FALSE(pool.SetSpanCellsRowCol(1, 2, 1, 4));  // nothing left to change
}

TEST(SpanCellPoolTest, ASpanSetInsideAnotherSplitsIt) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 1, 6);
    pool.SetSpanCellsRowCol(1, 3, 1, 4);
    EXPECT_EQ(SpanOf(pool, 1, 1), CGXRange(1, 1, 1, 2));
    EXPECT_EQ(SpanOf(pool, 1, 4), CGXRange(1, 3, 1, 4));
    CGXRange range;
    EXPECT_FALSE(pool.GetSpanCellsRowCol(1, 5, range));
}

TEST(SpanCellPoolTest, ClearingStartsAtTheGivenCellAndFollowsItsRun) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 2, 5);
    EXPECT_TRUE(pool.SetSpanCellsRowCol(1, 3, 1, 3, false));
    EXPECT_EQ(SpanOf(pool, 1, 1), CGXRange(1, 1, 2, 2));
    // Row 2 keeps its horizontal span; column 3 lost its vertical span, which began in row 1.
    EXPECT_EQ(SpanOf(pool, 2, 4), CGXRange(1, 1, 2, 5));
    EXPECT_EQ(SpanOf(pool, 2, 3), CGXRange(2, 1, 2, 5));
    EXPECT_FALSE(pool.SetSpanCellsRowCol(7, 7, 8, 8, false));
    EXPECT_TRUE(pool.SetSpanCellsRowCol(1, 1, 2, 5, false));
    EXPECT_TRUE(pool.GetHorizontal().IsEmpty());
    EXPECT_TRUE(pool.GetVertical().IsEmpty());
}

TEST(SpanCellPoolTest, InsertingAndRemovingRowsShiftsOnlyWhatIsStored) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(3, 2, 4, 3);
    EXPECT_FALSE(pool.InsertRows(5, 2));  // beyond everything stored
    EXPECT_TRUE(pool.InsertRows(1, 2));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    // The entries moved down; their start values were not rewritten.
    CGXRange range;
    EXPECT_FALSE(pool.GetSpanCellsRowCol(3, 2, range));
    EXPECT_EQ(pool.GetHorizontal().GetAt(5)->GetAt(2), 2u);
    EXPECT_EQ(pool.GetVertical().GetAt(3)->GetAt(6), 3u);
    EXPECT_TRUE(pool.RemoveRows(1, 2));
    EXPECT_EQ(SpanOf(pool, 4, 3), CGXRange(3, 2, 4, 3));
    EXPECT_TRUE(pool.RemoveRows(3, 100));
    EXPECT_TRUE(pool.GetHorizontal().IsEmpty());
    EXPECT_TRUE(pool.GetVertical().IsEmpty());
    EXPECT_FALSE(pool.RemoveRows(3, 100));
    EXPECT_FALSE(pool.RemoveRows(5, 4));
}

TEST(SpanCellPoolTest, MovingColumnsOverShortInnerArraysMovesOnlyWhatTheyHold) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 1, 2);  // row 1 ends at column 2
    pool.SetSpanCellsRowCol(2, 4, 2, 6);  // row 2 reaches column 6
    EXPECT_TRUE(pool.MoveCols(5, 6, 1));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    const CDWordArray* pRow1 = pool.GetHorizontal().GetAt(1);
    const CDWordArray* pRow2 = pool.GetHorizontal().GetAt(2);
    ASSERT_NE(pRow1, nullptr);
    ASSERT_NE(pRow2, nullptr);
    // Row 1 had nothing in columns 5 and 6: two empty entries arrive at 1, the rest moves right.
    EXPECT_EQ(std::vector<DWORD>(pRow1->begin(), pRow1->end()), (std::vector<DWORD>{0, 0, 0, 1, 1}));
    EXPECT_EQ(std::vector<DWORD>(pRow2->begin(), pRow2->end()), (std::vector<DWORD>{0, 4, 4, 0, 0, 0, 4}));
}

TEST(SpanCellPoolTest, MovingRowsDownPutsTheBlockAtTheDestination) {
    // Rows P Q R S T at 1 to 5, told apart by their span's start column.
    CGXSpanCellPool pool;
    for (ROWCOL r = 1; r <= 5; ++r) pool.SetSpanCellsRowCol(r, r, r, r + 1);
    EXPECT_TRUE(pool.MoveRows(2, 2, 4));
    std::vector<DWORD> starts;
    for (int r = 1; r <= 5; ++r) {
        const CDWordArray* p = pool.GetHorizontal().GetAt(r);
        ASSERT_NE(p, nullptr) << r;
        starts.push_back(*std::find_if(p->begin(), p->end(), [](DWORD v) { return v != 0; }));
    }
    EXPECT_EQ(starts, (std::vector<DWORD>{1, 3, 4, 2, 5}));
    EXPECT_FALSE(pool.MoveRows(3, 3, 3));
    EXPECT_FALSE(pool.MoveRows(40, 41, 50));
    EXPECT_TRUE(SpanPoolIsSound(pool));
}

TEST(SpanCellPoolTest, CoordinatesAtOrAbove0x80000000AreRefused) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 2, 2);
    CGXRange range;
    EXPECT_FALSE(pool.SetSpanCellsRowCol(0x80000000, 1, 0x80000001, 2));
    EXPECT_FALSE(pool.SetSpanCellsRowCol(1, 1, 2, 0xFFFFFFFF));
    EXPECT_FALSE(pool.GetSpanCellsRowCol(0x80000000, 1, range));
    EXPECT_FALSE(pool.InsertRows(0x80000000, 1));
    EXPECT_FALSE(pool.InsertRows(1, 0x80000000));
    EXPECT_FALSE(pool.InsertCols(1, 0x7FFFFFFF));  // would carry entries beyond the limit
    EXPECT_FALSE(pool.RemoveRows(0x80000000, 0x80000001));
    EXPECT_FALSE(pool.RemoveCols(1, 0x80000000));
    EXPECT_FALSE(pool.MoveRows(1, 1, 0x80000000));
    EXPECT_FALSE(pool.MoveCols(0x80000000, 0x80000000, 1));
    EXPECT_FALSE(pool.MoveRows(1, 2, 0x7FFFFFFF));  // the block would end beyond the limit
    EXPECT_EQ(SpanOf(pool, 2, 2), CGXRange(1, 1, 2, 2));
    EXPECT_TRUE(SpanPoolIsSound(pool));
}
