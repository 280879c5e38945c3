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
    EXPECT_TRUE(pool.IsCellDelayed(6, 6));
    EXPECT_FALSE(pool.IsCellDelayed(6, 2));
    EXPECT_TRUE(pool.AddRange(CGXRange().SetRows(1, 5)));  // takes over the first block
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_TRUE(pool.AddRange(CGXRange().SetTable()));
    EXPECT_FALSE(pool.AddRange(CGXRange().SetCols(3, 4)));
    CGXRangeList list;
    pool.TakeRanges(list);
    EXPECT_TRUE(pool.IsEmpty());
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_TRUE(list.GetHead()->IsTable());
}

TEST(DelayedRangePool, ArchiveForm) {
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 2, 3, 4));
    const Bytes bytes = Store([&](CArchive& ar) { pool.Serialize(ar); });
    Bytes expected = {1, 0, 1, 0, 1, 0, 0, 0};
    for (DWORD n : {1u, 2u, 3u, 4u}) PutDWord(expected, n);
    expected.push_back(0);
    expected.push_back(1);
    EXPECT_EQ(bytes, expected);

    CGXDelayedRangePool back;
    back.AddRange(CGXRange(9, 9, 9, 10));
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)),
                          [&](CArchive& ar) { back.Serialize(ar); }),
                  CArchiveException::endOfFile);
    Bytes bad = bytes;
    bad[0] = 2;
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { back.Serialize(ar); }), CArchiveException::badSchema);
    EXPECT_EQ(*back.GetRanges().GetHead(), CGXRange(9, 9, 9, 10));
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(*back.GetRanges().GetHead(), CGXRange(1, 2, 3, 4));
}
