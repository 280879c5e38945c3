#include "grid/data/span_cell_pool.h"

#include <algorithm>
#include <climits>

IMPLEMENT_SERIAL(CGXSpanCellPool, CObject, 1)

// Both directions work alike: "lines" are the outer index of one array (rows of the horizontal
// array) and the inner index of the other (rows inside each column of the vertical array).
namespace {
using Arrays = CGXDWordArrayPtrArray;
constexpr LONGLONG nCoordLimit = 0x80000000LL;
constexpr LONGLONG nMaxSize = INT_MAX;

bool IsCoord(ROWCOL n) noexcept { return static_cast<LONGLONG>(n) < nCoordLimit; }

// Sets or clears the runs from nFirst to nLast in the inner arrays nOuterFirst to nOuterLast.
bool SetRuns(Arrays& a, ROWCOL nOuterFirst, ROWCOL nOuterLast, ROWCOL nFirst, ROWCOL nLast, bool bSet) {
    if (bSet && nFirst == nLast) return false;
    bool bChanged = false;
    const int nF = static_cast<int>(nFirst), nL = static_cast<int>(nLast);
    for (LONGLONG nOuter = nOuterFirst; nOuter <= static_cast<LONGLONG>(nOuterLast); ++nOuter) {
        const int o = static_cast<int>(nOuter);
        CDWordArray* p = bSet ? a.Ensure(o) : a.GetAt(o);
        if (p == nullptr) continue;
        const DWORD nFormer = p->GetAt(nF);
        int i = nF;
        if (bSet) {
            if (p->GetSize() <= nL) p->SetSize(nL + 1);
            for (; i <= nL; ++i) {
                bChanged = bChanged || p->GetAt(i) != nFirst;
                p->SetAt(i, nFirst);
            }
        }
        // Clearing, or what follows a newly set run of what was there before.
        for (; nFormer != 0 && i < p->GetSize() && p->GetAt(i) == nFormer; ++i) {
            p->SetAt(i, 0);
            bChanged = true;
        }
        a.Compact(o);
    }
    return bChanged;
}

// The run of equal start values through entry i of p, as start and last entry.
bool GetRun(const CDWordArray* p, ROWCOL n, ROWCOL& nStart, ROWCOL& nEnd) {
    if (p == nullptr || n >= static_cast<ROWCOL>(p->GetSize())) return false;
    int i = static_cast<int>(n);
    const DWORD v = p->GetAt(i);
    if (v == 0) return false;
    while (i + 1 < p->GetSize() && p->GetAt(i + 1) == v) ++i;
    nStart = v;
    nEnd = static_cast<ROWCOL>(i);
    return true;
}

// The longest inner array of a.
int LongestInner(const Arrays& a) noexcept {
    int n = 0;
    a.ForEach([&](int, const CDWordArray* p) { n = std::max(n, p->GetSize()); });
    return n;
}

bool InsertLines(Arrays& outer, Arrays& across, ROWCOL nAt, ROWCOL nCount) {
    if (!IsCoord(nAt) || !IsCoord(nCount) || nCount == 0) return false;
    const LONGLONG nLongest = std::max<LONGLONG>(outer.GetSize(), LongestInner(across));
    if (nAt >= nLongest) return false;
    if (nLongest + nCount > std::min(nCoordLimit, nMaxSize)) return false;
    const int at = static_cast<int>(nAt), n = static_cast<int>(nCount);
    bool bChanged = false;
    if (at < outer.GetSize()) {
        outer.InsertEmpty(at, n);
        bChanged = true;
    }
    across.ForEach([&](int, CDWordArray* p) {
        if (at < p->GetSize()) {
            p->InsertAt(at, 0, n);
            bChanged = true;
        }
    });
    return bChanged;
}

bool RemoveLines(Arrays& outer, Arrays& across, ROWCOL nFrom, ROWCOL nTo) {
    if (!IsCoord(nFrom) || !IsCoord(nTo) || nFrom > nTo) return false;
    const int from = static_cast<int>(nFrom);
    const int n = static_cast<int>(std::min<LONGLONG>(static_cast<LONGLONG>(nTo) - nFrom + 1, nMaxSize));
    bool bChanged = false;
    if (from < outer.GetSize()) {
        outer.DeleteAt(from, n);
        outer.Compact(outer.GetSize() - 1);
        bChanged = true;
    }
    across.ForEach([&](int, CDWordArray* p) {
        if (from < p->GetSize()) {
            p->RemoveAt(from, n);
            bChanged = true;
        }
    });
    across.CompactAll();
    return bChanged;
}

bool MoveLines(Arrays& outer, Arrays& across, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (!IsCoord(nFrom) || !IsCoord(nTo) || !IsCoord(nDest) || nFrom > nTo) return false;
    const LONGLONG n = static_cast<LONGLONG>(nTo) - nFrom + 1;
    // The block must land below the coordinate limit, and the room made for it must fit in int.
    const LONGLONG nLongest = std::max<LONGLONG>(outer.GetSize(), LongestInner(across));
    if (nDest + n > nCoordLimit || std::max<LONGLONG>(nLongest, nDest + n) + n > nMaxSize) return false;
    const int from = static_cast<int>(nFrom), count = static_cast<int>(n), dest = static_cast<int>(nDest);
    bool bChanged = outer.MoveEntries(from, count, dest);
    outer.CompactAll();
    across.ForEach([&](int, CDWordArray* p) { bChanged = GXMoveEntries(*p, from, count, dest) || bChanged; });
    across.CompactAll();
    return bChanged;
}
}  // namespace

