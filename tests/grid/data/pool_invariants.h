#pragma once
// Checks of the pools' shape, run by the tests after every structural change: outer arrays in
// their sparse form, no inner array is empty, nothing lies at coordinates the pools refuse,
// and covered cells point at ranges of their list that hold them.
#include <gtest/gtest.h>

#include "grid/data/covered_cell_pool.h"
#include "grid/data/span_cell_pool.h"
#include "sparse_form.h"

namespace pool_checks {
template <typename TOuter>
::testing::AssertionResult CheckShape(const TOuter& outer, const char* pszName) {
    if (auto r = SparseFormHolds(outer.GetEntries(), pszName); !r) return r;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    outer.ForEach([&](int i, const auto* p) {
        if (!result) return;
        if (p->IsEmpty()) result = ::testing::AssertionFailure() << pszName << ": inner array " << i << " is empty";
        else if (p->GetAt(p->GetUpperBound()) == decltype(p->GetAt(0)){})
            result = ::testing::AssertionFailure() << pszName << ": inner array " << i << " ends with an empty entry";
    });
    return result;
}

inline ::testing::AssertionResult SpanPoolIsSound(const CGXSpanCellPool& pool) {
    if (auto r = CheckShape(pool.GetVertical(), "vertical"); !r) return r;
    return CheckShape(pool.GetHorizontal(), "horizontal");
}

// Every covered cell points at a range of the list that holds the cell.
inline ::testing::AssertionResult CoveredPoolIsSound(const CGXCoveredCellPool& pool, const CGXRangeList& list) {
    if (auto r = CheckShape(pool.GetRows(), "covered"); !r) return r;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    pool.GetRows().ForEach([&](int nRow, const CPtrArray* pCols) {
        for (int nCol = 0; result && nCol < pCols->GetSize(); ++nCol) {
            auto* pRange = static_cast<CGXRange*>(pCols->GetAt(nCol));
            if (pRange == nullptr) continue;
            if (list.Find(pRange) == nullptr)
                result = ::testing::AssertionFailure() << "cell " << nRow << "," << nCol << " points outside the list";
            else if (!pRange->IsCellInRange(static_cast<ROWCOL>(nRow), static_cast<ROWCOL>(nCol)))
                result = ::testing::AssertionFailure() << "cell " << nRow << "," << nCol << " lies outside its range";
        }
    });
    return result;
}
}  // namespace pool_checks
