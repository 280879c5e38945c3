// The current cell: the one cell that owns the keyboard and shows the current-cell frame, whose
// control is set up for it. SetCurrentCell, through which clicks, keys and programs all move it,
// leaves the old cell (storing a pending edit, or refusing the move) and enters the new one.
//
// Map: queries; SetCurrentCell: leaving, entering; CanSelectCurrentCell; TransferCurrentCell;
// header marks; warnings.
#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/dialog.h"
#include "platform/framework/wnd.h"

namespace {

bool HasWindow(const CGXGridCore& g) { return g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr; }

// Paints what is waiting to be painted in the grid window.
void PaintPending(CGXGridCore& g) {
    if (HasWindow(g) && !g.IsLockUpdate()) g.GridWnd()->UpdateWindow();
}

// Keys typed ahead for the cell being left would reach the next one: they are dropped.
void DropTypedAhead(CGXGridCore& g) {
    if (!HasWindow(g)) return;
    const HWND hwndGrid = g.GridWnd()->GetSafeHwnd();
    const HWND hwndFocus = ::GetFocus();
    if (hwndFocus == nullptr || (hwndFocus != hwndGrid && !::IsChild(hwndGrid, hwndFocus))) return;
    MSG msg{};
    while (::PeekMessage(&msg, hwndFocus, WM_KEYDOWN, WM_KEYDOWN + 8, PM_REMOVE)) {
    }
}

}  // namespace

// ---- queries --------------------------------------------------------------------------------------

bool CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol) {
    if (!m_bCurrentCell) return false;
    if (GetProperties() != nullptr && GetProperties()->IsPrinting()) return false;
    if ((nRow != GX_INVALID && nRow != m_nCurrentRow) || (nCol != GX_INVALID && nCol != m_nCurrentCol)) return false;
    return m_nCurrentRow <= GetRowCount() && m_nCurrentCol <= GetColCount();
}

bool CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const {
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return m_bCurrentCell;
}

void CGXGridCore::OnMovingCurrentCell(ROWCOL, ROWCOL) {}

// ---- SetCurrentCell -------------------------------------------------------------------------------

bool CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    // A cell that does not exist is refused before anything is left; and a change under way is
    // not started again by a message it dispatched.
    if (nRow > GetRowCount() || nCol > GetColCount() || m_bInChangeCurrentCell) return false;

    // 1. A covered cell is entered at the top left of its range.
    OnMovingCurrentCell(nRow, nCol);
    if (const CGXRange* pCovered = GetCoveredCellsRowCol(nRow, nCol)) {
        nRow = pCovered->top;
        nCol = pCovered->left;
    }

    // 2. The old cell, and how the move goes: -1 the same cell, 1 along the row, 2 along the
    // column, 0 anything else.
    ROWCOL nOldRow = 0, nOldCol = 0;
    const bool bOld = IsCurrentCell();
    GetCurrentCell(nOldRow, nOldCol);
    CGXControl* pOld = bOld ? m_pCurrentControl : nullptr;
    int nDirection = 0;
    if (pOld != nullptr && nOldRow > GetHeaderRows() && nOldCol > GetHeaderCols()) {
        if (nOldRow == nRow && nOldCol == nCol) nDirection = (nRow == 0 || nCol == 0) ? 0 : -1;
        else if (nOldRow == nRow) nDirection = 1;
        else if (nOldCol == nCol) nDirection = 2;
    }

    // 3. Leaving the old cell.
    if (pOld != nullptr && pOld->IsInit()) {
        const bool bModified = pOld->GetModify();
        CString strText;
        pOld->GetValue(strText);
        m_bInChangeCurrentCell = true;
        if (pOld->IsActive()) DropTypedAhead(*this);
        bool bRefused = false;
        if (!CanSelectCurrentCell(false, nRow, nCol, nOldRow, nOldCol)) {
            DisplayWarningText();
            pOld->Refresh();
            bRefused = true;
        } else {
            bool bStored = false, bOk = true;
            if (bModified) bOk = bStored = pOld->Store();
            if (bOk) bOk = pOld->OnLeavingCell();
            const CGXRange oldCell(nOldRow, nOldCol, nOldRow, nOldCol);
            if (!bOk) {
                // The old cell stays current with its edit as it was.
                DisplayWarningText();
                m_bCurrentCell = true;
                m_pCurrentControl = pOld;
                pOld->Hide();
                if (!pOld->IsInit()) pOld->Init(nOldRow, nOldCol);
                if (bModified) {
                    pOld->SetActive(true);
                    pOld->SetModify(true);
                    pOld->SetValue(strText);
                }
                if (bStored) RedrawRowCol(oldCell, flags);
                else pOld->Refresh();
                bRefused = true;
            } else {
                m_bCurrentCell = false;
                pOld->Hide();
                pOld->SetActive(false);
                const bool bLeft = pOld->OnLeftCell(nRow, nCol);
                DisplayWarningText();
                if (bLeft) {
                    const bool bKeep = m_bKeepCurrentStyle;
                    m_bKeepCurrentStyle = true;
                    UpdateHeaderMarks(nOldRow, nOldCol, nDirection, flags);
                    m_bKeepCurrentStyle = bKeep;
                    // Without the frame now.
                    if (bStored) RedrawRowCol(oldCell, flags);
                    else pOld->Refresh();
                }
                pOld->ResetCell();
                if (flags & (GX_CC_PAINT | GX_CC_PAINTCLICK)) PaintPending(*this);
            }
        }
        m_bInChangeCurrentCell = false;
        if (bRefused) return false;
    } else if (bOld) {
        // A current cell whose control was never set up still shows its frame.
        m_bCurrentCell = false;
        RedrawRowCol(CGXRange(nOldRow, nOldCol, nOldRow, nOldCol), GX_REDRAWLATER);
    }

    // 4. Entering the new cell.
    if (!CanSelectCurrentCell(true, nRow, nCol, nOldRow, nOldCol)) {
        if (pOld != nullptr && CanSelectCurrentCell(true, nOldRow, nOldCol, nOldRow, nOldCol)) {
            m_nCurrentRow = nOldRow;
            m_nCurrentCol = nOldCol;
            m_bCurrentCell = true;
            m_pCurrentControl = pOld;
            UpdateHeaderMarks(nOldRow, nOldCol, 0, GX_CC_PAINT);
            pOld->Init(nOldRow, nOldCol);
            pOld->Refresh();
        }
        return false;
    }
    CGXControl* pNew = GetControl(nRow, nCol);
    if (!(flags & GX_CC_NOUPDATE) && HasWindow(*this) && GridWnd()->IsWindowVisible()) PaintPending(*this);
    m_nCurrentRow = nRow;
    m_nCurrentCol = nCol;
    m_bCurrentCell = true;
    m_pCurrentControl = pNew;
    if (pNew != nullptr) {
        pNew->Init(nRow, nCol);
        if (flags & GX_CC_ACTIVATE) pNew->SetActive(true);
        if (m_pParam == nullptr || m_pParam->GetCurrentCellFrameMode() != 1) pNew->Refresh();
    }
    if (flags & GX_CC_SCROLLINVIEW) ScrollCellInView(nRow, nCol, flags & GX_CC_PAINT ? GX_UPDATENOW : GX_REDRAWLATER);

    // 5. Paint, and mark the new row and column in the headers.
    if (flags & (GX_CC_PAINT | GX_CC_PAINTCLICK)) PaintPending(*this);
    if (nDirection != -1) UpdateHeaderMarks(nRow, nCol, nDirection, flags);

    // 7. A grid that shows its current cell as selected selects it alone.
    if (m_bSelectCurrentCell && !(flags & GX_CC_KEEPSELECTION) && !IsCellSelected(nRow, nCol)) {
        ClearSelection();
        if (nRow > GetHeaderRows() && nCol > GetHeaderCols()) SelectRange(CGXRange(nRow, nCol, nRow, nCol));
    }
    return true;
}

