#pragma once
// A demo window's life: waiting for it to reach the display before its screenshot is taken,
// running it for a person, or running it under a script.
#include <string>

#include "host/krxhost/script.h"

#include "platform/win/window.h"

// Runs the window's messages until it has been presented on the display, or for at most a few
// seconds of the clock; false when it was not presented (or the loop was told to quit).
bool RunUntilPresented(HWND hwnd);

// A demo window's life: with a screenshot path, waits until the window is presented, writes the
// screenshot, destroys the window and prints the path; otherwise runs its messages until it is
// closed. The exit code of the command.
int ShowOrScreenshot(HWND hwnd, const std::string& screenshot);

// Reads the script of --script ("-": standard input) into script; false, with the reason on
// standard error, when it cannot be read or a line is no command.
bool ReadScriptOption(const std::string& path, Script& script);

// A window's life under a script: runs its messages, and the script's commands when they are idle,
// until the window is gone. kExitUsage when a line of the script could not be carried out.
int RunScripted(HWND hwnd, Script script);
