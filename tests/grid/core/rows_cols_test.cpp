// Inserting, removing and moving rows and columns: what follows the rows (top row, current cell,
// covered and merged cells, the selection, heights, hidden flags and styles), undo and redo,
// refusals that must leave no trace, what is redrawn; and random sequences of all of them with
// undo and redo against a model of which original row and column each line holds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "grid/controls/control.h"
#include "platform/framework/wnd.h"
#include "platform/win/window.h"
#include "undo_fixture.h"

namespace {

// Answers the question before a change too large to undo, and may refuse to remove rows.
struct RowsGrid : undo_test::UndoGrid {
    bool bGoOnWithoutUndo = false;
    int nAsked = 0;
    bool bRefuseRemove = false;
    bool ConfirmChangeWithoutUndo() override {
        ++nAsked;
        return bGoOnWithoutUndo;
    }
    bool StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo, bool bForce) override {
        return !bRefuseRemove && CGXGridCore::StoreRemoveRows(nFrom, nTo, bForce);
    }
    int nScrollbarUpdates = 0;
    void UpdateScrollbars(bool, bool) override { ++nScrollbarUpdates; }
};

// 20 rows and 6 columns; cell (r, c) holds "r.c", so that every cell (the row headers too) tells
// where it came from.
struct RowsColsTest : undo_test::UndoFixtureOf<RowsGrid> {
    void SetUp() override {
        UndoFixtureOf::SetUp();
        grid.GetData()->SetColCount(6);
        for (ROWCOL r = 1; r <= 20; ++r)
            for (ROWCOL c = 0; c <= 6; ++c) SetCellValue(r, c, Text(int(r), int(c)).c_str());
    }
    static std::string Text(int r, int c) { return std::to_string(r) + "." + std::to_string(c); }
    std::string Value(ROWCOL r, ROWCOL c) { return std::string(CellValue(r, c)); }
    std::string Covered() {
        std::string s;
        const CGXRangeList& list = *grid.GetParam()->GetCoveredCellsList();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CGXRange& r = *list.GetNext(pos);
            s += std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) + "," +
                 std::to_string(r.right) + " ";
        }
        return s;
    }
};

}  // namespace

// ---- arguments ------------------------------------------------------------------------------------

// A covered block in the rows a move would tear apart: none of these may leave a block open.
TEST_F(RowsColsTest, AbsurdArgumentsAreRefusedAndChangeNothing) {
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(3, 1, 4, 2));
    const undo_test::GridState before = undo_test::Snapshot(grid);
    struct Case {
        const char* name;
        bool (*call)(CGXGridCore&);
    } cases[] = {
        {"insert no rows", [](CGXGridCore& g) { return g.InsertRows(3, 0); }},
        {"insert beyond the end", [](CGXGridCore& g) { return g.InsertRows(22, 1); }},
        {"insert past the last row number", [](CGXGridCore& g) { return g.InsertRows(5, GX_INVALID - 20); }},
        {"insert columns past the last number", [](CGXGridCore& g) { return g.InsertCols(2, GX_INVALID - 3); }},
        {"remove the first after the last", [](CGXGridCore& g) { return g.RemoveRows(5, 3); }},
        {"remove columns backwards", [](CGXGridCore& g) { return g.RemoveCols(4, 2); }},
        {"move to the header row", [](CGXGridCore& g) { return g.MoveRows(3, 4, 0); }},
        {"move backwards", [](CGXGridCore& g) { return g.MoveRows(4, 3, 8); }},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.call(grid)) << c.name;
        EXPECT_EQ(undo_test::Snapshot(grid), before) << c.name;
        EXPECT_EQ(UndoList().GetCount(), 1) << c.name;
        EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 0u) << c.name;
    }
}

// ---- inserting ------------------------------------------------------------------------------------

