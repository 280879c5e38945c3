// The archive forms of the arrays of 32-bit arrays and of the span pool: exact bytes, round trips
// and damaged data.
#include <gtest/gtest.h>

#include "grid/data/span_cell_pool.h"
#include "pool_invariants.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
Bytes EmptyArray() { return Hex("0100 00000000 FFFFFFFF"); }

// An array of the given length holding one inner array at nIndex.
Bytes OneEntry(DWORD nLength, DWORD nIndex, std::initializer_list<DWORD> values) {
    Bytes b{1, 0};
    PutDWord(b, nLength);
    PutDWord(b, nIndex);
    PutWord(b, static_cast<WORD>(values.size()));
    for (DWORD v : values) PutDWord(b, v);
    PutDWord(b, 0xFFFFFFFF);
    return b;
}

auto ReadArray() {
    return [](CArchive& ar) {
        CGXDWordArrayPtrArray a;
        a.Serialize(ar);
    };
}
}  // namespace

TEST(PoolArchiveTest, AHorizontalSpanIsItsRowsInnerArray) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(2, 3, 2, 4);
    EXPECT_EQ(Store([&](CArchive& ar) { pool.Serialize(ar); }),
              Hex("0100 00000000 FFFFFFFF"                                  // no vertical spans
                  "0100 03000000 02000000 0500"                             // row 2's five entries:
                  "00000000 00000000 00000000 03000000 03000000 FFFFFFFF"));  // columns 3 and 4 start at 3
}

TEST(PoolArchiveTest, APoolRoundTripsExactly) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 3, 2);
    pool.SetSpanCellsRowCol(7, 0, 9, 12);
    pool.SetSpanCellsRowCol(300, 70000, 301, 70001);
    pool.MoveRows(7, 8, 2);
    Bytes b = Store([&](CArchive& ar) { pool.Serialize(ar); });
    CGXSpanCellPool read;
    read.SetSpanCellsRowCol(5, 5, 6, 6);  // replaced by what is read
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_TRUE(pool_checks::SpanPoolIsSound(read));
    EXPECT_EQ(Store([&](CArchive& ar) { read.Serialize(ar); }), b);
    CGXRange range;
    EXPECT_FALSE(read.GetSpanCellsRowCol(5, 5, range));
    ASSERT_TRUE(read.GetSpanCellsRowCol(301, 70000, range));
    EXPECT_EQ(range, CGXRange(300, 70000, 301, 70001));
}

TEST(PoolArchiveTest, ALengthBeyondTheLastEntryIsReadAsTheEntriesNeedIt) {
    // Another writer may keep empty entries at the end; they hold nothing and take no memory here.
    Bytes b = OneEntry(0x7FFFFFFF, 4, {0, 9, 0, 0});
    CGXDWordArrayPtrArray a;
    Load(b, [&](CArchive& ar) { a.Serialize(ar); });
    EXPECT_EQ(a.GetSize(), 5);
    ASSERT_NE(a.GetAt(4), nullptr);
    EXPECT_EQ(a.GetAt(4)->GetSize(), 2);
    // An inner array of nothing but zeros is nothing.
    CGXDWordArrayPtrArray zeros;
    Load(OneEntry(3, 1, {0, 0}), [&](CArchive& ar) { zeros.Serialize(ar); });
    EXPECT_TRUE(zeros.IsEmpty());
}

TEST(PoolArchiveTest, DamagedArraysRaiseOnlyTheArchiveExceptionAndChangeNothing) {
    EXPECT_EQ(CauseOf(EmptyArray(), ReadArray()), -1);
    Bytes badSchema = EmptyArray();
    badSchema[0] = 2;
    EXPECT_EQ(CauseOf(badSchema, ReadArray()), CArchiveException::badSchema);
    // A length beyond the grid's coordinates, an index outside the length, indexes out of order.
    EXPECT_EQ(CauseOf(OneEntry(0x80000001, 1, {1}), ReadArray()), CArchiveException::genericException);
    EXPECT_EQ(CauseOf(OneEntry(2, 2, {1}), ReadArray()), CArchiveException::genericException);
    const Bytes twice = Hex("0100 0A000000  03000000 0100 05000000  03000000 0100 05000000  FFFFFFFF");
    EXPECT_EQ(CauseOf(twice, ReadArray()), CArchiveException::genericException);
    // An inner count the data cannot hold, and every truncation.
    Bytes huge = OneEntry(5, 1, {1});
    huge[10] = 0xFF;
    huge[11] = 0x7F;
    EXPECT_EQ(CauseOf(huge, ReadArray()), CArchiveException::endOfFile);
    Bytes good = OneEntry(9, 8, {0, 1, 1});
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(good.begin(), good.begin() + static_cast<long>(n)), ReadArray()), CArchiveException::endOfFile) << n;
    // A pool whose second array is damaged keeps what it held.
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 2, 2);
    Bytes b = EmptyArray();
    b.push_back(1);  // the horizontal array breaks off after its schema's first byte
    EXPECT_THROW(Load(b, [&](CArchive& ar) { pool.Serialize(ar); }), CArchiveException);
    CGXRange range;
    EXPECT_TRUE(pool.GetSpanCellsRowCol(2, 2, range));
    EXPECT_EQ(range, CGXRange(1, 1, 2, 2));
}

TEST(PoolArchiveTest, AnEntryAtTheLastRowCostsOneEntry) {
    // A few dozen bytes naming row 2^31 - 2 once asked for an outer array of 2^31 - 1 pointers.
    Bytes b = EmptyArray();
    Bytes horizontal = OneEntry(0x7FFFFFFF, 0x7FFFFFFE, {0, 0, 0x7FFFFFFE});
    b.insert(b.end(), horizontal.begin(), horizontal.end());
    CGXSpanCellPool pool;
    Load(b, [&](CArchive& ar) { pool.Serialize(ar); });
    EXPECT_EQ(pool.GetHorizontal().GetSize(), 0x7FFFFFFF);
    EXPECT_EQ(pool.GetHorizontal().GetEntries().GetRuns().size(), 1u);
    EXPECT_EQ(Store([&](CArchive& ar) { pool.Serialize(ar); }), b);
    // The pool's own output for a horizontal span far down the grid reads back as it was.
    CGXSpanCellPool far;
    ASSERT_TRUE(far.SetSpanCellsRowCol(0x7FFFFFF1, 1, 0x7FFFFFF1, 2));
    const Bytes farBytes = Store([&](CArchive& ar) { far.Serialize(ar); });
    CGXSpanCellPool read;
    Load(farBytes, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_TRUE(pool_checks::SpanPoolIsSound(read));
    CGXRange range;
    ASSERT_TRUE(read.GetSpanCellsRowCol(0x7FFFFFF1, 2, range));
    EXPECT_EQ(range, CGXRange(0x7FFFFFF1, 1, 0x7FFFFFF1, 2));
}
