// Focus, activation and capture: their messages, their order, and what takes them away.
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
    ASSERT_EQ(Log().size(), 2u);
    EXPECT_EQ(Log()[0].hwnd, a);
    EXPECT_EQ(Log()[0].msg, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(reinterpret_cast<HWND>(Log()[0].wParam), b);
    EXPECT_EQ(Log()[1].hwnd, b);
    EXPECT_EQ(Log()[1].msg, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(reinterpret_cast<HWND>(Log()[1].wParam), a);
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
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0))), nullptr);
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
    const auto deact = Received(two, WM_ACTIVATE);
    ASSERT_EQ(deact.size(), 1u);
    EXPECT_EQ(LOWORD(deact[0].wParam), WA_INACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(deact[0].lParam), one);
}

TEST_F(FocusCapture, DisablingTheFocusWindowCancelsItsModeAndDropsTheFocus) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    SetFocus(a);
    SetCapture(a);
    Settle();
    EXPECT_FALSE(EnableWindow(a, FALSE));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<UINT> seq = Sequence({WM_CANCELMODE, WM_KILLFOCUS, WM_CAPTURECHANGED, WM_ENABLE});
    ASSERT_FALSE(seq.empty());
    EXPECT_EQ(seq.front(), static_cast<UINT>(WM_CANCELMODE));
    EXPECT_EQ(seq.back(), static_cast<UINT>(WM_ENABLE));
    EXPECT_TRUE(EnableWindow(a, TRUE));  // it was disabled
    EXPECT_TRUE(IsWindowEnabled(a));
}

TEST_F(FocusCapture, HidingOrDestroyingTheFocusWindowGivesTheFocusBackToTheParent) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    HWND b = Child(top, 2, 20, 0, 10, 10);
    SetFocus(a);
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
    SetFocus(b);
    DestroyWindow(b);
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
    auto changed = Received(a, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(changed[0].lParam), b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    changed = Received(b, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].lParam, 0);
    EXPECT_EQ(SetCapture(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0))), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusCapture, CancelModeReleasesTheCaptureByDefault) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    SetCapture(a);
    SendMessage(top, WM_CANCELMODE, 0, 0);  // not the capture window: nothing happens
    EXPECT_EQ(GetCapture(), a);
    SendMessage(a, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusCapture, DestroyingTheCaptureWindowReleasesTheCapture) {
    HWND top = Top();
    HWND a = Child(top, 1, 0, 0, 10, 10);
    SetCapture(a);
    Settle();
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Sequence({WM_CAPTURECHANGED, WM_DESTROY}), (std::vector<UINT>{WM_CAPTURECHANGED, WM_DESTROY}));
}

TEST_F(FocusCapture, ActivatingAWindowThatKeepsItsFocusElsewhereStillMovesTheFocusIn) {
    HWND one = Top(0, 0, 100, 100);
    HWND two = Top(200, 0, 100, 100);
    // A window that answers WM_ACTIVATE itself does not get the default focus handling.
    CurrentHandler() = [one](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == one && m == WM_ACTIVATE) return 0;
        return std::nullopt;
    };
    EXPECT_EQ(GetFocus(), two);
    SetActiveWindow(one);
    EXPECT_EQ(GetActiveWindow(), one);
    EXPECT_EQ(GetFocus(), one);
}

}  // namespace
