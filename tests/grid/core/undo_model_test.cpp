// Random sequences of recorded changes, some of them grouped in blocks, against the states they
// pass through: undoing every step visits those states backwards down to the first, redoing every
// step visits them forwards up to the last.
#include <random>

#include "undo_fixture.h"

namespace undo_test {
namespace {

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
