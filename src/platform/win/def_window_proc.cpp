// Default handling of window messages: creation text, text messages, paint and erase, the
// non-client area (hit test, painting, activation look, presses on caption and close box), cursor
// setting, mouse activation, activation focus, cancel mode and close.
#include <algorithm>
#include <cstring>

#include "platform/win/nonclient.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

constexpr UINT SC_CLOSE = 0xF060;

// The cursor of the window under the pointer (wParam of WM_SETCURSOR), whichever window of its
// parent chain answers.
LRESULT SetCursorFor(HWND under, int hit) {
    switch (hit) {
    case HTERROR:
        return FALSE;
    case HTCLIENT: {
        const Window* w = Find(under);
        if (w && w->cls->hCursor) {
            SetCursor(w->cls->hCursor);
            return TRUE;
        }
        return FALSE;
    }
    case HTLEFT: case HTRIGHT: SetCursor(LoadCursorA(nullptr, IDC_SIZEWE)); return TRUE;
    case HTTOP: case HTBOTTOM: SetCursor(LoadCursorA(nullptr, IDC_SIZENS)); return TRUE;
    case HTTOPLEFT: case HTBOTTOMRIGHT: SetCursor(LoadCursorA(nullptr, IDC_SIZENWSE)); return TRUE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: SetCursor(LoadCursorA(nullptr, IDC_SIZENESW)); return TRUE;
    default: SetCursor(LoadCursorA(nullptr, IDC_ARROW)); return TRUE;
    }
}

}  // namespace

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    switch (Msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(lParam);
        w->text = text ? text : "";
        // The caption shows the text: redrawn at once, as the platform does.
        if ((w->style & WS_CAPTION) == WS_CAPTION && VisibleChain(*w)) nonclient::Paint(hWnd);
        return TRUE;
    }
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(lParam);
        if (!buf || wParam == 0) return 0;
        const std::size_t n = std::min<std::size_t>(w->text.size(), static_cast<std::size_t>(wParam) - 1);
        std::memcpy(buf, w->text.data(), n);
        buf[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the top-level window.
        if (wParam == VK_F4 && (static_cast<ULONG>(lParam) & (1u << 29)))
            PostMessageA(TopLevelOf(hWnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        const WindowPaintHooks& hooks = S().paintHooks;
        HDC hdc = reinterpret_cast<HDC>(wParam);
        if (!hdc || !w->cls->hbrBackground || !hooks.erase_background) return 0;
        return hooks.erase_background(hWnd, hdc, w->cls->hbrBackground);
    }
    case WM_NCHITTEST:
        return nonclient::HitTest(*w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        nonclient::Paint(hWnd);
        return 0;
    case WM_SETCURSOR:
        // A child asks its parent first: a parent that sets the cursor wins.
        if (w->parent && Find(w->parent) && SendMessageA(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        return SetCursorFor(reinterpret_cast<HWND>(wParam), static_cast<SHORT>(LOWORD(static_cast<UINT_PTR>(lParam))));
    case WM_MOUSEACTIVATE:
        if (w->parent && Find(w->parent)) {
            const LRESULT r = SendMessageA(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTVSCROLL || wParam == HTHSCROLL)
            TrackScrollBar(hWnd, wParam == HTVSCROLL ? SB_VERT : SB_HORZ, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else if (wParam == HTCAPTION && Msg == WM_NCLBUTTONDOWN)
            nonclient::TrackCaption(hWnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else if (wParam == HTCLOSE)
            nonclient::TrackCloseBox(hWnd);
        return 0;
    case WM_MOUSEWHEEL:
        if (w->parent && Find(w->parent)) return SendMessageA(w->parent, Msg, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hWnd);
        return 0;
    case WM_NCACTIVATE:
        // The frame shows the new state at once; TRUE lets the activation go on.
        w->ncActive = wParam != FALSE;
        if (VisibleChain(*w)) nonclient::Paint(hWnd);
        return TRUE;
    case WM_CANCELMODE:
        if (GetCapture() == hWnd) ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}
