#pragma once
// Checks of the pools' shape, run by the tests after every structural change: arrays end at
// their last stored entry, no inner array is empty, nothing lies at coordinates the pools refuse,
// and covered cells point at ranges of their list that hold them.
#include <gtest/gtest.h>

#include "grid/data/covered_cell_pool.h"
#include "grid/data/span_cell_pool.h"

namespace pool_checks {
template <typename TOuter>
::testing::AssertionResult CheckShape(const TOuter& outer, const char* pszName) {
    if (outer.GetSize() > 0 && outer.GetAt(outer.GetUpperBound()) == nullptr)
        return ::testing::AssertionFailure() << pszName << ": the outer array ends with an empty entry";
    for (int i = 0; i < outer.GetSize(); ++i) {
        const auto* p = outer.GetAt(i);
        if (p == nullptr) continue;
        if (p->IsEmpty()) return ::testing::AssertionFailure() << pszName << ": inner array " << i << " is empty";
        if (p->GetAt(p->GetUpperBound()) == decltype(p->GetAt(0)){})
            return ::testing::AssertionFailure() << pszName << ": inner array " << i << " ends with an empty entry";
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SpanPoolIsSound(const CGXSpanCellPool& pool) {
    if (auto r = CheckShape(pool.GetVertical(), "vertical"); !r) return r;
    return CheckShape(pool.GetHorizontal(), "horizontal");
}

// Every covered cell points at a range of the list that holds the cell.
inline ::testing::AssertionResult CoveredPoolIsSound(const CGXCoveredCellPool& pool, const CGXRangeList& list) {
    if (auto r = CheckShape(pool.GetRows(), "covered"); !r) return r;
    const CGXPtrArrayPtrArray& rows = pool.GetRows();
    for (int nRow = 0; nRow < rows.GetSize(); ++nRow) {
        const CPtrArray* pCols = rows.GetAt(nRow);
        for (int nCol = 0; pCols != nullptr && nCol < pCols->GetSize(); ++nCol) {
            auto* pRange = static_cast<CGXRange*>(pCols->GetAt(nCol));
            if (pRange == nullptr) continue;
            if (list.Find(pRange) == nullptr)
                return ::testing::AssertionFailure() << "cell " << nRow << "," << nCol << " points outside the list";
            if (!pRange->IsCellInRange(static_cast<ROWCOL>(nRow), static_cast<ROWCOL>(nCol)))
                return ::testing::AssertionFailure() << "cell " << nRow << "," << nCol << " lies outside its range";
        }
    }
    return ::testing::AssertionSuccess();
}
}  // namespace pool_checks
