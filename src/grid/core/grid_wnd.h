#pragma once
// CGXGridWnd: the grid as a child window. One object is both the window (the framework's window
// class comes first) and the grid core; the window hands every message that matters to the grid
// to an operation of the core a derived grid may override, and the core reaches the window back
// through its window pointer, which is this object.
//
// A dialog places a grid with a custom control of window class "GXWND" in its template, attaches
// a CGXGridWnd-derived member to it with SubclassDlgItem and calls InitFromPlaceholder. The host
// process registers that class before any such dialog is made.
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

// The window class of a grid placeholder in a dialog template.
constexpr const char* GX_GRID_WNDCLASS = "GXWND";

class CGXGridWnd : public CWnd, public CGXGridCore {
    DECLARE_DYNAMIC(CGXGridWnd)
public:
    CGXGridWnd();
    // Destroys a window still attached while the grid can still hear its last messages.
    ~CGXGridWnd() override;

    // Scroll bar modes from the window's styles (a bar the template gives the placeholder is shown
    // when needed, with no empty space after the last row; none without), then Initialize.
    void InitFromPlaceholder();
    // Initialises the grid; throws the framework's not-supported exception when the "GXWND"
    // window class is not registered in the process.
    void Initialize() override;

    // Draw a frame around the window on non-client paint.
    bool m_bDisplayFrame = false;

    // A grid window the engine allocated itself: it deletes itself when its window is destroyed.
    static void DeleteWithWindow(CGXGridWnd* pWnd);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;

private:
    void OnGridPaint();
    void DrawFrame();
};
