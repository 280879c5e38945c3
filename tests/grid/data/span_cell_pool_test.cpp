// The span pool: random sequences of set, clear, insert, remove and move, checked after every step
// against a model that keeps the entries by coordinate and renumbers them, with every cell's block
// read back now and then; and the refusal of coordinates the grid cannot hold.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "grid/data/span_cell_pool.h"
#include "line_remap.h"
#include "pool_invariants.h"

using line_remap::Line;
using pool_checks::SpanPoolIsSound;

namespace {
// (outer, inner) -> start value, for one direction.
using Entries = std::map<std::pair<Line, Line>, DWORD>;

struct Model {
    Entries horizontal;  // (row, column)
    Entries vertical;    // (column, row)

    static DWORD At(const Entries& e, Line o, Line i) {
        auto it = e.find({o, i});
        return it == e.end() ? 0 : it->second;
    }
    static void Put(Entries& e, Line o, Line i, DWORD v) {
        if (v == 0) e.erase({o, i});
        else e[{o, i}] = v;
    }
    // In each outer line, sets i1..i2 to start at i1 (or not), then clears the rest of the run
    // that began at i1.
    static bool Runs(Entries& e, Line o1, Line o2, Line i1, Line i2, bool bSet) {
        if (bSet && i1 == i2) return false;
        bool bChanged = false;
        for (Line o = o1; o <= o2; ++o) {
            const DWORD former = At(e, o, i1);
            Line i = i1;
            for (; bSet && i <= i2; ++i) {
                bChanged |= At(e, o, i) != static_cast<DWORD>(i1);
                Put(e, o, i, static_cast<DWORD>(i1));
            }
            for (; former != 0 && At(e, o, i) == former; ++i) {
                Put(e, o, i, 0);
                bChanged = true;
            }
        }
        return bChanged;
    }
    bool Set(Line t, Line l, Line b, Line r, bool bSet) {
        const bool bH = Runs(horizontal, t, b, l, r, bSet);
        const bool bV = Runs(vertical, l, r, t, b, bSet);
        return bH || bV;
    }

