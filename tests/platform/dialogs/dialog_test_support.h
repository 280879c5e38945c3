#pragma once
// Shared by the dialog tests: small stand-in controls that answer the dialog manager as the
// standard controls do (WM_GETDLGCODE, BM_*, EM_SETSEL), a log of the messages they and the
// dialogs get, and a fixture that gives each case a fresh window system.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/dialog_script.h"
#include "platform/win/dialog_template.h"
#include "platform/win/dialogs.h"
#include "platform/win/modal_loop.h"
#include "platform/win/window.h"
#include "platform/window/window_test_support.h"

namespace dialog_test {

constexpr UINT kBmGetCheck = 0x00F0, kBmSetCheck = 0x00F1, kBmSetStyle = 0x00F4, kBmClick = 0x00F5;
constexpr UINT kEmSetSel = 0x00B1;
constexpr DWORD kPush = 0x0, kDefPush = 0x1, kCheckBox = 0x3, kGroupBox = 0x7, kAutoRadio = 0x9;

// The message log and its queries are the window tests' own.
using window_test::Log;
using window_test::Logged;
using window_test::Received;

inline DWORD Type(HWND h) { return static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & 0xF; }

// Checks itself and clears the other auto radio buttons of its group, as an auto radio button does.
inline void CheckRadioInGroup(HWND h) {
    const HWND dlg = GetParent(h);
    for (HWND c = h; c; c = GetNextDlgGroupItem(dlg, c, FALSE)) {
        SetWindowLongPtr(c, GWLP_USERDATA, c == h ? 1 : 0);
        if (GetNextDlgGroupItem(dlg, c, FALSE) == h) break;
    }
}

inline void Click(HWND h) {
    if (Type(h) == kAutoRadio) CheckRadioInGroup(h);
    if (Type(h) == kCheckBox) SetWindowLongPtr(h, GWLP_USERDATA, !GetWindowLongPtr(h, GWLP_USERDATA));
    SendMessage(GetParent(h), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(h)), BN_CLICKED),
                reinterpret_cast<LPARAM>(h));
}

inline LRESULT TestButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    switch (m) {
    case WM_GETDLGCODE:
        switch (Type(h)) {
        case kPush: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case kDefPush: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case kAutoRadio: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case kGroupBox: return DLGC_STATIC;
        default: return DLGC_BUTTON;
        }
    case kBmSetStyle:
        SetWindowLongPtr(h, GWL_STYLE, (GetWindowLongPtr(h, GWL_STYLE) & ~0xFFFF) | static_cast<LONG_PTR>(w & 0xFFFF));
        return 0;
    case kBmGetCheck: return GetWindowLongPtr(h, GWLP_USERDATA);
    case kBmSetCheck: SetWindowLongPtr(h, GWLP_USERDATA, static_cast<LONG_PTR>(w)); return 0;
    case kBmClick: Click(h); return 0;
    case WM_LBUTTONDOWN: SetFocus(h); return 0;
    case WM_LBUTTONUP: Click(h); return 0;
    default: return DefWindowProc(h, m, w, l);
    }
}

// A single-line edit: wants characters and arrows, selects on EM_SETSEL, types what it gets.
inline LRESULT TestEditProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    switch (m) {
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case kEmSetSel: return 0;
    case WM_CHAR: {
        char buf[256];
        GetWindowText(h, buf, sizeof buf);
        std::string s = buf;
        if (w == VK_BACK) {
            if (!s.empty()) s.pop_back();
        } else {
            s.push_back(static_cast<char>(w));
        }
        SetWindowText(h, s.c_str());
        return 0;
    }
    case WM_LBUTTONDOWN: SetFocus(h); return 0;
    default: return DefWindowProc(h, m, w, l);
    }
}

inline LRESULT TestStaticProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    if (m == WM_GETDLGCODE) return DLGC_STATIC;
    return DefWindowProc(h, m, w, l);
}

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
        const std::pair<WNDPROC, const char*> classes[] = {
            {TestButtonProc, "TestButton"}, {TestEditProc, "TestEdit"}, {TestStaticProc, "TestStatic"},
            {DefWindowProcA, "TestOwner"}};
        for (const auto& [proc, name] : classes) {
            WNDCLASSA wc{};
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.lpfnWndProc = proc;
            wc.lpszClassName = name;
            ASSERT_NE(RegisterClass(&wc), 0);
        }
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
