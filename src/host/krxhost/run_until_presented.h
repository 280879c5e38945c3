#pragma once
// Waiting for a new window to reach the display before its screenshot is taken.
#include <string>

#include "platform/win/window.h"

// Runs the window's messages until it has been presented on the display, or for at most a few
// seconds of the clock; false when it was not presented (or the loop was told to quit).
bool RunUntilPresented(HWND hwnd);

// A demo window's life: with a screenshot path, waits until the window is presented, writes the
// screenshot, destroys the window and prints the path; otherwise runs its messages until it is
// closed. The exit code of the command.
int ShowOrScreenshot(HWND hwnd, const std::string& screenshot);
