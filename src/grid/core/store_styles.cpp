// Storing styles into ranges: SetStyleRange with its undo preparation and the cell controls' part
// in storing, the redraw after it (UpdateStyleRange), and SetValueRange, through which check boxes
// and dialogs store values.
#include <algorithm>

#include "grid/commands/commands.h"
#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "grid/core/long_operation.h"
#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"

namespace {

// The slots a range addresses for a style type: every cell for cell styles; for row, column and
// table styles the row (r, 0), the column (0, c) or the table (0, 0). False for an empty range.
bool Slots(CGXGridCore& g, const CGXRange& range, int nType, CGXRange& slots) {
    if (!range.IsValid()) return false;
    if (nType == gxCellStyle) {
        slots = range;
        slots.ExpandRange(0, 0, g.GetRowCount(), g.GetColCount());
        slots.kind = CGXRange::cells;
    } else if (range.IsRows()) {
        slots = CGXRange(range.top, 0, range.bottom, 0);
    } else if (range.IsCols()) {
        slots = CGXRange(0, range.left, 0, range.right);
    } else if (range.IsTable()) {
        slots = CGXRange(0, 0, 0, 0);
    } else {
        slots = range;
    }
    if (slots.top > slots.bottom) std::swap(slots.top, slots.bottom);
    if (slots.left > slots.right) std::swap(slots.left, slots.right);
    // Not beyond the last row and column: a range reaching to the last row number must not make
    // the grid visit billions of cells that do not exist.
    slots.bottom = std::min(slots.bottom, std::max(slots.top, g.GetRowCount()));
    slots.right = std::min(slots.right, std::max(slots.left, g.GetColCount()));
    return true;
}

// Whether two stored styles (null: none) say the same.
bool SameStored(const CGXStyle* a, const CGXStyle* b) {
    if (a == nullptr || b == nullptr) return (a == nullptr || a->IsEmpty()) && (b == nullptr || b->IsEmpty());
    return a->IsSubSet(*b) && b->IsSubSet(*a);
}

}  // namespace

bool CGXGridCore::ConfirmChangeWithoutUndo() {
    CString text;
    if (!AfxLoadString(52289, text)) text = "This change cannot be undone. Continue?";
    return AfxMessageBox(text, MB_OKCANCEL) == IDOK;
}

bool CGXGridCore::SetStyleRange(const CGXRange& rangeIn, const CGXStyle* pStyle, int nMode, int nType,
                                const CGXStyleArray* pStylesArray, UINT flags, UINT nCommandMode) {
    CGXData* pData = GetData();
    if (pData == nullptr) return false;
    // 1. Whole rows, columns or the table with cell styles mean their own styles.
    if (!rangeIn.IsCells() && nType == gxCellStyle) nType = gxRangeStyle;
    CGXRange slots;
    if (!Slots(*this, rangeIn, nType, slots)) return false;
    // 2. The user may stop a change of his own (not an undo or redo) between two rows.
    CGXLongOperation longOp(nCommandMode == gxDo);
    CGXRange range = rangeIn;
    const uint64_t nHeight = uint64_t(slots.bottom) - slots.top + 1, nWidth = uint64_t(slots.right) - slots.left + 1;
    const uint64_t n = nHeight * nWidth;

    // 3. What undo needs: the old style of every slot, row by row; too many ask the user first.
    CGXStyleArray old;
    bool bRecord = ShouldRecord(nCommandMode);
    if (bRecord) {
        if (n < 0x7FFFFFFF && nHeight < 0x8000 && nWidth < 0x8000) {
            old.resize(size_t(n));
        } else {
            if (!ConfirmChangeWithoutUndo()) return false;
            bRecord = false;
        }
    }

    // 4. Composed styles are stale from here on.
    FreeObjectCache();

    // 5. Slot by slot, row by row; an array ends where its entries end. The cell's control takes
    // part in storing a cell style; the others, and a control-less grid, store directly.
    bool bChanged = false;
    CGXStyle composed;
    uint64_t nSlots = pStylesArray != nullptr ? std::min<uint64_t>(n, pStylesArray->size()) : n;
    for (uint64_t i = 0; i < nSlots; ++i) {
        const ROWCOL r = slots.top + ROWCOL(i / nWidth), c = slots.left + ROWCOL(i % nWidth);
        std::unique_ptr<CGXStyle> pBefore = std::make_unique<CGXStyle>();
        if (!GetStyleRowCol(r, c, *pBefore, ModifyMode::Copy, nType)) pBefore.reset();
        const CGXStyle* pNew = pStylesArray != nullptr ? (*pStylesArray)[size_t(i)].get() : pStyle;
        const int nStoreMode = pStylesArray == nullptr ? nMode : pNew != nullptr ? int(ModifyMode::Copy) : gxRemove;
        CGXControl* pControl = nullptr;
        if (nType == gxCellStyle) {
            ComposeStyleRowCol(r, c, &composed);
            const bool bOwnId = pNew != nullptr && pNew->GetIncludeControlId();
            pControl = GetRegisteredControl(static_cast<WORD>(bOwnId ? pNew->GetControlId() : composed.GetControlId()));
        }
        const bool bStored =
            pControl != nullptr
                ? pControl->StoreStyle(r, c, pNew, nStoreMode, nType, &composed)
                : StoreStyleRowCol(r, c, nStoreMode == gxRemove ? nullptr : pNew,
                                   nStoreMode == gxRemove ? ModifyMode::Override : ModifyMode(nStoreMode), nType);
        // Before and after are read alike, through the grid's look-up: a grid that supplies
        // attributes of cells with nothing stored (computed cells) would otherwise count a clear
        // of such a cell as a change, whose undo then changes nothing and blocks the undo list.
        if (bStored && !bChanged) {
            CGXStyle after;
            const bool bAfter = GetStyleRowCol(r, c, after, ModifyMode::Copy, nType);
            bChanged = !SameStored(pBefore.get(), bAfter ? &after : nullptr);
        }
        if (bRecord) old[size_t(i)] = std::move(pBefore);
        // Stopped: the change is the rows done so far, redrawn and undoable as a whole.
        if (c == slots.right && i + 1 < nSlots && longOp.DoMessages()) {
            range.top = slots.top;
            slots.bottom = range.bottom = r;
            nSlots = i + 1;
            if (bRecord) old.resize(size_t(nSlots));
            break;
        }
    }
    // 6. Nothing changed: nothing to redraw or undo.
    if (!bChanged) return false;
    if ((GetMergeCellsMode() & 3) != 0) EvalMergeCells(slots);
    UpdateStyleRange(range, flags);
    if (bRecord) {
        RecordCommand(new CGXSetStyleRangeCmd(range, nType, std::move(old)), nCommandMode);
        if (nCommandMode == gxUndo || nCommandMode == gxRedo) ScrollToChange(slots.top, slots.left, true);
    }
    return true;
}

void CGXGridCore::UpdateStyleRange(const CGXRange& range, UINT flags) {
    if (m_bLockUpdate || m_pGridWnd == nullptr) return;
    CGXRange r = range;
    r.ExpandRange(0, 0, GetRowCount(), GetColCount());
    r.kind = CGXRange::cells;
    if ((GetMergeCellsMode() & 3) != 0) MergeCellsRange(r);
    RedrawRowCol(r, flags);
}

bool CGXGridCore::SetValueRange(const CGXRange& range, const char* pszValue, ModifyMode mode, int nType, UINT flags) {
    CGXStyle style;
    style.SetValue(pszValue != nullptr ? pszValue : "");
    return SetStyleRange(range, &style, static_cast<int>(mode), nType, nullptr, flags, gxDo);
}
