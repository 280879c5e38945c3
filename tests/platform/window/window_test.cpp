// Window basics: classes, relations and z-order, window longs (subclassing shows in the framework's
// dialog items), geometry and coordinates, scroll bars, cursors and the clipboard.
#include <cstring>
#include <tuple>

#include "platform/win/global_memory.h"
#include "platform/win/synthetic_input.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

class Windows : public WindowTest {};

LRESULT OtherProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) return 42;
    return DefWindowProc(h, m, w, l);
}

TEST_F(Windows, ClassesAreFoundByNameWithoutRegardToCaseAndRegisteredOnce) {
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfo(nullptr, "recordingdbl", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    wc.lpszClassName = "RECORDING";
    EXPECT_EQ(RegisterClass(&wc), 0);
    wc.lpszClassName = "Other";
    wc.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClass(&wc), 0);
    wc.lpfnWndProc = OtherProc;
    const ATOM atom = RegisterClass(&wc);
    ASSERT_NE(atom, 0);
    HWND h = CreateWindowEx(0, MAKEINTRESOURCE(atom), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    char name[16];
    EXPECT_EQ(GetClassName(h, name, sizeof name), 5);
    EXPECT_STREQ(name, "Other");
    EXPECT_FALSE(UnregisterClass("Other", nullptr));  // a window of it still exists
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClass("other", nullptr));
    EXPECT_FALSE(GetClassInfo(nullptr, "Other", &wc));
}

TEST_F(Windows, ChildrenKeepCreationOrderUntilMovedAndOwnedWindowsGoWithTheirOwner) {
    HWND top = Top();
    HWND a = Child(top, 10, 0, 0, 5, 5);
    HWND b = Child(top, 20, 0, 0, 5, 5);
    HWND c = Child(top, 30, 0, 0, 5, 5);
    const auto order = [top] {
        std::vector<HWND> out;
        for (HWND w = GetWindow(top, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) out.push_back(w);
        return out;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetDlgItem(top, 20), b);
    EXPECT_EQ(GetDlgItem(top, 99), nullptr);
    EXPECT_FALSE(IsChild(b, top));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
    SetWindowPos(c, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, c, b}));
    HWND popup = CreateWindowEx(0, "Recording", "", WS_POPUP, 0, 0, 5, 5, b, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), top);  // owners are top-level windows
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(Windows, ExtraBytesAreBounded) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.cbWndExtra = 8;
    wc.lpszClassName = "Extra";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND h = CreateWindowEx(0, "Extra", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLong(h, 4, 77), 0);
    EXPECT_EQ(GetWindowLong(h, 4), 77);
    EXPECT_EQ(SetWindowLong(h, 6, 1), 0);  // beyond the extra bytes
    EXPECT_EQ(GetWindowLong(h, 100), 0);
    EXPECT_EQ(GetWindowLongPtr(BadWindow(), GWL_STYLE), 0);
}

TEST_F(Windows, ClientAreaLeavesRoomForFrameCaptionAndScrollBars) {
    HWND dlg = Top(10, 20, 200, 150, WS_POPUP | WS_CAPTION | WS_VISIBLE);  // 3-pixel frame, 19-pixel caption
    RECT rc;
    HWND grid = Child(dlg, 1, 5, 5, 100, 80, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL);
    GetClientRect(grid, &rc);
    EXPECT_TRUE(RectIs(rc, {0, 0, 100 - 2 - 16, 80 - 2 - 16}));
    GetWindowRect(grid, &rc);
    EXPECT_EQ(rc.left, 10 + 3 + 5);
    EXPECT_EQ(rc.top, 20 + 3 + 19 + 5);
    POINT pt{0, 0};
    ClientToScreen(grid, &pt);
    EXPECT_EQ(pt.x, 10 + 3 + 5 + 1);
    ScreenToClient(dlg, &pt);
    EXPECT_EQ(std::make_pair(pt.x, pt.y), std::make_pair(LONG{6}, LONG{6}));
    POINT pts[2] = {{0, 0}, {10, 10}};
    MapWindowPoints(grid, dlg, pts, 2);
    EXPECT_EQ(pts[1].x, 16);
    EXPECT_EQ(WindowFromPoint(POINT{10 + 3 + 5 + 10, 20 + 22 + 5 + 10}), grid);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), nullptr);
}

