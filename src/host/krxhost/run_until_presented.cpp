#include "host/krxhost/run_until_presented.h"

#include <cstdio>

#include "host/krxhost/commands.h"
#include "host/krxhost/script_driver.h"
#include "host/krxhost/standard_streams.h"
#include "platform/win/display.h"
#include "platform/win/modal_loop.h"

bool RunUntilPresented(HWND hwnd) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (IsWindow(hwnd) && !IsWindowPresented(hwnd)) {
        if (GetTickCount() - start > 5000) return false;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return false;
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (GetDisplayBackend().DeliversEvents()) {
            if (!WaitMessage()) return false;
        } else {
            SyncDisplay();
            if (!IsWindowPresented(hwnd)) return false;
        }
    }
    return IsWindowPresented(hwnd);
}

int ShowOrScreenshot(HWND hwnd, const std::string& screenshot) {
    if (!screenshot.empty()) {
        const bool written = RunUntilPresented(hwnd) && WriteDisplayScreenshot(hwnd, screenshot.c_str());
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
        if (!written) {
            std::fprintf(stderr, "krxhost: %s: the screenshot cannot be written\n", screenshot.c_str());
            return kExitFailed;
        }
        StdOut::Printf("%s\n", screenshot.c_str());
        return kExitOk;
    }
    RunMessageLoop();
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return kExitOk;
}

bool ReadScriptOption(const std::string& path, Script& script) {
    std::string error;
    if (LoadScript(path, script, error)) return true;
    std::fprintf(stderr, "krxhost: %s\n", error.c_str());
    return false;
}

int RunScripted(HWND hwnd, Script script) {
    ScriptDriver driver(std::move(script));
    RunMessageLoop();
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return driver.Finish() ? kExitOk : kExitUsage;
}
