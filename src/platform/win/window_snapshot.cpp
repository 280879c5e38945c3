// Headless snapshots: a window as it shows on its top-level window's surface, written as PNG.
#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"

bool WriteWindowPng(HWND hWnd, const char* path) {
    if (path == nullptr || !IsWindow(hWnd) || hWnd == GetDesktopWindow()) return false;
    // What is invalid would show stale pixels: paint first, from the top-level window down, since
    // a parent's paint may cover its children.
    UpdateWindow(GetAncestor(hWnd, GA_ROOT));
    HDC whole = GetWindowDC(hWnd);  // null when the window went away while painting
    if (whole == nullptr) return false;
    RECT wr;
    GetWindowRect(hWnd, &wr);
    const int cx = wr.right - wr.left, cy = wr.bottom - wr.top;
    bool ok = false;
    if (cx > 0 && cy > 0) {
        HDC out = CreateImageDC(cx, cy);
        if (out != nullptr) {
            // The window's device context has its origin at the window's corner, so the copy
            // takes the window from wherever it lies on the surface.
            POINT org;
            GetViewportOrgEx(whole, &org);
            ok = BitBlt(out, 0, 0, cx, cy, GetWindowSurfaceDC(hWnd), org.x, org.y, SRCCOPY) && WritePng(out, path);
            DeleteDC(out);
        }
    }
    ReleaseDC(hWnd, whole);
    return ok;
}
