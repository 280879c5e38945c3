// Merged cells: which neighbours merge, the modes and their pools, widening a range, delayed
// evaluation, and random grids against a model that merges by the rules directly.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core_fixture.h"

namespace {

constexpr ROWCOL kSize = 6;

// A grid whose hidden rows a test chooses.
struct MergeGrid : core_test::TestGrid {
    std::set<ROWCOL> hiddenRows;
    bool IsRowHidden(ROWCOL nRow) override { return hiddenRows.count(nRow) != 0 || TestGrid::IsRowHidden(nRow); }
};

std::string Text(ROWCOL top, ROWCOL left, ROWCOL bottom, ROWCOL right) {
    return std::to_string(top) + "," + std::to_string(left) + "-" + std::to_string(bottom) + "," + std::to_string(right);
}

struct MergeTest : ::testing::Test {
    MergeGrid grid;

    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.GetData()->SetRowCount(kSize);
        grid.GetData()->SetColCount(kSize);
        grid.SetMergeCellsMode(gxnMergeEvalOnDisplay);
    }
    void Put(ROWCOL r, ROWCOL c, const std::string& value, unsigned nMerge, bool bBold = false) {
        CGXStyle s;
        s.SetValue(value.c_str()).SetMergeCell(nMerge);
        if (bBold) s.SetFont(CGXFont().SetBold(true));
        ASSERT_TRUE(grid.StoreStyleRowCol(r, c, &s, ModifyMode::Copy));
    }
    bool EvalAll() { return grid.EvalMergeCells(CGXRange().SetTable()); }
    bool EvalCell(ROWCOL r, ROWCOL c, CGXRange* pChanged = nullptr) {
        return grid.EvalMergeCells(CGXRange(r, c, r, c), pChanged);
    }
    // The cell's merged block, or "none".
    std::string Block(ROWCOL r, ROWCOL c, int nDirection = gxnMergeBoth) {
        CGXRange g;
        return grid.GetMergedCellsRowCol(r, c, g, nDirection) ? Text(g.top, g.left, g.bottom, g.right) : "none";
    }
};

}  // namespace

TEST_F(MergeTest, SwitchingTheModeDiscardsTheRunsAndItsBitsForbidADirection) {
    for (ROWCOL r = 1; r <= 2; ++r)
        for (ROWCOL c = 1; c <= 2; ++c) Put(r, c, "x", 3);
    EvalAll();
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay);  // the same mode keeps them
    EXPECT_EQ(Block(2, 2), "1,1-2,2");
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay | gxnMergeNoHorizontal);
    EXPECT_EQ(Block(2, 2), "none");
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    EXPECT_FALSE(grid.CanMergeCell(nullptr, 1, 1, style, gxnMergeHorizontal));
    EXPECT_TRUE(grid.CanMergeCell(nullptr, 1, 1, style, gxnMergeVertical));
    // Off, and the meaningless low bits 3, evaluate nothing.
    for (WORD wMode : {WORD(gxnMergeDisable), WORD(3)}) {
        grid.SetMergeCellsMode(wMode);
        EXPECT_FALSE(EvalAll()) << wMode;
        EXPECT_EQ(Block(2, 2), "none");
    }
}

TEST_F(MergeTest, HiddenRowsAreNoCellsToEvaluateAndALockedGridEvaluatesNothing) {
    // The neighbours of a hidden row still test their pairs with it.
    grid.hiddenRows = {3};
    for (ROWCOL r = 3; r <= 4; ++r)
        for (ROWCOL c = 1; c <= 2; ++c) Put(r, c, "y", 3);
    grid.LockEvalMergeCells(true);
    EXPECT_FALSE(EvalAll());
    grid.LockEvalMergeCells(false);
    EXPECT_TRUE(EvalAll());
    EXPECT_EQ(Block(3, 1, gxnMergeHorizontal), "none");
    EXPECT_EQ(Block(4, 1), "3,1-4,2");
}

