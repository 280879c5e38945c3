#pragma once
// The non-client area in the classic look: the frame's sizes, where its parts lie, how it is
// drawn onto the window's surface and what a point on it hits. The window system's default
// handling uses these for WM_NCPAINT, WM_NCACTIVATE, WM_NCHITTEST and presses on the caption.
#include "platform/win/window_internal.h"

namespace nonclient {

// The frame alone, without caption and scroll bars: its width on every side.
int FrameWidth(const win_internal::Window& w);
// In window coordinates (relative to the window's top-left corner); empty when the window has none.
RECT CaptionRect(const win_internal::Window& w);
RECT CloseBoxRect(const win_internal::Window& w);

// The hit-test code of a screen point (HTNOWHERE outside the window).
int HitTest(const win_internal::Window& w, POINT ptScreen);

// Draws border, frames, caption, close box, client edge and scroll bars onto the surface.
void Paint(HWND hwnd);
// Only the window's own scroll bars.
void PaintScrollBars(HWND hwnd);
// Only the close box, pressed or not.
void PaintCloseBox(HWND hwnd, bool pressed);

// A press on the caption: the window follows the pointer until the button goes up.
void TrackCaption(HWND hwnd, POINT ptScreen);
// A press on the close box: WM_SYSCOMMAND SC_CLOSE when the button goes up over it.
void TrackCloseBox(HWND hwnd);

}  // namespace nonclient
