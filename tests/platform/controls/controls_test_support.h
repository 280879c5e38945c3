#pragma once
// Shared by the control tests: a dialog-like parent window that records the notifications its
// controls send (WM_COMMAND) and answers their colour requests with the button face, a fixture
// with a fresh window system per case, and helpers to make controls and read their pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/gdi.h"
#include "platform/win/synthetic_input.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window.h"
#include "platform/win/window_surface.h"

namespace controls_test {

struct Notification {
    int id;
    UINT code;
    HWND from;
};

inline std::vector<Notification>& Notifications() {
    static std::vector<Notification> log;
    return log;
}

// The codes a control with the id sent, in order.
inline std::vector<UINT> CodesFrom(int id) {
    std::vector<UINT> out;
    for (const Notification& n : Notifications())
        if (n.id == id) out.push_back(n.code);
    return out;
}

inline LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND:
        Notifications().push_back({LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l)});
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
    default:
        return DefWindowProc(h, m, w, l);
    }
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowSystem();
        ResetSysColors();
        Notifications().clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "TestParent";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_3DFACE + 1));
        ASSERT_NE(RegisterClass(&wc), 0);
        parent_ = CreateWindowEx(0, "TestParent", "parent", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_TRUE(parent_);
        font_ = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    }
    void TearDown() override {
        ResetWindowSystem();
        DeleteObject(font_);
        Notifications().clear();
    }

    HWND Make(const char* cls, const char* text, DWORD style, int id, int x, int y, int cx, int cy, DWORD exStyle = 0) {
        HWND h = CreateWindowEx(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent_,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        if (h) SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return h;
    }

    // Dispatches everything that is there.
    static void Pump() { PumpMessages(); }
    // A key pressed, with a modifier held, and what it brought dispatched.
    static void Press(UINT vk, UINT modifier = 0) {
        if (modifier) synthetic::KeyDown(modifier);
        synthetic::KeyPress(vk);
        if (modifier) synthetic::KeyUp(modifier);
        PumpMessages();
    }

    // The colour a control shows at a point of its window rectangle, after painting.
    COLORREF PixelAt(HWND h, int x, int y) {
        UpdateWindow(parent_);
        RECT wr, top;
        GetWindowRect(h, &wr);
        GetWindowRect(parent_, &top);
        return GetPixel(GetWindowSurfaceDC(h), wr.left - top.left + x, wr.top - top.top + y);
    }

    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace controls_test