TEST_F(MergeTest, WideningTakesHorizontalRunsFirstAndKeepsTheKind) {
    ASSERT_TRUE(grid.SetMergedCellsRowCol(gxnMergeHorizontal, 2, 2, 2, 4));
    ASSERT_TRUE(grid.SetMergedCellsRowCol(gxnMergeVertical, 2, 4, 5, 4));
    EXPECT_FALSE(grid.SetMergedCellsRowCol(2, 2, 2, 2, 4));
    auto widen = [&](CGXRange range) {
        grid.MergeCellsRange(range);
        return range;
    };
    EXPECT_EQ(widen(CGXRange(2, 3, 2, 3)), CGXRange(2, 2, 5, 4));
    EXPECT_EQ(widen(CGXRange(5, 4, 5, 4)), CGXRange(2, 4, 5, 4));  // not as far as the horizontal run
    EXPECT_EQ(widen(CGXRange().SetRows(3, 3)), CGXRange().SetRows(2, 5));
    // Clearing takes the whole run from its first cell.
    EXPECT_TRUE(grid.SetMergedCellsRowCol(gxnMergeVertical, 2, 4, 2, 4, false));
    EXPECT_EQ(Block(5, 4), "none");
}

TEST_F(MergeTest, DelayedModeEvaluatesOnlyPendingCellsAndForgetsThem) {
    for (ROWCOL c = 1; c <= 2; ++c) Put(1, c, "x", 1);
    grid.SetMergeCellsMode(gxnMergeDelayEval);
    CGXDelayedRangePool& pending = *grid.GetParam()->GetDelayedMergeCellsPool();
    EXPECT_TRUE(grid.EvalMergeCells(CGXRange().SetRows(1, 1)));
    EXPECT_EQ(Block(1, 2), "1,1-1,2");
    EXPECT_FALSE(pending.IsCellDelayed(1, 2));
    EXPECT_TRUE(pending.IsCellDelayed(2, 2));
    // A change nobody recorded stays unseen; once recorded it is evaluated and forgotten.
    Put(1, 2, "y", 1);
    EXPECT_FALSE(EvalCell(1, 2));
    grid.DelayMergeCells(CGXRange(1, 2, 1, 2));
    EXPECT_TRUE(EvalCell(1, 2));
    EXPECT_EQ(Block(1, 1), "none");
    // The whole table: every existing cell is done; rows and columns added later stay pending.
    EvalAll();
    EXPECT_FALSE(pending.IsCellDelayed(kSize, kSize));
    EXPECT_TRUE(pending.IsCellDelayed(kSize + 1, 1));
    EXPECT_TRUE(pending.IsCellDelayed(1, kSize + 1));
}

