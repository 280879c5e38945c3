// The cell data store: what the modify modes merge, looking up into a target, base styles of
// rows, columns and the table, reordering by permutations only, deep copies, a billion rows, and
// the archive form: exact bytes of a small store, and damaged data raising only the archive
// exception and leaving the store as it was. Stores, inserts, removes, moves and count changes at
// random are checked against a model in data_model_test.cpp.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data_invariants.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
// The value stored in a slot ("" for a stored style without one), or none.
std::optional<std::string> ValueAt(const CGXData& data, ROWCOL r, ROWCOL c, int nType = 0) {
    CGXStyle s;
    if (!data.LookupStyle(r, c, s, ModifyMode::Copy, nType)) return std::nullopt;
    return std::string(s.GetValue().GetString());
}

// Rows 1 to 5 holding P Q R S T in column 1.
void FillRows(CGXData& data) {
    const char* names[] = {"P", "Q", "R", "S", "T"};
    for (ROWCOL r = 1; r <= 5; ++r) data.StoreStyle(r, 1, Valued(names[r - 1]), ModifyMode::Override);
}
std::string Column1(const CGXData& data) {
    std::string s;
    for (ROWCOL r = 1; r <= data.GetRowCount(); ++r) s += ValueAt(data, r, 1).value_or("-");
    return s;
}
}  // namespace

TEST(DataStoreTest, LookingUpMergesIntoTheTargetOrLeavesIt) {
    CGXData data;
    data.StoreStyle(3, 3, Valued("v"), ModifyMode::Override);
    CGXStyle target = Valued("mine");
    target.SetHorizontalAlignment(1);
    EXPECT_FALSE(data.LookupStyle(2, 3, target, ModifyMode::Copy));  // an empty slot
    EXPECT_FALSE(data.LookupStyle(4, 3, target, ModifyMode::Copy));  // beyond the counts
    EXPECT_EQ(target.GetValue(), "mine");
    EXPECT_TRUE(data.LookupStyle(3, 3, target, ModifyMode::Override));
    EXPECT_EQ(target.GetValue(), "v");
    EXPECT_TRUE(target.GetIncludeHorizontalAlignment());
    EXPECT_TRUE(data.LookupStyle(3, 3, target, ModifyMode::Copy));
    EXPECT_FALSE(target.GetIncludeHorizontalAlignment());
}

TEST(DataStoreTest, BaseStylesOfRowsColumnsAndTheTableOutliveTheirCellsAndRows) {
    CGXData data;
    data.StoreStyle(4, 0, Valued("row"), ModifyMode::Override, -1);
    data.StoreStyle(0, 3, Valued("col"), ModifyMode::Override, -1);
    data.StoreStyle(0, 0, Valued("table"), ModifyMode::Override, -1);
    EXPECT_EQ(ValueAt(data, 4, 9, -1), std::nullopt);  // beyond the column count
    EXPECT_EQ(ValueAt(data, 4, 3, -1), "row");
    EXPECT_EQ(ValueAt(data, 4, 3), std::nullopt);
    data.StoreStyle(2, 2, Valued("cell"), ModifyMode::Override);
    EXPECT_TRUE(data.SetRowCount(0));
    EXPECT_TRUE(data.GetCells().IsEmpty() && data.GetRowStyles().IsEmpty());
    EXPECT_EQ(ValueAt(data, 0, 3, -1), "col");
    EXPECT_EQ(ValueAt(data, 0, 0, -1), "table");
    ASSERT_TRUE(StoreIsSound(data));
    data.DeleteContents();
    EXPECT_EQ(data.GetColCount(), 3u);
    EXPECT_TRUE(data.GetColStyles().IsEmpty());
}

