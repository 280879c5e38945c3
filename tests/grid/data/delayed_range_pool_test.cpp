// CGXDelayedRangePool: recording pending ranges and the archive form.
#include <gtest/gtest.h>

#include "grid/data/delayed_range_pool.h"
#include "support/archive_bytes.h"

using namespace test_archive;

TEST(DelayedRangePool, RangesInsideRecordedOnesAddNothing) {
    CGXDelayedRangePool pool;
    EXPECT_TRUE(pool.AddRange(CGXRange(2, 2, 5, 5)));
    EXPECT_FALSE(pool.AddRange(CGXRange(3, 3, 4, 5)));
    EXPECT_FALSE(pool.AddRange(CGXRange()));  // not valid
    EXPECT_TRUE(pool.AddRange(CGXRange(4, 4, 6, 6)));
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_TRUE(pool.IsCellDelayed(6, 6));
    EXPECT_FALSE(pool.IsCellDelayed(6, 2));
    // Whole rows take over the blocks inside them.
    EXPECT_TRUE(pool.AddRange(CGXRange().SetRows(1, 5)));
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_FALSE(pool.AddRange(CGXRange(1, 9, 2, 9)));
    EXPECT_TRUE(pool.AddRange(CGXRange().SetTable()));
    EXPECT_EQ(pool.GetCount(), 1);
    EXPECT_FALSE(pool.AddRange(CGXRange().SetCols(3, 4)));
}

TEST(DelayedRangePool, TakingTheRangesEmptiesThePool) {
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 1, 2));
    pool.AddRange(CGXRange().SetCols(7, 8));
    CGXRangeList list;
    pool.TakeRanges(list);
    EXPECT_TRUE(pool.IsEmpty());
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_TRUE(list.GetTail()->IsCols());
}

TEST(DelayedRangePool, ArchiveForm) {
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 2, 3, 4));
    const Bytes bytes = Store([&](CArchive& ar) { pool.Serialize(ar); });
    Bytes expected;
    PutWord(expected, 1);
    PutWord(expected, 1);
    PutDWord(expected, 1);
    for (DWORD n : {1u, 2u, 3u, 4u}) PutDWord(expected, n);
    expected.push_back(0);
    expected.push_back(1);
    EXPECT_EQ(bytes, expected);

    CGXDelayedRangePool back;
    back.AddRange(CGXRange(9, 9, 9, 10));
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(*back.GetRanges().GetHead(), CGXRange(1, 2, 3, 4));

    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)),
                          [&](CArchive& ar) { back.Serialize(ar); }),
                  CArchiveException::endOfFile);
    Bytes bad = bytes;
    bad[0] = 2;
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { back.Serialize(ar); }), CArchiveException::badSchema);
    EXPECT_EQ(back.GetCount(), 1);
}
