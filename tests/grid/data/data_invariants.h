#pragma once
// Check of a data store's shape, run by the tests after every change: every array in its sparse
// form, no row array without styles, every style a live CGXStyle owned by exactly one slot, and
// (unless moves carried them further) nothing stored beyond the counts. And the style the tests
// store most, one holding only a value.
#include <gtest/gtest.h>

#include <set>

#include "grid/data/data.h"
#include "sparse_form.h"

inline CGXStyle Valued(const char* psz) {
    CGXStyle s;
    s.SetValue(psz);
    return s;
}

inline ::testing::AssertionResult StoreIsSound(const CGXData& data, bool bWithinCounts = true) {
    if (auto r = SparseFormHolds(data.GetRowStyles().GetEntries(), "row styles"); !r) return r;
    if (auto r = SparseFormHolds(data.GetColStyles().GetEntries(), "column styles"); !r) return r;
    if (auto r = SparseFormHolds(data.GetCells().GetEntries(), "cells"); !r) return r;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    std::set<const CGXStyle*> owned;
    auto own = [&](const CGXStyle* p, const char* pszWhere, long long nRow, long long nCol) {
        if (!result) return;
        // A dangling pointer is a use after free here, which the address sanitizer reports.
        if (!p->IsKindOf(RUNTIME_CLASS(CGXStyle)))
            result = ::testing::AssertionFailure() << pszWhere << " " << nRow << "," << nCol << " is no style";
        else if (!owned.insert(p).second)
            result = ::testing::AssertionFailure() << pszWhere << " " << nRow << "," << nCol << " is owned twice";
        else if (bWithinCounts && (nRow > data.GetRowCount() || nCol > data.GetColCount()))
            result = ::testing::AssertionFailure() << pszWhere << " " << nRow << "," << nCol << " lies beyond the counts";
    };
    data.GetRowStyles().ForEach([&](int r, const CGXStyle* p) { own(p, "row style", r, 0); });
    data.GetColStyles().ForEach([&](int c, const CGXStyle* p) { own(p, "column style", 0, c); });
    data.GetCells().ForEach([&](int r, const CGXStylePtrArray* pRow) {
        if (!result) return;
        if (pRow->IsEmpty()) result = ::testing::AssertionFailure() << "row array " << r << " holds no style";
        else if (auto f = SparseFormHolds(pRow->GetEntries(), "row array"); !f) result = f;
        else pRow->ForEach([&](int c, const CGXStyle* p) { own(p, "cell", r, c); });
    });
    return result;
}