TEST_F(RowsColsTest, InsertingAboveTheTopRowKeepsTheSameRowsOnScreen) {
    grid.SetTopRow(10, GX_INVALIDATE);
    ASSERT_TRUE(grid.InsertRows(4, 2));
    EXPECT_EQ(grid.GetTopRow(), 12u);
    EXPECT_EQ(Value(grid.GetTopRow(), 1), "10.1");
    // At the top row itself the new rows come into view.
    ASSERT_TRUE(grid.InsertRows(12, 1));
    EXPECT_EQ(grid.GetTopRow(), 12u);
    EXPECT_EQ(Value(13, 1), "10.1");
    // Left columns alike.
    grid.SetLeftCol(4, GX_INVALIDATE);
    ASSERT_TRUE(grid.InsertCols(2, 3));
    EXPECT_EQ(grid.GetLeftCol(), 7u);
    EXPECT_EQ(Value(13, 7), "10.4");
}

namespace {
// A control holding an edit of the current cell, which it may refuse to store.
struct EditControl : CGXControl {
    using CGXControl::CGXControl;
    bool bActive = false, bModified = false, bStoreOk = true;
    void SetActive(bool b) override { bActive = b; }
    bool IsActive() override { return bActive; }
    void SetModify(bool b) override { bModified = b; }
    bool GetModify() override { return bModified; }
    bool Store() override { return bStoreOk; }
};
}  // namespace

// The current cell follows its row, its control with it, and goes with its row.
TEST_F(RowsColsTest, APendingEditIsStoredFirstAndTheCurrentCellFollowsItsRow) {
    auto* pControl = new EditControl(&grid);
    grid.RegisterControl(1, pControl, true, false);
    ASSERT_TRUE(grid.SetCurrentCell(5, 2));
    pControl->bActive = pControl->bModified = true;
    pControl->bStoreOk = false;
    EXPECT_FALSE(grid.InsertRows(2, 1));
    EXPECT_FALSE(grid.RemoveRows(5, 5));
    EXPECT_FALSE(grid.MoveCols(1, 1, 3));
    EXPECT_EQ(grid.GetRowCount(), 20u);
    EXPECT_TRUE(UndoList().IsEmpty());
    pControl->bStoreOk = true;
    ASSERT_TRUE(grid.InsertRows(2, 3));
    EXPECT_TRUE(pControl->IsInit(8, 2));
    EXPECT_FALSE(pControl->bModified);
    ASSERT_TRUE(grid.MoveRows(8, 8, 2));
    ASSERT_TRUE(grid.InsertCols(1, 1));
    EXPECT_TRUE(pControl->IsInit(2, 3));
    EXPECT_EQ(Value(grid.m_nCurrentRow, grid.m_nCurrentCol), "5.2");
    ASSERT_TRUE(grid.RemoveRows(2, 2));
    EXPECT_FALSE(grid.IsCurrentCell());
    EXPECT_FALSE(pControl->IsInit());
}

// ---- removing -------------------------------------------------------------------------------------

TEST_F(RowsColsTest, RemovedRowsUncoverWhatTheyStartAndShortenWhatTheyEnd) {
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(3, 1, 5, 2));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(8, 1, 12, 3));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(14, 4, 18, 4));
    ASSERT_TRUE(grid.RemoveRows(4, 9));
    EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 0u);  // the block of the removal is closed
    // The first ends in the removed rows, the second starts there, the third lies below.
    EXPECT_EQ(Covered(), "8,4-12,4 3,1-3,2 ");
    EXPECT_EQ(grid.GetCoveredCellsRowCol(3, 2), grid.GetCoveredCellsRowCol(3, 1));
    EXPECT_EQ(grid.GetCoveredCellsRowCol(4, 1), nullptr);
    EXPECT_NE(grid.GetCoveredCellsRowCol(12, 4), nullptr);
    // One step undoes the removal with its covered cells.
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Covered(), "14,4-18,4 8,1-12,3 3,1-5,2 ");
    EXPECT_EQ(grid.GetCoveredCellsRowCol(11, 2)->top, 8u);
    EXPECT_EQ(UndoList().GetCount(), 3);  // the three coverings
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(Covered(), "8,4-12,4 3,1-3,2 ");
}

