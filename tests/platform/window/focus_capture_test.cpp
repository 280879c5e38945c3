// Focus, activation and capture: their messages, their order, and what takes them away.
#include <tuple>

#include "window_test_support.h"

using namespace window_test;

namespace {

class FocusCapture : public WindowTest {};

TEST_F(FocusCapture, FocusMovesWithKillFocusFirstWhileGetFocusNamesTheNewWindow) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND b = Child(top, 2, 20, 0, 10, 10);
    SetFocus(a);
    Settle();
    HWND focusDuringKill = nullptr;
    CurrentHandler() = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KILLFOCUS) focusDuringKill = GetFocus();
        return std::nullopt;
    };
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    using Step = std::tuple<HWND, UINT, HWND>;  // receiver, message, the other window
    std::vector<Step> steps;
    for (const Logged& e : Log()) steps.emplace_back(e.hwnd, e.msg, reinterpret_cast<HWND>(e.wParam));
    EXPECT_EQ(steps, (std::vector<Step>{{a, WM_KILLFOCUS, b}, {b, WM_SETFOCUS, a}}));
    EXPECT_EQ(focusDuringKill, b);
    Log().clear();
    EXPECT_EQ(SetFocus(b), b);  // already there: nothing sent
    EXPECT_TRUE(Log().empty());
}

TEST_F(FocusCapture, DisabledWindowsAndStaleHandlesCannotTakeTheFocus) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND off = Child(top, 2, 20, 0, 10, 10, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    SetFocus(a);
    EXPECT_EQ(SetFocus(off), nullptr);
    EXPECT_EQ(SetFocus(BadWindow()), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EnableWindow(top, FALSE);  // a child of a disabled window is out of reach as well
    EXPECT_EQ(SetFocus(a), nullptr);
}

TEST_F(FocusCapture, FocusIntoAnotherTopLevelWindowActivatesItFirst) {
    HWND one = Top(0, 0, 100, 100);
    HWND two = Top(200, 0, 100, 100);
    HWND inOne = Child(one, 1, 0, 0, 10, 10);
    EXPECT_EQ(GetActiveWindow(), two);
    Settle();
    SetFocus(inOne);
    EXPECT_EQ(GetActiveWindow(), one);
    EXPECT_EQ(GetFocus(), inOne);
    const std::vector<UINT> seq = Sequence({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    EXPECT_EQ(seq, (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS,
                                      WM_SETFOCUS, WM_KILLFOCUS, WM_SETFOCUS}));
    const Logged deact = One(two, WM_ACTIVATE);
    EXPECT_EQ(LOWORD(deact.wParam), WA_INACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(deact.lParam), one);
}

TEST_F(FocusCapture, ActivatingAWindowThatKeepsItsFocusElsewhereStillMovesTheFocusIn) {
    HWND one = Top(0, 0, 100, 100);
    HWND two = Top(200, 0, 100, 100);
    Answer(WM_ACTIVATE, 0, one);  // answered itself: no default focus handling
    EXPECT_EQ(GetFocus(), two);
    SetActiveWindow(one);
    EXPECT_EQ(GetActiveWindow(), one);
    EXPECT_EQ(GetFocus(), one);
}

TEST_F(FocusCapture, DisablingHidingOrDestroyingTheFocusWindowTakesTheFocusAway) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND b = Child(top, 2, 20, 0, 10, 10);
    HWND c = Child(top, 3, 40, 0, 10, 10);
    SetFocus(a);
    SetCapture(a);
    Settle();
    // Disabling cancels the window's mode and drops the focus.
    EXPECT_FALSE(EnableWindow(a, FALSE));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<UINT> seq = Sequence({WM_CANCELMODE, WM_KILLFOCUS, WM_CAPTURECHANGED, WM_ENABLE});
    ASSERT_FALSE(seq.empty());
    EXPECT_EQ(seq.front(), static_cast<UINT>(WM_CANCELMODE));
    EXPECT_EQ(seq.back(), static_cast<UINT>(WM_ENABLE));
    EXPECT_TRUE(EnableWindow(a, TRUE));  // it was disabled
    // Hiding or destroying gives the focus back to the parent.
    SetFocus(b);
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
    SetFocus(c);
    DestroyWindow(c);
    EXPECT_EQ(GetFocus(), top);
    DestroyWindow(top);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(FocusCapture, CaptureChangesAreAnnouncedToTheWindowLosingIt) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND b = Child(top, 2, 20, 0, 10, 10);
    Settle();
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_TRUE(Received(a, WM_CAPTURECHANGED).empty());
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(reinterpret_cast<HWND>(One(a, WM_CAPTURECHANGED).lParam), b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(One(b, WM_CAPTURECHANGED).lParam, 0);
    EXPECT_EQ(SetCapture(BadWindow()), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusCapture, CancelModeToTheCaptureWindowOrItsDestructionReleasesTheCapture) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    SetCapture(a);
    SendMessage(top, WM_CANCELMODE, 0, 0);  // not the capture window: nothing happens
    EXPECT_EQ(GetCapture(), a);
    SendMessage(a, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(a);
    Settle();
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Sequence({WM_CAPTURECHANGED, WM_DESTROY}), (std::vector<UINT>{WM_CAPTURECHANGED, WM_DESTROY}));
}

}  // namespace
