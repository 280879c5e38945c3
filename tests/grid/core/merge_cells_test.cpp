// Merged cells: which neighbours merge, the modes and their pools, widening a range, delayed
// evaluation, and random grids against a model that merges by the rules directly.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "core_fixture.h"

namespace {

// A grid whose hidden rows a test chooses.
struct MergeGrid : core_test::TestGrid {
    std::set<ROWCOL> hiddenRows;
    bool IsRowHidden(ROWCOL nRow) override { return hiddenRows.count(nRow) != 0 || TestGrid::IsRowHidden(nRow); }
};

constexpr ROWCOL kSize = 6;

struct MergeTest : ::testing::Test {
    MergeGrid grid;

    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.GetData()->SetRowCount(kSize);
        grid.GetData()->SetColCount(kSize);
        grid.SetMergeCellsMode(gxnMergeEvalOnDisplay);
    }
    void Put(ROWCOL r, ROWCOL c, const char* pszValue, unsigned nMerge, bool bBold = false) {
        CGXStyle s;
        s.SetValue(pszValue).SetMergeCell(nMerge);
        if (bBold) s.SetFont(CGXFont().SetBold(true));
        ASSERT_TRUE(grid.StoreStyleRowCol(r, c, &s, ModifyMode::Copy));
    }
    bool EvalAll() { return grid.EvalMergeCells(CGXRange().SetTable()); }
    bool EvalCell(ROWCOL r, ROWCOL c, CGXRange* pChanged = nullptr) {
        return grid.EvalMergeCells(CGXRange(r, c, r, c), pChanged);
    }
    // The cell's merged block in a direction, or the cell alone with "none" appended.
    std::string Block(ROWCOL r, ROWCOL c, int nDirection = gxnMergeBoth) {
        CGXRange range;
        bool bFound = grid.GetMergedCellsRowCol(r, c, range, nDirection);
        if (!bFound) return "none";
        return std::to_string(range.top) + "," + std::to_string(range.left) + "-" + std::to_string(range.bottom) + "," +
               std::to_string(range.right);
    }
};

}  // namespace

TEST_F(MergeTest, ARowOfEqualCaptionsIsOneRunAndChangingTheMiddleSplitsIt) {
    grid.GetParam()->SetHeaderRows(3);
    for (ROWCOL c = 1; c <= 3; ++c) Put(1, c, "Caption", 1);
    EXPECT_TRUE(EvalAll());
    for (ROWCOL c = 1; c <= 3; ++c) EXPECT_EQ(Block(1, c), "1,1-1,3") << c;
    EXPECT_EQ(Block(1, 4), "none");
    EXPECT_FALSE(EvalAll());  // nothing left to change

    // Drawing evaluates the cell it redraws; what changed must be redrawn as a whole.
    Put(1, 2, "Other", 1);
    CGXRange changed;
    EXPECT_TRUE(EvalCell(1, 2, &changed));
    for (ROWCOL c = 1; c <= 3; ++c) EXPECT_EQ(Block(1, c), "none") << c;
    EXPECT_EQ(changed, CGXRange(1, 1, 1, 3));
    Put(1, 2, "Caption", 1);
    EXPECT_TRUE(EvalCell(1, 2));
    EXPECT_EQ(Block(1, 3, gxnMergeHorizontal), "1,1-1,3");
    EXPECT_EQ(Block(1, 3, gxnMergeVertical), "none");
}

TEST_F(MergeTest, MergingOnTheValueAloneIgnoresFontsButNotCase) {
    Put(1, 1, "x", 6);
    Put(2, 1, "x", 6, true);
    Put(1, 2, "x", 2);
    Put(2, 2, "x", 2, true);
    Put(1, 3, "x", 6);
    Put(2, 3, "X", 6);
    EvalAll();
    EXPECT_EQ(Block(2, 1), "1,1-2,1");
    EXPECT_EQ(Block(1, 2), "none");
    EXPECT_EQ(Block(1, 3), "none");
    // Bit 4 on one side only: the styles must be equal as a whole, and 6 and 2 are not.
    Put(2, 1, "x", 2);
    EvalCell(2, 1);
    EXPECT_EQ(Block(1, 1), "none");
}

