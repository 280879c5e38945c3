// The span pool: reading spans, structural changes on uneven inner arrays, and the refusal of
// coordinates the grid cannot hold. Re-setting, splitting and clearing spans, and every change
// at random, are checked against a model in span_pool_model_test.cpp.
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
std::vector<DWORD> Entries(const CDWordArray* p) { return p ? std::vector<DWORD>(p->begin(), p->end()) : std::vector<DWORD>{}; }
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

TEST(SpanCellPoolTest, StructuralChangesShiftOnlyWhatIsStoredAndKeepTheStartValues) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(3, 2, 4, 3);
    EXPECT_FALSE(pool.InsertRows(5, 2));  // beyond everything stored
    EXPECT_FALSE(pool.MoveRows(3, 3, 3));
    EXPECT_TRUE(pool.InsertRows(1, 2));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    EXPECT_FALSE(SpanOf(pool, 3, 2).IsValid());
    EXPECT_EQ(pool.GetHorizontal().GetAt(5)->GetAt(2), 2u);
    EXPECT_EQ(pool.GetVertical().GetAt(3)->GetAt(6), 3u);
    // Moving columns over inner arrays of different lengths moves only what each holds: row 1
    // had nothing in columns 5 and 6, so two empty entries arrive at 1 and the rest moves right.
    pool.SetSpanCellsRowCol(1, 1, 1, 2);
    pool.SetSpanCellsRowCol(2, 4, 2, 6);
    EXPECT_TRUE(pool.MoveCols(5, 6, 1));
    ASSERT_TRUE(SpanPoolIsSound(pool));
    EXPECT_EQ(Entries(pool.GetHorizontal().GetAt(1)), (std::vector<DWORD>{0, 0, 0, 1, 1}));
    EXPECT_EQ(Entries(pool.GetHorizontal().GetAt(2)), (std::vector<DWORD>{0, 4, 4, 0, 0, 0, 4}));
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
