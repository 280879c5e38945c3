#pragma once
// One direction of the grid's geometry: rows (heights, the top row) or columns (widths, the left
// column). Rows and columns follow the same algorithms; each algorithm is written once over an
// axis, and the public row and column operations hand it their direction. Sizes and hidden states
// are read through the grid's virtual operations, so that a derived grid's overrides count.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "grid/core/grid_core.h"

struct GXGeometryAxis {
    CGXGridCore& g;
    bool bRows;

    ROWCOL Count() const { return bRows ? g.GetRowCount() : g.GetColCount(); }
    ROWCOL Frozen() const { return bRows ? g.GetFrozenRows() : g.GetFrozenCols(); }
    ROWCOL Headers() const { return bRows ? g.GetHeaderRows() : g.GetHeaderCols(); }
    ROWCOL First() const noexcept { return bRows ? g.m_nTopRow : g.m_nLeftCol; }
    ROWCOL& FirstRef() const noexcept { return bRows ? g.m_nTopRow : g.m_nLeftCol; }
    int Size(ROWCOL n) const { return bRows ? g.GetRowHeight(n) : g.GetColWidth(n); }
    bool Hidden(ROWCOL n) const { return bRows ? g.IsRowHidden(n) : g.IsColHidden(n); }
    bool LimitToView() const noexcept { return bRows ? g.m_bLimitRowHeightToView : g.m_bLimitColWidthToView; }
    CGXGridCore::LastVisible& Cache() const noexcept { return bRows ? g.m_lastVisibleRow : g.m_lastVisibleCol; }
    CGXGridCore::ScrollAxisState& Scroll() const noexcept { return bRows ? g.m_scrollRows : g.m_scrollCols; }
    // The window's scroll bar of this direction.
    int Bar() const noexcept { return bRows ? 1 : 0; }

    // The grid area's extent in this direction: [start, end).
    static int Start(const CRect& r, bool bRows) noexcept { return bRows ? r.top : r.left; }
    static int End(const CRect& r, bool bRows) noexcept { return bRows ? r.bottom : r.right; }
    static int Coord(CPoint pt, bool bRows) noexcept { return bRows ? pt.y : pt.x; }
    int Start(const CRect& r) const noexcept { return Start(r, bRows); }
    int End(const CRect& r) const noexcept { return End(r, bRows); }
    int Coord(CPoint pt) const noexcept { return Coord(pt, bRows); }

    // Window row (column) conversions: window rows up to the frozen count are the rows
    // themselves; beyond them the top row follows.
    ROWCOL Step() const {
        ROWCOL f = Frozen(), t = First();
        return t > f && t - f >= 2 ? t - f : 1;
    }
    ROWCOL FromClient(ROWCOL nClient) const {
        ROWCOL f = Frozen();
        if (nClient == GX_INVALID || nClient <= f) return nClient;
        uint64_t n = uint64_t(nClient) - 1 + Step();
        return n >= GX_INVALID ? GX_INVALID : ROWCOL(n);
    }
    // The rows (columns) first..last that a set operation may change: last 0 means first alone, a
    // reversed pair is put in order, and the block ends at the last row, so that a careless range
    // cannot make the grid store (and record) billions of entries for rows that do not exist.
    // False when the block starts beyond the last row.
    bool ClampBlock(ROWCOL& nFirst, ROWCOL& nLast) const {
        if (nLast == 0) nLast = nFirst;
        if (nLast < nFirst) std::swap(nFirst, nLast);
        const ROWCOL nCount = Count();
        if (nFirst > nCount) return false;
        nLast = std::min(nLast, nCount);
        return true;
    }
    ROWCOL ToClient(ROWCOL n) const {
        ROWCOL f = Frozen(), t = First();
        if (n > f && n < t) return 0;  // scrolled out above the top row
        if (n != GX_INVALID && n > f) return n - Step() + 1;
        return n;
    }
};

// Sums in 64 bits, handed out clamped to what a pixel coordinate can hold.
inline int ClampPixels(int64_t v) noexcept {
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
