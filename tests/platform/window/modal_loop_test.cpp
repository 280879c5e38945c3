// The modal loop: its hook, the disabled owner, nesting, and the loops that could never end; the
// plain loop with the same hook.
#include "platform/win/modal_loop.h"
#include "platform/win/synthetic_input.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

class ModalLoop : public WindowTest {};

TEST_F(ModalLoop, TheHookDrivesTheLoopWithInputThatTheOwnerNeverGets) {
    HWND owner = Top(0, 0, 400, 300);
    HWND dlg = Top(50, 50, 200, 100);
    HWND button = Child(dlg, 1, 10, 10, 50, 20);
    CurrentHandler() = [dlg, button](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == button && m == WM_LBUTTONUP) PostMessage(dlg, WM_USER, 77, 0);
        if (h == dlg && m == WM_USER) EndModalLoop(dlg, 77);
        return std::nullopt;
    };
    int calls = 0;
    SetModalLoopHook([&](HWND modal, int depth) {
        ++calls;
        EXPECT_EQ(modal, dlg);
        EXPECT_EQ(depth, 1);
        synthetic::Click(calls == 1 ? owner : button, POINT{5, 5});
    });
    Log().clear();
    EXPECT_EQ(RunModalLoop(dlg, owner), 77);
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(Received(owner, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(GetModalLoopDepth(), 0);
}

TEST_F(ModalLoop, NestedLoopsEndInnermostFirstAndTheHookSeesTheDepth) {
    HWND a = Top(0, 0, 100, 100);
    HWND b = Top(200, 0, 100, 100);
    std::vector<int> depths;
    INT_PTR inner = 0;
    SetModalLoopHook([&](HWND modal, int depth) {
        depths.push_back(depth);
        if (modal == a && depth == 1 && depths.size() == 1) {
            inner = RunModalLoop(b, a);  // the hook may open a nested loop
            return;
        }
        EndModalLoop(modal, depth * 10);
    });
    EXPECT_EQ(RunModalLoop(a, nullptr), 10);
    EXPECT_EQ(inner, 20);
    EXPECT_EQ(depths, (std::vector<int>{1, 2, 1}));
    EXPECT_FALSE(EndModalLoop(a, 1));
    EXPECT_FALSE(IsInModalLoop(a));
}

TEST_F(ModalLoop, ALoopThatCouldNeverEndFails) {
    HWND dlg = Top();
    // No hook, no input source, no timer: nothing could end it.
    EXPECT_EQ(RunModalLoop(dlg, nullptr), MODAL_LOOP_FAILED);
    // A window that posts to itself forever never lets the loop become idle.
    CurrentHandler() = [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) PostMessage(h, WM_USER, 0, 0);
        return std::nullopt;
    };
    PostMessage(dlg, WM_USER, 0, 0);
    EXPECT_EQ(RunModalLoop(dlg, nullptr), MODAL_LOOP_FAILED);
    EXPECT_EQ(RunModalLoop(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0)), nullptr), MODAL_LOOP_FAILED);
}

TEST_F(ModalLoop, AHookThatActsNowAndThenKeepsALongLoopGoing) {
    HWND dlg = Top();
    // Thousands of turns, every other one without effect: the loop is not taken for one that can
    // never end, since the hook keeps giving it something to do.
    int nTurns = 0;
    SetModalLoopHook([&](HWND modal, int) {
        if (++nTurns == 6000) EndModalLoop(modal, 7);
        else if (nTurns % 2 == 0) PostMessage(modal, WM_NULL, 0, 0);
    });
    EXPECT_EQ(RunModalLoop(dlg, nullptr), 7);
    // A hook that stops acting is given up on again.
    SetModalLoopHook([](HWND, int) {});
    EXPECT_EQ(RunModalLoop(dlg, nullptr), MODAL_LOOP_FAILED);
    SetModalLoopHook(nullptr);
}

TEST_F(ModalLoop, DestroyingTheModalWindowOrQuittingEndsTheLoop) {
    HWND owner = Top(0, 0, 100, 100);
    HWND dlg = Top(200, 0, 100, 100);
    SetModalLoopHook([](HWND modal, int) { DestroyWindow(modal); });
    EXPECT_EQ(RunModalLoop(dlg, owner), MODAL_LOOP_FAILED);
    EXPECT_TRUE(IsWindowEnabled(owner));
    HWND again = Top(200, 0, 100, 100);
    SetModalLoopHook([](HWND, int) { PostQuitMessage(4); });
    EXPECT_EQ(RunModalLoop(again, owner), MODAL_LOOP_FAILED);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));  // the quit is left for the outer loop
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(ModalLoop, TimersRunInsideTheLoopOnTheVirtualClock) {
    HWND dlg = Top();
    int ticks = 0;
    CurrentHandler() = [&ticks](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER && ++ticks == 3) EndModalLoop(h, 3);
        return std::nullopt;
    };
    SetTimer(dlg, 1, 100, nullptr);
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunModalLoop(dlg, nullptr), 3);
    EXPECT_EQ(GetTickCount() - start, 300u);
}

}  // namespace

TEST_F(ModalLoop, ThePlainLoopRunsTheHookOnTheActiveWindowUntilQuitOrNothingCanArrive) {
    HWND a = Top(0, 0, 100, 100);
    HWND b = Top(10, 10, 100, 100);
    SetActiveWindow(a);
    std::vector<HWND> seen;
    SetModalLoopHook([&](HWND active, int depth) {
        EXPECT_EQ(depth, 0);
        seen.push_back(active);
        if (seen.size() == 1) SetActiveWindow(b);  // no message: the loop comes back idle
        if (seen.size() == 2) PostQuitMessage(5);
    });
    EXPECT_EQ(RunMessageLoop(), 5);
    EXPECT_EQ(seen, (std::vector<HWND>{a, b}));
    // A hook that never acts gets a bounded number of tries when nothing could arrive.
    SetModalLoopHook([](HWND, int) {});
    EXPECT_EQ(RunMessageLoop(), static_cast<int>(MODAL_LOOP_FAILED));
    SetModalLoopHook(nullptr);
}
