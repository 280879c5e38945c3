// Random sequences of set, clear, insert, remove and move on the span pool, checked after every
// step against a model that keeps the entries by coordinate and remaps them.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "grid/data/span_cell_pool.h"
#include "pool_invariants.h"

namespace {
// (outer, inner) -> start value, for one direction.
using Entries = std::map<std::pair<LONGLONG, LONGLONG>, DWORD>;

struct Model {
    Entries horizontal;  // (row, column)
    Entries vertical;    // (column, row)

    static DWORD At(const Entries& e, LONGLONG o, LONGLONG i) {
        auto it = e.find({o, i});
        return it == e.end() ? 0 : it->second;
    }
    static void Put(Entries& e, LONGLONG o, LONGLONG i, DWORD v) {
        if (v == 0) e.erase({o, i});
        else e[{o, i}] = v;
    }
    static bool Runs(Entries& e, LONGLONG o1, LONGLONG o2, LONGLONG i1, LONGLONG i2, bool bSet) {
        if (bSet && i1 == i2) return false;
        bool bChanged = false;
        for (LONGLONG o = o1; o <= o2; ++o) {
            const DWORD former = At(e, o, i1);
            LONGLONG i = i1;
            if (bSet)
                for (; i <= i2; ++i) {
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
    bool Set(LONGLONG t, LONGLONG l, LONGLONG b, LONGLONG r, bool bSet) {
        const bool bH = Runs(horizontal, t, b, l, r, bSet);
        const bool bV = Runs(vertical, l, r, t, b, bSet);
        return bH || bV;
    }

    // Applies a renumbering of lines (nullopt-like -1 drops the entry) to both directions.
    template <typename F>
    static void Remap(Entries& e, bool bOuter, F f) {
        Entries out;
        for (const auto& [k, v] : e) {
            std::pair<LONGLONG, LONGLONG> key = k;
            LONGLONG& line = bOuter ? key.first : key.second;
            line = f(line);
            if (line >= 0) out[key] = v;
        }
        e = std::move(out);
    }
    template <typename F>
    void RemapRows(F f) {
        Remap(horizontal, true, f);
        Remap(vertical, false, f);
    }
    template <typename F>
    void RemapCols(F f) {
        Remap(vertical, true, f);
        Remap(horizontal, false, f);
    }
    static auto Insert(LONGLONG at, LONGLONG n) {
        return [=](LONGLONG x) { return x >= at ? x + n : x; };
    }
    static auto Remove(LONGLONG from, LONGLONG to) {
        return [=](LONGLONG x) { return x < from ? x : x <= to ? -1 : x - (to - from + 1); };
    }
    static auto Move(LONGLONG from, LONGLONG to, LONGLONG dest) {
        const LONGLONG n = to - from + 1;
        return [=](LONGLONG x) {
            if (x >= from && x <= to) return x - from + dest;
            if (dest < from && x >= dest && x < from) return x + n;
            if (dest > from && x > to && x < dest + n) return x - n;
            return x;
        };
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
        switch (op) {
            case 0:
            case 1:
            case 2: {  // setting is the most frequent, so that there is something to shift
                const ROWCOL t = coord(1), l = coord(1), b = t + small(), r = l + small();
                EXPECT_EQ(pool.SetSpanCellsRowCol(t, l, b, r, true), model.Set(t, l, b, r, true)) << step;
                break;
            }
            case 3: {
                const ROWCOL t = coord(1), l = coord(1), b = t + small(), r = l + small();
                EXPECT_EQ(pool.SetSpanCellsRowCol(t, l, b, r, false), model.Set(t, l, b, r, false)) << step;
                break;
            }
            case 4:
            case 5:
                if (bRows) {
                    pool.InsertRows(a, n);
                    model.RemapRows(Model::Insert(a, n));
                } else {
                    pool.InsertCols(a, n);
                    model.RemapCols(Model::Insert(a, n));
                }
                break;
            case 6:
            case 7:
                if (bRows) {
                    pool.RemoveRows(a, a + n);
                    model.RemapRows(Model::Remove(a, a + n));
                } else {
                    pool.RemoveCols(a, a + n);
                    model.RemapCols(Model::Remove(a, a + n));
                }
                break;
            default: {
                const ROWCOL dest = coord();
                if (bRows) {
                    pool.MoveRows(a, a + n, dest);
                    model.RemapRows(Model::Move(a, a + n, dest));
                } else {
                    pool.MoveCols(a, a + n, dest);
                    model.RemapCols(Model::Move(a, a + n, dest));
                }
                break;
            }
        }
        ASSERT_TRUE(SameAsModel(pool, model)) << "seed " << seed << " step " << step << " op " << op;
        // Every cell reads its span from the entries.
        if (step % 50 == 0) {
            for (ROWCOL r = 0; r <= nExtent + 8; ++r)
                for (ROWCOL c = 0; c <= nExtent + 8; ++c) {
                    CGXRange range;
                    const bool bH = Model::At(model.horizontal, r, c) != 0, bV = Model::At(model.vertical, c, r) != 0;
                    ASSERT_EQ(pool.GetSpanCellsRowCol(r, c, range), bH || bV) << r << "," << c;
                    if (bH) {
                        ASSERT_EQ(range.left, Model::At(model.horizontal, r, c));
                    }
                    if (bV) {
                        ASSERT_EQ(range.top, Model::At(model.vertical, c, r));
                    }
                }
        }
    }
}
}  // namespace

TEST(SpanPoolModelTest, ASmallGridFollowsTheModel) { RunSequence(20261206, 3000, 12); }

TEST(SpanPoolModelTest, AWiderGridFollowsTheModel) { RunSequence(4, 2000, 40); }