TEST_F(MergeTest, ModeBitsForbidADirectionAndSwitchingDiscardsTheRuns) {
    for (ROWCOL r = 1; r <= 2; ++r)
        for (ROWCOL c = 1; c <= 2; ++c) Put(r, c, "x", 3);
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay | gxnMergeNoVertical);
    EvalAll();
    EXPECT_EQ(Block(2, 2), "2,1-2,2");
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay | gxnMergeNoHorizontal);
    EXPECT_EQ(Block(2, 2), "none");  // discarded with the old mode
    EvalAll();
    EXPECT_EQ(Block(2, 2), "1,2-2,2");
    // The rule itself says no, for a derived grid that asks it.
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    EXPECT_FALSE(grid.CanMergeCell(nullptr, 1, 1, style, gxnMergeHorizontal));
    EXPECT_TRUE(grid.CanMergeCell(nullptr, 1, 1, style, gxnMergeVertical));
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay | gxnMergeNoHorizontal);  // the same mode keeps them
    EXPECT_EQ(Block(2, 2), "1,2-2,2");
    // Off, and the meaningless low bits 3, evaluate nothing.
    for (WORD wMode : {WORD(gxnMergeDisable), WORD(3)}) {
        grid.SetMergeCellsMode(wMode);
        EXPECT_FALSE(EvalAll()) << wMode;
        EXPECT_EQ(Block(2, 2), "none");
    }
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay);
    EXPECT_EQ(Block(2, 2), "none");
    EXPECT_TRUE(EvalAll());
    EXPECT_EQ(Block(2, 2), "1,1-2,2");
}

TEST_F(MergeTest, EmptyCoveredAndHiddenCellsAndALockedGrid) {
    Put(1, 1, "", 1);
    Put(1, 2, "", 1);
    for (ROWCOL c = 3; c <= 4; ++c) Put(1, c, "x", 1);
    CGXGridParam& param = *grid.GetParam();
    param.GetCoveredCellsList()->AddTail(new CGXRange(1, 4, 2, 5));
    param.GetCoveredCellPool()->InitFromRangeList(*param.GetCoveredCellsList());
    // A hidden row is no cell to evaluate, but its neighbours still test their pairs with it.
    grid.hiddenRows = {3};
    for (ROWCOL r = 3; r <= 4; ++r)
        for (ROWCOL c = 1; c <= 2; ++c) Put(r, c, "y", 3);
    grid.LockEvalMergeCells(true);
    EXPECT_FALSE(EvalAll());
    EXPECT_EQ(Block(4, 1), "none");
    grid.LockEvalMergeCells(false);
    EvalAll();
    EXPECT_EQ(Block(1, 1), "none");
    EXPECT_EQ(Block(1, 3), "none");
    EXPECT_EQ(Block(3, 1, gxnMergeHorizontal), "none");
    EXPECT_EQ(Block(4, 1), "3,1-4,2");
}

TEST_F(MergeTest, EvaluatingPartOfARunFollowsItOutOfTheRange) {
    // What is drawn may be the middle of a run: the run is followed backwards and, along the
    // row, forwards; downwards only to the next row, which is evaluated after this one.
    for (ROWCOL n = 1; n <= kSize; ++n) Put(1, n, "x", 1);
    for (ROWCOL n = 2; n <= kSize; ++n) Put(n, 4, "y", 2);
    EXPECT_TRUE(grid.EvalMergeCells(CGXRange(1, 3, 1, 3)));
    EXPECT_EQ(Block(1, 3), "1,1-1,6");
    EXPECT_TRUE(grid.EvalMergeCells(CGXRange(4, 4, 4, 4)));
    EXPECT_EQ(Block(4, 4), "2,4-5,4");
}

TEST_F(MergeTest, WideningTakesHorizontalRunsFirstAndKeepsTheKind) {
    ASSERT_TRUE(grid.SetMergedCellsRowCol(gxnMergeHorizontal, 2, 2, 2, 4));
    ASSERT_TRUE(grid.SetMergedCellsRowCol(gxnMergeVertical, 2, 4, 5, 4));
    EXPECT_FALSE(grid.SetMergedCellsRowCol(2, 2, 2, 2, 4));
    CGXRange range(2, 3, 2, 3);
    grid.MergeCellsRange(range);
    EXPECT_EQ(range, CGXRange(2, 2, 5, 4));
    // From the bottom of the vertical run the horizontal run at its top is not reached.
    range = CGXRange(5, 4, 5, 4);
    grid.MergeCellsRange(range);
    EXPECT_EQ(range, CGXRange(2, 4, 5, 4));
    range.SetRows(3, 3);
    grid.MergeCellsRange(range);
    EXPECT_EQ(range, CGXRange().SetRows(2, 5));
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
    EXPECT_EQ(Block(1, 1), "1,1-1,2");
    grid.DelayMergeCells(CGXRange(1, 2, 1, 2));
    EXPECT_TRUE(EvalCell(1, 2));
    EXPECT_EQ(Block(1, 1), "none");
    // The whole table: every existing cell is done; rows and columns added later stay pending.
    EvalAll();
    EXPECT_FALSE(pending.IsCellDelayed(kSize, kSize));
    EXPECT_TRUE(pending.IsCellDelayed(kSize + 1, 1));
    EXPECT_TRUE(pending.IsCellDelayed(1, kSize + 1));
    // The mode that evaluates on display keeps no pending ranges.
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay);
    grid.DelayMergeCells(CGXRange(1, 1, 1, 1));
    EXPECT_EQ(grid.GetParam()->GetDelayedMergeCellsPool(), nullptr);
}

