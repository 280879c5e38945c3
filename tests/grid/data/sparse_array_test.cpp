// The sparse arrays under the pools and the data store: random sequences of stores, clears,
// inserts and removes against a map of index to value, with the form checked after every step;
// swapping an entry held inline; the far end of the index range. Moves of owned entries are
// followed by the pool and data store model tests.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "grid/data/sparse_array.h"
#include "sparse_form.h"

namespace {
using Map = std::map<int, DWORD>;

Map Contents(const CGXSparseArray<DWORD>& a) {
    Map m;
    a.ForEach([&](int i, DWORD v) { m[i] = v; });
    return m;
}

void ModelInsert(Map& m, int nAt, int n) {
    Map out;
    for (auto [i, v] : m) out[i >= nAt ? i + n : i] = v;
    m.swap(out);
}
void ModelRemove(Map& m, int nAt, int n) {
    Map out;
    for (auto [i, v] : m)
        if (i < nAt || i >= nAt + n) out[i >= nAt + n ? i - n : i] = v;
    m.swap(out);
}

::testing::AssertionResult Matches(const CGXSparseArray<DWORD>& a, const Map& m) {
    if (auto r = SparseFormHolds(a, "array"); !r) return r;
    if (Contents(a) != m) return ::testing::AssertionFailure() << "the content differs from the model";
    const int nSize = m.empty() ? 0 : m.rbegin()->first + 1;
    if (a.GetSize() != nSize) return ::testing::AssertionFailure() << "size " << a.GetSize() << ", model " << nSize;
    if (a.HoldsOneInline() != (m.size() == 1))
        return ::testing::AssertionFailure() << m.size() << " entries, " << (a.HoldsOneInline() ? "" : "not ") << "inline";
    for (auto [i, v] : m)
        if (a.GetAt(i) != v) return ::testing::AssertionFailure() << "entry " << i;
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(SparseArrayTest, RandomChangesFollowTheModel) {
    std::mt19937 rng(20261206);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int nRound = 0; nRound < 4; ++nRound) {
        CGXSparseArray<DWORD> a;
        Map m;
        // Narrow ranges make runs meet, split and merge; a wide one makes gaps.
        const int nSpan = nRound == 3 ? 400 : 40 + 20 * nRound;
        for (int nStep = 0; nStep < 3000; ++nStep) {
            const int i = pick(nSpan), n = 1 + pick(nRound == 0 ? 3 : 15);
            switch (pick(5)) {
                case 0:
                case 1: {
                    const DWORD v = 1 + static_cast<DWORD>(pick(1000));
                    a.SetAt(i, v);
                    m[i] = v;
                    break;
                }
                case 2:
                    a.SetAt(i, 0);
                    m.erase(i);
                    break;
                case 3:
                    a.InsertEmpty(i, n);
                    ModelInsert(m, i, n);
                    break;
                default:
                    a.RemoveAt(i, n);
                    ModelRemove(m, i, n);
                    break;
            }
            ASSERT_TRUE(Matches(a, m)) << "round " << nRound << ", step " << nStep;
        }
    }
}

// The random changes pass through every way into and out of the inline entry; swapping does not.
TEST(SparseArrayTest, SwappingExchangesAnInlineEntryWithRunsOnTheHeap) {
    CGXSparseArray<DWORD> a, b;
    a.SetAt(20, 7);
    for (int i = 0; i < 30; i += 3) b.SetAt(i, static_cast<DWORD>(i + 1));
    a.Swap(b);
    EXPECT_FALSE(a.HoldsOneInline());
    EXPECT_EQ(a.GetAt(27), 28u);
    ASSERT_TRUE(Matches(b, {{20, 7}}));
    b.RemoveAt(10, 60);  // the whole array from before the entry on
    ASSERT_TRUE(Matches(b, {}));
    EXPECT_EQ(b.GetAt(0), 0u);
}

TEST(SparseArrayTest, TheFarEndOfTheIndexesCostsOneEntry) {
    CGXSparseArray<DWORD> a;
    a.SetAt(3, 1);
    a.SetAt(INT_MAX - 1, 2);
    EXPECT_EQ(a.GetSize(), INT_MAX);
    EXPECT_EQ(a.GetRuns().size(), 2u);
    EXPECT_EQ(a.GetRuns().back().items.size(), 1u);
    // Shifting the last entry beyond int is refused and changes nothing.
    EXPECT_THROW(a.InsertEmpty(0, 1), CMemoryException);
    EXPECT_EQ(a.GetAt(INT_MAX - 1), 2u);
    a.RemoveAt(4, INT_MAX);
    EXPECT_EQ(a.GetSize(), 4);
    a.InsertEmpty(2, INT_MAX - 4);
    EXPECT_EQ(a.GetAt(INT_MAX - 1), 1u);
    EXPECT_TRUE(SparseFormHolds(a, "array"));
}
