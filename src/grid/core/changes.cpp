// Changes that the grid records for undo beside the geometry and the stored styles: covered
// cells, the styles map, the properties, one base style, and moving data rows and columns into a
// sort order. Each one stores, updates (redrawing as the flags say) and records the command that
// changes it back.
#include <memory>
#include <utility>

#include "grid/commands/commands.h"
#include "grid/core/grid_core.h"

namespace {

// The covered range that starts at the cell, or null.
POSITION FindCoveredRangeAt(const CGXRangeList& list, ROWCOL nRow, ROWCOL nCol) noexcept {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION posAt = pos;
        const CGXRange* pRange = list.GetNext(pos);
        if (pRange->top == nRow && pRange->left == nCol) return posAt;
    }
    return nullptr;
}

// Whether a covered range other than the one at posSkip shares a cell with the block.
bool OverlapsOtherRange(const CGXRangeList& list, const CGXRange& block, POSITION posSkip) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION posAt = pos;
        const CGXRange* pRange = list.GetNext(pos);
        CGXRange common;
        if (posAt != posSkip && common.IntersectRange(*pRange, block)) return true;
    }
    return false;
}

// The entries the covered-cell pool makes for a block: an outer array up to its last row and,
// in each of its rows, an inner array up to its last column.
bool FitsCoveredCellIndex(const CGXRange& block) noexcept {
    const ULONGLONG nLimit = CGXGridParam::GetMaxCoveredCellIndex();
    const ULONGLONG nRows = ULONGLONG{block.bottom} - block.top + 1, nCols = ULONGLONG{block.right} + 1;
    const ULONGLONG nOuter = ULONGLONG{block.bottom} + 1;
    return nOuter <= nLimit && nRows <= (nLimit - nOuter) / nCols;
}

// The order that takes a reordering back: position indexes[i] returns to i.
CDWordArray InverseOrder(const CDWordArray& indexes) {
    CDWordArray inverse;
    inverse.SetSize(indexes.GetSize());
    for (int i = 0; i < indexes.GetSize(); ++i) inverse.SetAt(static_cast<int>(indexes[i]), static_cast<DWORD>(i));
    return inverse;
}

}  // namespace

// ----- covered cells

bool CGXGridCore::SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                                        UINT nCommandMode) {
    if (m_pParam == nullptr || IsReadOnly() || nToRow < nRow || nToCol < nCol) return false;
    CGXRangeList& list = *m_pParam->GetCoveredCellsList();
    CGXCoveredCellPool& pool = *m_pParam->GetCoveredCellPool();
    const bool bUncover = nRow == nToRow && nCol == nToCol;
    const CGXRange block(nRow, nCol, nToRow, nToCol);

    // The block that starts at the cell is replaced (or, for a single cell, removed); a block
    // may not reach into any other.
    const POSITION posOld = FindCoveredRangeAt(list, nRow, nCol);
    const CGXRange rangeOld(posOld != nullptr ? list.GetAt(posOld) : nullptr);
    if (bUncover && posOld == nullptr) return true;
    if (!bUncover && (posOld != nullptr && rangeOld == block)) return true;
    if (!bUncover && (OverlapsOtherRange(list, block, posOld) || !FitsCoveredCellIndex(block))) return false;

    // Store: the list holds the ranges, the pool points every covered cell at its range. The new
    // range joins the list first, so that a failure on the way leaves the old one in place.
    CGXRange* pNew = nullptr;
    POSITION posNew = nullptr;
    if (!bUncover) {
        auto pRange = std::make_unique<CGXRange>(block);
        posNew = list.AddTail(pRange.get());
        pNew = pRange.release();
    }
    if (posOld != nullptr) pool.SetCoveredCell(rangeOld.top, rangeOld.left, rangeOld.bottom, rangeOld.right, nullptr);
    if (pNew != nullptr && !pool.SetCoveredCell(nRow, nCol, nToRow, nToCol, pNew)) {
        list.DeleteAt(posNew);
        pool.InitFromRangeList(list);
        return false;
    }
    if (posOld != nullptr) list.DeleteAt(posOld);

    // Update.
    if (posOld != nullptr) RedrawRowCol(rangeOld, flags);
    if (!bUncover) RedrawRowCol(block, flags);

    // Record: covering again what was covered, or uncovering what was not.
    if (posOld != nullptr)
        RecordCommand(new CGXSetCoveredCellsCmd(rangeOld.top, rangeOld.left, rangeOld.bottom, rangeOld.right),
                      nCommandMode);
    else
        RecordCommand(new CGXSetCoveredCellsCmd(nRow, nCol, nRow, nCol), nCommandMode);
    return true;
}

