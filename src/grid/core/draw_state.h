#pragma once
// What drawing keeps between paints: the cache of composed styles (92 window rows by 64 window
// columns), the GDI objects cells share, and the drawing context's arrays, which keep their
// capacity so that a repaint of an unchanged grid allocates nothing.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "grid/core/geometry_axis.h"
#include "grid/core/grid_core.h"
#include "platform/framework/dc.h"
#include "platform/framework/gdi_objects.h"

// Cell flags of the drawing context.
enum : WORD {
    GX_DF_BORDER_LEFT = 0x0001,
    GX_DF_BORDER_RIGHT = 0x0002,
    GX_DF_BORDER_TOP = 0x0004,
    GX_DF_BORDER_BOTTOM = 0x0008,
    GX_DF_SELECTED = 0x0010,
    GX_DF_BACKGROUND = 0x0020,
    GX_DF_SPAN = 0x0040,
    GX_DF_COVERED = 0x0080,
    GX_DF_SPAN_INNER = 0x0100,
    GX_DF_HORZ_LINE = 0x0200,
    GX_DF_VERT_LINE = 0x0400,
    GX_DF_LAST_FROZEN_COL = 0x0800,
    GX_DF_LAST_FROZEN_ROW = 0x1000,
};

// The drawing context of one DrawCells call.
struct GXDrawContext {
    ROWCOL nRows = 0, nCols = 0;  // window rows and columns drawn
    ROWCOL nFromClientRow = 0, nFromClientCol = 0;
    ROWCOL nFrozenRows = 0, nFrozenCols = 0, nHeaderRows = 0, nHeaderCols = 0;
    std::vector<int> heights, widths, tops, lefts;
    std::vector<ROWCOL> rowNumbers, colNumbers;  // one more than drawn: the next row, or 0
    std::vector<const CGXStyle*> styles;        // nRows × nCols
    std::vector<WORD> flags;                    // nRows × nCols
    std::vector<CGXRange> spans;                // nRows × nCols, valid where GX_DF_SPAN is set
    CDC* pDC = nullptr;

    size_t At(ROWCOL r, ROWCOL c) const noexcept { return size_t(r) * nCols + c; }
    CRect CellRect(ROWCOL r, ROWCOL c) const noexcept {
        return CRect(lefts[c], tops[r], lefts[c] + widths[c], tops[r] + heights[r]);
    }
};

struct GXDrawState {
    static constexpr ROWCOL kCacheRows = 92;
    static constexpr ROWCOL kCacheCols = 64;

    // The composed-style cache, allocated on first use; its origin is fixed at the first lookup
    // after it was emptied.
    std::vector<std::unique_ptr<CGXStyle>> cache;
    std::vector<bool> cached;  // which entries hold a composed style; the objects are reused
    bool bOriginSet = false;
    ROWCOL nOriginRow = 1, nOriginCol = 1;
    ROWCOL nFrozenRows = 0, nFrozenCols = 0;  // as they were when the origin was fixed
    // The data store the cached styles were composed from, and its change count then.
    const CGXData* pData = nullptr;
    DWORD nDataChanges = 0;

    // Styles of cells outside the cache, composed afresh into these; reused from paint to paint.
    std::vector<std::unique_ptr<CGXStyle>> scratch;
    size_t nScratchUsed = 0;

    // GDI objects keyed by what they draw.
    struct FontEntry {
        LOGFONT lf;
        std::unique_ptr<CFont> pFont;
    };
    struct PenEntry {
        StylePen pen;
        COLORREF color;
        std::unique_ptr<CPen> pPen;
    };
    std::vector<FontEntry> fonts;
    std::vector<PenEntry> pens;

    GXDrawContext context;
    int nDrawing = 0;  // nesting of DrawCells

    void EmptyStyles() noexcept {
        std::fill(cached.begin(), cached.end(), false);
        bOriginSet = false;
    }
};
