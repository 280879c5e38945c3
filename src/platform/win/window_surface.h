#pragma once
// Where windows draw: every top-level window has a backing surface, an image of its window size
// that follows its size, and every window draws into its top-level window's surface through a
// device context whose origin is the window's place on it and whose clip is the part it shows.
//
// Device contexts handed out here are released with ReleaseDC (or EndPaint), never deleted.
#include "platform/win/gdi.h"
#include "platform/win/window.h"

// A device context for the client area (null hWnd: the whole screen); null for a stale handle
// or a window too large to have a surface.
HDC GetDC(HWND hWnd);
// The same for the whole window rectangle, non-client area included.
HDC GetWindowDC(HWND hWnd);
// 1 when the device context came from GetDC or GetWindowDC and is now gone, else 0.
int ReleaseDC(HWND hWnd, HDC hDC);

// The image device context of a top-level window's surface (of the window's top-level window
// for a child), as display backends show it; owned here, never to be deleted or released.
HDC GetWindowSurfaceDC(HWND hWnd);

// Writes what a window shows, children included, as a PNG file of its window size, after
// sending the paints it and its children have pending. False for a stale or empty window, or
// a file that cannot be written.
bool WriteWindowPng(HWND hWnd, const char* path);

// Connects painting to the surfaces; done when the platform library loads. Tests that take the
// hooks away put them back with this.
void InstallWindowPaintHooks();

namespace win_surface {

// A device context over the surface for a window (client area, or the whole window with
// wholeWindow), clipped to its visible part and, when paint is given, to that rectangle in
// client coordinates. Released with ReleaseDC.
HDC MakeWindowDC(HWND hwnd, bool wholeWindow, const RECT* paint);
// Moves client pixels of rcScroll by (dx, dy) on the surface, within rcScroll ∩ rcClip.
void ScrollPixels(HWND hwnd, const RECT& rcScroll, const RECT& rcClip, int dx, int dy);
// Forgets the backing surface of a window that is no longer a top-level window.
void DropSurface(HWND hwnd);

}  // namespace win_surface
