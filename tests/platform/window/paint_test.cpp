// Paint synthesis and update regions: when WM_PAINT comes, what BeginPaint reports and
// validates, invalidation of children, UpdateWindow and ScrollWindow.
#include <climits>
#include "window_test_support.h"

using namespace window_test;

namespace {

class Paint : public WindowTest {};

TEST_F(Paint, PaintComesAfterPostedMessagesAndBeforeTimers) {
    HWND h = Top();
    Settle();
    SetTimer(h, 1, 10, nullptr);
    AdvanceClock(10);
    InvalidateRect(h, nullptr, TRUE);
    PostMessage(h, WM_USER, 0, 0);
    MSG msg;
    std::vector<UINT> order;
    for (int i = 0; i < 3 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        order.push_back(msg.message);
        DispatchMessage(&msg);  // the default paint handling validates
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_PAINT, WM_TIMER}));
}

TEST_F(Paint, PaintStaysUntilTheWindowValidatesYetCannotHangThePump) {
    HWND h = Top();
    Settle();
    InvalidateRect(h, nullptr, FALSE);
    MSG msg;
    for (int i = 0; i < 2; ++i) {  // removing does not validate
        ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    }
    Answer(WM_PAINT, 0);  // a procedure that never validates
    EXPECT_EQ(PumpMessages(50), 50);
    ValidateRect(h, nullptr);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Paint, HiddenWindowsKeepTheirUpdateRegionButGetNoPaint) {
    HWND h = Top(0, 0, 100, 100, WS_POPUP);
    Settle();
    InvalidateRect(h, nullptr, TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    RECT rc;
    EXPECT_TRUE(GetUpdateRect(h, &rc, FALSE));
    ShowWindow(h, SW_SHOW);
    EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(Paint, BeginPaintReportsTheBoundingBoxAndEraseFlagAndValidates) {
    HWND h = Top(0, 0, 200, 100);
    Settle();
    RECT a{10, 10, 20, 20}, b{50, 30, 60, 40};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, TRUE);
    RECT box;
    ASSERT_TRUE(GetUpdateRect(h, &box, FALSE));
    EXPECT_TRUE(RectIs(box, {10, 10, 60, 40}));
    EXPECT_EQ(UpdateArea(h), 200);  // two pieces, not their box
    PAINTSTRUCT ps;
    EXPECT_NE(BeginPaint(h, &ps), nullptr);  // the graphics layer is connected at start-up
    EXPECT_TRUE(RectIs(ps.rcPaint, {10, 10, 60, 40}));
    EXPECT_TRUE(ps.fErase);
    EndPaint(h, &ps);
    EXPECT_FALSE(GetUpdateRect(h, &box, FALSE));
    InvalidateRect(h, &a, FALSE);
    BeginPaint(h, &ps);
    EXPECT_FALSE(ps.fErase);
    EndPaint(h, &ps);
}

TEST_F(Paint, InvalidationIsClippedToTheClientAreaAndValidationCutsHoles) {
    HWND h = Top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE | WS_BORDER);  // client 98 × 98
    Settle();
    RECT big{-50, -50, 500, 500}, hole{10, 10, 20, 20}, empty{5, 5, 5, 50}, box;
    InvalidateRect(h, &big, FALSE);
    GetUpdateRect(h, &box, FALSE);
    EXPECT_TRUE(RectIs(box, {0, 0, 98, 98}));
    ValidateRect(h, &hole);
    EXPECT_EQ(UpdateArea(h), 98 * 98 - 100);
    EXPECT_FALSE(IsInvalid(h, 15, 15));
    EXPECT_TRUE(IsInvalid(h, 25, 15));
    ValidateRect(h, nullptr);
    InvalidateRect(h, &empty, TRUE);
    EXPECT_FALSE(GetUpdateRect(h, &box, FALSE));
}