TEST_F(RowsColsTest, ARefusedRemovalPutsBackWhatItCutAndSaysSo) {
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 1, 5, 2));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(6, 3, 8, 3));
    const int nSteps = UndoList().GetCount();
    grid.bRefuseRemove = true;
    EXPECT_FALSE(grid.RemoveRows(4, 7));
    EXPECT_EQ(Covered(), "2,1-5,2 6,3-8,3 ");
    EXPECT_EQ(grid.GetCoveredCellsRowCol(7, 3)->top, 6u);
    EXPECT_FALSE(grid.SetRowCount(3));
    EXPECT_EQ(grid.GetRowCount(), 20u);
    EXPECT_EQ(UndoList().GetCount(), nSteps);
    EXPECT_EQ(grid.GetParam()->GetTransactionDepth(), 0u);
}

TEST_F(RowsColsTest, GoingOnWithoutUndoForgetsTheStepsWhoseRowsNoLongerFit) {
    SetCellValue(5, 40000, "far");  // cells that would have to be kept reach column 40000
    ASSERT_TRUE(grid.SetRowHeight(9, 9, 25));
    ASSERT_TRUE(grid.SetRowHeight(9, 9, 26));
    ASSERT_TRUE(grid.Undo());
    // Cancel keeps everything.
    EXPECT_FALSE(grid.RemoveRows(5, 5));
    EXPECT_EQ(grid.nAsked, 1);
    EXPECT_EQ(Value(5, 40000), "far");
    EXPECT_EQ(UndoList().GetCount(), 1);
    grid.bGoOnWithoutUndo = true;
    ASSERT_TRUE(grid.RemoveRows(5, 5));
    EXPECT_EQ(grid.GetRowHeight(8), 25);
    EXPECT_TRUE(UndoList().IsEmpty());
    EXPECT_TRUE(RedoList().IsEmpty());
    EXPECT_FALSE(grid.Undo());
    EXPECT_EQ(grid.GetRowHeight(8), 25);
}

TEST_F(RowsColsTest, RemovingRowsNeverPutsTheTopRowAtAFrozenRow) {
    ASSERT_TRUE(grid.SetFrozenRows(3, 0));
    grid.SetTopRow(8, GX_INVALIDATE);
    ASSERT_TRUE(grid.RemoveRows(3, 10));
    EXPECT_EQ(grid.GetTopRow(), 4u);
    // Removed rows above the top row keep the rows in view; beyond the new count it comes back.
    grid.SetTopRow(9, GX_INVALIDATE);
    ASSERT_TRUE(grid.RemoveRows(5, 6));
    EXPECT_EQ(grid.GetTopRow(), 7u);
    ASSERT_TRUE(grid.SetRowCount(5));
    EXPECT_EQ(grid.GetTopRow(), 5u);
}

// ---- moving ---------------------------------------------------------------------------------------

TEST_F(RowsColsTest, ACoveredRangeAMoveTearsApartComesBackWithTheUndo) {
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(4, 1, 6, 2));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(9, 3, 10, 3));
    ASSERT_TRUE(grid.MoveRows(5, 5, 12));
    // The first lost a row to the move; the second moved up whole.
    EXPECT_EQ(Covered(), "8,3-9,3 ");
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Covered(), "9,3-10,3 4,1-6,2 ");
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(Covered(), "8,3-9,3 ");
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.GetCoveredCellsRowCol(6, 2)->top, 4u);
}

// ---- the selection and merged cells ---------------------------------------------------------------

