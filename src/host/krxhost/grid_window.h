#pragma once
// A top-level frame that shows a grid window: the grid is a child that fills the frame's client
// area, with scroll bars that appear when there is something to scroll, as a grid placed in a
// dialog gets them. The frame owns the grid, gives it the focus when it is activated and follows
// its own size with the grid's. Destroying the frame ends the message loop.
#include <memory>

#include "grid/core/grid_wnd.h"

class GridWindow : public CWnd {
public:
    explicit GridWindow(std::unique_ptr<CGXGridWnd> pGrid);
    ~GridWindow() override;

    // Makes the frame with a caption and a close box, the grid in it, initialises the grid and
    // shows the frame; false when a window cannot be made.
    bool CreateTopLevel(const char* pszCaption, int x, int y, int nWidth, int nHeight);
    CGXGridWnd& Grid() noexcept { return *m_pGrid; }

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CGXGridWnd> m_pGrid;
};
