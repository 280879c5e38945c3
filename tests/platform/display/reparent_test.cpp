// SetParent: the relations afterwards, where the window draws and what repaints, and the moves
// it refuses.
#include "platform/window/window_test_support.h"

using namespace window_test;

namespace {

constexpr unsigned kRed = 0xFF0000, kWhite = 0xFFFFFF;

class Reparent : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        red_ = CreateSolidBrush(RGB(255, 0, 0));
        Register("Red", red_);
    }
    void TearDown() override {
        WindowTest::TearDown();
        DeleteObject(red_);
    }
    static unsigned At(HWND top, int x, int y) { return SurfacePixels(top).At(x, y); }
    HBRUSH red_ = nullptr;
};

TEST_F(Reparent, TheChildMovesUnderTheNewParentWithItsPositionKept) {
    HWND a = Top(0, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND b = Top(300, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND first = Child(b, 7, 0, 0, 10, 10);
    HWND c = Child(a, 5, 20, 30, 40, 20, WS_CHILD | WS_VISIBLE, "Red");
    ASSERT_EQ(SetParent(c, b), a);
    EXPECT_EQ(GetParent(c), b);
    EXPECT_TRUE(IsChild(b, c));
    EXPECT_FALSE(IsChild(a, c));
    EXPECT_EQ(GetWindow(b, GW_CHILD), c);  // the top of its new siblings
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), first);
    EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);
    EXPECT_EQ(GetDlgItem(b, 5), c);
    RECT wr;
    GetWindowRect(c, &wr);
    EXPECT_EQ(wr.left, 320);
    EXPECT_EQ(wr.top, 30);
}

TEST_F(Reparent, PixelsFollowTheWindowToItsNewSurface) {
    HWND a = Top(0, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND b = Top(300, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND c = Child(a, 5, 20, 30, 40, 20, WS_CHILD | WS_VISIBLE, "Red");
    PumpMessages();
    ASSERT_EQ(At(a, 25, 35), kRed);
    Settle();
    SetParent(c, b);
    PumpMessages();
    EXPECT_EQ(At(a, 25, 35), kWhite);  // the old parent repainted where the child was
    EXPECT_EQ(At(b, 25, 35), kRed);
    EXPECT_FALSE(Received(a, WM_PAINT).empty());
    // Drawing through a device context made now lands on the new top-level window's surface.
    HDC hdc = GetDC(c);
    RECT rc{0, 0, 5, 5};
    FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(c, hdc);
    EXPECT_EQ(At(b, 20, 30), kWhite);
    EXPECT_EQ(At(b, 25, 35), kRed);
}

TEST_F(Reparent, ToTheDesktopAndBack) {
    HWND a = Top(50, 50, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND c = Child(a, 5, 20, 30, 40, 20, WS_CHILD | WS_VISIBLE, "Red");
    SetActiveWindow(a);
    EXPECT_EQ(SetParent(c, nullptr), a);
    EXPECT_EQ(GetAncestor(c, GA_ROOT), c);
    EXPECT_EQ(GetTopWindow(nullptr), c);
    RECT wr;
    GetWindowRect(c, &wr);
    EXPECT_EQ(wr.left, 20);  // its numbers are screen coordinates now
    UpdateWindow(c);
    EXPECT_EQ(SurfacePixels(c).At(0, 0), kRed);  // drawn on a surface of its own
    EXPECT_EQ(SetParent(c, a), GetDesktopWindow());
    EXPECT_EQ(GetParent(c), a);
    EXPECT_EQ(GetAncestor(c, GA_ROOT), a);
    EXPECT_EQ(GetTopWindow(nullptr), a);
    PumpMessages();
    EXPECT_EQ(At(a, 25, 35), kRed);
}

TEST_F(Reparent, AnActiveTopLevelWindowThatBecomesAChildGivesUpActivation) {
    HWND a = Top(0, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND b = Top(300, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    ASSERT_EQ(GetActiveWindow(), b);
    SetParent(b, a);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetAncestor(b, GA_ROOT), a);
}

TEST_F(Reparent, RefusesCyclesAndBadHandles) {
    HWND a = Top(0, 0, 200, 100, WS_POPUP | WS_VISIBLE, "White");
    HWND c = Child(a, 1, 0, 0, 50, 50);
    HWND g = Child(c, 2, 0, 0, 20, 20);
    EXPECT_EQ(SetParent(c, c), nullptr);
    EXPECT_EQ(SetParent(c, g), nullptr);  // under its own grandchild
    EXPECT_EQ(SetParent(a, g), nullptr);
    EXPECT_EQ(SetParent(nullptr, a), nullptr);
    EXPECT_EQ(SetParent(c, reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xBAD0))), nullptr);
    EXPECT_EQ(GetParent(c), a);
    EXPECT_EQ(GetParent(g), c);
    EXPECT_EQ(SetParent(c, a), a);  // already there: nothing changes
    EXPECT_EQ(GetWindow(a, GW_CHILD), c);
}

}  // namespace
