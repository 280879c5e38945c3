#pragma once
// CGXCoveredCellPool: for any cell, the covered-cell range it belongs to, without searching the
// list of covered cells. An index into that list: the ranges belong to the list, the pool only
// points at them and is rebuilt from the list whenever the list changes as a whole.
#include "grid/data/ptr_arrays.h"
#include "grid/data/range_list.h"

class CGXCoveredCellPool : public CObject {
    DECLARE_DYNCREATE(CGXCoveredCellPool)
public:
    CGXCoveredCellPool() = default;
    CGXCoveredCellPool(const CGXCoveredCellPool&) = delete;
    CGXCoveredCellPool& operator=(const CGXCoveredCellPool&) = delete;

    // The range that covers the cell, or null.
    virtual CGXRange* GetCoveredCell(ROWCOL nRow, ROWCOL nCol) const noexcept;
    // Points the cells of the block at pRange, or with null clears the block. A single cell is
    // refused, and so is a block whose top-left cell already belongs to another range. True when
    // any row changed.
    virtual bool SetCoveredCell(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, CGXRange* pRange);

    // Empties the pool and sets every valid range of the list, in list order.
    void InitFromRangeList(const CGXRangeList& list);
    void Clear() noexcept { m_rows.DeleteAll(); }

    // Rows by index, each an array of range pointers by column; for checks of the pool's shape.
    const CGXPtrArrayPtrArray& GetRows() const noexcept { return m_rows; }

private:
    CGXPtrArrayPtrArray m_rows;
};