const CGXRange* CGXGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol) {
    return m_pParam != nullptr ? m_pParam->GetCoveredCellPool()->GetCoveredCell(nRow, nCol) : nullptr;
}

// ----- styles map, properties, base styles

bool CGXGridCore::ChangeStylesMap(const CGXStylesMap& stylesMap, UINT flags, UINT nCommandMode) {
    CGXStylesMap* pMap = GetStylesMap();
    if (pMap == nullptr || IsReadOnly()) return false;
    std::unique_ptr<CGXStylesMap> pOld;
    if (ShouldRecord(nCommandMode)) {
        pOld = std::make_unique<CGXStylesMap>();
        pOld->Assign(*pMap);
    }

    // The standard styles live in the map: find them again even when taking the new one over
    // stopped half way.
    try {
        pMap->Assign(stylesMap);
    } catch (...) {
        UpdateStandardStylePointers();
        throw;
    }
    UpdateStandardStylePointers();
    UpdateFontMetrics();
    Redraw(flags);

    if (pOld != nullptr) RecordCommand(new CGXChangeStylesMapCmd(std::move(pOld)), nCommandMode);
    return true;
}

bool CGXGridCore::ChangeProperties(const CGXProperties& properties, UINT flags, UINT nCommandMode) {
    CGXProperties* pProperties = GetProperties();
    if (pProperties == nullptr || IsReadOnly()) return false;
    std::unique_ptr<CGXProperties> pOld;
    if (ShouldRecord(nCommandMode)) pOld = std::make_unique<CGXProperties>(*pProperties);

    pProperties->Assign(properties);
    Redraw(flags);

    if (pOld != nullptr) RecordCommand(new CGXChangePropertiesCmd(std::move(pOld)), nCommandMode);
    return true;
}

bool CGXGridCore::ChangeBaseStyle(WORD wStyleId, const CGXStyle& style, ModifyMode mode, UINT flags,
                                  UINT nCommandMode) {
    CGXStylesMap* pMap = GetStylesMap();
    CGXStyle* pStyle = nullptr;
    if (pMap == nullptr || IsReadOnly() || !pMap->LookupStyle(wStyleId, pStyle) || pStyle == nullptr) return false;
    std::unique_ptr<CGXStyle> pOld;
    CString strName;
    if (ShouldRecord(nCommandMode)) {
        pOld.reset(pStyle->Clone());
        UINT nResourceID = 0;
        pMap->LookupName(wStyleId, strName, nResourceID);
    }

    // ChangeStyle takes care of a style given its own object.
    pStyle->ChangeStyle(style, mode);
    // The standard style's font is the scale of the sizes.
    if (wStyleId == pMap->m_wStyleStandard) UpdateFontMetrics();
    Redraw(flags);

    if (pOld != nullptr) RecordCommand(new CGXChangeBaseStyleCmd(wStyleId, std::move(pOld), strName), nCommandMode);
    return true;
}

// ----- data moves into a sort order

bool CGXGridCore::MoveDataRows(const CGXRange& sortRange, const CDWordArray& indexes, UINT flags,
                               UINT nCommandMode) {
    CGXData* pData = GetData();
    if (pData == nullptr || IsReadOnly() || !pData->ReorderRows(sortRange, indexes)) return false;
    if (indexes.IsEmpty()) return true;
    RedrawRowCol(CGXRange().SetRows(sortRange.top, sortRange.top + static_cast<ROWCOL>(indexes.GetSize()) - 1), flags);
    if (ShouldRecord(nCommandMode))
        RecordCommand(new CGXMoveDataRowsCmd(sortRange, InverseOrder(indexes)), nCommandMode);
    return true;
}

bool CGXGridCore::MoveDataCols(const CGXRange& sortRange, const CDWordArray& indexes, UINT flags,
                               UINT nCommandMode) {
    CGXData* pData = GetData();
    if (pData == nullptr || IsReadOnly() || !pData->ReorderCols(sortRange, indexes)) return false;
    if (indexes.IsEmpty()) return true;
    RedrawRowCol(CGXRange().SetCols(sortRange.left, sortRange.left + static_cast<ROWCOL>(indexes.GetSize()) - 1),
                 flags);
    if (ShouldRecord(nCommandMode))
        RecordCommand(new CGXMoveDataColsCmd(sortRange, InverseOrder(indexes)), nCommandMode);
    return true;
}