    static void Remap(Entries& e, bool bOuter, const line_remap::Map& f) {
        Entries out;
        for (const auto& [k, v] : e) {
            std::pair<Line, Line> key = k;
            Line& line = bOuter ? key.first : key.second;
            if (auto to = f(line)) {
                line = *to;
                out[key] = v;
            }
        }
        e = std::move(out);
    }
    void Remap(bool bRows, const line_remap::Map& f) {
        Remap(horizontal, bRows, f);
        Remap(vertical, !bRows, f);
    }
};

Entries Collect(const CGXDWordArrayPtrArray& a) {
    Entries e;
    for (int o = 0; o < a.GetSize(); ++o)
        if (const CDWordArray* p = a.GetAt(o))
            for (int i = 0; i < p->GetSize(); ++i)
                if (p->GetAt(i) != 0) e[{o, i}] = p->GetAt(i);
    return e;
}

::testing::AssertionResult SameAsModel(const CGXSpanCellPool& pool, const Model& model) {
    if (auto r = pool_checks::SpanPoolIsSound(pool); !r) return r;
    if (Collect(pool.GetHorizontal()) != model.horizontal) return ::testing::AssertionFailure() << "horizontal entries differ";
    if (Collect(pool.GetVertical()) != model.vertical) return ::testing::AssertionFailure() << "vertical entries differ";
    return ::testing::AssertionSuccess();
}

// The run of equal start values through entry i of line o, as start and last entry.
bool Run(const Entries& e, Line o, Line i, ROWCOL& nStart, ROWCOL& nEnd) {
    const DWORD v = Model::At(e, o, i);
    if (v == 0) return false;
    while (Model::At(e, o, i + 1) == v) ++i;
    nStart = v;
    nEnd = static_cast<ROWCOL>(i);
    return true;
}

// Every cell reads its block from the entries: the runs through it, or itself along a side without one.
void ExpectCellsReadTheModel(const CGXSpanCellPool& pool, const Model& model, ROWCOL nExtent) {
    for (ROWCOL r = 0; r <= nExtent + 8; ++r)
        for (ROWCOL c = 0; c <= nExtent + 8; ++c) {
            CGXRange expected(r, c, r, c), range;
            const bool bHorz = Run(model.horizontal, r, c, expected.left, expected.right);
            const bool bVert = Run(model.vertical, c, r, expected.top, expected.bottom);
            ASSERT_EQ(pool.GetSpanCellsRowCol(r, c, range), bHorz || bVert) << r << "," << c;
            if (bHorz || bVert) {
                ASSERT_EQ(range, expected) << r << "," << c;
            }
        }
}

void RunSequence(unsigned seed, int nOps, ROWCOL nExtent) {
    std::mt19937 rng(seed);
    auto coord = [&](ROWCOL lo = 0) { return std::uniform_int_distribution<ROWCOL>(lo, nExtent)(rng); };
    auto small = [&] { return std::uniform_int_distribution<ROWCOL>(0, 4)(rng); };
    CGXSpanCellPool pool;
    Model model;
    for (int step = 0; step < nOps; ++step) {
        const int op = std::uniform_int_distribution<int>(0, 9)(rng);
        const bool bRows = (rng() & 1) != 0;
        const ROWCOL a = coord(), n = small();
        if (op <= 3) {  // setting is the most frequent, so that there is something to shift
            const bool bSet = op != 3;
            const ROWCOL t = coord(1), l = coord(1), b = t + small(), r = l + small();
            EXPECT_EQ(pool.SetSpanCellsRowCol(t, l, b, r, bSet), model.Set(t, l, b, r, bSet)) << step;
        } else if (op <= 5) {
            bRows ? pool.InsertRows(a, n) : pool.InsertCols(a, n);
            model.Remap(bRows, line_remap::Insert(a, n));
        } else if (op <= 7) {
            bRows ? pool.RemoveRows(a, a + n) : pool.RemoveCols(a, a + n);
            model.Remap(bRows, line_remap::Remove(a, a + n));
        } else {
            const ROWCOL dest = coord();
            bRows ? pool.MoveRows(a, a + n, dest) : pool.MoveCols(a, a + n, dest);
            model.Remap(bRows, line_remap::Move(a, a + n, dest));
        }
        ASSERT_TRUE(SameAsModel(pool, model)) << "seed " << seed << " step " << step << " op " << op;
        if (step % 50 == 0) {
            ExpectCellsReadTheModel(pool, model, nExtent);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}
}  // namespace

TEST(SpanPoolModelTest, ASmallGridFollowsTheModel) { RunSequence(20261206, 3000, 12); }

TEST(SpanPoolModelTest, AWiderGridFollowsTheModel) { RunSequence(4, 2000, 40); }

TEST(SpanCellPoolTest, CoordinatesAtOrAbove0x80000000AreRefused) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 2, 2);
    CGXRange range;
    EXPECT_FALSE(pool.SetSpanCellsRowCol(0x80000000, 1, 0x80000001, 2));
    EXPECT_FALSE(pool.SetSpanCellsRowCol(1, 1, 2, 0xFFFFFFFF));
    EXPECT_FALSE(pool.GetSpanCellsRowCol(0x80000000, 1, range));
    EXPECT_FALSE(pool.InsertRows(0x80000000, 1));
    EXPECT_FALSE(pool.InsertRows(1, 0x80000000));
    EXPECT_FALSE(pool.InsertCols(1, 0x7FFFFFFF));  // would carry entries beyond the limit
    EXPECT_FALSE(pool.RemoveRows(0x80000000, 0x80000001));
    EXPECT_FALSE(pool.RemoveCols(1, 0x80000000));
    EXPECT_FALSE(pool.MoveRows(1, 1, 0x80000000));
    EXPECT_FALSE(pool.MoveCols(0x80000000, 0x80000000, 1));
    EXPECT_FALSE(pool.MoveRows(1, 2, 0x7FFFFFFF));  // the block would end beyond the limit
    ASSERT_TRUE(pool.GetSpanCellsRowCol(2, 2, range));
    EXPECT_EQ(range, CGXRange(1, 1, 2, 2));
    EXPECT_TRUE(SpanPoolIsSound(pool));
}
