#pragma once
// Shared by the window tests: a window class whose procedure records every message it gets and
// lets a test answer chosen messages, a fixture that gives each case a fresh window system with
// recording classes erased white or in the button face, and the pixels a window's surface holds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/png_writer.h"
#include "platform/win/sys_colors.h"
#include "platform/win/window.h"
#include "platform/win/window_surface.h"

namespace window_test {

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message a recording window received, in order.
inline std::vector<Logged>& Log() {
    static std::vector<Logged> log;
    return log;
}

// Answers a message instead of the default handling when it returns a value.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
inline Handler& CurrentHandler() {
    static Handler handler;
    return handler;
}

// Makes the recording windows (or only one of them) answer one message with a fixed result.
inline void Answer(UINT msg, LRESULT result, HWND only = nullptr) {
    CurrentHandler() = [=](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == msg && (!only || h == only)) return result;
        return std::nullopt;
    };
}

// A handle that never named a window.
inline HWND BadWindow() { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0)); }

inline LRESULT RecordingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back({h, m, w, l});
    if (CurrentHandler())
        if (auto r = CurrentHandler()(h, m, w, l)) return *r;
    return DefWindowProc(h, m, w, l);
}

// The messages of one kind (or all when msg is 0) that a window received.
inline std::vector<Logged> Received(HWND h, UINT msg = 0) {
    std::vector<Logged> out;
    for (const Logged& e : Log())
        if ((!h || e.hwnd == h) && (!msg || e.msg == msg)) out.push_back(e);
    return out;
}

// The one message of a kind that a window received; the test fails when there was not exactly one.
inline Logged One(HWND h, UINT msg) {
    const std::vector<Logged> got = Received(h, msg);
    EXPECT_EQ(got.size(), 1u) << "message " << msg;
    return got.empty() ? Logged{} : got.front();
}

// The message numbers of the log from a given position, restricted to a set of interesting ones.
inline std::vector<UINT> Sequence(const std::vector<UINT>& interesting, std::size_t from = 0) {
    std::vector<UINT> out;
    for (std::size_t i = from; i < Log().size(); ++i)
        for (UINT m : interesting)
            if (Log()[i].msg == m) out.push_back(m);
    return out;
}

// A scratch file of this test process.
inline std::string Temp(const char* name) { return ::testing::TempDir() + std::to_string(getpid()) + "_" + name; }

// The pixels of the top-level surface a window draws on (0xRRGGBB each).
inline PngImage SurfacePixels(HWND h) { return CapturePixels(GetWindowSurfaceDC(h)); }

// The point packed into a mouse message's lParam.
inline std::pair<int, int> XY(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

inline ::testing::AssertionResult RectIs(const RECT& r, const RECT& e) {
    if (r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
                                         << "} instead of {" << e.left << ", " << e.top << ", " << e.right << ", "
                                         << e.bottom << "}";
}

// The area of a window's update region, to compare regions made of different pieces.
inline long UpdateArea(HWND h) {
    std::vector<RECT> rects;
    GetUpdateRects(h, rects);
    long a = 0;
    for (const RECT& r : rects) a += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    return a;
}

// Whether a point of the client area is in the update region.
inline bool IsInvalid(HWND h, int x, int y) {
    std::vector<RECT> rects;
    GetUpdateRects(h, rects);
    for (const RECT& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowSystem();
        Log().clear();
        CurrentHandler() = nullptr;
        Register("Recording", nullptr, LoadCursor(nullptr, IDC_ARROW));
        Register("RecordingDbl", nullptr, LoadCursor(nullptr, IDC_IBEAM), CS_DBLCLKS);
        Register("White", static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Register("Faced", FaceBrush());
    }
    void TearDown() override {
        CurrentHandler() = nullptr;
        ResetWindowSystem();
        Log().clear();
    }

    // A recording class that erases with the brush (or a system colour index plus one).
    static void Register(const char* name, HBRUSH background, HCURSOR cursor = nullptr, UINT style = 0) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = name;
        wc.hbrBackground = background;
        wc.hCursor = cursor;
        wc.style = style;
        ASSERT_NE(RegisterClass(&wc), 0);
    }
    static HBRUSH FaceBrush() { return reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1)); }
    static HWND Top(int x = 100, int y = 100, int cx = 300, int cy = 200, DWORD style = WS_POPUP | WS_VISIBLE,
                    const char* cls = "Recording") {
        return CreateWindowEx(0, cls, "top", style, x, y, cx, cy, nullptr, nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, int id, int x, int y, int cx, int cy, DWORD style = WS_CHILD | WS_VISIBLE,
                      const char* cls = "Recording") {
        return CreateWindowEx(0, cls, "child", style, x, y, cx, cy, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
    // Dispatches what is there and forgets what was logged so far.
    static void Settle() {
        PumpMessages();
        Log().clear();
    }
};

}  // namespace window_test
