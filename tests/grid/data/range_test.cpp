// Ranges: ordering setters, containment by kind, intersection, union and expansion, and the
// archive record; range lists and the delayed range pool built on them: finding cells, ownership,
// recording pending ranges; and the archive forms with their damaged variants.
#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "grid/data/delayed_range_pool.h"

using namespace test_archive;

namespace {
CGXRange Rows(ROWCOL a, ROWCOL b) { return CGXRange().SetRows(a, b); }
CGXRange Cols(ROWCOL a, ROWCOL b) { return CGXRange().SetCols(a, b); }
CGXRange Table() { return CGXRange().SetTable(); }
CGXRange Invalid(CGXRange r) {
    r.valid = 0;
    return r;
}
}  // namespace

TEST(RangeTest, SettersPutRowsAndColumnsInOrderAndTheTableKeepsItsCoordinates) {
    static_assert(sizeof(CGXRange) == 24, "six 32-bit fields, read and written directly");
    EXPECT_FALSE(CGXRange().IsValid());
    EXPECT_EQ(CGXRange(static_cast<const CGXRange*>(nullptr)), CGXRange());
    CGXRange r(5, 7, 2, 3);
    EXPECT_EQ(r, CGXRange(2, 3, 5, 7));
    EXPECT_TRUE(r.IsValid() && r.IsCells());
    EXPECT_EQ(r.GetHeight(), 4u);  // both ends count
    EXPECT_EQ(r.GetWidth(), 5u);
    r.SetRows(9, 4);
    EXPECT_TRUE(r.IsRows() && r.top == 4 && r.bottom == 9 && r.left == 0 && r.right == 0);
    r.SetCols(8, 1);
    EXPECT_TRUE(r.IsCols() && r.left == 1 && r.right == 8 && r.top == 0 && r.bottom == 0);
    r.SetTable();
    EXPECT_TRUE(r.IsTable() && r.IsValid() && r.left == 1 && r.right == 8);
}

TEST(RangeTest, ContainmentFollowsTheKindAndNeedsAValidRange) {
    const struct {
        CGXRange range;
        ROWCOL nRow, nCol;
        bool bIn;
    } cases[] = {
        {Rows(2, 4), 3, 1000, true},         {Rows(2, 4), 2, 0, true},
        {Rows(2, 4), 4, 0xFFFFFFFF, true},   {Rows(2, 4), 5, 1, false},
        {Rows(2, 4), 1, 1, false},           {Cols(3, 3), 77777, 3, true},
        {Cols(3, 3), 0, 4, false},           {CGXRange(1, 1, 3, 3), 1, 3, true},
        {CGXRange(1, 1, 3, 3), 3, 1, true},  {CGXRange(1, 1, 3, 3), 4, 2, false},
        {CGXRange(1, 1, 3, 3), 2, 0, false}, {Table(), 0xFFFFFFFF, 0xFFFFFFFF, true},
        {Invalid(Table()), 1, 1, false},     {Invalid(CGXRange(1, 1, 3, 3)), 2, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.range.kind << " cell " << c.nRow << "," << c.nCol);
        EXPECT_EQ(c.range.IsCellInRange(c.nRow, c.nCol), c.bIn);
    }
}

TEST(RangeTest, IntersectionUnionAndExpansionWorkOnTheCoordinatesEvenGivenThemselves) {
    const struct {
        CGXRange a, b;
        bool bOverlap;
        CGXRange overlap;
    } cases[] = {
        {CGXRange(1, 1, 3, 3), CGXRange(4, 4, 6, 6), false, {}},
        {CGXRange(1, 1, 3, 3), CGXRange(2, 2, 9, 9), true, CGXRange(2, 2, 3, 3)},
        {CGXRange(1, 1, 3, 3), CGXRange(3, 0, 5, 1), true, CGXRange(3, 1, 3, 1)},  // touching
        {CGXRange(1, 1, 3, 3), CGXRange(2, 4, 2, 9), false, {}},                   // rows alone
        // Expanding takes only the missing bounds from the grid.
        {Rows(3, 4).ExpandRange(1, 1, 10, 10), CGXRange(2, 5, 8, 6), true, CGXRange(3, 5, 4, 6)},
        {Cols(3, 5).ExpandRange(1, 1, 100, 20), CGXRange(1, 1, 100, 20), true, CGXRange(1, 3, 100, 5)},
        {Table().ExpandRange(2, 3, 40, 50), CGXRange(1, 1, 100, 100), true, CGXRange(2, 3, 40, 50)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a.top << "," << c.a.left << " with " << c.b.top << "," << c.b.left);
        CGXRange r;
        EXPECT_EQ(r.IntersectRange(c.a, c.b), c.bOverlap);
        EXPECT_EQ(r.IsValid(), c.bOverlap);
        if (c.bOverlap) {
            EXPECT_EQ(r, c.overlap);
        }
    }
    EXPECT_EQ(Table().ExpandRange(2, 3, 40, 50), CGXRange(2, 3, 40, 50));  // a block of cells now
    CGXRange r(1, 1, 5, 5);
    EXPECT_TRUE(r.IntersectRange(r, CGXRange(3, 3, 9, 9)));
    EXPECT_EQ(r, CGXRange(3, 3, 5, 5));
    EXPECT_TRUE(r.UnionRange(CGXRange(7, 0, 8, 2), r));
    EXPECT_EQ(r, CGXRange(3, 0, 8, 5));
    // The union is the bounding block and keeps the kind.
    CGXRange rows = Rows(1, 1);
    EXPECT_TRUE(rows.UnionRange(CGXRange(4, 4, 6, 6), CGXRange(1, 9, 2, 10)));
    EXPECT_TRUE(rows.IsRows() && rows.top == 1 && rows.left == 4 && rows.bottom == 6 && rows.right == 10);
}

TEST(RangeTest, TheRecordIsFourCoordinatesThenKindAndValidAndDamageRaisesTheArchiveException) {
    const Bytes b = Store([](CArchive& ar) { ar << Rows(0x01020304, 5); });
    EXPECT_EQ(b, (Bytes{0x05, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0x01, 0x01}));
    CGXRange invalid;  // range lists write only valid ranges; a single range may be invalid
    Load(Store([](CArchive& ar) { ar << Invalid(CGXRange(1, 2, 3, 4)); }), [&](CArchive& ar) { ar >> invalid; });
    EXPECT_EQ(invalid, Invalid(CGXRange(1, 2, 3, 4)));
    auto read = [](CArchive& ar) {
        CGXRange r;
        ar >> r;
    };
    Bytes badKind = b;
    badKind[16] = 4;
    EXPECT_EQ(CauseOf(badKind, read), CArchiveException::genericException);
    for (size_t n = 0; n < b.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(b.begin(), b.begin() + static_cast<long>(n)), read), CArchiveException::endOfFile) << n;
}

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
