// GridWindow: the frame, the grid inside it, and the grid following the frame's size and focus.
#include "host/krxhost/grid_window.h"

BEGIN_MESSAGE_MAP(GridWindow, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
constexpr UINT kGridId = 1;
}

GridWindow::GridWindow(std::unique_ptr<CGXGridWnd> pGrid) : m_pGrid(std::move(pGrid)) {}

GridWindow::~GridWindow() {
    // The grid goes with the frame's window, before the grid object itself.
    if (m_hWnd != nullptr) DestroyWindow();
}

bool GridWindow::CreateTopLevel(const char* pszCaption, int x, int y, int nWidth, int nHeight) {
    // Hidden until the grid is initialised, so that no paint or size message finds it half made.
    if (!CreateEx(0, nullptr, pszCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, x, y, nWidth, nHeight,
                  nullptr, 0))
        return false;
    CRect client;
    GetClientRect(&client);
    if (!m_pGrid->Create(GX_GRID_WNDCLASS, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, client,
                         this, kGridId)) {
        DestroyWindow();
        return false;
    }
    m_pGrid->InitFromPlaceholder();
    // The bars that initialisation shows shrink the grid, and a grid that shrinks keeps what it
    // has painted; nothing is painted yet, so all of it is to be painted.
    m_pGrid->Invalidate(FALSE);
    ShowWindow(SW_SHOW);
    m_pGrid->SetFocus();
    return true;
}

BOOL GridWindow::OnEraseBkgnd(CDC*) {
    // The grid covers the whole client area.
    return TRUE;
}

void GridWindow::OnSize(UINT, int cx, int cy) {
    if (m_pGrid->GetSafeHwnd() != nullptr) m_pGrid->MoveWindow(0, 0, cx, cy, TRUE);
}

void GridWindow::OnSetFocus(CWnd*) {
    // Keys go to the grid, as they would to the one control of a dialog.
    if (m_pGrid->GetSafeHwnd() != nullptr) m_pGrid->SetFocus();
}

void GridWindow::OnDestroy() {
    PostQuitMessage(0);
    CWnd::OnDestroy();
}
