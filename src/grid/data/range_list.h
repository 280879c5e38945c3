#pragma once
// CGXRangeList: an ordered list of ranges that owns them, in the order they were added (the
// selection's last range is the most recent one).
#include "grid/data/range.h"
#include "platform/framework/collections.h"

class CGXRangeList : public CPtrList {
    DECLARE_SERIAL(CGXRangeList)
public:
    CGXRangeList() : CPtrList(10) {}
    ~CGXRangeList() override;

    // The list takes ownership of a range made with new.
    POSITION AddTail(CGXRange* pRange) { return CPtrList::AddTail(pRange); }
    POSITION AddHead(CGXRange* pRange) { return CPtrList::AddHead(pRange); }
    CGXRange* GetNext(POSITION& pos) const noexcept { return static_cast<CGXRange*>(CPtrList::GetNext(pos)); }
    CGXRange* GetPrev(POSITION& pos) const noexcept { return static_cast<CGXRange*>(CPtrList::GetPrev(pos)); }
    CGXRange* GetAt(POSITION pos) const noexcept { return static_cast<CGXRange*>(CPtrList::GetAt(pos)); }
    CGXRange* GetHead() const noexcept { return static_cast<CGXRange*>(CPtrList::GetHead()); }
    CGXRange* GetTail() const noexcept { return static_cast<CGXRange*>(CPtrList::GetTail()); }

    // Deletes every range and empties the list.
    void DeleteAll() noexcept;
    // Removes the range at pos from the list and deletes it.
    void DeleteAt(POSITION pos) noexcept;

    // The first range, in list order, that holds the cell; null when none does.
    POSITION FindRange(ROWCOL nRow, ROWCOL nCol) const noexcept;
    // Whether a range other than the one at posSkip holds the cell.
    bool IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip = nullptr) const noexcept;

    // Schema 1: 16 bits schema, 32 bits number of valid ranges, then each valid range. Reading
    // appends what it reads; ranges that are not valid are not written.
    void Serialize(CArchive& ar) override;
};
