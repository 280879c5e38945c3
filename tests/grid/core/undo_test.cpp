// The undo and redo lists, their limit, blocks, the mended faults of blocks, commands refused for
// values that do not fit, and the Undo and Redo menu items; and random sequences of recorded
// changes, some of them grouped in blocks, against the states they pass through: undoing every
// step visits those states backwards down to the first, redoing every step visits them forwards
// up to the last.
#include <random>
#include <utility>

#include "platform/framework/cmd_ui.h"
#include "undo_fixture.h"

namespace undo_test {
namespace {

using UndoLists = UndoFixture;

// Undo and redo back and forth, blocks and rollbacks, a new change after an undo: the random
// sequences at the end.

// Undoing a change of size scrolls it into view, a block once, at its end.
TEST_F(UndoLists, ARowHeightComesBackEachTimeAndItsRowIntoView) {
    ASSERT_TRUE(grid.SetRowHeight(19, 0, 40));
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(grid.Undo());
        EXPECT_EQ(grid.GetRowHeight(19), 18);
        EXPECT_LE(grid.GetTopRow(), 19u);
        EXPECT_GE(grid.GetLastVisibleRow(), 19u);
        grid.SetTopRow(1);
        ASSERT_TRUE(grid.Redo());
        EXPECT_EQ(grid.GetRowHeight(19), 40);
        EXPECT_EQ(UndoList().GetCount(), 1);
    }
    grid.BeginTrans();
    ASSERT_TRUE(grid.SetColWidth(2, 0, 20));
    ASSERT_TRUE(grid.SetRowHeight(18, 0, 30));
    grid.CommitTrans();
    grid.SetTopRow(1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.GetTopRow(), 1u);  // the last change undone is the width of column 2
}

TEST_F(UndoLists, TheLimitDropsTheOldestBeforeAddingSoThatTheListHoldsOneMore) {
    for (int i = 1; i <= 600; ++i) ASSERT_TRUE(grid.SetCounter(i));
    EXPECT_EQ(UndoList().GetCount(), 513);
    int nUndone = 0;
    while (grid.Undo()) ++nUndone;
    EXPECT_EQ(nUndone, 513);
    EXPECT_EQ(grid.m_nCounter, 600 - 513);
}

TEST_F(UndoLists, ACommandThatFailsStaysAtTheHeadOfItsList) {
    ASSERT_TRUE(grid.SetCounter(1));
    ASSERT_TRUE(grid.SetCounter(2));
    grid.m_bRefuseCounter = true;
    EXPECT_FALSE(grid.Undo());
    EXPECT_EQ(UndoList().GetCount(), 2);
    EXPECT_EQ(static_cast<CounterCmd*>(UndoList().GetHead())->m_nValue, 1);
    EXPECT_EQ(RedoList().GetCount(), 0);
    grid.m_bRefuseCounter = false;
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.m_nCounter, 1);
}

TEST_F(UndoLists, UndoWorksOnAReadOnlyGridAndKeepsItsLock) {
    const CString strBefore = grid.GetStandardStyle()->GetValue();
    CGXStyle style;
    ASSERT_TRUE(grid.ChangeBaseStyle(grid.GetStylesMap()->m_wStyleStandard, style.SetValue("x")));
    grid.GetParam()->SetReadOnly(true);
    ASSERT_TRUE(grid.IsReadOnly());
    EXPECT_FALSE(grid.ChangeBaseStyle(grid.GetStylesMap()->m_wStyleStandard, style.SetValue("y")));
    // Rows and columns are locked as well.
    EXPECT_FALSE(grid.InsertRows(2, 1));
    EXPECT_FALSE(grid.MoveRows(2, 2, 4));
    EXPECT_FALSE(grid.SetColCount(2));
    EXPECT_EQ(grid.GetRowCount(), 20u);
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(grid.GetStandardStyle()->GetValue(), strBefore);
    EXPECT_TRUE(grid.GetParam()->IsLockReadOnly());
    EXPECT_TRUE(grid.Redo());
    EXPECT_EQ(grid.GetStandardStyle()->GetValue(), "x");
}