TEST_F(Windows, MovingAndSizingSendMoveAndSize) {
    HWND top = Top();
    HWND c = Child(top, 1, 0, 0, 50, 50);
    Settle();
    MoveWindow(c, 10, 10, 50, 50, TRUE);
    EXPECT_EQ(Received(c, WM_MOVE).size(), 1u);
    EXPECT_TRUE(Received(c, WM_SIZE).empty());
    SetWindowPos(c, nullptr, 0, 0, 70, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(One(c, WM_SIZE).lParam, MAKELPARAM(70, 30));
    RECT rc;
    GetWindowRect(c, &rc);
    EXPECT_TRUE(RectIs(rc, {110, 110, 180, 140}));
}

TEST_F(Windows, ScrollBarsClampTheirPositionAndShowThemselvesWhenThereIsSomethingToScroll) {
    HWND top = Top(0, 0, 200, 200);
    Settle();
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 500, 0};
    EXPECT_EQ(SetScrollInfo(top, SB_VERT, &si, TRUE), 90);  // the last position that shows a full page
    EXPECT_TRUE(GetWindowLong(top, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(LOWORD(One(top, WM_SIZE).lParam), 200 - 16);
    SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(top, SB_VERT, &got));
    EXPECT_EQ(std::make_tuple(got.nMax, got.nPage, got.nPos), std::make_tuple(99, 10u, 90));
    EXPECT_EQ(SetScrollPos(top, SB_VERT, -5, TRUE), 90);
    EXPECT_EQ(GetScrollPos(top, SB_VERT), 0);
    // Everything fits in a page: the bar goes, unless asked to stay.
    si = SCROLLINFO{sizeof si, SIF_RANGE | SIF_PAGE, 0, 9, 10, 0, 0};
    SetScrollInfo(top, SB_VERT, &si, TRUE);
    EXPECT_FALSE(GetWindowLong(top, GWL_STYLE) & WS_VSCROLL);
    RECT rc;
    GetClientRect(top, &rc);
    EXPECT_EQ(rc.right, 200);
    ShowScrollBar(top, SB_BOTH, TRUE);
    GetClientRect(top, &rc);
    EXPECT_TRUE(RectIs(rc, {0, 0, 184, 184}));
    si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(top, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLong(top, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetScrollInfo(Top(0, 0, 50, 50, WS_POPUP), SB_HORZ, &got));  // never had a bar
    int lo = -1, hi = -1;
    ASSERT_TRUE(GetScrollRange(Top(0, 0, 50, 50, WS_POPUP | WS_HSCROLL), SB_HORZ, &lo, &hi));
    EXPECT_EQ(std::make_pair(lo, hi), std::make_pair(0, 100));
}

std::vector<std::pair<UINT, int>> ScrollRequests(HWND h) {
    std::vector<std::pair<UINT, int>> out;
    for (const Logged& e : Received(h, WM_VSCROLL)) out.emplace_back(LOWORD(e.wParam), HIWORD(e.wParam));
    return out;
}

TEST_F(Windows, PressingTheScrollBarSendsItsRequestsAndTheThumbIsTracked) {
    HWND h = Top(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    Settle();
    RECT rc;
    GetClientRect(h, &rc);
    const int x = rc.right + 8;  // on the bar, right of the client area
    synthetic::Click(h, POINT{x, 195});  // the down arrow
    synthetic::Click(h, POINT{x, 5});    // the up arrow
    synthetic::Click(h, POINT{x, 100});  // below the thumb (arrow 16 pixels, thumb 16..32)
    PumpMessages();
    using R = std::vector<std::pair<UINT, int>>;
    EXPECT_EQ(ScrollRequests(h), (R{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}, {SB_LINEUP, 0}, {SB_ENDSCROLL, 0},
                                    {SB_PAGEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    EXPECT_TRUE(Received(h, WM_LBUTTONDOWN).empty());
    Settle();
    synthetic::MouseDown(h, POINT{x, 20});  // 4 pixels into the thumb
    synthetic::MouseMove(h, POINT{x, 96});  // thumb start 92: 76 of 152 pixels of travel
    synthetic::MouseUp(h, POINT{x, 96});
    PumpMessages();
    EXPECT_EQ(ScrollRequests(h), (R{{SB_THUMBTRACK, 45}, {SB_THUMBPOSITION, 45}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(GetCapture(), nullptr);
    SCROLLINFO track{sizeof track, SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(h, SB_VERT, &track);
    EXPECT_EQ(track.nTrackPos, 45);
    EXPECT_EQ(track.nPos, 0);  // the window moves the position itself
}

TEST_F(Windows, StandardCursorsAreSharedAndUnknownOnesAreRefused) {
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), arrow);
    EXPECT_EQ(GetCursorId(LoadCursor(nullptr, IDC_SIZEWE)), 32644u);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(12345)), nullptr);
    EXPECT_EQ(LoadCursor(reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x1000)), MAKEINTRESOURCE(23191)), nullptr);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(0xBAD0))), arrow);
    EXPECT_EQ(GetCursor(), arrow);  // a bad cursor is not taken
}

TEST_F(Windows, TheClipboardKeepsCopiesByFormatAndMustBeOpen) {
    HWND h = Top();
    const char text[] = "a\tb\r\n";
    EXPECT_FALSE(SetClipboardBytes(CF_TEXT, text, sizeof text));  // not open
    ASSERT_TRUE(OpenClipboard(h));
    EXPECT_FALSE(OpenClipboard(h));  // open already
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), h);
    ASSERT_TRUE(SetClipboardBytes(CF_TEXT, text, sizeof text));
    const UINT mine = RegisterClipboardFormat("Grid Cells");
    ASSERT_TRUE(SetClipboardBytes(mine, "\x01\x02", 2));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_OEMTEXT));  // converted from the text
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(CountClipboardFormats(), 2);
    EXPECT_EQ(EnumClipboardFormats(0), static_cast<UINT>(CF_TEXT));
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), mine);
    EXPECT_EQ(EnumClipboardFormats(mine), 0u);
    std::vector<BYTE> data;
    EXPECT_FALSE(GetClipboardBytes(CF_TEXT, data));  // closed
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(GetClipboardBytes(CF_OEMTEXT, data));
    EXPECT_EQ(std::memcmp(data.data(), text, sizeof text), 0);
    CloseClipboard();
    char name[32];
    EXPECT_EQ(GetClipboardFormatNameA(mine, name, sizeof name), 10);
    EXPECT_STREQ(name, "Grid Cells");
    // A window that holds the clipboard open and goes away leaves it closed.
    HWND other = Top(400, 0);
    ASSERT_TRUE(OpenClipboard(other));
    DestroyWindow(other);
    EXPECT_TRUE(OpenClipboard(h));
    CloseClipboard();
}

TEST_F(Windows, ClipboardBlocksAreTakenOverAndHandedBackOwnedByTheClipboard) {
    HWND h = Top();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 6);
    ASSERT_NE(mem, nullptr);
    std::memcpy(GlobalLock(mem), "cell", 5);
    GlobalUnlock(mem);
    EXPECT_EQ(SetClipboardData(CF_TEXT, mem), nullptr);  // not open: the caller keeps its block
    ASSERT_TRUE(OpenClipboard(h));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_TEXT, mem), nullptr);
    EXPECT_EQ(SetClipboardData(CF_TEXT, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0xBAD0))), nullptr);
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    CloseClipboard();
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto got = static_cast<HGLOBAL>(GetClipboardData(CF_OEMTEXT));
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(GetClipboardData(CF_OEMTEXT), got);  // the same block until the clipboard changes
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(got)), "cell");
    EXPECT_EQ(GlobalSize(got), 6u);
    GlobalUnlock(got);
    EmptyClipboard();
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    CloseClipboard();
}

}  // namespace
