#include "grid/data/range.h"

#include <algorithm>
#include <utility>

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    kind = cells;
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    valid = 1;
    return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nFirst, ROWCOL nLast) {
    SetCells(nFirst, 0, nLast, 0);
    kind = rows;
    return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nFirst, ROWCOL nLast) {
    SetCells(0, nFirst, 0, nLast);
    kind = cols;
    return *this;
}

CGXRange& CGXRange::SetTable() {
    kind = table;
    valid = 1;
    return *this;
}

CGXRange& CGXRange::ExpandRange(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol) {
    if (kind == rows || kind == table) {
        left = nFirstCol;
        right = nLastCol;
    }
    if (kind == cols || kind == table) {
        top = nFirstRow;
        bottom = nLastRow;
    }
    kind = cells;
    return *this;
}

bool CGXRange::IsCellInRange(ROWCOL nRow, ROWCOL nCol) const noexcept {
    if (!IsValid()) return false;
    const bool bInRows = nRow >= top && nRow <= bottom;
    const bool bInCols = nCol >= left && nCol <= right;
    switch (kind) {
        case table: return true;
        case rows: return bInRows;
        case cols: return bInCols;
        default: return bInRows && bInCols;
    }
}

bool CGXRange::IntersectRange(const CGXRange& a, const CGXRange& b) {
    // Copied first: a or b may be this range.
    const CGXRange ra = a, rb = b;
    top = std::max(ra.top, rb.top);
    left = std::max(ra.left, rb.left);
    bottom = std::min(ra.bottom, rb.bottom);
    right = std::min(ra.right, rb.right);
    valid = top <= bottom && left <= right;
    return IsValid();
}

bool CGXRange::UnionRange(const CGXRange& a, const CGXRange& b) {
    const CGXRange ra = a, rb = b;
    top = std::min(ra.top, rb.top);
    left = std::min(ra.left, rb.left);
    bottom = std::max(ra.bottom, rb.bottom);
    right = std::max(ra.right, rb.right);
    valid = top <= bottom && left <= right;
    return IsValid();
}

void CGXRange::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << top << left << bottom << right << static_cast<BYTE>(kind) << static_cast<BYTE>(valid != 0);
        return;
    }
    BYTE nKind = 0, nValid = 0;
    ar >> top >> left >> bottom >> right >> nKind >> nValid;
    // Only the four kinds exist; anything else is damage, not a range to guess at.
    if (nKind > table) AfxThrowArchiveException(CArchiveException::genericException);
    kind = static_cast<Kind>(nKind);
    valid = nValid != 0;
}
