// The cell data store: storing and looking up with the modify modes, base styles of rows,
// columns and the table, counts, insert, remove, move and reorder, copies, and a billion rows.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data_invariants.h"

namespace {
CGXStyle Valued(const char* psz) {
    CGXStyle s;
    s.SetValue(psz);
    return s;
}

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

TEST(DataStoreTest, StoringACellGrowsTheCountsAndMakesOnlyItsRow) {
    CGXData data;
    EXPECT_TRUE(data.StoreStyle(10, 5, Valued("x"), ModifyMode::Override));
    EXPECT_EQ(data.GetRowCount(), 10u);
    EXPECT_EQ(data.GetColCount(), 5u);
    EXPECT_EQ(data.GetCells().GetEntries().GetRuns().size(), 1u);
    EXPECT_NE(data.GetCells().GetAt(10), nullptr);
    EXPECT_TRUE(data.GetRowStyles().IsEmpty());
    EXPECT_EQ(ValueAt(data, 10, 5), "x");
    ASSERT_TRUE(StoreIsSound(data));
    // The store keeps its own copy.
    CGXStyle mine = Valued("y");
    data.StoreStyle(1, 1, mine, ModifyMode::Override);
    EXPECT_NE(data.GetStoredStyle(1, 1), &mine);
}

TEST(DataStoreTest, ModesCombineIntoTheSlot) {
    CGXData data;
    data.StoreStyle(2, 2, Valued("a"), ModifyMode::Exclude);
    EXPECT_EQ(data.GetStoredStyle(2, 2), nullptr);
    EXPECT_TRUE(data.GetCells().IsEmpty());
    data.StoreStyle(2, 2, Valued("a"), ModifyMode::ApplyNew);
    EXPECT_EQ(ValueAt(data, 2, 2), "a");
    data.StoreStyle(2, 2, Valued("b"), ModifyMode::ApplyNew);
    EXPECT_EQ(ValueAt(data, 2, 2), "a");
    CGXStyle aligned;
    aligned.SetHorizontalAlignment(2);
    data.StoreStyle(2, 2, aligned, ModifyMode::Override);
    CGXStyle got;
    ASSERT_TRUE(data.LookupStyle(2, 2, got, ModifyMode::Copy));
    EXPECT_EQ(got.GetValue(), "a");
    EXPECT_TRUE(got.GetIncludeHorizontalAlignment());
    data.StoreStyle(2, 2, Valued("z"), ModifyMode::Exclude);
    EXPECT_EQ(ValueAt(data, 2, 2), "");
    // No style deletes the slot's, and the row with it.
    data.StoreStyle(2, 2, nullptr, ModifyMode::Override);
    EXPECT_EQ(data.GetStoredStyle(2, 2), nullptr);
    EXPECT_TRUE(data.GetCells().IsEmpty());
    ASSERT_TRUE(StoreIsSound(data));
}

TEST(DataStoreTest, LookingUpMergesIntoTheTargetOrLeavesIt) {
    CGXData data;
    data.StoreStyle(3, 3, Valued("v"), ModifyMode::Override);
    CGXStyle target = Valued("mine");
    target.SetHorizontalAlignment(1);
    EXPECT_FALSE(data.LookupStyle(2, 3, target, ModifyMode::Copy));
    EXPECT_FALSE(data.LookupStyle(4, 3, target, ModifyMode::Copy));
    EXPECT_EQ(target.GetValue(), "mine");
    EXPECT_TRUE(data.LookupStyle(3, 3, target, ModifyMode::ApplyNew));
    EXPECT_EQ(target.GetValue(), "mine");
    EXPECT_TRUE(data.LookupStyle(3, 3, target, ModifyMode::Override));
    EXPECT_EQ(target.GetValue(), "v");
    EXPECT_TRUE(target.GetIncludeHorizontalAlignment());
    EXPECT_TRUE(data.LookupStyle(3, 3, target, ModifyMode::Copy));
    EXPECT_FALSE(target.GetIncludeHorizontalAlignment());
}

TEST(DataStoreTest, BaseStylesOfRowsColumnsAndTheTable) {
    CGXData data;
    data.StoreStyle(4, 0, Valued("row"), ModifyMode::Override, -1);
    data.StoreStyle(0, 3, Valued("col"), ModifyMode::Override, -1);
    data.StoreStyle(0, 0, Valued("table"), ModifyMode::Override, -1);
    EXPECT_EQ(ValueAt(data, 4, 9, -1), std::nullopt);  // beyond the column count
    EXPECT_EQ(ValueAt(data, 4, 3, -1), "row");
    EXPECT_EQ(ValueAt(data, 0, 3, -1), "col");
    EXPECT_EQ(ValueAt(data, 0, 0, -1), "table");
    EXPECT_EQ(ValueAt(data, 4, 3), std::nullopt);
    EXPECT_EQ(data.GetColStyles().GetAt(0), data.GetStoredStyle(0, 0, -1));
    // Removing every row keeps the column and table styles.
    data.StoreStyle(2, 2, Valued("cell"), ModifyMode::Override);
    EXPECT_TRUE(data.SetRowCount(0));
    EXPECT_TRUE(data.GetCells().IsEmpty());
    EXPECT_TRUE(data.GetRowStyles().IsEmpty());
    EXPECT_EQ(ValueAt(data, 0, 3, -1), "col");
    EXPECT_EQ(ValueAt(data, 0, 0, -1), "table");
    ASSERT_TRUE(StoreIsSound(data));
    data.DeleteContents();
    EXPECT_EQ(data.GetColCount(), 3u);
    EXPECT_TRUE(data.GetColStyles().IsEmpty());
}

TEST(DataStoreTest, RemovingPastTheLastRowKeepsTheRowsBefore) {
    CGXData data;
    FillRows(data);
    EXPECT_TRUE(data.RemoveRows(3, 7));
    EXPECT_EQ(data.GetRowCount(), 2u);
    EXPECT_EQ(Column1(data), "PQ");
    EXPECT_EQ(data.GetCells().GetSize(), 3);
    EXPECT_TRUE(data.RemoveRows(9, 12));
    EXPECT_EQ(data.GetRowCount(), 2u);
    ASSERT_TRUE(StoreIsSound(data));
}

TEST(DataStoreTest, InsertRemoveAndMoveShiftPointers) {
    CGXData data;
    FillRows(data);
    const CGXStyle* pS = data.GetStoredStyle(4, 1);
    EXPECT_TRUE(data.MoveRows(2, 2, 4));
    EXPECT_EQ(Column1(data), "PRSQT");
    EXPECT_EQ(data.GetStoredStyle(3, 1), pS);
    EXPECT_TRUE(data.MoveRows(4, 5, 1));
    EXPECT_EQ(Column1(data), "QTPRS");
    EXPECT_TRUE(data.InsertRows(2, 2));
    EXPECT_EQ(Column1(data), "Q--TPRS");
    EXPECT_TRUE(data.RemoveRows(1, 3));
    EXPECT_EQ(Column1(data), "TPRS");
    EXPECT_EQ(data.GetStoredStyle(4, 1), pS);
    ASSERT_TRUE(StoreIsSound(data));
    // Columns, in every row's array and the column styles.
    data.StoreStyle(0, 1, Valued("c1"), ModifyMode::Override, -1);
    data.StoreStyle(2, 3, Valued("x"), ModifyMode::Override);
    EXPECT_TRUE(data.InsertCols(1, 2));
    EXPECT_EQ(data.GetColCount(), 5u);
    EXPECT_EQ(ValueAt(data, 1, 3), "T");
    EXPECT_EQ(ValueAt(data, 0, 3, -1), "c1");
    EXPECT_TRUE(data.MoveCols(3, 3, 1));
    EXPECT_EQ(ValueAt(data, 1, 1), "T");
    EXPECT_EQ(ValueAt(data, 0, 1, -1), "c1");
    EXPECT_EQ(ValueAt(data, 2, 5), "x");
    EXPECT_TRUE(data.RemoveCols(1, 4));
    EXPECT_EQ(data.GetColCount(), 1u);
    EXPECT_EQ(ValueAt(data, 2, 1), "x");
    EXPECT_EQ(data.GetCells().GetEntries().GetRuns().size(), 1u);  // only row 2 still has cells
    ASSERT_TRUE(StoreIsSound(data));
}

TEST(DataStoreTest, ReorderTakesThePermutationAndRefusesOthers) {
    CGXData data;
    FillRows(data);
    data.StoreStyle(3, 0, Valued("r3"), ModifyMode::Override, -1);
    CDWordArray order;
    for (DWORD i : {2u, 0u, 1u}) order.Add(i);
    EXPECT_TRUE(data.ReorderRows(CGXRange().SetRows(2, 4), order));
    EXPECT_EQ(Column1(data), "PSQRT");
    EXPECT_EQ(ValueAt(data, 4, 1, -1), "r3");
    ASSERT_TRUE(StoreIsSound(data));
    CDWordArray twice;
    for (DWORD i : {0u, 0u, 1u}) twice.Add(i);
    EXPECT_FALSE(data.ReorderRows(CGXRange().SetRows(2, 4), twice));
    EXPECT_EQ(Column1(data), "PSQRT");
    data.StoreStyle(1, 2, Valued("b"), ModifyMode::Override);
    CDWordArray swap;
    swap.Add(1);
    swap.Add(0);
    EXPECT_TRUE(data.ReorderCols(CGXRange().SetCols(1, 2), swap));
    EXPECT_EQ(ValueAt(data, 1, 1), "b");
    EXPECT_EQ(ValueAt(data, 1, 2), "P");
    ASSERT_TRUE(StoreIsSound(data));
}

TEST(DataStoreTest, AssignCopiesDeeply) {
    CGXData data;
    FillRows(data);
    data.StoreStyle(0, 0, Valued("t"), ModifyMode::Override, -1);
    CGXData copy;
    copy.StoreStyle(9, 9, Valued("gone"), ModifyMode::Override);
    copy.Assign(data);
    EXPECT_EQ(copy.GetRowCount(), 5u);
    EXPECT_EQ(copy.GetColCount(), 1u);
    EXPECT_EQ(Column1(copy), "PQRST");
    EXPECT_NE(copy.GetStoredStyle(1, 1), data.GetStoredStyle(1, 1));
    EXPECT_EQ(ValueAt(copy, 0, 0, -1), "t");
    copy.Assign(copy);
    EXPECT_EQ(Column1(copy), "PQRST");
    ASSERT_TRUE(StoreIsSound(copy));
}

TEST(DataStoreTest, ABillionRowsHoldOnlyWhatIsStored) {
    CGXData data;
    EXPECT_TRUE(data.SetRowCount(1000000000));
    EXPECT_TRUE(data.GetCells().IsEmpty());
    EXPECT_TRUE(data.StoreStyle(1000000000, 2, Valued("far"), ModifyMode::Override));
    EXPECT_TRUE(data.StoreStyle(1, 1000000000, Valued("wide"), ModifyMode::Override));
    EXPECT_TRUE(data.InsertRows(1, 5));
    EXPECT_EQ(ValueAt(data, 1000000005, 2), "far");
    EXPECT_EQ(data.GetCells().GetEntries().GetRuns().size(), 2u);
    EXPECT_TRUE(data.MoveRows(1000000005, 1000000005, 3));
    EXPECT_EQ(ValueAt(data, 3, 2), "far");
    ASSERT_TRUE(StoreIsSound(data));
    // What the arrays cannot hold is refused, and so is a shift that would carry styles there.
    EXPECT_FALSE(data.StoreStyle(0x7FFFFFFF, 1, Valued("no"), ModifyMode::Override));
    EXPECT_TRUE(data.StoreStyle(0x7FFFFFFE, 1, Valued("last"), ModifyMode::Override));
    EXPECT_FALSE(data.InsertRows(1, 1));
    EXPECT_EQ(ValueAt(data, 0x7FFFFFFE, 1), "last");
    EXPECT_TRUE(data.SetRowCount(0xFFFFFFFF));
    EXPECT_FALSE(data.InsertRows(0x80000000, 1));
}
