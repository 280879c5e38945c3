// Painting connected to the surfaces: BeginPaint's device context, the background erase with the
// class brush, and ScrollWindow's pixel move. Connected when the platform library loads, so that
// every program (and every test) paints for real without asking.
#include "platform/win/window_surface.h"

namespace {

HDC BeginPaintHook(HWND hwnd, const RECT& rcPaint) { return win_surface::MakeWindowDC(hwnd, false, &rcPaint); }

void EndPaintHook(HWND hwnd, HDC hdc) { ReleaseDC(hwnd, hdc); }

// The brush may be a system colour index plus one: FillRect takes those as they are.
BOOL EraseHook(HWND hwnd, HDC hdc, HBRUSH hbr) {
    RECT rc;
    if (!GetClientRect(hwnd, &rc)) return FALSE;
    return FillRect(hdc, &rc, hbr) != 0 ? TRUE : FALSE;
}

void ScrollHook(HWND hwnd, const RECT& rcScroll, const RECT& rcClip, int dx, int dy) {
    win_surface::ScrollPixels(hwnd, rcScroll, rcClip, dx, dy);
}

[[maybe_unused]] const bool g_installed = (InstallWindowPaintHooks(), true);

}  // namespace

void InstallWindowPaintHooks() {
    WindowPaintHooks hooks;
    hooks.begin_paint = BeginPaintHook;
    hooks.end_paint = EndPaintHook;
    hooks.erase_background = EraseHook;
    hooks.scroll_pixels = ScrollHook;
    SetWindowPaintHooks(hooks);
}