TEST_F(RowsColsTest, SelectedRangesFollowTheirRows) {
    CGXRangeList& sel = *grid.GetParam()->GetRangeList();
    sel.AddTail(new CGXRange(3, 1, 6, 2));
    sel.AddTail(new CGXRange(CGXRange().SetRows(10, 11)));
    sel.AddTail(new CGXRange(CGXRange().SetCols(2, 3)));
    ASSERT_TRUE(grid.InsertRows(5, 2));   // grows the first, shifts the second
    ASSERT_TRUE(grid.RemoveRows(12, 12));  // cuts the second
    ASSERT_TRUE(grid.InsertCols(1, 1));   // shifts the first and the columns
    std::vector<CGXRange> got;
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr;) got.push_back(*sel.GetNext(pos));
    EXPECT_EQ(got, (std::vector<CGXRange>{CGXRange(3, 2, 8, 3), CGXRange().SetRows(12, 12), CGXRange().SetCols(3, 4)}));
    // A range a move tears apart is no longer what the user selected.
    ASSERT_TRUE(grid.MoveRows(4, 4, 15));
    EXPECT_EQ(sel.GetCount(), 2);
}

TEST_F(RowsColsTest, MergedRunsMoveWithTheirRowsAndJoinWhereRowsCloseUp) {
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    CGXStyle merge;
    merge.SetMergeCell(2).SetValue("same");
    for (ROWCOL r : {3, 4, 5}) grid.GetData()->StoreStyle(r, 2, merge, ModifyMode::Override);
    grid.EvalMergeCells(CGXRange(1, 1, 20, 6));
    CGXRange run;
    ASSERT_TRUE(grid.GetMergedCellsRowCol(4, 2, run, gxnMergeVertical));
    EXPECT_EQ(run, CGXRange(3, 2, 5, 2));
    // Pushed down by two, then split by an empty row.
    ASSERT_TRUE(grid.InsertRows(1, 2));
    ASSERT_TRUE(grid.GetMergedCellsRowCol(5, 2, run, gxnMergeVertical));
    EXPECT_EQ(run, CGXRange(5, 2, 7, 2));
    ASSERT_TRUE(grid.InsertRows(7, 1));
    EXPECT_FALSE(grid.GetMergedCellsRowCol(7, 2, run, gxnMergeVertical));
    ASSERT_TRUE(grid.GetMergedCellsRowCol(5, 2, run, gxnMergeVertical));
    EXPECT_EQ(run, CGXRange(5, 2, 6, 2));
    // The empty row goes again: the rows close up and merge.
    ASSERT_TRUE(grid.Undo());
    ASSERT_TRUE(grid.GetMergedCellsRowCol(7, 2, run, gxnMergeVertical));
    EXPECT_EQ(run, CGXRange(5, 2, 7, 2));
    // A row moved away from the run leaves it shorter and merges nowhere else.
    ASSERT_TRUE(grid.MoveRows(7, 7, 15));
    ASSERT_TRUE(grid.GetMergedCellsRowCol(5, 2, run, gxnMergeVertical));
    EXPECT_EQ(run, CGXRange(5, 2, 6, 2));
    EXPECT_FALSE(grid.GetMergedCellsRowCol(15, 2, run, gxnMergeVertical));
}

// ---- redrawing ------------------------------------------------------------------------------------

namespace {
bool IsInvalid(CWnd& wnd, CPoint pt) {
    std::vector<RECT> rects;
    ::GetUpdateRects(wnd.GetSafeHwnd(), rects);
    for (const RECT& r : rects)
        if (CRect(r).PtInRect(pt)) return true;
    return false;
}
}  // namespace

