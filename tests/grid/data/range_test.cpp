// Ranges: setters, containment, intersection and union, expansion, and the archive record.
#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "grid/data/range.h"

using namespace test_archive;

namespace {
void ExpectCoords(const CGXRange& r, ROWCOL top, ROWCOL left, ROWCOL bottom, ROWCOL right) {
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.bottom, bottom);
    EXPECT_EQ(r.right, right);
}
}  // namespace

TEST(RangeTest, ADefaultRangeIsAllZerosAndNotValid) {
    CGXRange r;
    EXPECT_TRUE(r.IsCells());
    EXPECT_FALSE(r.IsValid());
    ExpectCoords(r, 0, 0, 0, 0);
    CGXRange fromNone(static_cast<const CGXRange*>(nullptr));
    EXPECT_EQ(fromNone, r);
    static_assert(sizeof(CGXRange) == 24, "six 32-bit fields");
}

TEST(RangeTest, SettersPutRowsAndColumnsInOrder) {
    CGXRange r(5, 7, 2, 3);
    ExpectCoords(r, 2, 3, 5, 7);
    EXPECT_TRUE(r.IsValid());
    r.SetRows(9, 4);
    EXPECT_TRUE(r.IsRows());
    ExpectCoords(r, 4, 0, 9, 0);
    r.SetCols(8, 1);
    EXPECT_TRUE(r.IsCols());
    ExpectCoords(r, 0, 1, 0, 8);
    // The table keeps the coordinates it had.
    r.SetTable();
    EXPECT_TRUE(r.IsTable());
    EXPECT_TRUE(r.IsValid());
    ExpectCoords(r, 0, 1, 0, 8);
    CGXRange copy(&r);
    EXPECT_EQ(copy, r);
}

TEST(RangeTest, ContainmentFollowsTheKind) {
    CGXRange rows;
    rows.SetRows(2, 4);
    EXPECT_TRUE(rows.IsCellInRange(3, 1000));
    EXPECT_TRUE(rows.IsCellInRange(2, 0));
    EXPECT_TRUE(rows.IsCellInRange(4, 0xFFFFFFFF));
    EXPECT_FALSE(rows.IsCellInRange(5, 1));
    EXPECT_FALSE(rows.IsCellInRange(1, 1));
    CGXRange cols;
    cols.SetCols(3, 3);
    EXPECT_TRUE(cols.IsCellInRange(77777, 3));
    EXPECT_FALSE(cols.IsCellInRange(0, 4));
    CGXRange cells(1, 1, 3, 3);
    EXPECT_TRUE(cells.IsCellInRange(1, 3));
    EXPECT_TRUE(cells.IsCellInRange(3, 1));
    EXPECT_FALSE(cells.IsCellInRange(4, 2));
    EXPECT_FALSE(cells.IsCellInRange(2, 0));
    CGXRange table;
    table.SetTable();
    EXPECT_TRUE(table.IsCellInRange(0xFFFFFFFF, 0xFFFFFFFF));
}

TEST(RangeTest, ARangeThatIsNotValidContainsNothingWhateverItsKind) {
    CGXRange table;
    table.SetTable();
    table.valid = 0;
    EXPECT_FALSE(table.IsCellInRange(1, 1));
    CGXRange cells(1, 1, 3, 3);
    cells.valid = 0;
    EXPECT_FALSE(cells.IsCellInRange(2, 2));
}

TEST(RangeTest, IntersectionOfDisjointBlocksIsNotValid) {
    CGXRange r;
    EXPECT_FALSE(r.IntersectRange(CGXRange(1, 1, 3, 3), CGXRange(4, 4, 6, 6)));
    EXPECT_FALSE(r.IsValid());
    EXPECT_TRUE(r.IntersectRange(CGXRange(1, 1, 3, 3), CGXRange(2, 2, 9, 9)));
    ExpectCoords(r, 2, 2, 3, 3);
    // Touching in one row or one column is still an overlap.
    EXPECT_TRUE(r.IntersectRange(CGXRange(1, 1, 3, 3), CGXRange(3, 0, 5, 1)));
    ExpectCoords(r, 3, 1, 3, 1);
    // Overlapping rows alone is not enough.
    EXPECT_FALSE(r.IntersectRange(CGXRange(1, 1, 3, 3), CGXRange(2, 4, 2, 9)));
}

