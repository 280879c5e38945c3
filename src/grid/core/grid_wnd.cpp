// CGXGridWnd: construction and the end of life, initialisation from a dialog placeholder, and the
// routing of the window's messages to the grid core.
//
// Map: life; initialisation; message routing; painting.
#include "grid/core/grid_wnd.h"

#include <set>

#include "platform/framework/exceptions.h"
#include "platform/framework/window_dc.h"
#include "platform/win/gdi.h"

IMPLEMENT_DYNAMIC(CGXGridWnd, CWnd)

namespace {

// The grid windows that delete themselves with their window.
std::set<CGXGridWnd*>& SelfDeleting() {
    static std::set<CGXGridWnd*> windows;
    return windows;
}

}  // namespace

// ---- life -----------------------------------------------------------------------------------------

CGXGridWnd::CGXGridWnd() { SetGridWnd(this); }

CGXGridWnd::~CGXGridWnd() {
    SelfDeleting().erase(this);
    if (m_hWnd != nullptr) DestroyWindow();
}

void CGXGridWnd::DeleteWithWindow(CGXGridWnd* pWnd) {
    if (pWnd != nullptr) SelfDeleting().insert(pWnd);
}

void CGXGridWnd::PostNcDestroy() {
    if (SelfDeleting().erase(this) != 0) delete this;
}

// ---- initialisation -------------------------------------------------------------------------------

void CGXGridWnd::InitFromPlaceholder() {
    const DWORD dwStyle = GetStyle();
    const int nWhenNeeded = GX_SCROLL_WHENNEEDED | GX_SCROLL_NOEMPTYEND;
    SetScrollBarMode(SB_VERT, (dwStyle & WS_VSCROLL) ? nWhenNeeded : 0, false);
    SetScrollBarMode(SB_HORZ, (dwStyle & WS_HSCROLL) ? nWhenNeeded : 0, false);
    Initialize();
}

void CGXGridWnd::Initialize() {
    WNDCLASSA wc{};
    if (!::GetClassInfo(nullptr, GX_GRID_WNDCLASS, &wc)) AfxThrowNotSupportedException();
    CGXGridCore::Initialize();
    UpdateFontMetrics();
    UpdateScrollbars(true, false);
}

// ---- message routing ------------------------------------------------------------------------------

namespace {

CPoint PointOf(LPARAM l) { return CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)); }

bool IsMouseButtonMessage(UINT message) {
    return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK;
}

}  // namespace

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT nFlags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_PAINT: OnGridPaint(); return 0;
    case WM_ERASEBKGND: return TRUE;  // the grid paints every pixel of its area
    case WM_NCPAINT: {
        const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
        if ((GetStyle() & 0x200) != 0 || m_bDisplayFrame) DrawFrame();
        return r;
    }
    case WM_SIZE:
        if (OnGridSize(nFlags, LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam)))) return 0;
        break;
    case WM_VSCROLL:
        if (OnGridVScroll(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_HSCROLL:
        if (OnGridHScroll(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_GETDLGCODE:
        return OnGridGetDlgCode(static_cast<UINT>(CWnd::WindowProc(message, wParam, lParam)));
    case WM_SETFOCUS: {
        const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
        OnGridSetFocus(AfxWndFromHandle(reinterpret_cast<HWND>(wParam)));
        return r;
    }
    case WM_KILLFOCUS: {
        const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
        OnGridKillFocus(AfxWndFromHandle(reinterpret_cast<HWND>(wParam)));
        return r;
    }
    case WM_SHOWWINDOW: {
        const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
        OnGridShowWindow(wParam != 0, static_cast<UINT>(lParam));
        return r;
    }
    case WM_CANCELMODE: OnGridCancelMode(); break;
    case WM_TIMER: OnGridTimer(static_cast<UINT_PTR>(wParam)); break;
    case WM_SETCURSOR:
        if (OnGridSetCursor(LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam)))) return TRUE;
        break;
    case WM_MOUSEACTIVATE:
        if (int r = OnGridMouseActivate(AfxWndFromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<UINT_PTR>(lParam)),
                                        HIWORD(static_cast<UINT_PTR>(lParam)));
            r != 0)
            return r;
        break;
    case WM_COMMAND:
        if (OnGridCommand(wParam, lParam)) return 0;
        break;
    case WM_DESTROY:
        if (OnGridDestroy()) return 0;
        break;
    case WM_SETTINGCHANGE: OnGridSettingChange(nFlags, reinterpret_cast<const char*>(lParam)); break;
    case WM_SYSCOLORCHANGE: OnGridSysColorChange(); break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        if (ProcessKeys(this, message, nFlags, LOWORD(static_cast<UINT_PTR>(lParam)),
                        HIWORD(static_cast<UINT_PTR>(lParam))))
            return 0;
        break;
    case WM_MOUSEMOVE:
        if (OnGridMouseMove(nFlags, PointOf(lParam))) return 0;
        break;
    default:
        if (IsMouseButtonMessage(message)) {
            // A click takes the focus into the grid, unless it is there or in a cell's window (a
            // double click is the second press of a click).
            if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
                const HWND hwndFocus = ::GetFocus();
                if (hwndFocus != m_hWnd && !::IsChild(m_hWnd, hwndFocus)) SetFocus();
            }
            const CPoint pt = PointOf(lParam);
            bool bDone = false;
            switch (message) {
            case WM_LBUTTONDOWN: bDone = OnGridLButtonDown(nFlags, pt); break;
            case WM_LBUTTONUP: bDone = OnGridLButtonUp(nFlags, pt); break;
            case WM_LBUTTONDBLCLK: bDone = OnGridLButtonDblClk(nFlags, pt); break;
            case WM_RBUTTONDOWN: bDone = OnGridRButtonDown(nFlags, pt); break;
            case WM_RBUTTONUP: bDone = OnGridRButtonUp(nFlags, pt); break;
            case WM_RBUTTONDBLCLK: bDone = OnGridRButtonDblClk(nFlags, pt); break;
            case WM_MBUTTONDOWN: bDone = OnGridMButtonDown(nFlags, pt); break;
            case WM_MBUTTONUP: bDone = OnGridMButtonUp(nFlags, pt); break;
            case WM_MBUTTONDBLCLK: bDone = OnGridMButtonDblClk(nFlags, pt); break;
            default: break;
            }
            if (bDone) return 0;
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CGXGridWnd::PreTranslateMessage(MSG* pMsg) {
    if (OnGridPreTranslateMessage(pMsg)) return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- painting -------------------------------------------------------------------------------------

void CGXGridWnd::OnGridPaint() {
    CPaintDC dc(this);
    if (!IsInitialized()) AfxThrowNotSupportedException();
    DrawGrid(&dc);
    m_bPaintedSinceSize = true;
}

void CGXGridWnd::DrawFrame() {
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CBrush brush(::GetSysColor(COLOR_WINDOWFRAME));
    dc.FrameRect(&rect, &brush);
}
