// The span pool: random sequences of set, clear, insert, remove and move, checked after every step
// against a model that keeps the entries by coordinate and renumbers them, with every cell's block
// read back now and then; the refusal of coordinates the grid cannot hold; and the archive forms of
// the arrays of 32-bit arrays and of the pool: exact bytes and damaged data.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

#include "grid/data/span_cell_pool.h"
#include "line_remap.h"
#include "pool_invariants.h"
#include "support/archive_bytes.h"

using namespace test_archive;

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

namespace {
Bytes EmptyArray() { return Hex("0100 00000000 FFFFFFFF"); }

// An array of the given length holding one inner array at nIndex.
Bytes OneEntry(DWORD nLength, DWORD nIndex, std::initializer_list<DWORD> values) {
    Bytes b{1, 0};
    PutDWord(b, nLength);
    PutDWord(b, nIndex);
    PutWord(b, static_cast<WORD>(values.size()));
    for (DWORD v : values) PutDWord(b, v);
    PutDWord(b, 0xFFFFFFFF);
    return b;
}

auto ReadArray() {
    return [](CArchive& ar) {
        CGXDWordArrayPtrArray a;
        a.Serialize(ar);
    };
}
}  // namespace

TEST(PoolArchiveTest, AHorizontalSpanIsItsRowsInnerArray) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(2, 3, 2, 4);
    EXPECT_EQ(Store([&](CArchive& ar) { pool.Serialize(ar); }),
              Hex("0100 00000000 FFFFFFFF"                                  // no vertical spans
                  "0100 03000000 02000000 0500"                             // row 2's five entries:
                  "00000000 00000000 00000000 03000000 03000000 FFFFFFFF"));  // columns 3 and 4 start at 3
}

// Only the bytes first written show a part that reading loses; another round would repeat the loss.
TEST(PoolArchiveTest, APoolReadsBackToTheSameBytesAndReplacesWhatWasThere) {
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 3, 2);
    pool.SetSpanCellsRowCol(300, 70000, 301, 70001);
    ASSERT_TRUE(pool.SetSpanCellsRowCol(0x7FFFFFF1, 1, 0x7FFFFFF1, 2));
    const Bytes b = Store([&](CArchive& ar) { pool.Serialize(ar); });
    CGXSpanCellPool read;
    read.SetSpanCellsRowCol(5, 5, 6, 6);
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_TRUE(SpanPoolIsSound(read));
    EXPECT_EQ(Store([&](CArchive& ar) { read.Serialize(ar); }), b);
}

TEST(PoolArchiveTest, ALengthBeyondTheLastEntryIsReadAsTheEntriesNeedIt) {
    // Another writer may keep empty entries at the end; they hold nothing and take no memory here.
    Bytes b = OneEntry(0x7FFFFFFF, 4, {0, 9, 0, 0});
    CGXDWordArrayPtrArray a;
    Load(b, [&](CArchive& ar) { a.Serialize(ar); });
    EXPECT_EQ(a.GetSize(), 5);
    ASSERT_NE(a.GetAt(4), nullptr);
    EXPECT_EQ(a.GetAt(4)->GetSize(), 2);
    // An inner array of nothing but zeros is nothing.
    CGXDWordArrayPtrArray zeros;
    Load(OneEntry(3, 1, {0, 0}), [&](CArchive& ar) { zeros.Serialize(ar); });
    EXPECT_TRUE(zeros.IsEmpty());
}

TEST(PoolArchiveTest, DamagedArraysRaiseOnlyTheArchiveExceptionAndChangeNothing) {
    EXPECT_EQ(CauseOf(EmptyArray(), ReadArray()), -1);
    Bytes badSchema = EmptyArray();
    badSchema[0] = 2;
    EXPECT_EQ(CauseOf(badSchema, ReadArray()), CArchiveException::badSchema);
    // A length beyond the grid's coordinates, an index outside the length, indexes out of order.
    EXPECT_EQ(CauseOf(OneEntry(0x80000001, 1, {1}), ReadArray()), CArchiveException::genericException);
    EXPECT_EQ(CauseOf(OneEntry(2, 2, {1}), ReadArray()), CArchiveException::genericException);
    const Bytes twice = Hex("0100 0A000000  03000000 0100 05000000  03000000 0100 05000000  FFFFFFFF");
    EXPECT_EQ(CauseOf(twice, ReadArray()), CArchiveException::genericException);
    // An inner count the data cannot hold, and every truncation.
    Bytes huge = OneEntry(5, 1, {1});
    huge[10] = 0xFF;
    huge[11] = 0x7F;
    EXPECT_EQ(CauseOf(huge, ReadArray()), CArchiveException::endOfFile);
    Bytes good = OneEntry(9, 8, {0, 1, 1});
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(good.begin(), good.begin() + static_cast<long>(n)), ReadArray()), CArchiveException::endOfFile) << n;
    // A pool whose second array is damaged keeps what it held.
    CGXSpanCellPool pool;
    pool.SetSpanCellsRowCol(1, 1, 2, 2);
    Bytes b = EmptyArray();
    b.push_back(1);  // the horizontal array breaks off after its schema's first byte
    EXPECT_THROW(Load(b, [&](CArchive& ar) { pool.Serialize(ar); }), CArchiveException);
    CGXRange range;
    EXPECT_TRUE(pool.GetSpanCellsRowCol(2, 2, range));
    EXPECT_EQ(range, CGXRange(1, 1, 2, 2));
}

TEST(PoolArchiveTest, AnEntryAtTheLastRowCostsOneEntry) {
    // A few dozen bytes naming row 2^31 - 2 once asked for an outer array of 2^31 - 1 pointers.
    Bytes b = EmptyArray();
    Bytes horizontal = OneEntry(0x7FFFFFFF, 0x7FFFFFFE, {0, 0, 0x7FFFFFFE});
    b.insert(b.end(), horizontal.begin(), horizontal.end());
    CGXSpanCellPool pool;
    Load(b, [&](CArchive& ar) { pool.Serialize(ar); });
    EXPECT_EQ(pool.GetHorizontal().GetSize(), 0x7FFFFFFF);
    EXPECT_EQ(pool.GetHorizontal().GetEntries().GetRuns().size(), 1u);
    EXPECT_EQ(Store([&](CArchive& ar) { pool.Serialize(ar); }), b);
}
