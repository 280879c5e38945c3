#pragma once
// Shared by the dialog tests: the real controls under class names of their own that log the
// messages they get, as the dialogs' procedure does, and a fixture that gives each case a fresh
// window system.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/dialog_script.h"
#include "platform/win/dialog_template.h"
#include "platform/win/dialogs.h"
#include "platform/win/modal_loop.h"
#include "platform/win/window.h"
#include "platform/window/window_test_support.h"

namespace dialog_test {

// The message log and its queries are the window tests' own.
using window_test::Log;
using window_test::Logged;
using window_test::Received;

inline DWORD Type(HWND h) { return static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & 0xF; }

// The real control classes, and the logging classes that stand for them in the templates.
constexpr std::pair<const char*, const char*> kLoggedClasses[] = {
    {"BUTTON", "TestButton"}, {"EDIT", "TestEdit"}, {"STATIC", "TestStatic"}};
inline WNDPROC& RealProc(int i) {
    static WNDPROC procs[3];
    return procs[i];
}
template <int I>
LRESULT LoggingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    return CallWindowProc(RealProc(I), h, m, w, l);
}
constexpr WNDPROC kLoggingProcs[] = {LoggingProc<0>, LoggingProc<1>, LoggingProc<2>};

// A dialog procedure whose answers a test chooses.
using DlgHandler = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;
inline DlgHandler& CurrentDlgHandler() {
    static DlgHandler handler;
    return handler;
}
inline INT_PTR TestDlgProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    if (CurrentDlgHandler()) return CurrentDlgHandler()(h, m, w, l);
    if (m == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
        EndDialog(h, LOWORD(w));
        return TRUE;
    }
    return m == WM_INITDIALOG ? TRUE : FALSE;
}

// Items of the stand-in classes, stated like the real ones.
inline DialogItem TButton(WORD id, const char* text, short x, short y, DWORD style) {
    return Control(id, "TestButton", text, x, y, 50, 14, style);
}
inline DialogItem TEdit(WORD id, short x, short y, DWORD style = WS_TABSTOP | WS_BORDER) {
    return Control(id, "TestEdit", "", x, y, 60, 12, style);
}
inline DialogItem TStatic(WORD id, const char* text, short x, short y, DWORD style = 0) {
    return Control(id, "TestStatic", text, x, y, 60, 8, style);
}

inline const DLGTEMPLATE* AsTemplate(const std::vector<BYTE>& bytes) {
    return reinterpret_cast<const DLGTEMPLATE*>(bytes.data());
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowSystem();
        Log().clear();
        CurrentDlgHandler() = nullptr;
        for (int i = 0; i < 3; ++i) {
            WNDCLASSA wc{};
            ASSERT_TRUE(GetClassInfo(nullptr, kLoggedClasses[i].first, &wc));
            RealProc(i) = wc.lpfnWndProc;
            wc.lpfnWndProc = kLoggingProcs[i];
            wc.lpszClassName = kLoggedClasses[i].second;
            ASSERT_NE(RegisterClass(&wc), 0);
        }
        WNDCLASSA owner{};
        owner.hCursor = LoadCursor(nullptr, IDC_ARROW);
        owner.lpfnWndProc = DefWindowProcA;
        owner.lpszClassName = "TestOwner";
        ASSERT_NE(RegisterClass(&owner), 0);
    }
    void TearDown() override {
        SetModalLoopHook(nullptr);
        CurrentDlgHandler() = nullptr;
        ResetWindowSystem();
        Log().clear();
    }
    static HWND Owner() {
        return CreateWindowEx(0, "TestOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 40, 600, 450, nullptr,
                              nullptr, nullptr, nullptr);
    }
    // A modeless dialog from items, shown.
    static HWND Modeless(const std::vector<BYTE>& t, HWND owner = nullptr) {
        HWND h = CreateDialogIndirectParam(nullptr, AsTemplate(t), owner, TestDlgProc, 0);
        if (h) ShowWindow(h, SW_SHOW);
        return h;
    }
    // Sends a key press through the input path and lets the dialog manager handle it.
    static void Key(HWND dlg, UINT vk, bool shift = false) {
        if (shift) synthetic::KeyDown(VK_SHIFT);
        synthetic::KeyPress(vk);
        if (shift) synthetic::KeyUp(VK_SHIFT);
        Pump(dlg);
    }
    static void Pump(HWND dlg) {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (!IsDialogMessage(dlg, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
    }
};

}  // namespace dialog_test