// The opposite command remembers the cell that was current when the change was undone.
TEST_F(UndoLists, RedoMakesTheRecordedCurrentCellCurrentAgain) {
    grid.SetCurrentCell(4, 3);
    ASSERT_TRUE(grid.SetCounter(1));
    grid.SetCurrentCell(9, 8);
    ASSERT_TRUE(grid.Undo());
    grid.SetCurrentCell(1, 1);
    ASSERT_TRUE(grid.Redo());
    EXPECT_TRUE(grid.m_bCurrentCell);
    EXPECT_EQ(std::make_pair(grid.m_nCurrentRow, grid.m_nCurrentCol), std::make_pair(ROWCOL{9}, ROWCOL{8}));
}

TEST_F(UndoLists, WithUndoDisabledNothingIsRecordedAndBlocksOnlyCount) {
    grid.GetParam()->EnableUndo(false);
    grid.BeginTrans("Two");
    grid.BeginTrans();
    ASSERT_TRUE(grid.SetCounter(1));
    EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 2u);
    grid.CommitTrans();
    grid.CommitTrans();
    EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 0u);
    EXPECT_TRUE(UndoList().IsEmpty());
    EXPECT_FALSE(grid.Undo());
}

using Blocks = UndoFixture;

TEST_F(Blocks, ANestedBlockIsOneStepNamedBothWaysAndAnEmptyOneIsNone) {
    grid.BeginTrans("Both");
    grid.BeginTrans();  // nested: counts only
    ASSERT_TRUE(grid.SetCounter(1));
    grid.CommitTrans();
    ASSERT_TRUE(grid.SetCounter(2));
    grid.CommitTrans();
    ASSERT_EQ(UndoList().GetCount(), 1);
    EXPECT_EQ(UndoList().GetHead()->GetDescription(), "Both");
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(RedoList().GetHead()->GetDescription(), "Both");
    grid.BeginTrans("Nothing");
    grid.CommitTrans();
    EXPECT_TRUE(UndoList().IsEmpty());
    grid.Rollback();  // nothing begun: nothing happens
    EXPECT_EQ(RedoList().GetCount(), 1);
    EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 0u);
}

// A block whose command fails half way takes back what ran, so that neither the grid nor the
// lists change; a second undo then applies every command once. Rows of data in a three-cycle show
// a move applied twice.
TEST_F(Blocks, AFailedBlockTakesBackWhatRanAndStaysOnItsList) {
    SetCellValue(1, 1, "a");
    SetCellValue(2, 1, "b");
    SetCellValue(3, 1, "c");
    CDWordArray cycle;
    for (DWORD n : {1u, 2u, 0u}) cycle.Add(n);
    const CGXRange rows = CGXRange().SetRows(1, 3);
    grid.BeginTrans();
    ASSERT_TRUE(grid.SetCounter(1));
    ASSERT_TRUE(grid.MoveDataRows(rows, cycle));  // runs first when undone
    grid.CommitTrans();
    const GridState after = Snapshot(grid);

    for (UINT nFail = 0; nFail < 2; ++nFail) {
        grid.m_bRefuseCounter = true;
        EXPECT_FALSE(grid.Undo());
        EXPECT_EQ(Snapshot(grid), after);
        EXPECT_EQ(UndoList().GetCount(), 1);
        EXPECT_TRUE(RedoList().IsEmpty());
    }
    grid.m_bRefuseCounter = false;
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(CellValue(1, 1) + CellValue(2, 1) + CellValue(3, 1), "abc");
    EXPECT_EQ(grid.m_nCounter, 0);

    // The same for a redo that fails.
    const GridState before = Snapshot(grid);
    grid.m_bRefuseCounter = true;
    EXPECT_FALSE(grid.Redo());
    EXPECT_EQ(Snapshot(grid), before);
    EXPECT_TRUE(UndoList().IsEmpty());
    EXPECT_EQ(RedoList().GetCount(), 1);
    grid.m_bRefuseCounter = false;
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(Snapshot(grid), after);
}

