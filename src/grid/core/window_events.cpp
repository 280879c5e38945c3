// What the grid does with its window's messages other than painting, scrolling, the mouse and
// the keys: a new size, focus gained and lost (activation), and the rest of the routing table,
// which a derived grid may fill in.
//
// Map: size; activation and focus; the remaining messages.
#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"
#include "platform/win/system_metrics.h"

namespace {

// The grid that got the focus last in this process (all grids live on the window thread).
CGXGridCore* g_pLastActiveGrid = nullptr;

}  // namespace

// ---- size -----------------------------------------------------------------------------------------

bool CGXGridCore::OnGridSize(UINT nType, int cx, int cy) {
    ResetLastVisibleCaches();
    if (nType == SIZE_MINIMIZED || nType == SIZE_MAXIMIZED) {
        m_bFrameMaximized = nType == SIZE_MAXIMIZED;
        return false;
    }
    if (m_bInGridSize || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return true;
    m_bInGridSize = true;
    CWnd* pWnd = m_pGridWnd;
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);

    // What a grown window uncovered is all that needs painting, when the window kept its place.
    // Only a window painted since its last size holds pixels worth keeping.
    const bool bPainted = m_bPaintedSinceSize;
    m_bPaintedSinceSize = false;
    if (m_bSmartResize && bPainted && m_sizeOldClient.cx > 0 && m_sizeOldClient.cy > 0 &&
        rectWindow.TopLeft() == m_rectOldWindow.TopLeft()) {
        pWnd->ValidateRect(nullptr);
        // From the left edge of the column the old width cut off (it shows more of itself now),
        // else from the old width; likewise at the bottom.
        const CRect grid = GetGridRect();
        int nRight = m_sizeOldClient.cx, nBottom = m_sizeOldClient.cy, nEdge = 0;
        if (ClientColFromPoint(CPoint(nRight - 1, grid.top), &nEdge) != GX_INVALID) nRight = std::min(nRight, nEdge);
        if (ClientRowFromPoint(CPoint(grid.left, nBottom - 1), &nEdge) != GX_INVALID) nBottom = std::min(nBottom, nEdge);
        if (cx > nRight) pWnd->InvalidateRect(CRect(nRight, 0, cx, cy), FALSE);
        if (cy > nBottom) pWnd->InvalidateRect(CRect(0, nBottom, cx, cy), FALSE);
        pWnd->UpdateWindow();
    } else {
        pWnd->Invalidate(FALSE);
    }

    if (m_bInitDone && !m_bInUpdateScrollbars) {
        UpdateFontMetrics();
        pWnd->UpdateWindow();
        UpdateScrollbars(true, false);
    }
    CRect client;
    pWnd->GetClientRect(&client);
    const DWORD dwStyle = pWnd->GetStyle();
    m_sizeOldClient = CSize(client.Width() + ((dwStyle & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                            client.Height() + ((dwStyle & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0));
    pWnd->GetWindowRect(&m_rectOldWindow);
    m_bInGridSize = false;
    return true;
}

// ---- activation and focus -------------------------------------------------------------------------

CGXGridCore* CGXGridCore::GetLastActiveGrid() noexcept { return g_pLastActiveGrid; }

void CGXGridCore::OnActivateGrid(bool bActive) {
    m_bActive = bActive;
    if (bActive) {
        g_pLastActiveGrid = this;
        UpdateFontMetrics();
        UpdateScrollbars();
    } else {
        OnGridCancelMode();
    }
}

namespace {

// Whether the window is the grid's own window or one of its children (a cell's edit window).
bool IsGridOrChild(CWnd* pGridWnd, HWND hwnd) {
    return hwnd != nullptr && (hwnd == pGridWnd->GetSafeHwnd() || ::IsChild(pGridWnd->GetSafeHwnd(), hwnd));
}

}  // namespace

void CGXGridCore::OnGridSetFocus(CWnd* pOldWnd) {
    if (m_pGridWnd == nullptr) return;
    const HWND hwndOld = pOldWnd != nullptr ? pOldWnd->GetSafeHwnd() : nullptr;
    if (!IsGridOrChild(m_pGridWnd, hwndOld)) OnActivateGrid(true);
    m_hwndPrevFocus = hwndOld;
}

void CGXGridCore::OnGridKillFocus(CWnd* pNewWnd) {
    if (m_pGridWnd == nullptr) return;
    if (!IsGridOrChild(m_pGridWnd, pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr)) OnActivateGrid(false);
}

void CGXGridCore::OnGridShowWindow(bool bShow, UINT) {
    // A hidden grid forgets what it measured; its next showing starts afresh.
    if (!bShow) {
        m_sizeOldClient = CSize(0, 0);
        ResetLastVisibleCaches();
    }
}

// ---- the remaining messages -----------------------------------------------------------------------

UINT CGXGridCore::OnGridGetDlgCode(UINT nDefaultCode) {
    // Arrow keys, tab and characters are the grid's own, not the dialog's.
    return nDefaultCode | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

bool CGXGridCore::OnGridTimer(UINT_PTR) { return false; }
int CGXGridCore::OnGridMouseActivate(CWnd*, UINT, UINT) { return 0; }
bool CGXGridCore::OnGridCommand(WPARAM, LPARAM) { return false; }
bool CGXGridCore::OnGridDestroy() {
    if (g_pLastActiveGrid == this) g_pLastActiveGrid = nullptr;
    return false;
}
void CGXGridCore::OnGridSettingChange(UINT, const char*) {}
void CGXGridCore::OnGridSysColorChange() {
    // Colours resolved from the system colours are cached with the drawing objects.
    FreeObjectCache();
    for (const auto& entry : m_controlMap) entry.second->OnSysColorChange();
}
bool CGXGridCore::OnGridPreTranslateMessage(MSG*) { return false; }
