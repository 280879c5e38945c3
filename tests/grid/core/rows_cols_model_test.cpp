// Random sequences of inserting, removing and moving rows and columns, of SetRowCount and
// SetColCount, with undo and redo, against a model of which original row and column each line
// holds. After every step the cells (header cells too), the row styles, the heights, widths and
// hidden rows must be where the model puts them, and the top row and left column where they may
// be; undoing everything gives the first grid back, redoing everything the last.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core_fixture.h"

namespace {

// Which original row (column) each line holds, 0 for a new one; entry 0 is the header.
struct Model {
    std::vector<int> rows, cols;
    bool operator==(const Model&) const = default;
};

struct RowsColsModel : core_test::CoreFixture {
    std::mt19937 rng;
    Model model;
    std::vector<Model> undone, done;  // the states an undo and a redo go back to

    int Pick(int nFrom, int nTo) { return std::uniform_int_distribution<int>(nFrom, nTo)(rng); }

    static std::string CellText(int nRow, int nCol) { return std::to_string(nRow) + "." + std::to_string(nCol); }

    // Original row i has a cell style in every column (its header cell included), its own
    // height, and every third a row style and every fifth is hidden; original column j its own
    // width.
    void Build() {
        SetSize(8, 5);
        model.rows = {0};
        model.cols = {0};
        for (int i = 1; i <= 8; ++i) model.rows.push_back(i);
        for (int j = 1; j <= 5; ++j) model.cols.push_back(j);
        for (ROWCOL r = 1; r <= 8; ++r) {
            for (ROWCOL c = 0; c <= 5; ++c)
                grid.GetData()->StoreStyle(r, c, CGXStyle().SetValue(CellText(int(r), int(c)).c_str()), ModifyMode::Override);
            if (r % 3 == 0)
                grid.GetData()->StoreStyle(r, 0, CGXStyle().SetTextColor(RGB(r, 0, 0)), ModifyMode::Override, gxRangeStyle);
            grid.StoreRowHeight(r, 10 + int(r));
            if (r % 5 == 0) grid.StoreHideRow(r, true);
        }
        for (ROWCOL c = 1; c <= 5; ++c) grid.StoreColWidth(c, 40 + int(c));
    }

    void Check(const char* pszStep) {
        SCOPED_TRACE(pszStep);
        ASSERT_EQ(grid.GetRowCount() + 1, model.rows.size());
        ASSERT_EQ(grid.GetColCount() + 1, model.cols.size());
        for (ROWCOL r = 1; r < model.rows.size(); ++r) {
            const int i = model.rows[r];
            EXPECT_EQ(grid.GetRowHeight(r), i != 0 && i % 5 == 0 ? 0 : i != 0 ? 10 + i : 18) << "row " << r;
            const CGXStyle* pRowStyle = grid.GetData()->GetStoredStyle(r, 0, gxRangeStyle);
            EXPECT_EQ(pRowStyle != nullptr, i != 0 && i % 3 == 0) << "row " << r;
            for (ROWCOL c = 0; c < model.cols.size(); ++c) {
                const CGXStyle* p = grid.GetData()->GetStoredStyle(r, c);
                const std::string got = p != nullptr ? std::string(p->GetValue()) : std::string();
                const bool bOriginal = i != 0 && (c == 0 || model.cols[c] != 0);
                EXPECT_EQ(got, bOriginal ? CellText(i, c == 0 ? 0 : model.cols[c]) : std::string()) << r << "," << c;
            }
        }
        for (ROWCOL c = 1; c < model.cols.size(); ++c)
            EXPECT_EQ(grid.GetColWidth(c), model.cols[c] != 0 ? 40 + model.cols[c] : 100) << "column " << c;
        EXPECT_GE(grid.GetTopRow(), 1u);
        EXPECT_LE(grid.GetTopRow(), std::max<ROWCOL>(grid.GetRowCount(), 1));
        EXPECT_LE(grid.GetLeftCol(), std::max<ROWCOL>(grid.GetColCount(), 1));
    }

    // Applies an operation to the grid and, when it says it did, to the model.
    void Step(bool bDone, const Model& changed) {
        if (!bDone) return;
        undone.push_back(model);
        done.clear();
        model = changed;
    }