// A depth begun while recording was off has no block: commands recorded once it is on again are
// steps of their own, and neither committing nor rolling back touches the block before them.
TEST_F(Blocks, OnlyTheBlockThatWasBegunReceivesCommandsAndIsRolledBack) {
    grid.BeginTrans("Earlier");
    ASSERT_TRUE(grid.SetCounter(1));
    grid.CommitTrans();

    grid.GetParam()->EnableUndo(false);
    grid.BeginTrans();
    grid.GetParam()->EnableUndo(true);
    ASSERT_TRUE(grid.SetCounter(2));
    EXPECT_EQ(UndoList().GetCount(), 2);
    EXPECT_EQ(static_cast<CGXBlockCmd*>(UndoList().GetTail())->GetCommands().GetCount(), 1);
    grid.Rollback();
    EXPECT_EQ(grid.m_nCounter, 2);
    EXPECT_EQ(UndoList().GetCount(), 2);

    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.m_nCounter, 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.m_nCounter, 0);
}

// Undoing the open block itself: the depth goes on, but nothing goes into the deleted block.
TEST_F(Blocks, UndoingTheOpenBlockLeavesNoBlockToReceiveCommands) {
    grid.BeginTrans("Open");
    ASSERT_TRUE(grid.SetCounter(1));
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.m_pTransBlock, nullptr);
    ASSERT_TRUE(grid.SetCounter(2));
    grid.CommitTrans();
    ASSERT_EQ(UndoList().GetCount(), 1);
    EXPECT_EQ(UndoList().GetHead()->GetDescription(), "Counter");
}

// ----- descriptions and menu items

// Arrays shorter than their rows, and commands without their object, are refused before the
// grid reads beyond them.
TEST_F(UndoLists, CommandsWhoseValuesDoNotFitTheirRowsAreRefused) {
    EXPECT_FALSE(CGXSetRowHeightCmd(1, 3, std::vector<int>{20, 20}).Execute(grid, gxNoRecord));
    EXPECT_FALSE(CGXHideColsCmd(2, 1, std::vector<bool>{true}).Execute(grid, gxNoRecord));
    EXPECT_FALSE(CGXInsertRowsCmd(1, 3, std::vector<int>{20}, CGXStyleArray{}, CGXStyleArray{}, 0)
                     .Execute(grid, gxNoRecord));
    EXPECT_FALSE(CGXChangeStylesMapCmd(nullptr).Execute(grid, gxNoRecord));
    EXPECT_FALSE(CGXChangeBaseStyleCmd(0, nullptr, "x").Execute(grid, gxNoRecord));
}

using MenuItems = UndoFixture;

// Menu command ids of these tests, each with its own label format.
enum : UINT { kIdDefault = 0xE100, kIdResource, kIdOwnText, kIdButton, kIdNoParam };

