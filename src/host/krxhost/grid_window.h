#pragma once
// A top-level window that shows a grid: it owns the grid, ties it to itself, paints it and
// redraws it when its size changes. Scrolling and input arrive with the grid window proper; until
// then this is what a person looks at a grid through. Destroying the window ends the message loop.
#include <memory>

#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

class GridWindow : public CWnd {
public:
    explicit GridWindow(std::unique_ptr<CGXGridCore> pGrid);
    ~GridWindow() override;

    // Makes the window with a caption and a close box, initialises the grid for it and shows it;
    // false when the window cannot be made.
    bool CreateTopLevel(const char* pszCaption, int x, int y, int nWidth, int nHeight);
    CGXGridCore& Grid() noexcept { return *m_pGrid; }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CGXGridCore> m_pGrid;
};
