// A span (a covered block or merged cells) is drawn once, over its whole rectangle. Where it
// crosses the boundary between frozen and scrolling rows (columns), each pane shows its own part:
// the frozen pane the span laid out from its first row on, the scrolling pane the span laid out so
// that its rows fall on their scrolled positions. Each part is drawn over the span's whole
// rectangle as that pane lays it out, clipped to what the pane shows of it.
#include "grid/core/draw_steps.h"

namespace {

// One pane's part of a span along one axis: the pixels the pane shows, and where the whole span
// lies as that pane lays it out.
struct SpanPart {
    int nShowFrom, nShowTo;
    int nWholeFrom, nWholeTo;
};

// The parts of rows first..last (columns likewise): at most one in the frozen pane and one in the
// scrolling pane.
int SpanParts(CGXGridCore& g, bool bRows, ROWCOL first, ROWCOL last, const CRect& grid, SpanPart parts[2]) {
    GXGeometryAxis a{g, bRows};
    const ROWCOL f = a.Frozen(), t = a.First();
    const int nStart = a.Start(grid), nEnd = a.End(grid);
    const int nLimit = std::max(4 * (nEnd - nStart), 1);  // beyond this the span runs off the area
    auto sum = [&](ROWCOL from, ROWCOL to) {
        return from > to ? 0 : bRows ? g.SumRowHeights(from, to, nLimit) : g.SumColWidths(from, to, nLimit);
    };
    auto pos = [&](ROWCOL n) {  // the screen position of a visible row
        ROWCOL c = a.ToClient(n);
        return nStart + (c == 0 ? 0 : bRows ? g.SumClientRowHeights(0, c - 1, nLimit) : g.SumClientColWidths(0, c - 1, nLimit));
    };
    const int nWhole = sum(first, last);
    int n = 0;
    if (first <= f) {
        const int from = pos(first);
        parts[n++] = {from, from + sum(first, std::min(last, f)), from, from + nWhole};
    }
    if (last > f && last >= t) {
        const ROWCOL v = std::max(std::max(first, f + 1), t);  // the first row the scrolling pane shows
        const int from = pos(v);
        const int wholeFrom = from - sum(first, v - 1);
        parts[n++] = {from, from + sum(v, last), wholeFrom, wholeFrom + nWhole};
    }
    return n;
}

}  // namespace

void DrawSpan(CGXGridCore& g, CDC* pDC, const CGXRange& span, const CGXStyle& style, const CRect& grid) {
    SpanPart rows[2], cols[2];
    const int nr = SpanParts(g, true, span.top, span.bottom, grid, rows);
    const int nc = SpanParts(g, false, span.left, span.right, grid, cols);
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nc; ++j) {
            const CRect whole(cols[j].nWholeFrom, rows[i].nWholeFrom, cols[j].nWholeTo, rows[i].nWholeTo);
            CRect shown(std::max(cols[j].nShowFrom, int(grid.left)), std::max(rows[i].nShowFrom, int(grid.top)),
                        std::min(cols[j].nShowTo, int(grid.right)), std::min(rows[i].nShowTo, int(grid.bottom)));
            if (shown.IsRectEmpty() || whole.IsRectEmpty()) continue;
            const bool bClip = shown != whole;
            const int nSaved = bClip ? pDC->SaveDC() : 0;
            if (bClip) pDC->IntersectClipRect(&shown);
            const bool bOld = g.SetDrawCellBackground(true);
            g.DrawItem(pDC, span.top, span.left, whole, style);
            g.SetDrawCellBackground(bOld);
            DrawBorders(g, pDC, whole, style);
            if (bClip) pDC->RestoreDC(nSaved);
        }
}
