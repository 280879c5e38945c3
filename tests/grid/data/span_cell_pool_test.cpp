// The span pool: reading spans and the refusal of coordinates the grid cannot hold. Re-setting,
// splitting and clearing spans, and structural changes at random on uneven inner arrays, are
// checked against a model in span_pool_model_test.cpp.
#include <gtest/gtest.h>

#include "grid/data/span_cell_pool.h"
#include "pool_invariants.h"

using pool_checks::SpanPoolIsSound;

namespace {
// The cell's block, or an invalid range when it lies in no span.
CGXRange SpanOf(const CGXSpanCellPool& pool, ROWCOL r, ROWCOL c) {
    CGXRange range;
    if (!pool.GetSpanCellsRowCol(r, c, range)) return CGXRange();
    return range;
}
}  // namespace

TEST(SpanCellPoolTest, EachCellOfASpanReportsItsBlock) {
    CGXSpanCellPool pool;
    EXPECT_TRUE(pool.SetSpanCellsRowCol(2, 3, 2, 6));
    EXPECT_TRUE(pool.SetSpanCellsRowCol(4, 2, 6, 3));
    EXPECT_TRUE(pool.SetSpanCellsRowCol(10, 8, 12, 8));  // one wide: the cell is its own horizontal extent
    EXPECT_FALSE(pool.SetSpanCellsRowCol(3, 3, 3, 3));   // a single cell is no span
    EXPECT_FALSE(pool.SetSpanCellsRowCol(3, 4, 3, 3));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    for (ROWCOL r = 0; r <= 13; ++r)
        for (ROWCOL c = 0; c <= 9; ++c) {
            CGXRange expected;
            for (const CGXRange& block : {CGXRange(2, 3, 2, 6), CGXRange(4, 2, 6, 3), CGXRange(10, 8, 12, 8)})
                if (block.IsCellInRange(r, c)) expected = block;
            EXPECT_EQ(SpanOf(pool, r, c), expected) << r << "," << c;
        }
    // One row high or one column wide: no span is made in the other direction.
    EXPECT_EQ(pool.GetVertical().GetAt(4), nullptr);
    EXPECT_EQ(pool.GetHorizontal().GetAt(11), nullptr);
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
