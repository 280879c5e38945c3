// The keyboard: every key message of the grid window goes to ProcessKeys, which gives it to the
// current cell's control first and otherwise to the grid's own key table.
#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

namespace {

bool Held(int vk) { return ::GetKeyState(vk) < 0; }

void PaintPending(CGXGridCore& g) {
    if (g.GridWnd() != nullptr && g.GridWnd()->GetSafeHwnd() != nullptr && !g.IsLockUpdate()) g.GridWnd()->UpdateWindow();
}

}  // namespace

bool CGXGridCore::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) {
    // 1. Keys are swallowed while a button sequence holds the mouse; Escape ends it.
    if (m_pGridWnd != nullptr && CWnd::GetCapture() == m_pGridWnd) {
        if (nMessage == WM_KEYDOWN && nChar == VK_ESCAPE) m_pGridWnd->SendMessage(WM_CANCELMODE);
        return true;
    }
    // 2. The current cell's control first.
    ROWCOL nRow = 0, nCol = 0;
    if (IsCurrentCell() && GetCurrentCell(nRow, nCol) && pSender == m_pGridWnd) {
        CGXControl* pControl = m_pCurrentControl != nullptr ? m_pCurrentControl : GetControl(nRow, nCol);
        if (pControl != nullptr) {
            if (!pControl->IsInit(nRow, nCol)) pControl->Init(nRow, nCol);
            if (pControl->KeyMessage(nMessage, nChar, nRepCnt, nFlags)) {
                ScrollCellInView(nRow, nCol, GX_UPDATENOW);
                PaintPending(*this);
                return true;
            }
        }
    }
    // 3. The grid's own handlers.
    switch (nMessage) {
    case WM_KEYDOWN: return OnGridKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP: return OnGridKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: return OnGridChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN: return OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    default: return false;
    }
}

bool CGXGridCore::OnGridKeyDown(UINT nChar, UINT, UINT) {
    const bool bCtrl = Held(VK_CONTROL), bShift = Held(VK_SHIFT), bAlt = Held(VK_MENU);
    CGXControl* pControl = GetCurrentCellControl();
    bool bHandled = true;
    switch (nChar) {
    case VK_BACK:
        if (!bCtrl) return false;
        Redo();
        break;
    case VK_TAB:
        if (TransferCurrentCell(true, GX_REDRAWLATER, true)) MoveCurrentCellEx(bShift ? GX_MOVE_LEFT : GX_MOVE_RIGHT, 1, true);
        break;
    case VK_RETURN:
        if (bCtrl || bShift || bAlt) return false;
        if (TransferCurrentCell(true, GX_REDRAWLATER, true) && m_nEnterDirection != 0) MoveCurrentCell(m_nEnterDirection, 1);
        break;
    case VK_ESCAPE:
        if (pControl != nullptr && IsCurrentCell()) {
            if (pControl->OnCancelEditing()) {
                // Set up again, the control forgets what was typed.
                pControl->Init(m_nCurrentRow, m_nCurrentCol);
                pControl->Refresh();
                pControl->OnCanceledEditing();
            } else {
                pControl->Refresh();
            }
            ScrollCellInView(m_nCurrentRow, m_nCurrentCol, GX_UPDATENOW);
        }
        if (!m_bSelectCurrentCell) ClearSelection();
        break;
    case VK_PRIOR: MoveCurrentCell(GX_MOVE_PAGEUP, 1); break;
    case VK_NEXT: MoveCurrentCell(GX_MOVE_PAGEDOWN, 1); break;
    case VK_END:
    case VK_HOME:
        if (!bCtrl) return false;
        MoveCurrentCell(nChar == VK_END ? GX_MOVE_BOTTOMRIGHT : GX_MOVE_TOPLEFT, 1);
        break;
    case VK_LEFT: MoveCurrentCell(bCtrl ? GX_MOVE_MOSTLEFT : GX_MOVE_LEFT, 1); break;
    case VK_UP: MoveCurrentCell(bCtrl ? GX_MOVE_TOP : GX_MOVE_UP, 1); break;
    case VK_RIGHT: MoveCurrentCell(bCtrl ? GX_MOVE_MOSTRIGHT : GX_MOVE_RIGHT, 1); break;
    case VK_DOWN: MoveCurrentCell(bCtrl ? GX_MOVE_BOTTOM : GX_MOVE_DOWN, 1); break;
    case VK_INSERT:
        if (bCtrl && CanCopy()) Copy();
        else if (bShift && CanPaste()) Paste();
        else return false;
        break;
    case VK_DELETE:
        if (bShift) {
            if (!CanCut()) return false;
            Cut();
        } else if ((pControl == nullptr || !pControl->IsActive()) && CanClear()) {
            Clear(bCtrl);
        } else {
            return false;
        }
        break;
    case VK_F2:
        if (pControl == nullptr) return OnGridKeyDown(VK_RETURN, 1, 0);
        if (!pControl->IsActive()) {
            TransferCurrentCell(false, GX_REDRAWNOW, true);
            if (!pControl->IsReadOnly() && pControl->BeginEdit()) {
                pControl->SetActive(true);
                pControl->Refresh();
            }
        } else {
            TransferCurrentCell(true, GX_REDRAWNOW, true);
        }
        break;
    default: bHandled = false;
    }
    if (bHandled) PaintPending(*this);
    return bHandled;
}

bool CGXGridCore::OnGridKeyUp(UINT, UINT, UINT) { return false; }

bool CGXGridCore::OnGridChar(UINT nChar, UINT, UINT) {
    switch (nChar) {
    case 0x03: Copy(); return true;   // Ctrl+C
    case 0x16: Paste(); return true;  // Ctrl+V
    case 0x18: Cut(); return true;    // Ctrl+X
    case 0x1A: Undo(); return true;   // Ctrl+Z
    case 0x12: Redo(); return true;   // Ctrl+R
    case 0x19: Redo(); return true;   // Ctrl+Y
    case '\t':
    case '\r':
    case 0x7F: return true;  // their key-down did the work
    default: return false;
    }
}

bool CGXGridCore::OnGridSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != VK_BACK) return false;
    Undo();
    PaintPending(*this);
    return true;
}