TEST(RangeTest, IntersectAndUnionMayBeGivenThemselves) {
    CGXRange r(1, 1, 5, 5);
    EXPECT_TRUE(r.IntersectRange(r, CGXRange(3, 3, 9, 9)));
    ExpectCoords(r, 3, 3, 5, 5);
    EXPECT_TRUE(r.UnionRange(CGXRange(7, 0, 8, 2), r));
    ExpectCoords(r, 3, 0, 8, 5);
}

TEST(RangeTest, UnionIsTheBoundingBlockAndKeepsTheKind) {
    CGXRange r;
    r.SetRows(1, 1);
    EXPECT_TRUE(r.UnionRange(CGXRange(4, 4, 6, 6), CGXRange(1, 9, 2, 10)));
    ExpectCoords(r, 1, 4, 6, 10);
    EXPECT_TRUE(r.IsRows());
}

TEST(RangeTest, ExpandingTakesOnlyTheMissingBoundsFromTheGrid) {
    CGXRange rows;
    rows.SetRows(2, 4);
    rows.ExpandRange(1, 1, 100, 20);
    EXPECT_TRUE(rows.IsCells());
    ExpectCoords(rows, 2, 1, 4, 20);
    CGXRange cols;
    cols.SetCols(3, 5);
    cols.ExpandRange(1, 1, 100, 20);
    ExpectCoords(cols, 1, 3, 100, 5);
    CGXRange table;
    table.SetTable();
    table.ExpandRange(2, 3, 40, 50);
    ExpectCoords(table, 2, 3, 40, 50);
    EXPECT_TRUE(table.IsCells());
    CGXRange cells(7, 8, 9, 10);
    cells.ExpandRange(1, 1, 100, 100);
    ExpectCoords(cells, 7, 8, 9, 10);
    // Whole rows inside a cell block after expansion.
    CGXRange overlap;
    CGXRange whole;
    whole.SetRows(3, 4);
    whole.ExpandRange(1, 1, 10, 10);
    EXPECT_TRUE(overlap.IntersectRange(whole, CGXRange(2, 5, 8, 6)));
    ExpectCoords(overlap, 3, 5, 4, 6);
}

TEST(RangeTest, HeightAndWidthCountBothEnds) {
    CGXRange r(3, 10, 3, 14);
    EXPECT_EQ(r.GetHeight(), 1u);
    EXPECT_EQ(r.GetWidth(), 5u);
}

TEST(RangeTest, TheRecordIsFourCoordinatesThenKindAndValid) {
    CGXRange r;
    r.SetRows(0x01020304, 5);
    Bytes b = Store([&](CArchive& ar) { ar << r; });
    EXPECT_EQ(b, (Bytes{0x05, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0x01, 0x01}));
    CGXRange read;
    Load(b, [&](CArchive& ar) { ar >> read; });
    EXPECT_EQ(read, r);
}

TEST(RangeTest, EveryKindRoundTripsWithLargeCoordinates) {
    CGXRange table(0xFFFFFFFF, 0, 0x80000000, 0x7FFFFFFF);
    table.SetTable();
    CGXRange invalid(1, 2, 3, 4);
    invalid.valid = 0;
    for (const CGXRange& r : {CGXRange(1, 2, 3, 4), CGXRange().SetCols(6, 9), table, invalid}) {
        CGXRange read;
        Load(Store([&](CArchive& ar) { ar << r; }), [&](CArchive& ar) { ar >> read; });
        EXPECT_EQ(read, r);
    }
}

TEST(RangeTest, AnUnknownKindOrAShortRecordRaisesTheArchiveException) {
    Bytes b = Store([](CArchive& ar) { ar << CGXRange(1, 1, 2, 2); });
    auto read = [](CArchive& ar) {
        CGXRange r;
        ar >> r;
    };
    EXPECT_EQ(CauseOf(b, read), -1);
    Bytes badKind = b;
    badKind[16] = 4;
    EXPECT_EQ(CauseOf(badKind, read), CArchiveException::genericException);
    for (size_t n = 0; n < b.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(b.begin(), b.begin() + static_cast<long>(n)), read), CArchiveException::endOfFile) << n;
}