// Row 3 lies from y 54 to 72; the header column is wider than 30 pixels.
TEST_F(RowsColsTest, ScrollingRedrawsTheInsertedRowsAndTheRenumberedHeadersOnly) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, 0));
    grid.SetGridWnd(&wnd);
    wnd.ValidateRect(nullptr);
    ASSERT_TRUE(grid.InsertRows(3, 1, nullptr, nullptr, nullptr, 0, GX_SMART));
    EXPECT_EQ(grid.nScrollbarUpdates, 1);
    EXPECT_TRUE(IsInvalid(wnd, CPoint(200, 60)));    // the new row 3
    EXPECT_TRUE(IsInvalid(wnd, CPoint(30, 200)));    // a header below it, renumbered
    EXPECT_FALSE(IsInvalid(wnd, CPoint(200, 200)));  // a cell that only moved down
    EXPECT_FALSE(IsInvalid(wnd, CPoint(200, 40)));   // a row above
    wnd.ValidateRect(nullptr);
    ASSERT_TRUE(grid.RemoveRows(3, 3, GX_SMART));
    EXPECT_TRUE(IsInvalid(wnd, CPoint(200, 295)));  // what scrolled in at the bottom
    EXPECT_TRUE(IsInvalid(wnd, CPoint(30, 200)));
    EXPECT_FALSE(IsInvalid(wnd, CPoint(200, 200)));
    // Without numbered headers the headers below only move; without scrolling all is redrawn.
    grid.GetParam()->SetNumberedRowHeaders(false);
    wnd.ValidateRect(nullptr);
    ASSERT_TRUE(grid.InsertRows(3, 1, nullptr, nullptr, nullptr, 0, GX_SMART));
    EXPECT_FALSE(IsInvalid(wnd, CPoint(30, 200)));
    ASSERT_TRUE(grid.RemoveRows(3, 3, GX_REDRAWLATER));
    EXPECT_TRUE(IsInvalid(wnd, CPoint(200, 200)));
    EXPECT_TRUE(IsInvalid(wnd, CPoint(200, 40)));
    // The scroll bars follow the count when the change scrolls or paints at once.
    EXPECT_EQ(grid.nScrollbarUpdates, 3);
    ASSERT_TRUE(grid.MoveRows(3, 4, 8, GX_SMART));
    ASSERT_TRUE(grid.InsertRows(3, 1, nullptr, nullptr, nullptr, 0, GX_INVALIDATE));
    EXPECT_EQ(grid.nScrollbarUpdates, 3);
    grid.SetGridWnd(nullptr);
}

// ---- random sequences against a model -------------------------------------------------------------

namespace {

// Which original row (column) each line holds, 0 for a new one; entry 0 is the header.
struct Model {
    std::vector<int> rows, cols;
};

// Original row i has its own height 10 + i, every third a row style, every fifth is hidden;
// original column j has its own width 40 + j.
struct RowsColsModel : RowsColsTest, ::testing::WithParamInterface<unsigned> {
    std::mt19937 rng{GetParam()};
    Model model;
    std::vector<Model> undone, redone;  // what an undo and a redo go back to

    void SetUp() override {
        RowsColsTest::SetUp();
        for (int i = 0; i <= 20; ++i) model.rows.push_back(i);
        for (int j = 0; j <= 6; ++j) model.cols.push_back(j);
        for (ROWCOL r = 1; r <= 20; ++r) {
            grid.StoreRowHeight(r, 10 + int(r));
            grid.StoreHideRow(r, r % 5 == 0);
            if (r % 3 == 0) grid.GetData()->StoreStyle(r, 0, CGXStyle().SetTextColor(r), ModifyMode::Override, gxRangeStyle);
        }
        for (ROWCOL c = 1; c <= 6; ++c) grid.StoreColWidth(c, 40 + int(c));
    }
    int Pick(int nFrom, int nTo) { return std::uniform_int_distribution<int>(nFrom, nTo)(rng); }

    void Check() {
        ASSERT_EQ(grid.GetRowCount() + 1, model.rows.size());
        ASSERT_EQ(grid.GetColCount() + 1, model.cols.size());
        for (ROWCOL r = 1; r < model.rows.size(); ++r) {
            const int i = model.rows[r];
            EXPECT_EQ(grid.GetRowHeight(r), i == 0 ? 18 : i % 5 == 0 ? 0 : 10 + i) << r;
            EXPECT_EQ(grid.GetData()->GetStoredStyle(r, 0, gxRangeStyle) != nullptr, i != 0 && i % 3 == 0) << r;
            for (ROWCOL c = 0; c < model.cols.size(); ++c) {
                const int j = model.cols[c];
                EXPECT_EQ(Value(r, c), i != 0 && (c == 0 || j != 0) ? Text(i, j) : "") << r << "," << c;
            }
        }
        for (ROWCOL c = 1; c < model.cols.size(); ++c) EXPECT_EQ(grid.GetColWidth(c), model.cols[c] ? 40 + model.cols[c] : 100);
        EXPECT_LE(grid.GetTopRow(), std::max<ROWCOL>(grid.GetRowCount(), 1));
        EXPECT_LE(grid.GetLeftCol(), std::max<ROWCOL>(grid.GetColCount(), 1));
    }

