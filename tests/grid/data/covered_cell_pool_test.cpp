// The covered-cell pool: setting, re-setting, clearing and rebuilding from the list, each change
// followed by the pool's shape check.
#include <gtest/gtest.h>

#include "grid/data/covered_cell_pool.h"
#include "pool_invariants.h"

using pool_checks::CoveredPoolIsSound;

namespace {
class CoveredCellPoolTest : public ::testing::Test {
protected:
    CGXRange* Add(ROWCOL top, ROWCOL left, ROWCOL bottom, ROWCOL right) {
        auto* p = new CGXRange(top, left, bottom, right);
        m_list.AddTail(p);
        return p;
    }
    bool Set(CGXRange* p) { return m_pool.SetCoveredCell(p->top, p->left, p->bottom, p->right, p); }

    CGXRangeList m_list;
    CGXCoveredCellPool m_pool;
};
}  // namespace

TEST_F(CoveredCellPoolTest, EveryCellOfTheBlockAndNoOtherFindsItsRangeAndOddBlocksAreRefused) {
    CGXRange* p = Add(2, 2, 3, 4);
    EXPECT_FALSE(m_pool.SetCoveredCell(5, 5, 5, 5, p));  // a single cell and blocks upside down are refused
    EXPECT_FALSE(m_pool.SetCoveredCell(3, 2, 2, 4, p));
    EXPECT_FALSE(m_pool.SetCoveredCell(2, 4, 3, 2, p));
    EXPECT_TRUE(m_pool.GetRows().IsEmpty());
    EXPECT_TRUE(Set(p));
    ASSERT_TRUE(CoveredPoolIsSound(m_pool, m_list));
    for (ROWCOL r = 1; r <= 4; ++r)
        for (ROWCOL c = 1; c <= 5; ++c)
            EXPECT_EQ(m_pool.GetCoveredCell(r, c), p->IsCellInRange(r, c) ? p : nullptr) << r << "," << c;
    EXPECT_EQ(m_pool.GetCoveredCell(0xFFFFFFFF, 2), nullptr);
    EXPECT_EQ(m_pool.GetRows().GetAt(1), nullptr);  // only the rows of the block hold arrays
}

TEST_F(CoveredCellPoolTest, ABlockOverlappingAnotherAtItsTopLeftFails) {
    CGXRange* p1 = Add(2, 2, 3, 4);
    ASSERT_TRUE(Set(p1));
    EXPECT_FALSE(Set(Add(2, 2, 5, 5)));
    EXPECT_EQ(m_pool.GetCoveredCell(2, 2), p1);
    EXPECT_EQ(m_pool.GetCoveredCell(5, 5), nullptr);
    // A block whose top-left starts inside another only at a later row keeps the rows before it.
    CGXRange* p3 = Add(1, 3, 2, 3);
    EXPECT_FALSE(Set(p3));
    EXPECT_EQ(m_pool.GetCoveredCell(1, 3), p3);
    EXPECT_EQ(m_pool.GetCoveredCell(2, 3), p1);
    EXPECT_TRUE(CoveredPoolIsSound(m_pool, m_list));
}

TEST_F(CoveredCellPoolTest, ANarrowerBlockOfTheSameRangeClearsTheLeftovers) {
    CGXRange* p = Add(2, 2, 3, 6);
    ASSERT_TRUE(Set(p));
    p->SetCells(2, 2, 3, 3);
    EXPECT_TRUE(Set(p));
    for (ROWCOL c = 2; c <= 6; ++c) {
        EXPECT_EQ(m_pool.GetCoveredCell(2, c), c <= 3 ? p : nullptr) << c;
        EXPECT_EQ(m_pool.GetCoveredCell(3, c), c <= 3 ? p : nullptr) << c;
    }
    EXPECT_TRUE(CoveredPoolIsSound(m_pool, m_list));
    EXPECT_FALSE(Set(p));  // setting what is already there changes nothing
}

TEST_F(CoveredCellPoolTest, RebuildingFollowsTheListAndSkipsWhatItCannotHold) {
    CGXRange* p1 = Add(1, 1, 2, 2);
    CGXRange* p2 = Add(4, 1, 4, 3);
    Add(6, 6, 7, 7)->valid = 0;
    Add(9, 9, 9, 9);
    CGXRange* pHuge = Add(0x80000000, 1, 0x80000001, 2);
    m_pool.SetCoveredCell(10, 10, 11, 11, p1);  // stale: the rebuild drops it
    m_pool.InitFromRangeList(m_list);
    ASSERT_TRUE(CoveredPoolIsSound(m_pool, m_list));
    EXPECT_EQ(m_pool.GetCoveredCell(2, 2), p1);
    EXPECT_EQ(m_pool.GetCoveredCell(4, 3), p2);
    for (ROWCOL n : {7u, 9u, 10u}) EXPECT_EQ(m_pool.GetCoveredCell(n, n), nullptr) << n;
    EXPECT_EQ(m_pool.GetCoveredCell(0x80000000, 1), nullptr);
    EXPECT_FALSE(m_pool.SetCoveredCell(1, 0x7FFFFFFF, 2, 0xFFFFFFFF, pHuge));
}
