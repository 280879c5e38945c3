// Row heights and column widths: the size units they are kept in, reading a size, storing sizes
// and default sizes with redraw and undo.
#include <memory>

#include "grid/commands/commands.h"
#include "grid/core/geometry_axis.h"

// ---- size units -----------------------------------------------------------------------------------
// A size is kept as pixels × (1000 / base character size); the factor is at least 1, so that a
// standard font taller or wider than 1000 pixels (a profile can ask for one) does not divide by 0.

namespace {
int64_t UnitFactor(int nBase) noexcept { return nBase > 0 ? std::max(1000 / nBase, 1) : 1000; }
LONG ToUnits(int nPixels, int nBase) noexcept {
    return static_cast<LONG>(std::clamp<int64_t>(nPixels * UnitFactor(nBase), 0, INT32_MAX));
}
int FromUnits(LONG nUnits, int nBase) noexcept { return static_cast<int>(nUnits / UnitFactor(nBase)); }
}  // namespace

LONG CGXGridCore::HeightToUnits(int nPixels) const noexcept { return ToUnits(nPixels, m_nBaseCharHeight); }
int CGXGridCore::UnitsToHeight(LONG nUnits) const noexcept { return FromUnits(nUnits, m_nBaseCharHeight); }
LONG CGXGridCore::WidthToUnits(int nPixels) const noexcept { return ToUnits(nPixels, m_nBaseCharWidth); }
int CGXGridCore::UnitsToWidth(LONG nUnits) const noexcept { return FromUnits(nUnits, m_nBaseCharWidth); }

// ---- reading sizes --------------------------------------------------------------------------------

namespace {

int GetSize(GXGeometryAxis a, ROWCOL n) {
    CGXGridCore& g = a.g;
    // 1. Hidden: no size.
    if (a.Hidden(n)) return 0;
    // 2. Its own size, or the default.
    CGXGridParam* pParam = g.GetParam();
    LONG nUnits = 0;
    int nSize = 0;
    if (pParam != nullptr && (a.bRows ? pParam->GetRowHeights() : pParam->GetColWidths()).Lookup(n, nUnits))
        nSize = a.bRows ? g.UnitsToHeight(nUnits) : g.UnitsToWidth(nUnits);
    else nSize = a.bRows ? g.GetDefaultRowHeight() : g.GetDefaultColWidth();
    // 3. A scrollable row is never taller than the room the frozen rows leave; with frozen rows
    // taller than the window there is no room, and the row has no height (never a negative one).
    if (a.LimitToView() && g.GridWnd() != nullptr && n > a.Frozen()) {
        CRect rect = g.GetGridRect();
        int nRoom = a.End(rect) - a.Start(rect) -
                    (a.bRows ? g.SumRowHeights(0, a.Frozen()) : g.SumColWidths(0, a.Frozen()));
        if (nSize >= nRoom) nSize = std::max(nRoom, 0);
    }
    return nSize;
}

}  // namespace

int CGXGridCore::GetRowHeight(ROWCOL nRow) { return GetSize({*this, true}, nRow); }
int CGXGridCore::GetColWidth(ROWCOL nCol) { return GetSize({*this, false}, nCol); }
int CGXGridCore::GetDefaultRowHeight() {
    return m_pParam != nullptr ? UnitsToHeight(static_cast<LONG>(std::min<DWORD>(m_pParam->GetDefaultRowHeight(), INT32_MAX)))
                               : 0;
}
int CGXGridCore::GetDefaultColWidth() {
    return m_pParam != nullptr ? UnitsToWidth(static_cast<LONG>(std::min<DWORD>(m_pParam->GetDefaultColWidth(), INT32_MAX)))
                               : 0;
}

// ---- storing sizes --------------------------------------------------------------------------------

bool CGXGridCore::StoreRowHeight(ROWCOL nRow, int nHeight) {
    if (m_pParam == nullptr) return false;
    if (nHeight < 0) m_pParam->GetRowHeights().RemoveKey(nRow);
    else m_pParam->GetRowHeights().SetAt(nRow, HeightToUnits(nHeight));
    return true;
}

bool CGXGridCore::StoreColWidth(ROWCOL nCol, int nWidth) {
    if (m_pParam == nullptr) return false;
    if (nWidth < 0) m_pParam->GetColWidths().RemoveKey(nCol);
    else m_pParam->GetColWidths().SetAt(nCol, WidthToUnits(nWidth));
    return true;
}

bool CGXGridCore::StoreDefaultRowHeight(int nHeight) {
    if (m_pParam == nullptr || nHeight <= 0) return false;
    m_pParam->SetDefaultRowHeight(static_cast<DWORD>(HeightToUnits(nHeight)));
    return true;
}

