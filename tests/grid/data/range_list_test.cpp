// Range lists and the delayed range pool built on them: finding cells, ownership, recording
// pending ranges, and the archive forms with their damaged variants.
#include <gtest/gtest.h>

#include "grid/data/delayed_range_pool.h"
#include "support/archive_bytes.h"

using namespace test_archive;

TEST(RangeListTest, FindGivesTheFirstRangeInListOrder) {
    CGXRangeList list;
    POSITION pos1 = list.AddTail(new CGXRange(1, 1, 5, 5));
    POSITION pos2 = list.AddTail(new CGXRange(3, 3, 8, 8));
    EXPECT_EQ(list.FindRange(4, 4), pos1);
    EXPECT_EQ(list.FindRange(7, 7), pos2);
    EXPECT_EQ(list.FindRange(9, 9), nullptr);
    // Skipping the range that holds a cell leaves the others to answer.
    EXPECT_TRUE(list.IsCellInList(4, 4, pos1));
    EXPECT_FALSE(list.IsCellInList(2, 2, pos1));
    EXPECT_TRUE(list.IsCellInList(2, 2, nullptr));
    EXPECT_FALSE(list.IsCellInList(7, 7, pos2));
    list.DeleteAt(pos1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.FindRange(2, 2), nullptr);
}

TEST(RangeListTest, OnlyValidRangesAreWrittenAndReadingAppendsInOrder) {
    EXPECT_EQ(Store([](CArchive& ar) { CGXRangeList().Serialize(ar); }), Hex("0100 00000000"));
    CGXRangeList list;
    list.AddTail(new CGXRange(2, 3, 4, 5));
    list.AddTail(new CGXRange(9, 9, 9, 9));
    list.GetTail()->valid = 0;
    list.AddTail(&(new CGXRange)->SetTable());
    const Bytes b = Store([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(b, Hex("0100 02000000  02000000 03000000 04000000 05000000 00 01"
                     "00000000 00000000 00000000 00000000 03 01"));
    CGXRangeList read;
    read.AddTail(new CGXRange(7, 7, 8, 8));
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(read.GetCount(), 3);
    POSITION pos = read.GetHeadPosition();
    EXPECT_EQ(*read.GetNext(pos), CGXRange(7, 7, 8, 8));
    EXPECT_EQ(*read.GetNext(pos), CGXRange(2, 3, 4, 5));
    EXPECT_TRUE(read.GetNext(pos)->IsTable());
}

TEST(RangeListTest, DamagedListsRaiseTheArchiveException) {
    auto read = [](CArchive& ar) {
        CGXRangeList list;
        list.Serialize(ar);
    };
    EXPECT_EQ(CauseOf(Bytes{2, 0, 0, 0, 0, 0}, read), CArchiveException::badSchema);
    EXPECT_EQ(CauseOf(Bytes{0, 0, 0, 0, 0, 0}, read), CArchiveException::badSchema);
    // A count that the data cannot hold is refused before anything is made for it.
    EXPECT_EQ(CauseOf(Bytes{1, 0, 0xFF, 0xFF, 0xFF, 0xFF}, read), CArchiveException::endOfFile);
    const Bytes two = Hex("0100 02000000  01000000 01000000 02000000 02000000 00 01  01000000 01000000 02000000 02000000 00 01");
    EXPECT_EQ(CauseOf(two, read), -1);
    Bytes badKind = two;
    badKind[two.size() - 2] = 9;
    EXPECT_EQ(CauseOf(badKind, read), CArchiveException::genericException);
    for (size_t n = 0; n < two.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(two.begin(), two.begin() + static_cast<long>(n)), read), CArchiveException::endOfFile) << n;
}

TEST(DelayedRangePoolTest, RangesInsideRecordedOnesAddNothingAndLargerOnesTakeOver) {
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

TEST(DelayedRangePoolTest, TheRecordIsSchemaAndListAndDamageLeavesThePoolAsItWas) {
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 2, 2));
    pool.AddRange(CGXRange(1, 4, 2, 5));
    const Bytes bytes = Store([&](CArchive& ar) { pool.Serialize(ar); });
    EXPECT_EQ(bytes, Hex("0100  0100 02000000  01000000 01000000 02000000 02000000 00 01"
                         "01000000 04000000 02000000 05000000 00 01"));
    CGXDelayedRangePool back;
    back.AddRange(CGXRange(9, 9, 9, 10));
    auto read = [&](CArchive& ar) { back.Serialize(ar); };
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)), read), CArchiveException::endOfFile);
    Bytes bad = bytes;
    bad[0] = 2;
    EXPECT_EQ(CauseOf(bad, read), CArchiveException::badSchema);
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(*back.GetRanges().GetHead(), CGXRange(9, 9, 9, 10));
    Load(bytes, read);
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_EQ(*back.GetRanges().GetTail(), CGXRange(1, 4, 2, 5));
}