TEST(DataStoreTest, ReorderTakesThePermutationAndRefusesOthers) {
    CGXData data;
    FillRows(data);
    data.StoreStyle(3, 0, Valued("r3"), ModifyMode::Override, -1);
    auto order = [](std::initializer_list<DWORD> indexes) {
        CDWordArray a;
        for (DWORD i : indexes) a.Add(i);
        return a;
    };
    EXPECT_TRUE(data.ReorderRows(CGXRange().SetRows(2, 4), order({2, 0, 1})));
    EXPECT_EQ(Column1(data), "PSQRT");
    EXPECT_EQ(ValueAt(data, 4, 1, -1), "r3");
    ASSERT_TRUE(StoreIsSound(data));
    // A repeated index would give two rows one row's styles; one beyond the block, a row from outside.
    for (auto bad : {order({0, 0, 1}), order({0, 1, 3})}) {
        EXPECT_FALSE(data.ReorderRows(CGXRange().SetRows(2, 4), bad));
        EXPECT_EQ(Column1(data), "PSQRT");
    }
    data.StoreStyle(1, 2, Valued("b"), ModifyMode::Override);
    EXPECT_TRUE(data.ReorderCols(CGXRange().SetCols(1, 2), order({1, 0})));
    EXPECT_EQ(ValueAt(data, 1, 1), "b");
    EXPECT_EQ(ValueAt(data, 1, 2), "P");
    ASSERT_TRUE(StoreIsSound(data));
}

TEST(DataStoreTest, AssignCopiesDeeplyAndMayBeGivenItself) {
    CGXData data;
    FillRows(data);
    data.StoreStyle(0, 0, Valued("t"), ModifyMode::Override, -1);
    CGXData copy;
    copy.StoreStyle(9, 9, Valued("gone"), ModifyMode::Override);
    copy.Assign(data);
    EXPECT_EQ(copy.GetRowCount(), 5u);
    EXPECT_EQ(copy.GetColCount(), 1u);
    EXPECT_NE(copy.GetStoredStyle(1, 1), data.GetStoredStyle(1, 1));
    EXPECT_EQ(ValueAt(copy, 0, 0, -1), "t");
    copy.Assign(copy);
    EXPECT_EQ(Column1(copy), "PQRST");
    ASSERT_TRUE(StoreIsSound(copy));
}

TEST(DataStoreTest, ABillionRowsHoldOnlyWhatIsStoredAndShiftsBeyondTheArraysAreRefused) {
    CGXData data;
    EXPECT_TRUE(data.SetRowCount(1000000000));
    EXPECT_TRUE(data.GetCells().IsEmpty());
    EXPECT_TRUE(data.StoreStyle(1000000000, 2, Valued("far"), ModifyMode::Override));
    EXPECT_TRUE(data.StoreStyle(1, 1000000000, Valued("wide"), ModifyMode::Override));
    EXPECT_TRUE(data.InsertRows(1, 5));
    EXPECT_EQ(ValueAt(data, 1000000005, 2), "far");
    EXPECT_EQ(data.GetCells().GetEntries().GetRuns().size(), 2u);
    const CGXStyle* pFar = data.GetStoredStyle(1000000005, 2);
    EXPECT_TRUE(data.MoveRows(1000000005, 1000000005, 3));
    EXPECT_EQ(data.GetStoredStyle(3, 2), pFar);  // moves shift pointers, they copy no style
    ASSERT_TRUE(StoreIsSound(data));
    EXPECT_FALSE(data.StoreStyle(0x7FFFFFFF, 1, Valued("no"), ModifyMode::Override));
    EXPECT_TRUE(data.StoreStyle(0x7FFFFFFE, 1, Valued("last"), ModifyMode::Override));
    EXPECT_FALSE(data.InsertRows(1, 1));
    EXPECT_EQ(ValueAt(data, 0x7FFFFFFE, 1), "last");
    EXPECT_TRUE(data.SetRowCount(0xFFFFFFFF));
    EXPECT_FALSE(data.InsertRows(0x80000000, 1));
}