bool CGXGridCore::StoreDefaultColWidth(int nWidth) {
    if (m_pParam == nullptr || nWidth <= 0) return false;
    m_pParam->SetDefaultColWidth(static_cast<DWORD>(WidthToUnits(nWidth)));
    return true;
}

namespace {

// The steps of SetRowHeight and SetColWidth: remember each row's own size (-1 for a row that has
// none, so that an undo gives it the default again), store, update, record.
bool SetSizes(GXGeometryAxis a, ROWCOL nFirst, ROWCOL nLast, int nSize, const int* pSizes, UINT flags,
              UINT nCommandMode) {
    CGXGridCore& g = a.g;
    if (g.GetParam() == nullptr || !a.ClampBlock(nFirst, nLast)) return false;

    const CGXMapDWordToLong& map = a.bRows ? g.GetParam()->GetRowHeights() : g.GetParam()->GetColWidths();
    std::vector<int> old;
    old.reserve(nLast - nFirst + 1);
    bool bAny = false;
    for (ROWCOL n = nFirst;; ++n) {
        LONG nUnits = 0;
        old.push_back(!map.Lookup(n, nUnits) ? -1 : a.bRows ? g.UnitsToHeight(nUnits) : g.UnitsToWidth(nUnits));
        int nNew = pSizes != nullptr ? pSizes[n - nFirst] : nSize;
        if (a.bRows ? g.StoreRowHeight(n, nNew) : g.StoreColWidth(n, nNew)) bAny = true;
        if (n == nLast) break;
    }
    if (!bAny) return false;
    if (a.bRows) g.UpdateChangedRowHeight(nFirst, nLast, flags);
    else g.UpdateChangedColWidth(nFirst, nLast, flags);
    CGXCommand* pCmd = a.bRows ? static_cast<CGXCommand*>(new CGXSetRowHeightCmd(nFirst, nLast, std::move(old)))
                               : new CGXSetColWidthCmd(nFirst, nLast, std::move(old));
    g.RecordCommandFor(pCmd, nCommandMode, a.bRows ? nFirst : g.GetTopRow(), a.bRows ? g.GetLeftCol() : nFirst);
    return true;
}

// Redraws from the first changed row (column) to the end of the grid area: everything below it
// moved. A change above the top row moves nothing on screen but the scrolled rows' positions.
void UpdateSizes(GXGeometryAxis a, ROWCOL nFirst, UINT flags) {
    CGXGridCore& g = a.g;
    g.ResetLastVisibleCaches();
    CRect rect = g.GetGridRect();
    // Row 0, or a row scrolled out above the top row: everything on screen may have moved.
    ROWCOL nClient = a.ToClient(nFirst);
    if (nClient != 0) {
        int nStart = a.Start(rect) + (a.bRows ? g.SumClientRowHeights(0, nClient - 1, a.End(rect))
                                               : g.SumClientColWidths(0, nClient - 1, a.End(rect)));
        (a.bRows ? rect.top : rect.left) = std::min(nStart, a.End(rect));
    }
    g.InvalidateGridRect(rect, flags);
}

}  // namespace

bool CGXGridCore::SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, const int* pHeights, UINT flags,
                               UINT nCommandMode) {
    return SetSizes({*this, true}, nFromRow, nToRow, nHeight, pHeights, flags, nCommandMode);
}

bool CGXGridCore::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, const int* pWidths, UINT flags,
                              UINT nCommandMode) {
    return SetSizes({*this, false}, nFromCol, nToCol, nWidth, pWidths, flags, nCommandMode);
}

void CGXGridCore::UpdateChangedRowHeight(ROWCOL nFromRow, ROWCOL, UINT flags) { UpdateSizes({*this, true}, nFromRow, flags); }
void CGXGridCore::UpdateChangedColWidth(ROWCOL nFromCol, ROWCOL, UINT flags) { UpdateSizes({*this, false}, nFromCol, flags); }

bool CGXGridCore::SetDefaultRowHeight(int nHeight, UINT flags, UINT nCommandMode) {
    int nOld = GetDefaultRowHeight();
    if (!StoreDefaultRowHeight(nHeight)) return false;
    ResetLastVisibleCaches();
    Redraw(flags);
    RecordCommand(new CGXSetDefaultRowHeightCmd(nOld), nCommandMode);
    return true;
}

bool CGXGridCore::SetDefaultColWidth(int nWidth, UINT flags, UINT nCommandMode) {
    int nOld = GetDefaultColWidth();
    if (!StoreDefaultColWidth(nWidth)) return false;
    ResetLastVisibleCaches();
    Redraw(flags);
    RecordCommand(new CGXSetDefaultColWidthCmd(nOld), nCommandMode);
    return true;
}
