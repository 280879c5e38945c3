// What an undo of a removal of rows (columns) needs to bring them back: their own sizes, their
// hidden flags, their row (column) styles and the styles of their cells. Memory follows what is
// stored: the arrays end at the last line that holds something, the cells of a line at the last
// position of the other direction that holds a style in any removed line, and lines without
// sizes or flags keep no array of them.
#include <climits>

#include "grid/core/rows_cols_axis.h"

namespace gxrowscols {
namespace {

// The data store's arrays index by int: lines from INT_MAX on hold no style.
int ToIndex(uint64_t n) noexcept { return static_cast<int>(std::min<uint64_t>(n, INT_MAX)); }

const CGXStylePtrArray& LineStyles(GXRowsColsAxis a, const CGXData& data) {
    return a.bRows ? data.GetRowStyles() : data.GetColStyles();
}

// f(line, position, style) for every cell style of lines from..to.
template <typename F>
void ForEachCell(GXRowsColsAxis a, const CGXData& data, ROWCOL nFrom, ROWCOL nTo, F f) {
    const int nLo = ToIndex(nFrom), nHi = ToIndex(uint64_t{nTo} + 1);
    if (a.bRows) {
        data.GetCells().ForEach(nLo, nHi, [&](int r, const CGXStylePtrArray* p) {
            p->ForEach([&](int c, const CGXStyle* s) { f(ROWCOL(r), ROWCOL(c), s); });
        });
    } else {
        data.GetCells().ForEach([&](int r, const CGXStylePtrArray* p) {
            p->ForEach(nLo, nHi, [&](int c, const CGXStyle* s) { f(ROWCOL(c), ROWCOL(r), s); });
        });
    }
}

}  // namespace

RemovedLines::Extent RemovedLines::Measure(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo) {
    Extent e;
    const CGXData& data = *a.g.GetData();
    for (const auto& [n, nUnits] : a.Sizes()) e.bSizes = e.bSizes || (n >= nFrom && n <= nTo);
    const CGXHiddenArray& hidden = a.HiddenFlags();
    for (int i = ToIndex(nFrom); i < hidden.GetSize() && ROWCOL(i) <= nTo && !e.bHidden; ++i)
        e.bHidden = hidden.GetAt(i) != 0;
    LineStyles(a, data).ForEach(ToIndex(nFrom), ToIndex(uint64_t{nTo} + 1), [&](int n, const CGXStyle*) {
        e.nLineStyles = ROWCOL(n) - nFrom + 1;
    });
    ForEachCell(a, data, nFrom, nTo, [&](ROWCOL n, ROWCOL m, const CGXStyle*) {
        e.nCellLines = std::max(e.nCellLines, n - nFrom + 1);
        e.nCross = std::max(e.nCross, m + 1);
    });
    return e;
}

bool RemovedLines::Extent::IsTooLarge(ROWCOL nCount) const noexcept {
    // Sizes and flags are kept for every removed line; styles up to the last line with one.
    const uint64_t nLines = bSizes || bHidden ? nCount : std::max(nLineStyles, nCellLines);
    return nLines >= 0x8000 || nCross >= 0x8000 || uint64_t{nCellLines} * nCross >= 0x7FFFFFFF;
}

RemovedLines RemovedLines::Collect(GXRowsColsAxis a, ROWCOL nFrom, ROWCOL nTo) {
    const Extent e = Measure(a, nFrom, nTo);
    const CGXData& data = *a.g.GetData();
    const size_t nCount = size_t{nTo} - nFrom + 1;
    RemovedLines u;
    if (e.bSizes) {
        u.sizes.assign(nCount, -1);
        for (const auto& [n, nUnits] : a.Sizes())
            if (n >= nFrom && n <= nTo) u.sizes[n - nFrom] = a.UnitsToPixels(nUnits);
    }
    if (e.bHidden) {
        u.hidden.assign(nCount, false);
        const CGXHiddenArray& hidden = a.HiddenFlags();
        for (int i = ToIndex(nFrom); i < hidden.GetSize() && ROWCOL(i) <= nTo; ++i)
            u.hidden[ROWCOL(i) - nFrom] = hidden.GetAt(i) != 0;
    }
    u.lineStyles.resize(e.nLineStyles);
    LineStyles(a, data).ForEach(ToIndex(nFrom), ToIndex(uint64_t{nTo} + 1), [&](int n, const CGXStyle* s) {
        u.lineStyles[ROWCOL(n) - nFrom].reset(s->Clone());
    });
    u.nCross = e.nCross;
    u.cells.resize(size_t{e.nCellLines} * e.nCross);
    ForEachCell(a, data, nFrom, nTo, [&](ROWCOL n, ROWCOL m, const CGXStyle* s) {
        u.cells[size_t{n - nFrom} * e.nCross + m].reset(s->Clone());
    });
    return u;
}

}  // namespace gxrowscols
