// GridWindow: creation, painting through the grid, and redrawing on a new size.
#include "host/krxhost/grid_window.h"

#include "platform/framework/window_dc.h"

BEGIN_MESSAGE_MAP(GridWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

GridWindow::GridWindow(std::unique_ptr<CGXGridCore> pGrid) : m_pGrid(std::move(pGrid)) {}

GridWindow::~GridWindow() {
    // While the grid still exists: the window's last messages may reach it.
    if (m_hWnd != nullptr) DestroyWindow();
}

bool GridWindow::CreateTopLevel(const char* pszCaption, int x, int y, int nWidth, int nHeight) {
    // Hidden until the grid is initialised, so that no paint or size message finds it half made.
    if (!CreateEx(0, nullptr, pszCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, nWidth, nHeight, nullptr, 0))
        return false;
    m_pGrid->SetGridWnd(this);
    m_pGrid->Initialize();
    ShowWindow(SW_SHOW);
    return true;
}

void GridWindow::OnPaint() {
    CPaintDC dc(this);
    if (m_pGrid->IsInitialized()) m_pGrid->DrawGrid(&dc);
}

BOOL GridWindow::OnEraseBkgnd(CDC*) {
    // The grid paints every pixel of the client area, the area beyond its last cells included.
    return TRUE;
}

void GridWindow::OnSize(UINT, int, int) {
    // A new size shows other rows and columns: the whole area is drawn again.
    if (m_pGrid->IsInitialized()) m_pGrid->Redraw(GX_REDRAWLATER);
}

void GridWindow::OnDestroy() {
    m_pGrid->SetGridWnd(nullptr);
    PostQuitMessage(0);
    CWnd::OnDestroy();
}
