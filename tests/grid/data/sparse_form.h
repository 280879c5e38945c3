#pragma once
// Check of a sparse array's form, which the tests run after every change: runs in index order,
// each beginning and ending with a stored entry, holding no stretch of more than nMaxHole empty
// entries, and separated by gaps longer than that; a single entry held inline, and only then.
#include <gtest/gtest.h>

#include "grid/data/sparse_array.h"

template <typename T>
::testing::AssertionResult SparseFormHolds(const CGXSparseArray<T>& a, const char* pszName) {
    constexpr int nMaxHole = CGXSparseArray<T>::nMaxHole;
    long long nPrevEnd = -1;
    for (const auto& r : a.GetRuns()) {
        auto fail = [&] { return ::testing::AssertionFailure() << pszName << ": run at " << r.nFirst << " "; };
        if (r.items.empty()) return fail() << "is empty";
        if (r.items.front() == T{} || r.items.back() == T{}) return fail() << "has an empty end";
        if (r.nFirst < 0 || static_cast<long long>(r.nFirst) + static_cast<long long>(r.items.size()) > INT_MAX)
            return fail() << "lies outside int";
        if (nPrevEnd >= 0 && r.nFirst - nPrevEnd <= nMaxHole) return fail() << "is too close to the one before";
        int nHole = 0;
        for (const T& v : r.items) {
            nHole = v == T{} ? nHole + 1 : 0;
            if (nHole > nMaxHole) return fail() << "holds a long stretch of empty entries";
        }
        nPrevEnd = r.End();
    }
    size_t nStored = 0;
    a.ForEach([&](int, const T&) { ++nStored; });
    if (a.HoldsOneInline() != (nStored == 1))
        return ::testing::AssertionFailure() << pszName << ": " << nStored << " entries, inline " << a.HoldsOneInline();
    return ::testing::AssertionSuccess();
}
