// Timers on the virtual clock: when they fire, how expiries merge, killing, timer procedures,
// timers of destroyed windows, and waiting for the next timer.
#include "window_test_support.h"

using namespace window_test;

namespace {

class Timers : public WindowTest {};

int TimerCount(HWND h, UINT_PTR id) {
    int n = 0;
    for (const Logged& e : Received(h, WM_TIMER))
        if (e.wParam == id) ++n;
    return n;
}

std::vector<UINT_PTR> g_procCalls;
void TimerProc(HWND, UINT, UINT_PTR id, DWORD) { g_procCalls.push_back(id); }

TEST_F(Timers, ATimerFiresOnlyWhenItsTimeHasComeAndMissedTicksMerge) {
    HWND h = Top();
    Settle();
    // Tiny periods are raised to the minimum.
    const struct { UINT requested, effective; } cases[] = {{100, 100}, {1, USER_TIMER_MINIMUM}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        Settle();
        EXPECT_EQ(SetTimer(h, 5, c.requested, nullptr), 5u);
        AdvanceClock(c.effective - 1);
        PumpMessages();
        EXPECT_EQ(TimerCount(h, 5), 0);
        AdvanceClock(1);
        PumpMessages();
        EXPECT_EQ(TimerCount(h, 5), 1);
        AdvanceClock(c.effective * 10);  // ten periods pass unseen
        PumpMessages();
        EXPECT_EQ(TimerCount(h, 5), 2);
        EXPECT_EQ(Received(h, WM_TIMER).back().lParam, 0);
        KillTimer(h, 5);
    }
}

TEST_F(Timers, ResettingChangesThePeriodAndKillingStopsIt) {
    HWND h = Top();
    Settle();
    SetTimer(h, 1, 100, nullptr);
    AdvanceClock(50);
    SetTimer(h, 1, 100, nullptr);  // counts from now again
    AdvanceClock(60);
    PumpMessages();
    EXPECT_EQ(TimerCount(h, 1), 0);
    AdvanceClock(40);
    PumpMessages();
    EXPECT_EQ(TimerCount(h, 1), 1);
    EXPECT_TRUE(KillTimer(h, 1));
    EXPECT_FALSE(KillTimer(h, 1));
    AdvanceClock(1000);
    PumpMessages();
    EXPECT_EQ(TimerCount(h, 1), 1);
}

TEST_F(Timers, TimersWithoutAWindowGetFreshIdsAndCallTheirProcedure) {
    g_procCalls.clear();
    const UINT_PTR a = SetTimer(nullptr, 0, 10, TimerProc);
    const UINT_PTR b = SetTimer(nullptr, 0, 20, TimerProc);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    AdvanceClock(20);
    PumpMessages();
    EXPECT_EQ(g_procCalls, (std::vector<UINT_PTR>{a, b}));
    // A timer message of a killed timer calls nothing.
    MSG msg;
    AdvanceClock(10);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    KillTimer(nullptr, msg.wParam);
    g_procCalls.clear();
    DispatchMessage(&msg);
    EXPECT_TRUE(g_procCalls.empty());
}

TEST_F(Timers, TimersOfADestroyedWindowAreGone) {
    HWND h = Top();
    SetTimer(h, 1, 10, nullptr);
    DestroyWindow(h);
    AdvanceClock(100);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(WaitMessage());  // nothing left that could ever arrive
}

TEST_F(Timers, WaitingMovesTheClockToTheNextTimer) {
    HWND h = Top();
    Settle();
    SetTimer(h, 1, 250, nullptr);
    SetTimer(h, 2, 100, nullptr);
    const DWORD start = GetTickCount();
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_EQ(GetTickCount() - start, 100u);
    EXPECT_EQ(msg.time, GetTickCount());
    // A filtered wait for the other timer skips past the first one's ticks.
    ASSERT_EQ(GetMessage(&msg, h, WM_TIMER, WM_TIMER), TRUE);
    EXPECT_EQ(GetTickCount() - start, 200u);
    EXPECT_EQ(msg.wParam, 2u);
}

}  // namespace
