// The sparse arrays under the pools and the data store: swapping an entry held inline, and the far
// end of the index range. Stores, clears, inserts, removes and moves at random are followed, with
// the form checked after every step, by the pool and data store model tests.
#include <gtest/gtest.h>

#include "grid/data/sparse_array.h"
#include "sparse_form.h"

// The random changes pass through every way into and out of the inline entry; swapping does not.
TEST(SparseArrayTest, SwappingExchangesAnInlineEntryWithRunsOnTheHeap) {
    CGXSparseArray<DWORD> a, b;
    a.SetAt(20, 7);
    for (int i = 0; i < 30; i += 3) b.SetAt(i, static_cast<DWORD>(i + 1));
    a.Swap(b);
    EXPECT_TRUE(SparseFormHolds(a, "a"));
    EXPECT_EQ(a.GetAt(27), 28u);
    ASSERT_TRUE(SparseFormHolds(b, "b"));
    EXPECT_EQ(b.GetSize(), 21);
    EXPECT_EQ(b.GetAt(20), 7u);
    b.RemoveAt(10, 60);  // the whole array from before the entry on
    ASSERT_TRUE(SparseFormHolds(b, "b"));
    EXPECT_TRUE(b.IsEmpty());
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