    void RandomStep() {
        const bool bRows = Pick(0, 1) == 0;
        std::vector<int> lines = bRows ? model.rows : model.cols;
        const int n = int(lines.size()) - 1;
        Model changed = model;
        std::vector<int>& target = bRows ? changed.rows : changed.cols;
        switch (Pick(0, 6)) {
            case 0: {  // insert, sometimes where it cannot go
                const int at = Pick(0, n + 2), k = Pick(0, 3);
                const bool bOk = bRows ? grid.InsertRows(ROWCOL(at), ROWCOL(k)) : grid.InsertCols(ROWCOL(at), ROWCOL(k));
                EXPECT_EQ(bOk, at >= 1 && at <= n + 1 && k > 0);
                if (bOk) target.insert(target.begin() + at, size_t(k), 0);
                Step(bOk, changed);
                break;
            }
            case 1:
            case 2: {  // remove, sometimes backwards or beyond the end
                const int from = Pick(1, n + 1), to = from + Pick(-1, 3);
                const bool bOk = bRows ? grid.RemoveRows(ROWCOL(from), ROWCOL(to)) : grid.RemoveCols(ROWCOL(from), ROWCOL(to));
                EXPECT_EQ(bOk, from <= to && to <= n);
                if (bOk) target.erase(target.begin() + from, target.begin() + to + 1);
                Step(bOk, changed);
                break;
            }
            case 3:
            case 4: {  // move, sometimes onto itself or beyond the end
                if (n == 0) break;
                const int from = Pick(1, n), to = std::min(n, from + Pick(0, 2)), dest = Pick(1, n);
                const bool bOk = bRows ? grid.MoveRows(ROWCOL(from), ROWCOL(to), ROWCOL(dest))
                                       : grid.MoveCols(ROWCOL(from), ROWCOL(to), ROWCOL(dest));
                EXPECT_EQ(bOk, n >= 1 && dest != from && dest + (to - from) <= n);
                if (bOk) {
                    std::vector<int> block(lines.begin() + from, lines.begin() + to + 1);
                    target.erase(target.begin() + from, target.begin() + to + 1);
                    target.insert(target.begin() + dest, block.begin(), block.end());
                }
                Step(bOk, changed);
                break;
            }
            case 5: {  // a new count
                const int count = Pick(std::max(0, n - 3), std::min(n + 3, 20));
                EXPECT_TRUE(bRows ? grid.SetRowCount(ROWCOL(count)) : grid.SetColCount(ROWCOL(count)));
                target.resize(size_t(count) + 1, 0);
                Step(count != n, changed);
                break;
            }
            case 6:  // undo or redo
                if (Pick(0, 1) == 0) {
                    EXPECT_EQ(grid.Undo(), !undone.empty());
                    if (undone.empty()) break;
                    done.push_back(model);
                    model = undone.back();
                    undone.pop_back();
                } else {
                    EXPECT_EQ(grid.Redo(), !done.empty());
                    if (done.empty()) break;
                    undone.push_back(model);
                    model = done.back();
                    done.pop_back();
                }
                break;
        }
    }
};

// Each seed on a grid of its own.
struct RowsColsModelSeed : RowsColsModel, ::testing::WithParamInterface<unsigned> {};

TEST_P(RowsColsModelSeed, RandomChangesUndosAndRedosKeepEveryRowWithItsContent) {
    rng.seed(GetParam());
    Build();
    const Model first = model;
    for (int nStep = 0; nStep < 150; ++nStep) {
        RandomStep();
        Check(("step " + std::to_string(nStep)).c_str());
        if (HasFailure()) return;
    }
    const Model last = model;
    const size_t nDone = undone.size();
    for (size_t i = 0; i < nDone; ++i) ASSERT_TRUE(grid.Undo());
    EXPECT_FALSE(grid.Undo());
    model = first;
    Check("everything undone");
    for (size_t i = 0; i < nDone; ++i) ASSERT_TRUE(grid.Redo());
    model = last;
    Check("everything redone");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RowsColsModelSeed, ::testing::Range(1u, 13u));

}  // namespace
