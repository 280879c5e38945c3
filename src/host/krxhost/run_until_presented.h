#pragma once
// Waiting for a new window to reach the display before its screenshot is taken.
#include "platform/win/window.h"

// Runs the window's messages until it has been presented on the display, or for at most a few
// seconds of the clock; false when it was not presented (or the loop was told to quit).
bool RunUntilPresented(HWND hwnd);