namespace {
// Cell (1, 2) holds "ab", row 1's base style the given record.
Bytes SmallStore(const char* pszRowStyle = "0180 0300 00040000 01'r' 0000 0000") {
    return Hex(std::string("0100 01000000 02000000")  // schema 1, one row, two columns
               + "0100 02000000 01000000"             // cells: schema, length 2, row 1's array,
               + "0100 03000000 02000000"             //   of length 3 with column 2:
               + "FFFF 0000 0800 'CGXStyle'"          //   a new class of schema 0 and its name,
               + "0300 00040000 02'ab' 0000 0000"     //   a style holding only the value "ab",
               + "FFFFFFFF FFFFFFFF"                  //   the ends of row 1's array and the cells
               + "0100 02000000 01000000"             // row styles: length 2, row 1:
               + pszRowStyle                          //   by default another style, holding "r"
               + "FFFFFFFF 0100 00000000 FFFFFFFF");  // no column styles
}

auto Reader(CGXData& data) {
    return [&data](CArchive& ar) { data.Serialize(ar); };
}
}  // namespace

TEST(DataArchiveTest, SmallStoresAreWrittenExactly) {
    CGXData data;
    data.StoreStyle(1, 2, Valued("ab"), ModifyMode::Override);
    data.StoreStyle(1, 0, Valued("r"), ModifyMode::Override, -1);
    EXPECT_EQ(Store([&](CArchive& ar) { data.Serialize(ar); }), SmallStore());
    EXPECT_EQ(Store([](CArchive& ar) { CGXData().Serialize(ar); }),
              Hex("0100 00000000 00000000  0100 00000000 FFFFFFFF  0100 00000000 FFFFFFFF  0100 00000000 FFFFFFFF"));
}

// Only the bytes first written show a part that reading loses; another round would repeat the loss.
TEST(DataArchiveTest, AStoreReadsBackToTheSameBytes) {
    CGXData data;
    data.StoreStyle(3, 2, Valued("v"), ModifyMode::Override);
    data.StoreStyle(0, 4, Valued("col"), ModifyMode::Override, -1);
    data.StoreStyle(900000000, 1, Valued("far"), ModifyMode::Override);
    data.SetColCount(1000);
    const Bytes b = Store([&](CArchive& ar) { data.Serialize(ar); });
    CGXData read;
    Load(b, Reader(read));
    ASSERT_TRUE(StoreIsSound(read));
    EXPECT_EQ(Store([&](CArchive& ar) { read.Serialize(ar); }), b);
}

TEST(DataArchiveTest, DamagedArchivesRaiseOnlyTheArchiveExceptionAndChangeNothing) {
    const Bytes good = SmallStore();
    CGXData data;
    data.StoreStyle(5, 5, Valued("kept"), ModifyMode::Override);
    auto unchanged = [&] {
        return data.GetRowCount() == 5 && data.GetColCount() == 5 && data.GetStoredStyle(5, 5) != nullptr &&
               data.GetStoredStyle(5, 5)->GetValue() == "kept" && StoreIsSound(data);
    };
    for (size_t n = 0; n < good.size(); ++n) {
        ASSERT_EQ(CauseOf(Bytes(good.begin(), good.begin() + static_cast<long>(n)), Reader(data)),
                  CArchiveException::endOfFile)
            << n;
        ASSERT_TRUE(unchanged()) << n;
    }
    // The store's schema, the cells array's and a row array's.
    for (size_t nAt : {0u, 10u, 20u}) {
        Bytes b = good;
        b[nAt] = 2;
        EXPECT_EQ(CauseOf(b, Reader(data)), CArchiveException::badSchema) << nAt;
    }
    // A huge length, an index outside the length, indexes out of order.
    Bytes huge = good;
    huge[15] = 0xF0;
    EXPECT_EQ(CauseOf(huge, Reader(data)), CArchiveException::genericException);
    Bytes outside = good;
    outside[16] = 2;
    EXPECT_EQ(CauseOf(outside, Reader(data)), CArchiveException::genericException);
    EXPECT_TRUE(unchanged());
}

TEST(DataArchiveTest, AReferenceBackToAStyleGetsItsOwnCopy) {
    // Row 1's base style refers back to the cell's style (object 2) instead of a new one.
    CGXData data;
    Load(SmallStore("0200"), Reader(data));
    ASSERT_TRUE(StoreIsSound(data));
    ASSERT_NE(data.GetStoredStyle(1, 0, -1), nullptr);
    EXPECT_EQ(data.GetStoredStyle(1, 0, -1)->GetValue(), "ab");
}