// Random grids: after evaluating the table, and after re-evaluating only the cells that changed,
// every cell's runs are the model's: maximal sequences of neighbours each pair of which merges.
TEST_F(MergeTest, RandomGridsAgreeWithAModelThatMergesByTheRules) {
    struct Cell {
        std::string value;
        unsigned nMerge = 0;
        bool bBold = false;
    };
    const char* const values[] = {"", "a", "b", "A"};
    std::mt19937 rng(12);
    auto pick = [&](unsigned n) { return static_cast<unsigned>(rng() % n); };
    const WORD modes[] = {gxnMergeEvalOnDisplay, gxnMergeEvalOnDisplay | gxnMergeNoVertical,
                          gxnMergeEvalOnDisplay | gxnMergeNoHorizontal, gxnMergeDelayEval};
    for (int nRound = 0; nRound < 40; ++nRound) {
        const WORD wMode = modes[nRound % 4];
        SCOPED_TRACE("round " + std::to_string(nRound) + " mode " + std::to_string(wMode));
        grid.SetMergeCellsMode(gxnMergeDisable);
        grid.SetMergeCellsMode(wMode);
        std::vector<std::vector<Cell>> cells(kSize + 1, std::vector<Cell>(kSize + 1));
        auto randomise = [&](ROWCOL r, ROWCOL c) {
            cells[r][c] = {values[pick(4)], pick(8), pick(5) == 0};
            Put(r, c, cells[r][c].value.c_str(), cells[r][c].nMerge, cells[r][c].bBold);
        };
        for (ROWCOL r = 1; r <= kSize; ++r)
            for (ROWCOL c = 1; c <= kSize; ++c) randomise(r, c);
        // Now and then a covered block.
        CGXGridParam& param = *grid.GetParam();
        param.GetCoveredCellsList()->DeleteAll();
        if (nRound % 3 == 0) {
            const ROWCOL r = 1 + pick(kSize - 1), c = 1 + pick(kSize - 1);
            param.GetCoveredCellsList()->AddTail(new CGXRange(r, c, r + 1, c + 1));
        }
        param.GetCoveredCellPool()->InitFromRangeList(*param.GetCoveredCellsList());

        auto can = [&](ROWCOL r, ROWCOL c, int nDir) {
            const Cell& x = cells[r][c];
            const unsigned nBit = nDir == gxnMergeHorizontal ? 1 : 2;
            const WORD wOff = nDir == gxnMergeHorizontal ? gxnMergeNoHorizontal : gxnMergeNoVertical;
            return r >= 1 && c >= 1 && (x.nMerge & nBit) && !(wMode & wOff) && !x.value.empty() &&
                   grid.GetCoveredCellsRowCol(r, c) == nullptr;
        };
        auto merges = [&](ROWCOL r1, ROWCOL c1, ROWCOL r2, ROWCOL c2, int nDir) {
            const Cell& x = cells[r1][c1];
            const Cell& y = cells[r2][c2];
            const bool bAlike = (x.nMerge & 4) && (y.nMerge & 4)
                                    ? x.value == y.value
                                    : x.value == y.value && x.nMerge == y.nMerge && x.bBold == y.bBold;
            return can(r1, c1, nDir) && can(r2, c2, nDir) && bAlike;
        };
        // The model's block of every cell in one direction, as Block() writes it.
        auto model = [&](ROWCOL r, ROWCOL c, int nDir) {
            const bool bHorz = nDir == gxnMergeHorizontal;
            ROWCOL lo = bHorz ? c : r, hi = lo;
            auto pair = [&](ROWCOL a) {
                return bHorz ? merges(r, a, r, a + 1, nDir) : merges(a, c, a + 1, c, nDir);
            };
            while (lo > 0 && pair(lo - 1)) --lo;
            while (hi < kSize && pair(hi)) ++hi;
            if (lo == hi) return std::string("none");
            return bHorz ? std::to_string(r) + "," + std::to_string(lo) + "-" + std::to_string(r) + "," + std::to_string(hi)
                         : std::to_string(lo) + "," + std::to_string(c) + "-" + std::to_string(hi) + "," + std::to_string(c);
        };
        auto check = [&](const CGXRange* pChanged, const std::vector<std::string>& before) {
            std::vector<std::string> now;
            for (ROWCOL r = 0; r <= kSize; ++r) {
                for (ROWCOL c = 0; c <= kSize; ++c) {
                    for (int nDir : {gxnMergeHorizontal, gxnMergeVertical}) {
                        now.push_back(Block(r, c, nDir));
                        EXPECT_EQ(now.back(), model(r, c, nDir)) << r << "," << c << " direction " << nDir;
                        // A cell whose block changed is redrawn.
                        if (pChanged != nullptr && now.back() != before[now.size() - 1]) {
                            EXPECT_TRUE(pChanged->IsCellInRange(r, c)) << r << "," << c;
                        }
                    }
                }
            }
            return now;
        };

        EvalAll();
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
