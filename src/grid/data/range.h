#pragma once
// CGXRange: a rectangle of the grid, as a block of cells, whole rows, whole columns or the table.
// A plain value, freely copied; rows and columns are unsigned, 0 being the header row or column.
#include "platform/framework/archive.h"

using ROWCOL = DWORD;

class CGXRange {
public:
    enum Kind : DWORD { cells = 0, rows = 1, cols = 2, table = 3 };

    CGXRange() = default;
    CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) { SetCells(nTop, nLeft, nBottom, nRight); }
    CGXRange(const CGXRange&) = default;
    // A copy of *pRange; with none, all zeros.
    explicit CGXRange(const CGXRange* pRange) {
        if (pRange != nullptr) *this = *pRange;
    }
    CGXRange& operator=(const CGXRange&) = default;
    bool operator==(const CGXRange&) const = default;

    CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXRange& SetRows(ROWCOL nFirst, ROWCOL nLast);
    CGXRange& SetCols(ROWCOL nFirst, ROWCOL nLast);
    // The coordinates stay as they were: they mean nothing for the table.
    CGXRange& SetTable();

    bool IsValid() const noexcept { return valid != 0; }
    bool IsCells() const noexcept { return kind == cells; }
    bool IsRows() const noexcept { return kind == rows; }
    bool IsCols() const noexcept { return kind == cols; }
    bool IsTable() const noexcept { return kind == table; }

    // The cells range equal to this range in a grid whose data extend over the given bounds.
    CGXRange& ExpandRange(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol);
    bool IsCellInRange(ROWCOL nRow, ROWCOL nCol) const noexcept;
    // Both work on the four coordinates and leave the kind alone: callers expand whole rows,
    // columns or the table first. The result (and valid) says whether anything is left.
    bool IntersectRange(const CGXRange& a, const CGXRange& b);
    bool UnionRange(const CGXRange& a, const CGXRange& b);
    // Unsigned, as the coordinates are: top 0 and bottom 0xFFFFFFFF wrap to 0.
    ROWCOL GetHeight() const noexcept { return bottom - top + 1; }
    ROWCOL GetWidth() const noexcept { return right - left + 1; }

    // top, left, bottom, right as 32 bits each, then kind and valid as 8 bits each.
    void Serialize(CArchive& ar);
    static constexpr ULONGLONG nArchiveSize = 18;

    // In declared order, all 32-bit, as the grid's other classes read and write them directly.
    Kind kind = cells;
    ROWCOL top = 0;
    ROWCOL left = 0;
    ROWCOL bottom = 0;
    ROWCOL right = 0;
    BOOL valid = 0;
};

inline CArchive& operator<<(CArchive& ar, const CGXRange& range) {
    const_cast<CGXRange&>(range).Serialize(ar);
    return ar;
}
inline CArchive& operator>>(CArchive& ar, CGXRange& range) {
    range.Serialize(ar);
    return ar;
}
