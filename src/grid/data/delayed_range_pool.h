#pragma once
// CGXDelayedRangePool: the ranges of cells whose float or merge spans the grid has still to work
// out. The grid records ranges as they change and evaluates them when it draws; a range inside
// one already recorded adds nothing, so the pool stays as small as the pending work.
#include "grid/data/range_list.h"

class CGXDelayedRangePool : public CObject {
    DECLARE_SERIAL(CGXDelayedRangePool)
public:
    CGXDelayedRangePool() = default;
    CGXDelayedRangePool(const CGXDelayedRangePool&) = delete;
    CGXDelayedRangePool& operator=(const CGXDelayedRangePool&) = delete;

    // Records a range; one that is not valid, or lies inside a recorded one, is not recorded.
    // Recorded ranges inside the new one are dropped. True when the pool changed.
    bool AddRange(const CGXRange& range);
    // Whether any recorded range holds the cell.
    bool IsCellDelayed(ROWCOL nRow, ROWCOL nCol) const noexcept { return m_ranges.FindRange(nRow, nCol) != nullptr; }
    bool IsEmpty() const noexcept { return m_ranges.IsEmpty(); }
    int GetCount() const noexcept { return m_ranges.GetCount(); }
    const CGXRangeList& GetRanges() const noexcept { return m_ranges; }
    // Hands the recorded ranges over to rList (appended in recording order); the pool is empty then.
    void TakeRanges(CGXRangeList& rList);
    void RemoveAll() noexcept { m_ranges.DeleteAll(); }

    // Schema 1: 16 bits schema, then the ranges in the range list's form. A damaged archive leaves
    // the pool as it was.
    void Serialize(CArchive& ar) override;

private:
    CGXRangeList m_ranges;
};