TEST_F(Paint, InvalidatingAParentReachesChildrenUnlessItClipsThem) {
    HWND top = Top(0, 0, 200, 200);
    HWND child = Child(top, 1, 50, 50, 40, 40);
    HWND clipping = Top(300, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND clipped = Child(clipping, 1, 50, 50, 40, 40);
    Settle();
    RECT part{0, 0, 60, 60}, box;
    InvalidateRect(top, &part, TRUE);
    ASSERT_TRUE(GetUpdateRect(child, &box, FALSE));
    EXPECT_TRUE(RectIs(box, {0, 0, 10, 10}));  // in the child's own coordinates
    InvalidateRect(clipping, nullptr, TRUE);
    EXPECT_FALSE(GetUpdateRect(clipped, &box, FALSE));
}

// Parents paint before their children, and UpdateWindow paints a whole tree: the pictures of
// windows with children show both.
TEST_F(Paint, UpdateWindowSendsNothingWhenNothingIsInvalid) {
    HWND top = Top(0, 0, 200, 200);
    ASSERT_TRUE(Child(top, 1, 10, 10, 40, 40));
    Settle();
    UpdateWindow(top);
    EXPECT_TRUE(Received(nullptr, WM_PAINT).empty());
}

TEST_F(Paint, ScrollWindowMovesTheInvalidPartAndInvalidatesWhatScrolledIn) {
    HWND h = Top(0, 0, 100, 100);
    Settle();
    RECT spot{10, 40, 20, 50};
    InvalidateRect(h, &spot, FALSE);
    ASSERT_TRUE(ScrollWindow(h, 0, -20, nullptr, nullptr));  // contents move up by 20
    EXPECT_TRUE(IsInvalid(h, 15, 25));   // the spot travelled
    EXPECT_FALSE(IsInvalid(h, 15, 45));  // and left its old place
    EXPECT_TRUE(IsInvalid(h, 50, 85));   // the strip that scrolled in at the bottom
    EXPECT_FALSE(IsInvalid(h, 50, 70));
    EXPECT_EQ(UpdateArea(h), 100 + 100 * 20);
}

TEST_F(Paint, ScrollWindowWithARectangleScrollsOnlyInsideItAndLeavesChildren) {
    HWND h = Top(0, 0, 100, 100);
    HWND child = Child(h, 1, 60, 60, 10, 10);
    Settle();
    RECT area{0, 0, 50, 100}, rc;
    ScrollWindow(h, 10, 0, &area, &area);
    EXPECT_TRUE(IsInvalid(h, 5, 50));
    EXPECT_FALSE(IsInvalid(h, 15, 50));
    EXPECT_FALSE(IsInvalid(h, 55, 50));
    GetWindowRect(child, &rc);
    EXPECT_EQ(rc.left, 60);
    ScrollWindow(h, 5, 0, nullptr, nullptr);
    GetWindowRect(child, &rc);
    EXPECT_EQ(rc.left, 65);  // the whole client area scrolled: children move along
}

TEST_F(Paint, ScrollingByExtremeAmountsExposesEverythingWithoutOverflow) {
    HWND h = Top(0, 0, 100, 100);
    HWND child = Child(h, 1, 10, 10, 10, 10);
    Settle();
    RECT spot{10, 40, 20, 50}, rc;
    InvalidateRect(h, &spot, FALSE);
    ASSERT_TRUE(ScrollWindow(h, INT_MAX, INT_MIN, nullptr, nullptr));
    EXPECT_EQ(UpdateArea(h), 100 * 100);  // nothing valid is left: all of it scrolled in
    ASSERT_TRUE(ScrollWindow(h, INT_MIN, INT_MAX, nullptr, nullptr));
    EXPECT_TRUE(GetWindowRect(child, &rc));
    // Positions beyond any screen are held in range instead of overflowing.
    EXPECT_TRUE(SetWindowPos(child, nullptr, INT_MAX, INT_MIN, INT_MAX, INT_MAX, SWP_NOZORDER));
    GetWindowRect(child, &rc);
    EXPECT_GT(rc.right, rc.left);
    EXPECT_GT(rc.bottom, rc.top);
}

}  // namespace
