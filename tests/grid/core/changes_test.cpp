// Covered cells, base styles, the styles map, the properties and data moves: what each stores and
// what each refuses. Their undo and redo, the inverse order of a data move included, are the
// random sequences of undo_test.cpp.
#include "grid/data/pool_invariants.h"
#include "undo_fixture.h"

namespace undo_test {
namespace {

using Changes = UndoFixture;

TEST_F(Changes, CoveredBlocksReplaceTheBlockAtTheirCellAndNeverReachIntoAnother) {
    CGXGridParam& param = *grid.GetParam();
    auto poolIsSound = [&] {
        return pool_checks::CoveredPoolIsSound(*param.GetCoveredCellPool(), *param.GetCoveredCellsList());
    };
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 4, 3));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(6, 1, 6, 5));
    ASSERT_NE(grid.GetCoveredCellsRowCol(4, 3), nullptr);
    EXPECT_EQ(*grid.GetCoveredCellsRowCol(4, 3), CGXRange(2, 2, 4, 3));
    EXPECT_TRUE(poolIsSound());

    // Reaching into another block, inverted or beyond what the pool may index: refused, unchanged.
    const GridState before = Snapshot(grid);
    const int nSteps = UndoList().GetCount();
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(1, 1, 2, 2));
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(3, 3, 5, 5));
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(2, 2, 6, 3));
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(5, 5, 4, 6));
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(1, 7, 0x7FFFFFF0, 9));
    EXPECT_EQ(Snapshot(grid), before);
    EXPECT_EQ(UndoList().GetCount(), nSteps);

    // The block at a cell changes size; a single cell uncovers it, and again does nothing.
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 5, 2));
    EXPECT_EQ(grid.GetCoveredCellsRowCol(4, 3), nullptr);
    EXPECT_EQ(*grid.GetCoveredCellsRowCol(5, 2), CGXRange(2, 2, 5, 2));
    EXPECT_TRUE(poolIsSound());
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 2, 2));
    EXPECT_EQ(grid.GetCoveredCellsRowCol(3, 2), nullptr);
    EXPECT_EQ(param.GetCoveredCellsList()->GetCount(), 1);
    EXPECT_TRUE(poolIsSound());
    const int nAfter = UndoList().GetCount();
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 2, 2));
    EXPECT_EQ(UndoList().GetCount(), nAfter);

    param.SetReadOnly(true);
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(8, 8, 9, 9));
}

TEST_F(Changes, DataMovesTakeOnlyAPermutation) {
    for (ROWCOL nRow = 1; nRow <= 4; ++nRow) SetCellValue(nRow, 2, CString(static_cast<char>('a' + nRow - 1)));
    CDWordArray order;
    for (DWORD n : {2u, 0u, 3u, 1u}) order.Add(n);
    ASSERT_TRUE(grid.MoveDataRows(CGXRange().SetRows(1, 4), order));
    EXPECT_EQ(CellValue(1, 2) + CellValue(2, 2) + CellValue(3, 2) + CellValue(4, 2), "cadb");

    CDWordArray repeated;
    for (DWORD n : {0u, 0u, 1u}) repeated.Add(n);
    EXPECT_FALSE(grid.MoveDataCols(CGXRange().SetCols(1, 3), repeated));
    EXPECT_EQ(UndoList().GetCount(), 1);
}

TEST_F(Changes, BaseStylesAndTheWholeMapAreRefusedWithoutTheirObjectOrId) {
    CGXStyle style;
    style.SetValue("v");
    EXPECT_FALSE(grid.ChangeBaseStyle(0x7777, style));
    // The map's own style given back to it combines as a copy.
    const WORD wStandard = grid.GetStylesMap()->m_wStyleStandard;
    ASSERT_TRUE(grid.ChangeBaseStyle(wStandard, style));
    ASSERT_TRUE(grid.ChangeBaseStyle(wStandard, *grid.GetStandardStyle(), ModifyMode::Exclude));
    EXPECT_FALSE(grid.GetStandardStyle()->GetIncludeValue());

    // Taking the map over finds the standard styles in the new map.
    CGXStylesMap map;
    map.Assign(*grid.GetStylesMap());
    CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(map.LookupStyle(wStandard, pStandard));
    pStandard->SetValue("new");
    ASSERT_TRUE(grid.ChangeStylesMap(map));
    EXPECT_EQ(grid.GetStandardStyle()->GetValue(), "new");
    ASSERT_TRUE(grid.Undo());
    EXPECT_FALSE(grid.GetStandardStyle()->GetIncludeValue());

    UndoGrid bare;
    EXPECT_FALSE(bare.ChangeStylesMap(map));
    EXPECT_FALSE(bare.ChangeProperties(*grid.GetProperties()));
    EXPECT_FALSE(bare.SetCoveredCellsRowCol(1, 1, 2, 2));
    EXPECT_FALSE(bare.MoveDataRows(CGXRange().SetRows(1, 2), CDWordArray()));
}

}  // namespace
}  // namespace undo_test