// ---- may the cell be left or entered --------------------------------------------------------------

bool CGXGridCore::CanSelectCurrentCell(bool bEntering, ROWCOL nRow, ROWCOL nCol, ROWCOL, ROWCOL) {
    if (!bEntering) {
        m_strWarningText.Empty();
        CGXControl* pOld = m_pCurrentControl;
        return pOld == nullptr || !pOld->IsInit() || !pOld->GetModify() || pOld->Validate();
    }
    if (nRow > GetRowCount() || nCol > GetColCount()) return false;
    // A disabled cell never becomes current.
    const CGXStyle& style = LookupStyleRowCol(nRow, nCol);
    return !style.GetIncludeEnabled() || style.GetEnabled();
}

// ---- a pending edit -------------------------------------------------------------------------------

bool CGXGridCore::TransferCurrentCell(bool bStore, UINT flags, bool) {
    if (!IsCurrentCell() || m_pCurrentControl == nullptr) return true;
    CGXControl* pControl = m_pCurrentControl;
    if (!bStore) {
        if (pControl->IsActive() && !pControl->OnCancelEditing()) return false;
        // Set up again, the control forgets what was typed.
        pControl->Init(m_nCurrentRow, m_nCurrentCol);
        pControl->Refresh();
        pControl->OnCanceledEditing();
        return true;
    }
    if (pControl->IsActive()) return SetCurrentCell(m_nCurrentRow, m_nCurrentCol, flags);
    return true;
}

// ---- header marks and warnings --------------------------------------------------------------------

void CGXGridCore::UpdateHeaderMarks(ROWCOL nRow, ROWCOL nCol, int nDirection, UINT flags) {
    const CGXProperties* pProp = GetProperties();
    if (pProp == nullptr) return;
    const UINT nRedraw = (flags & (GX_CC_PAINT | GX_CC_PAINTCLICK)) ? GX_REDRAWNOW : GX_REDRAWLATER;
    // A range scrolled out of view has no rectangle, so only what shows is redrawn.
    if (pProp->GetMarkRowHeader() && (nDirection == 0 || nDirection == 2) && nRow <= GetRowCount())
        RedrawRowCol(CGXRange(nRow, 0, nRow, GetHeaderCols()), nRedraw);
    if (pProp->GetMarkColHeader() && (nDirection == 0 || nDirection == 1) && nCol <= GetColCount())
        RedrawRowCol(CGXRange(0, nCol, GetHeaderRows(), nCol), nRedraw);
}

void CGXGridCore::DisplayWarningText() {
    if (m_strWarningText.IsEmpty()) return;
    const CString text = m_strWarningText;
    m_strWarningText.Empty();
    m_bMessageShown = true;
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}
