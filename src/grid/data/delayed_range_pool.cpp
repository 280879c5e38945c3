#include "grid/data/delayed_range_pool.h"

#include <memory>

IMPLEMENT_SERIAL(CGXDelayedRangePool, CObject, VERSIONABLE_SCHEMA | 0)

namespace {
constexpr WORD kDelayedRangePoolSchema = 1;

// Whether every cell of b lies in a: the table holds everything; rows and columns hold ranges of
// their own kind and cell blocks within their bounds; a cell block holds cell blocks.
bool Holds(const CGXRange& a, const CGXRange& b) noexcept {
    if (!a.IsValid() || !b.IsValid()) return false;
    const bool bRows = a.top <= b.top && b.bottom <= a.bottom;
    const bool bCols = a.left <= b.left && b.right <= a.right;
    switch (a.kind) {
    case CGXRange::table: return true;
    case CGXRange::rows: return (b.IsRows() || b.IsCells()) && bRows;
    case CGXRange::cols: return (b.IsCols() || b.IsCells()) && bCols;
    case CGXRange::cells: return b.IsCells() && bRows && bCols;
    }
    return false;
}

// Moves every range of rFrom to the end of rTo, in order.
void MoveAll(CGXRangeList& rFrom, CGXRangeList& rTo) {
    while (!rFrom.IsEmpty()) {
        std::unique_ptr<CGXRange> pRange(static_cast<CGXRange*>(rFrom.RemoveHead()));
        rTo.AddTail(pRange.get());
        pRange.release();
    }
}
}  // namespace

bool CGXDelayedRangePool::AddRange(const CGXRange& range) {
    if (!range.IsValid()) return false;
    for (POSITION pos = m_ranges.GetHeadPosition(); pos != nullptr;)
        if (Holds(*m_ranges.GetNext(pos), range)) return false;
    auto pRange = std::make_unique<CGXRange>(range);
    m_ranges.AddTail(pRange.get());
    pRange.release();
    // What the new range holds is pending with it now.
    for (POSITION pos = m_ranges.GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        const CGXRange* pOld = m_ranges.GetNext(pos);
        if (pos != nullptr && Holds(range, *pOld)) m_ranges.DeleteAt(posThis);
    }
    return true;
}

void CGXDelayedRangePool::TakeRanges(CGXRangeList& rList) { MoveAll(m_ranges, rList); }

void CGXDelayedRangePool::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kDelayedRangePoolSchema;
        m_ranges.Serialize(ar);
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != kDelayedRangePoolSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    CGXRangeList ranges;
    ranges.Serialize(ar);
    m_ranges.DeleteAll();
    MoveAll(ranges, m_ranges);
}
