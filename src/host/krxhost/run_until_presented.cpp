#include "host/krxhost/run_until_presented.h"

#include "platform/win/display.h"

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