    // One random operation on rows or columns, sometimes with arguments that must be refused; a
    // change the grid takes is made to the model too.
    void Change() {
        const bool bRows = Pick(0, 1) == 0;
        Model changed = model;
        std::vector<int>& lines = bRows ? changed.rows : changed.cols;
        const int n = int(lines.size()) - 1;
        const int a = Pick(0, n + 1), b = a + Pick(-1, 3), d = Pick(1, n + 1), k = b - a + 1;
        bool bDone = false, bExpected = false;
        const int nOp = Pick(0, 3);
        switch (nOp) {
            case 0:  // insert k lines at a
                bDone = bRows ? grid.InsertRows(ROWCOL(a), ROWCOL(k)) : grid.InsertCols(ROWCOL(a), ROWCOL(k));
                bExpected = a >= 1 && k >= 1;
                if (bDone) lines.insert(lines.begin() + a, size_t(k), 0);
                break;
            case 1:  // remove a..b
                bDone = bRows ? grid.RemoveRows(ROWCOL(a), ROWCOL(b)) : grid.RemoveCols(ROWCOL(a), ROWCOL(b));
                bExpected = a >= 1 && a <= b && b <= n;
                if (bDone) lines.erase(lines.begin() + a, lines.begin() + b + 1);
                break;
            case 2:  // move a..b to d
                bDone = bRows ? grid.MoveRows(ROWCOL(a), ROWCOL(b), ROWCOL(d)) : grid.MoveCols(ROWCOL(a), ROWCOL(b), ROWCOL(d));
                bExpected = a >= 1 && a <= b && b <= n && d != a && d + b - a <= n;
                if (bDone) {
                    const std::vector<int> block(lines.begin() + a, lines.begin() + b + 1);
                    lines.erase(lines.begin() + a, lines.begin() + b + 1);
                    lines.insert(lines.begin() + d, block.begin(), block.end());
                }
                break;
            case 3:  // count b (-1: more than a count can hold)
                bDone = bRows ? grid.SetRowCount(ROWCOL(b)) : grid.SetColCount(ROWCOL(b));
                bExpected = b >= 0;
                if (bDone) lines.resize(size_t(b) + 1, 0);
                break;
        }
        EXPECT_EQ(bDone, bExpected);
        if (!bDone || (nOp == 3 && b == n)) return;  // the same count is no step
        undone.push_back(model);
        redone.clear();
        model = changed;
    }

    // Undo (or redo) one step, as the model expects.
    void Back(bool bRedo) {
        std::vector<Model>& from = bRedo ? redone : undone;
        std::vector<Model>& to = bRedo ? undone : redone;
        ASSERT_EQ(bRedo ? grid.Redo() : grid.Undo(), !from.empty());
        if (from.empty()) return;
        to.push_back(model);
        model = from.back();
        from.pop_back();
    }
};

}  // namespace

TEST_P(RowsColsModel, RandomChangesUndosAndRedosKeepEveryRowWithItsContent) {
    for (int nStep = 0; nStep < 150 && !HasFailure(); ++nStep) {
        SCOPED_TRACE("step " + std::to_string(nStep));
        if (Pick(0, 3) == 0) Back(Pick(0, 1) == 0);
        else Change();
        Check();
    }
    // All the way back, and forward again.
    while (!undone.empty() && !HasFailure()) Back(false);
    Check();
    while (!redone.empty() && !HasFailure()) Back(true);
    Check();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RowsColsModel, ::testing::Range(1u, 13u));