// Random grids: after evaluating the table, and after re-evaluating only the cells that changed,
// every cell's runs are the model's: maximal sequences of neighbours each pair of which merges.
// Values differ in case, some are empty, some cells are bold or covered, so that merging on the
// value alone (MergeCell 4 on both) and on equal styles both meet every case.
TEST_F(MergeTest, RandomGridsAgreeWithAModelThatMergesByTheRules) {
    struct Cell {
        std::string value;
        unsigned nMerge = 0;
        bool bBold = false;
    };
    const char* const values[] = {"", "a", "b", "A"};
    const WORD modes[] = {gxnMergeEvalOnDisplay, gxnMergeEvalOnDisplay | gxnMergeNoVertical,
                          gxnMergeEvalOnDisplay | gxnMergeNoHorizontal, gxnMergeDelayEval};
    std::mt19937 rng(12);
    auto pick = [&](unsigned n) { return static_cast<unsigned>(rng() % n); };
    std::vector<std::vector<Cell>> cells(kSize + 1, std::vector<Cell>(kSize + 1));
    auto randomise = [&](ROWCOL r, ROWCOL c) {
        cells[r][c] = {values[pick(4)], pick(8), pick(5) == 0};
        Put(r, c, cells[r][c].value, cells[r][c].nMerge, cells[r][c].bBold);
    };
    for (int nRound = 0; nRound < 40; ++nRound) {
        const WORD wMode = modes[nRound % 4];
        SCOPED_TRACE("round " + std::to_string(nRound));
        grid.SetMergeCellsMode(gxnMergeDisable);
        grid.SetMergeCellsMode(wMode);
        for (ROWCOL r = 1; r <= kSize; ++r)
            for (ROWCOL c = 1; c <= kSize; ++c) randomise(r, c);
        // A row of mostly alike cells, so that the cell drawn first lies inside long runs.
        const ROWCOL nDrawnRow = 1 + pick(kSize), nDrawnCol = 1 + pick(kSize);
        for (ROWCOL c = 1; c <= kSize; ++c) {
            if (pick(4) == 0) continue;
            cells[nDrawnRow][c] = {"a", 1, false};
            Put(nDrawnRow, c, "a", 1);
        }
        CGXGridParam& param = *grid.GetParam();
        param.GetCoveredCellsList()->DeleteAll();
        if (nRound % 3 == 0) {
            const ROWCOL r = 1 + pick(kSize - 1), c = 1 + pick(kSize - 1);
            param.GetCoveredCellsList()->AddTail(new CGXRange(r, c, r + 1, c + 1));
        }
        param.GetCoveredCellPool()->InitFromRangeList(*param.GetCoveredCellsList());

        // Whether the cell at position n of the line and the next one merge.
        auto merges = [&](bool bHorz, ROWCOL nLine, ROWCOL n) {
            auto can = [&](ROWCOL r, ROWCOL c) {
                return r >= 1 && c >= 1 && (cells[r][c].nMerge & (bHorz ? 1 : 2)) && !cells[r][c].value.empty() &&
                       !(wMode & (bHorz ? gxnMergeNoHorizontal : gxnMergeNoVertical)) &&
                       grid.GetCoveredCellsRowCol(r, c) == nullptr;
            };
            const ROWCOL r = bHorz ? nLine : n, c = bHorz ? n : nLine;
            const Cell& x = cells[r][c];
            const Cell& y = bHorz ? cells[r][c + 1] : cells[r + 1][c];
            const bool bAlike = (x.nMerge & 4) && (y.nMerge & 4) ? x.value == y.value
                                                                  : std::tie(x.value, x.nMerge, x.bBold) == std::tie(y.value, y.nMerge, y.bBold);
            return can(r, c) && (bHorz ? can(r, c + 1) : can(r + 1, c)) && bAlike;
        };
        // Every cell's block in both directions, from the grid and from the model.
        // The model's block of a cell: the longest run of merging pairs around it.
        auto modelBlock = [&](ROWCOL r, ROWCOL c, bool bHorz) {
            const ROWCOL nLine = bHorz ? r : c;
            ROWCOL lo = bHorz ? c : r, hi = lo;
            while (lo > 0 && merges(bHorz, nLine, lo - 1)) --lo;
            while (hi < kSize && merges(bHorz, nLine, hi)) ++hi;
            return lo == hi ? "none" : bHorz ? Text(r, lo, r, hi) : Text(lo, c, hi, c);
        };
        auto check = [&](const CGXRange* pChanged, const std::vector<std::string>& before) {
            std::vector<std::string> now;
            for (ROWCOL r = 0; r <= kSize; ++r) {
                for (ROWCOL c = 0; c <= kSize; ++c) {
                    for (bool bHorz : {true, false}) {
                        const std::string model = modelBlock(r, c, bHorz);
                        now.push_back(Block(r, c, bHorz ? gxnMergeHorizontal : gxnMergeVertical));
                        EXPECT_EQ(now.back(), model) << r << "," << c << (bHorz ? " across" : " down");
                        // A cell whose block changed is redrawn.
                        EXPECT_TRUE(pChanged == nullptr || now.back() == before[now.size() - 1] ||
                                    pChanged->IsCellInRange(r, c))
                            << r << "," << c;
                    }
                }
            }
            return now;
        };

        // One cell drawn first, in the middle of runs no evaluation has seen yet, finds the whole
        // run of its row; after the whole table a second evaluation has nothing left to change.
        EvalCell(nDrawnRow, nDrawnCol);
        EXPECT_EQ(Block(nDrawnRow, nDrawnCol, gxnMergeHorizontal), modelBlock(nDrawnRow, nDrawnCol, true));
        EvalAll();
        EXPECT_FALSE(EvalAll());
        std::vector<std::string> blocks = check(nullptr, {});
        for (int nStep = 0; nStep < 8; ++nStep) {
            std::vector<std::pair<ROWCOL, ROWCOL>> changed;
            for (unsigned n = 1 + pick(3); n > 0; --n) {
                changed.emplace_back(1 + pick(kSize), 1 + pick(kSize));
                randomise(changed.back().first, changed.back().second);
            }
            CGXRange redraw;
            for (const auto& [r, c] : changed) {
                if (wMode == gxnMergeDelayEval) grid.DelayMergeCells(CGXRange(r, c, r, c));
                EvalCell(r, c, &redraw);
            }
            blocks = check(&redraw, blocks);
        }
    }
}