TEST_F(MenuItems, TheLabelNamesTheMostRecentStepInTheFormatFoundFirst) {
    static const AFX_STRING_RESOURCE kStrings[] = {{kIdResource, "Undo the last step\nTake back %1 (%1)"}};
    static int tag = 0;
    CStringTableRegistration strings(reinterpret_cast<HMODULE>(&tag), kStrings);

    ASSERT_TRUE(grid.SetCoveredCellsRowCol(1, 1, 2, 2));
    CCmdUI byDefault(kIdDefault, true);
    grid.OnUpdateEditUndo(&byDefault);
    EXPECT_TRUE(byDefault.m_bEnabled);
    EXPECT_EQ(byDefault.m_strText, "Undo Cover Cells");

    CCmdUI byResource(kIdResource, true, "ignored");
    grid.OnUpdateEditUndo(&byResource);
    EXPECT_EQ(byResource.m_strText, "Take back Cover Cells (Cover Cells)");

    // The item's own text is the format the first time; then it shows a label, not a format.
    CCmdUI ownText(kIdOwnText, true, "&Redo %1\tCtrl+Y");
    grid.OnUpdateEditRedo(&ownText);
    EXPECT_FALSE(ownText.m_bEnabled);
    EXPECT_EQ(ownText.m_strText, "&Redo \tCtrl+Y");
    ASSERT_TRUE(grid.Undo());
    grid.OnUpdateEditRedo(&ownText);
    EXPECT_TRUE(ownText.m_bEnabled);
    EXPECT_EQ(ownText.m_strText, "&Redo Cover Cells\tCtrl+Y");

    grid.OnUpdateEditUndo(&byDefault);
    EXPECT_FALSE(byDefault.m_bEnabled);
    EXPECT_EQ(byDefault.m_strText, "Undo ");
}

TEST_F(MenuItems, AButtonIsOnlyEnabledAndAGridWithoutParametersDisablesTheItem) {
    ASSERT_TRUE(grid.SetCounter(1));
    CCmdUI button(kIdButton, false, "Undo");
    grid.OnUpdateEditUndo(&button);
    EXPECT_TRUE(button.m_bEnabled);
    EXPECT_EQ(button.m_strText, "Undo");

    UndoGrid bare;
    CCmdUI item(kIdNoParam, true, "Undo %1");
    bare.OnUpdateEditUndo(&item);
    EXPECT_FALSE(item.m_bEnabled);
    EXPECT_EQ(item.m_strText, "Undo %1");
    EXPECT_FALSE(bare.Undo());
    bare.BeginTrans();
    bare.AddCommand(new CounterCmd(1), gxDo);
}

// ----- random sequences against the states they pass through

struct UndoModel : UndoFixture {
    std::mt19937 rng;

    int Pick(int nFrom, int nTo) { return std::uniform_int_distribution<int>(nFrom, nTo)(rng); }
    ROWCOL PickRC(int nFrom, int nTo) { return static_cast<ROWCOL>(Pick(nFrom, nTo)); }

