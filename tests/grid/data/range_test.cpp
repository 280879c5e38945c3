// Ranges: ordering setters, containment by kind, intersection, union and expansion, and the
// archive record with its damaged variants.
#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "grid/data/range.h"

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
    CGXRange table(0xFFFFFFFF, 0, 0x80000000, 0x7FFFFFFF);
    table.SetTable();
    for (const CGXRange& r : {Rows(0x01020304, 5), CGXRange(1, 2, 3, 4), Cols(6, 9), table, Invalid(CGXRange(1, 2, 3, 4))}) {
        SCOPED_TRACE(::testing::Message() << "kind " << r.kind << " valid " << r.valid);
        CGXRange read;
        Load(Store([&](CArchive& ar) { ar << r; }), [&](CArchive& ar) { ar >> read; });
        EXPECT_EQ(read, r);
    }
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