namespace {
// Each run of equal non-zero entries of an inner array holds its first index.
void Renumber(Arrays& a) {
    a.ForEach([](int, CDWordArray* p) {
        for (int i = 0; i < p->GetSize();) {
            const DWORD v = p->GetAt(i);
            int j = i + 1;
            while (j < p->GetSize() && p->GetAt(j) == v) ++j;
            if (v != 0)
                for (int k = i; k < j; ++k) p->SetAt(k, j - i > 1 ? static_cast<DWORD>(i) : 0);
            i = j;
        }
    });
    a.CompactAll();
}
}  // namespace

void CGXSpanCellPool::RenumberRowSpans() { Renumber(m_vertical); }
void CGXSpanCellPool::RenumberColSpans() { Renumber(m_horizontal); }

bool CGXSpanCellPool::GetSpanCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const {
    if (!IsCoord(nRow) || !IsCoord(nCol)) return false;
    ROWCOL nLeft = nCol, nRight = nCol, nTop = nRow, nBottom = nRow;
    const bool bHorz = GetRun(m_horizontal.GetAt(static_cast<int>(nRow)), nCol, nLeft, nRight);
    const bool bVert = GetRun(m_vertical.GetAt(static_cast<int>(nCol)), nRow, nTop, nBottom);
    if (!bHorz && !bVert) return false;
    // Not put in order: after structural changes a start value may lie past the cell until the
    // grid recomputes the spans, and the caller should see what is stored.
    range.SetCells(nRow, nCol, nRow, nCol);
    range.top = nTop;
    range.left = nLeft;
    range.bottom = nBottom;
    range.right = nRight;
    return true;
}

bool CGXSpanCellPool::SetSpanCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, bool bSet) {
    if (nTop > nBottom || nLeft > nRight) return false;
    // An array reaching index INT_MAX would not fit in int.
    if (static_cast<LONGLONG>(nBottom) >= nMaxSize || static_cast<LONGLONG>(nRight) >= nMaxSize) return false;
    bool bChanged = false;
    try {
        bChanged = SetRuns(m_horizontal, nTop, nBottom, nLeft, nRight, bSet);
        bChanged = SetRuns(m_vertical, nLeft, nRight, nTop, nBottom, bSet) || bChanged;
    } catch (const CMemoryException&) {
        m_horizontal.CompactAll();
        m_vertical.CompactAll();
        throw;
    }
    return bChanged;
}

bool CGXSpanCellPool::InsertRows(ROWCOL nRow, ROWCOL nCount) { return InsertLines(m_horizontal, m_vertical, nRow, nCount); }
bool CGXSpanCellPool::RemoveRows(ROWCOL nFrom, ROWCOL nTo) { return RemoveLines(m_horizontal, m_vertical, nFrom, nTo); }
bool CGXSpanCellPool::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    return MoveLines(m_horizontal, m_vertical, nFrom, nTo, nDest);
}
bool CGXSpanCellPool::InsertCols(ROWCOL nCol, ROWCOL nCount) { return InsertLines(m_vertical, m_horizontal, nCol, nCount); }
bool CGXSpanCellPool::RemoveCols(ROWCOL nFrom, ROWCOL nTo) { return RemoveLines(m_vertical, m_horizontal, nFrom, nTo); }
bool CGXSpanCellPool::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    return MoveLines(m_vertical, m_horizontal, nFrom, nTo, nDest);
}

void CGXSpanCellPool::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_vertical.Serialize(ar);
        m_horizontal.Serialize(ar);
        return;
    }
    CGXDWordArrayPtrArray vertical, horizontal;
    vertical.Serialize(ar);
    horizontal.Serialize(ar);
    m_vertical.Swap(vertical);
    m_horizontal.Swap(horizontal);
}