    // One random change through a recording operation; refusals are part of the sequence.
    void RandomChange() {
        switch (Pick(0, 11)) {
            case 0:
                grid.SetCounter(Pick(0, 9));
                break;
            case 1: {
                const ROWCOL nRow = PickRC(1, 8), nCol = PickRC(1, 6);
                const bool bUncover = Pick(0, 3) == 0;
                grid.SetCoveredCellsRowCol(nRow, nCol, bUncover ? nRow : nRow + PickRC(0, 2),
                                           bUncover ? nCol : nCol + PickRC(0, 2));
                break;
            }
            case 2: {
                CGXStyle style;
                style.SetValue(CString(static_cast<char>('a' + Pick(0, 25))));
                if (Pick(0, 1) == 0) style.SetHorizontalAlignment(static_cast<DWORD>(Pick(0, 2)));
                const ModifyMode mode = static_cast<ModifyMode>(Pick(0, 3));
                grid.ChangeBaseStyle(static_cast<WORD>(Pick(0, 3)), style, mode);
                break;
            }
            case 3:
            case 4: {
                // A permutation of a few rows (columns) from a random first one.
                const int nCount = Pick(1, 4);
                CDWordArray order;
                for (int i = 0; i < nCount; ++i) order.Add(static_cast<DWORD>(i));
                std::shuffle(order.GetData(), order.GetData() + nCount, rng);
                const ROWCOL nFirst = PickRC(1, 6);
                if (Pick(0, 1) == 0) grid.MoveDataRows(CGXRange().SetRows(nFirst, nFirst + nCount - 1), order);
                else grid.MoveDataCols(CGXRange().SetCols(nFirst, nFirst + nCount - 1), order);
                break;
            }
            case 5: {
                CGXProperties properties(*grid.GetProperties());
                properties.SetColor(Pick(0, 4), static_cast<COLORREF>(Pick(0, 0xFFFFFF)));
                grid.ChangeProperties(properties);
                break;
            }
            case 6: {
                CGXStylesMap map;
                map.Assign(*grid.GetStylesMap());
                map.RegisterStyle(CString("Extra ") + CString(static_cast<char>('0' + Pick(0, 9))),
                                  CGXStyle().SetValue("extra"), false);
                grid.ChangeStylesMap(map);
                break;
            }
            case 7: {
                const ROWCOL nFirst = PickRC(0, 12), nLast = Pick(0, 2) == 0 ? 0 : nFirst + PickRC(0, 3);
                if (Pick(0, 1) == 0) grid.SetRowHeight(nFirst, nLast, Pick(1, 40));
                else grid.SetColWidth(nFirst, nLast, Pick(1, 150));
                break;
            }
            case 8: {
                const ROWCOL nFirst = PickRC(1, 12), nLast = nFirst + PickRC(0, 3);
                if (Pick(0, 1) == 0) grid.HideRows(nFirst, nLast, Pick(0, 2) != 0);
                else grid.HideCols(nFirst, nLast, Pick(0, 2) != 0);
                break;
            }
            case 9:
                if (Pick(0, 1) == 0) grid.SetDefaultRowHeight(Pick(0, 40));
                else grid.SetDefaultColWidth(Pick(0, 150));
                break;
            case 10:
            case 11: {
                const ROWCOL nFrozen = PickRC(0, 3), nHeaders = PickRC(0, nFrozen);
                if (Pick(0, 1) == 0) grid.SetFrozenRows(nFrozen, nHeaders);
                else grid.SetFrozenCols(nFrozen, nHeaders);
                break;
            }
        }
    }
};

TEST_F(UndoModel, UndoingEveryStepVisitsTheStatesBackwardsAndRedoingForwards) {
    grid.GetStylesMap()->RegisterStyle("Base", CGXStyle().SetValue("base"), false);
    for (ROWCOL nRow = 1; nRow <= 10; ++nRow)
        for (ROWCOL nCol = 1; nCol <= 8; nCol += 3) SetCellValue(nRow, nCol, CString(static_cast<char>('A' + nRow)));

    for (unsigned nSeed = 1; nSeed <= 20; ++nSeed) {
        rng.seed(nSeed);
        grid.GetParam()->EmptyUndoList();
        grid.GetParam()->EmptyRedoList();
        std::vector<GridState> states{Snapshot(grid)};
        for (int nStep = 0; nStep < 40; ++nStep) {
            // Steps of one change or a block of several; a block that received nothing is none.
            const bool bBlock = Pick(0, 4) == 0;
            if (bBlock) grid.BeginTrans("Random block");
            for (int n = bBlock ? Pick(0, 4) : 1; n > 0; --n) RandomChange();
            if (bBlock && Pick(0, 5) == 0) grid.Rollback();
            else if (bBlock) grid.CommitTrans();
            const GridState state = Snapshot(grid);
            if (static_cast<size_t>(UndoList().GetCount()) == states.size()) states.push_back(state);
            else ASSERT_EQ(state, states.back()) << "seed " << nSeed << ", step " << nStep << ": changed unrecorded";
        }
        for (size_t i = states.size() - 1; i > 0; --i) {
            ASSERT_TRUE(grid.Undo()) << "seed " << nSeed;
            ASSERT_EQ(Snapshot(grid), states[i - 1]) << "seed " << nSeed << ", undoing to state " << i - 1;
        }
        EXPECT_FALSE(grid.Undo());
        for (size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(grid.Redo()) << "seed " << nSeed;
            ASSERT_EQ(Snapshot(grid), states[i]) << "seed " << nSeed << ", redoing to state " << i;
        }
        EXPECT_FALSE(grid.Redo());
    }
}

}  // namespace
}  // namespace undo_test
