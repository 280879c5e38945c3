// Input routing and double clicks: mouse messages to the capture window or the window under the
// pointer, their flags and coordinates, double clicks by class style, activation by click, the
// cursor, keys to the focus window, characters and key state, and the synthetic input.
#include <tuple>

#include "platform/win/synthetic_input.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

class Input : public WindowTest {};

std::vector<UINT> MouseMessages(HWND h) {
    std::vector<UINT> out;
    for (const Logged& e : Received(h))
        if (e.msg >= WM_MOUSEFIRST && e.msg <= WM_MOUSELAST && e.msg != WM_MOUSEMOVE) out.push_back(e.msg);
    return out;
}

TEST_F(Input, AClickReachesTheDeepestVisibleEnabledWindowInClientCoordinates) {
    HWND top = Top(100, 100, 300, 200);
    HWND panel = Child(top, 1, 50, 50, 100, 100);
    HWND button = Child(panel, 2, 10, 10, 30, 20);
    HWND hidden = Child(panel, 3, 60, 60, 30, 30, WS_CHILD);
    HWND disabled = Child(panel, 4, 60, 10, 30, 20, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    Settle();
    synthetic::Click(button, POINT{5, 6});
    synthetic::Click(panel, POINT{70, 70});   // where the hidden child is
    synthetic::Click(disabled, POINT{3, 3});  // a disabled child: its parent gets the click
    PumpMessages();
    using Down = std::tuple<HWND, std::pair<int, int>, WPARAM>;
    std::vector<Down> downs;
    for (const Logged& e : Received(nullptr, WM_LBUTTONDOWN)) downs.emplace_back(e.hwnd, XY(e.lParam), e.wParam);
    EXPECT_EQ(downs, (std::vector<Down>{{button, {5, 6}, MK_LBUTTON}, {panel, {70, 70}, MK_LBUTTON},
                                        {panel, {63, 13}, MK_LBUTTON}}));
    EXPECT_TRUE(Received(hidden).empty());
    EXPECT_TRUE(Received(disabled, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(One(button, WM_LBUTTONUP).wParam, 0u);  // the button is up in its own up message
}

TEST_F(Input, TheCaptureWindowGetsEverythingEvenOutsideWithNegativeCoordinates) {
    HWND top = Top(100, 100, 300, 200);
    HWND a = Child(top, 1, 50, 50, 50, 50);
    HWND b = Child(top, 2, 200, 50, 50, 50);
    Settle();
    SetCapture(a);
    synthetic::MouseMove(top, POINT{10, 10});
    PumpMessages();  // or the move would merge with the click's own move
    synthetic::Click(b, POINT{1, 1});
    PumpMessages();
    EXPECT_TRUE(Received(b, WM_LBUTTONDOWN).empty());
    const auto moves = Received(a, WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(XY(moves[0].lParam), std::make_pair(-40, -40));
    EXPECT_EQ(XY(One(a, WM_LBUTTONDOWN).lParam), std::make_pair(151, 1));
    EXPECT_TRUE(Received(a, WM_SETCURSOR).empty());  // no cursor question while captured
}

TEST_F(Input, DoubleClicksNeedTheClassStyleTheTimeAndTheDistance) {
    HWND plain = Top(0, 0, 100, 100);
    HWND dbl = Top(200, 0, 100, 100, WS_POPUP | WS_VISIBLE, "RecordingDbl");
    HWND inner = Child(dbl, 1, 50, 0, 50, 100, WS_CHILD | WS_VISIBLE, "RecordingDbl");
    Settle();
    synthetic::DoubleClick(plain, POINT{10, 10});
    synthetic::DoubleClick(dbl, POINT{10, 10});
    PumpMessages();
    EXPECT_EQ(MouseMessages(plain), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(MouseMessages(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    Settle();
    AdvanceClock(1000);
    // Too slow.
    synthetic::Click(dbl, POINT{10, 10});
    AdvanceClock(GetDoubleClickTime());
    synthetic::Click(dbl, POINT{10, 10});
    // Too far.
    AdvanceClock(1000);
    synthetic::Click(dbl, POINT{10, 10});
    synthetic::Click(dbl, POINT{13, 10});
    // Close enough, and the third click of a row is a plain click again.
    AdvanceClock(1000);
    synthetic::Click(dbl, POINT{10, 10});
    synthetic::Click(dbl, POINT{12, 8});
    synthetic::Click(dbl, POINT{12, 8});
    PumpMessages();
    std::vector<UINT> downs;
    for (UINT m : MouseMessages(dbl))
        if (m != WM_LBUTTONUP) downs.push_back(m);
    EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN,
                                        WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
    // Another window or another button starts a new click.
    Settle();
    AdvanceClock(1000);
    synthetic::Click(dbl, POINT{49, 10});
    synthetic::Click(inner, POINT{0, 10});  // one pixel further, but another window
    synthetic::Click(inner, POINT{0, 10}, MouseButton::Right);
    PumpMessages();
    EXPECT_TRUE(Received(nullptr, WM_LBUTTONDBLCLK).empty());
    EXPECT_TRUE(Received(nullptr, WM_RBUTTONDBLCLK).empty());
}

TEST_F(Input, AClickIntoAnInactiveWindowAsksForMouseActivationAndMayBeEaten) {
    HWND one = Top(0, 0, 100, 100);
    HWND child = Child(one, 1, 0, 0, 50, 50);
    HWND two = Top(200, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), two);
    Settle();
    synthetic::Click(child, POINT{5, 5});
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), one);
    // The child asks first, its parent answers through the default handling.
    const Logged asked = One(child, WM_MOUSEACTIVATE);
    EXPECT_EQ(reinterpret_cast<HWND>(asked.wParam), one);
    EXPECT_EQ(asked.lParam, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(Received(one, WM_MOUSEACTIVATE).size(), 1u);
    EXPECT_EQ(LOWORD(One(one, WM_ACTIVATE).wParam), WA_CLICKACTIVE);
    EXPECT_EQ(Sequence({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
              (std::vector<UINT>{WM_MOUSEACTIVATE, WM_MOUSEACTIVATE, WM_ACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));
    // Clicking the now active window asks nothing.
    Settle();
    synthetic::Click(child, POINT{5, 5});
    PumpMessages();
    EXPECT_TRUE(Received(nullptr, WM_MOUSEACTIVATE).empty());
    // A window that answers "activate and eat" is activated without getting the click.
    Answer(WM_MOUSEACTIVATE, MA_ACTIVATEANDEAT);
    Settle();
    synthetic::Click(two, POINT{5, 5});
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), two);
    EXPECT_TRUE(Received(two, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(Received(two, WM_LBUTTONUP).size(), 1u);
}

TEST_F(Input, ADisabledTopLevelWindowRefusesClicksWithAnErrorHitTest) {
    HWND owner = Top(0, 0, 100, 100);
    HWND child = Child(owner, 1, 0, 0, 50, 50);
    EnableWindow(owner, FALSE);
    Settle();
    synthetic::Click(child, POINT{5, 5});
    PumpMessages();
    EXPECT_TRUE(Received(child).empty());
    EXPECT_TRUE(Received(owner, WM_LBUTTONDOWN).empty());
    const auto cursor = Received(owner, WM_SETCURSOR);
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(static_cast<SHORT>(LOWORD(cursor[0].lParam)), HTERROR);
}

// A click looked at before a modal loop disabled its window (the second click of a double click
// that opened a dialog) is refused when it is taken.
TEST_F(Input, AClickRoutedBeforeItsWindowWasDisabledIsRefusedWhenTaken) {
    HWND owner = Top(0, 0, 100, 100);
    HWND child = Child(owner, 1, 0, 0, 50, 50);
    Settle();
    synthetic::Click(child, POINT{5, 5});
    // What comes before the button (the pointer's move) is handled; the button is only looked at.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_LBUTTONDOWN) {
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        DispatchMessageA(&msg);
    }
    ASSERT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(msg.hwnd, child);
    EnableWindow(owner, FALSE);
    PumpMessages();
    EXPECT_TRUE(Received(child, WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(Received(child, WM_LBUTTONUP).empty());
}

TEST_F(Input, SetCursorCarriesTheHitTestAndTheClassCursorIsSet) {
    HWND top = Top(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_BORDER | WS_VSCROLL);
    HWND edit = Child(top, 1, 0, 0, 50, 50, WS_CHILD | WS_VISIBLE, "RecordingDbl");  // I-beam class
    Settle();
    synthetic::MouseMove(edit, POINT{5, 5});
    PumpMessages();
    EXPECT_EQ(GetCursorId(GetCursor()), 32513u);
    const Logged q = One(edit, WM_SETCURSOR);
    EXPECT_EQ(reinterpret_cast<HWND>(q.wParam), edit);
    EXPECT_EQ(q.lParam, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(Received(top, WM_SETCURSOR).size(), 1u);  // asked first by the child's default handling
    Settle();
    RECT rc;
    GetClientRect(top, &rc);
    synthetic::MouseMove(top, POINT{rc.right + 3, 20});  // on the vertical scroll bar
    PumpMessages();
    EXPECT_EQ(LOWORD(One(top, WM_SETCURSOR).lParam), HTVSCROLL);
    EXPECT_EQ(Received(top, WM_NCMOUSEMOVE).size(), 1u);
    EXPECT_TRUE(Received(top, WM_MOUSEMOVE).empty());
    EXPECT_EQ(GetCursorId(GetCursor()), 32512u);
}

TEST_F(Input, KeysGoToTheFocusWindowAndTranslateIntoCharacters) {
    HWND top = Top();
    HWND edit = Child(top, 1, 0, 0, 50, 20);
    SetFocus(edit);
    Settle();
    synthetic::TypeText("aB1!\n");
    PumpMessages();
    std::string typed;
    for (const Logged& e : Received(edit, WM_CHAR)) typed += static_cast<char>(e.wParam);
    EXPECT_EQ(typed, "aB1!\r");
    EXPECT_TRUE(Received(top, WM_KEYDOWN).empty());
    const auto downs = Received(edit, WM_KEYDOWN);
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ((static_cast<ULONG>(downs[0].lParam) >> 16) & 0xFF, 0x1Eu);  // scan code of A
    const auto ups = Received(edit, WM_KEYUP);
    ASSERT_FALSE(ups.empty());
    EXPECT_TRUE(static_cast<ULONG>(ups[0].lParam) & (1u << 31));
}

TEST_F(Input, ControlLettersAltKeysAndKeysWithoutAFocusWindow) {
    HWND top = Top();
    HWND edit = Child(top, 1, 0, 0, 50, 20);
    SetFocus(edit);
    Settle();
    synthetic::KeyDown(VK_CONTROL);
    synthetic::KeyPress('V');
    synthetic::KeyUp(VK_CONTROL);
    synthetic::KeyDown(VK_MENU);
    synthetic::KeyPress('X');
    synthetic::KeyUp(VK_MENU);
    PumpMessages();
    EXPECT_EQ(One(edit, WM_CHAR).wParam, 0x16u);  // Ctrl+V
    const auto sys = Received(edit, WM_SYSKEYDOWN);
    ASSERT_EQ(sys.size(), 2u);  // Alt itself and X
    EXPECT_TRUE(static_cast<ULONG>(sys[1].lParam) & (1u << 29));
    EXPECT_EQ(One(edit, WM_SYSCHAR).wParam, static_cast<WPARAM>('x'));
    EXPECT_EQ(Received(edit, WM_SYSKEYUP).size(), 2u);
    Settle();
    SetFocus(nullptr);
    synthetic::KeyPress(VK_RETURN);
    PumpMessages();
    EXPECT_EQ(Received(top, WM_SYSKEYDOWN).size(), 1u);  // the active window, as a system key
}

TEST_F(Input, KeyStateFollowsRetrievedMessagesAsyncStateTheDeviceAndMouseFlagsShowShiftAndControl) {
    HWND top = Top();
    Settle();
    synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyDown(VK_CONTROL);
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
    PumpMessages();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
    EXPECT_TRUE(GetKeyState(VK_LSHIFT) < 0);
    synthetic::MouseDown(top, POINT{5, 5}, MouseButton::Right);
    synthetic::MouseMove(top, POINT{6, 6});
    PumpMessages();
    const WPARAM flags = MK_RBUTTON | MK_SHIFT | MK_CONTROL;
    EXPECT_EQ(One(top, WM_RBUTTONDOWN).wParam, flags);
    const auto moves = Received(top, WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().wParam, flags);
    synthetic::MouseUp(top, POINT{6, 6}, MouseButton::Right);
    synthetic::KeyUp(VK_CONTROL);
    synthetic::KeyUp(VK_SHIFT);
    PumpMessages();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
    synthetic::KeyPress(VK_CAPITAL);
    PumpMessages();
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    synthetic::KeyPress('Q');
    PumpMessages();
    EXPECT_EQ(One(top, WM_CHAR).wParam, static_cast<WPARAM>('Q'));  // caps lock on
}

TEST_F(Input, TheInputQueueMergesMovesLetsKeysBeFlushedPastAClickAndRejectsStaleWindows) {
    HWND top = Top();
    Settle();
    for (int i = 1; i <= 3; ++i) synthetic::MouseMove(top, POINT{i, i});
    PumpMessages();
    EXPECT_EQ(XY(One(top, WM_MOUSEMOVE).lParam).first, 3);
    synthetic::Click(top, POINT{5, 5});
    synthetic::KeyPress('A');
    MSG msg;
    int flushed = 0;
    while (PeekMessage(&msg, top, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) ++flushed;
    EXPECT_EQ(flushed, 2);
    PumpMessages();
    EXPECT_EQ(Received(top, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(Received(top, WM_KEYDOWN).empty());
    DestroyWindow(top);
    EXPECT_FALSE(synthetic::Click(top, POINT{1, 1}));
    EXPECT_EQ(PumpMessages(), 0);
}

}  // namespace
