#pragma once
// A grid window whose base character is 15 by 10 pixels whatever fonts the machine has (rows of
// 18 and columns of 100 pixels), and taking over a placeholder of the grid's class as a dialog does.
#include "grid/core/grid_wnd.h"

namespace core_test {

struct FixedGridWnd : CGXGridWnd {
    void UpdateFontMetrics() override {
        m_nBaseCharHeight = 15;
        m_nBaseCharWidth = 10;
        ResetLastVisibleCaches();
    }
};

// A child of the parent at the rectangle, of the grid's class, made the grid's own window.
inline bool TakeOverPlaceholder(CGXGridWnd& grid, HWND hParent, const CRect& rect, DWORD dwStyle = 0) {
    HWND h = CreateWindowExA(0, GX_GRID_WNDCLASS, "", WS_CHILD | WS_VISIBLE | dwStyle, rect.left, rect.top,
                             rect.Width(), rect.Height(), hParent, reinterpret_cast<HMENU>(5000), nullptr, nullptr);
    if (h == nullptr || !grid.SubclassWindow(h)) return false;
    grid.InitFromPlaceholder();
    return true;
}

}  // namespace core_test
