// The composed-style cache of drawing and the GDI objects the cells of a paint share.
//
// The cache covers 92 window rows by 64 window columns. Frozen and header rows (columns) take
// the slot of their number; scrollable rows take the slots after them, counted from the cache's
// origin, which is fixed at the first look-up after the cache was emptied (16 rows above the top
// row, so that a short scroll up still finds its rows). What lies outside (beyond the slots, above
// the origin, frozen rows beyond the slots) is composed afresh on every look-up: it never takes
// another cell's slot. The cache is not emptied by every paint, so that repainting an unchanged
// grid composes nothing: it empties itself when the data store has changed since it was filled,
// and FreeObjectCache empties it after the other changes that alter composed styles (base styles,
// header rows, a new styles map), which all redraw.
#include "grid/core/draw_state.h"
#include "grid/style/color.h"

namespace {

// The slot of a row (column) in the cache, or kNone.
constexpr ROWCOL kNone = GX_INVALID;
ROWCOL CacheIndex(ROWCOL n, ROWCOL nFrozen, ROWCOL nOrigin, ROWCOL nSlots) noexcept {
    if (n <= nFrozen) return n < nSlots ? n : kNone;
    if (n < nOrigin) return kNone;
    uint64_t i = uint64_t(n - nOrigin) + 1 + nFrozen;
    return i < nSlots ? ROWCOL(i) : kNone;
}

ROWCOL OriginFor(ROWCOL nFirst) noexcept { return std::max<ROWCOL>(nFirst, 17) - 16; }

// Whether the origin still suits the top row (left column): at most 16 scrolled past it.
bool OriginFits(ROWCOL nOrigin, ROWCOL nFirst) noexcept { return nFirst >= nOrigin && nFirst - nOrigin <= 16; }

}  // namespace

const CGXStyle& CGXGridCore::LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol) {
    GXDrawState& d = *m_pDraw;
    const ROWCOL nFrozenRows = GetFrozenRows(), nFrozenCols = GetFrozenCols();
    const CGXData* pData = GetData();
    const DWORD nDataChanges = pData != nullptr ? pData->GetChangeCount() : 0;
    if (d.bOriginSet && (d.pData != pData || d.nDataChanges != nDataChanges || d.nFrozenRows != nFrozenRows ||
                         d.nFrozenCols != nFrozenCols || !OriginFits(d.nOriginRow, m_nTopRow) ||
                         !OriginFits(d.nOriginCol, m_nLeftCol)))
        d.EmptyStyles();
    if (!d.bOriginSet) {
        d.nOriginRow = OriginFor(m_nTopRow);
        d.nOriginCol = OriginFor(m_nLeftCol);
        d.nFrozenRows = nFrozenRows;
        d.nFrozenCols = nFrozenCols;
        d.pData = pData;
        d.nDataChanges = nDataChanges;
        d.bOriginSet = true;
    }

    auto compose = [&](CGXStyle& style) {
        ComposeStyleRowCol(nRow, nCol, &style, true);
        if (IsReadOnly()) style.SetReadOnly(true);
    };

    // The current cell is composed afresh every time: its style changes while it is current.
    const bool bCurrent = m_bCurrentCell && nRow == m_nCurrentRow && nCol == m_nCurrentCol;
    const ROWCOL r = CacheIndex(nRow, nFrozenRows, d.nOriginRow, GXDrawState::kCacheRows);
    const ROWCOL c = CacheIndex(nCol, nFrozenCols, d.nOriginCol, GXDrawState::kCacheCols);
    if (!bCurrent && r != kNone && c != kNone) {
        if (d.cache.empty()) {
            d.cache.resize(size_t(GXDrawState::kCacheRows) * GXDrawState::kCacheCols);
            d.cached.assign(d.cache.size(), false);
        }
        const size_t i = size_t(r) * GXDrawState::kCacheCols + c;
        if (!d.cached[i]) {
            if (d.cache[i] == nullptr) d.cache[i] = std::make_unique<CGXStyle>();
            compose(*d.cache[i]);
            d.cached[i] = true;
        }
        return *d.cache[i];
    }

    // Outside the cache: a scratch style, valid for the rest of the paint (outside a paint, until
    // the next such look-up).
    if (d.nDrawing == 0) d.nScratchUsed = 0;
    if (d.nScratchUsed == d.scratch.size()) d.scratch.push_back(std::make_unique<CGXStyle>());
    CGXStyle& style = *d.scratch[d.nScratchUsed++];
    compose(style);
    return style;
}

void CGXGridCore::FreeObjectCache() {
    GXDrawState& d = *m_pDraw;
    if (d.nDrawing > 0) return;
    d.EmptyStyles();
    // Fonts and pens depend on nothing a change can alter (pens are keyed by their resolved
    // colour); they are kept, but not without bound.
    if (d.fonts.size() > 256) d.fonts.clear();
    if (d.pens.size() > 256) d.pens.clear();
}

bool CGXGridCore::IsDrawing() const noexcept { return m_pDraw->nDrawing > 0; }

CFont* CGXGridCore::LookupFont(const CGXFont& font) {
    GXDrawState& d = *m_pDraw;
    const LOGFONT& lf = font.GetLogFontRef();
    for (auto& e : d.fonts)
        if (std::memcmp(&e.lf, &lf, sizeof lf) == 0) return e.pFont.get();
    auto pFont = std::make_unique<CFont>();
    if (!pFont->CreateFontIndirect(&lf)) return nullptr;
    d.fonts.push_back({lf, std::move(pFont)});
    return d.fonts.back().pFont.get();
}

CPen* CGXGridCore::LookupPen(const StylePen& pen) {
    GXDrawState& d = *m_pDraw;
    const COLORREF color = pen.GetColor();
    for (auto& e : d.pens)
        if (e.pen.lopnStyle == pen.lopnStyle && e.pen.lopnWidth == pen.lopnWidth && e.color == color)
            return e.pPen.get();
    // Geometric pens with square ends, so that a line reaches its last pixel.
    auto pPen = std::make_unique<CPen>();
    LOGBRUSH lb{BS_SOLID, color, 0};
    if (!pPen->CreatePen(static_cast<int>(pen.lopnStyle | PS_GEOMETRIC | PS_ENDCAP_SQUARE),
                         std::max<LONG>(pen.lopnWidth, 1), &lb))
        return nullptr;
    d.pens.push_back({pen, color, std::move(pPen)});
    return d.pens.back().pPen.get();
}

COLORREF CGXGridCore::GetPropertyColor(int nIndex) const {
    const CGXProperties* pProperties = GetProperties();
    if (pProperties != nullptr && nIndex < pProperties->GetColorCount()) return GXGetColor(pProperties->GetColor(nIndex));
    // A grid without properties: grey lines, a window-coloured area beyond the table.
    return nIndex == gxColorBackground ? GetSysColor(COLOR_WINDOW) : RGB(192, 192, 192);
}
