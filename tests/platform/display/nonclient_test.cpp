// The non-client area: the client rectangle each frame leaves, what points on the frame hit,
// the frame's and caption's pixels, when the frame is painted, and presses on the close box and
// the caption.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/window/window_test_support.h"
#include "support/reference_picture.h"
#include "platform/win/synthetic_input.h"
#include "platform/win/system_metrics.h"

using namespace window_test;

namespace {

constexpr unsigned kBlack = 0x000000;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;

int HitAt(HWND h, int x, int y) {  // window coordinates
    RECT wr;
    GetWindowRect(h, &wr);
    return static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, MAKEPOINTLPARAM(wr.left + x, wr.top + y)));
}

// Client coordinates of a point given in window coordinates.
POINT FromWindow(HWND h, int x, int y) {
    RECT wr;
    GetWindowRect(h, &wr);
    POINT pt{wr.left + x, wr.top + y};
    ScreenToClient(h, &pt);
    return pt;
}

class NonClient : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        SetScreenDpi(96);
    }
    static HWND Dialog(int x = 100, int y = 100, int cx = 200, int cy = 100, DWORD style = kDialog, DWORD ex = 0) {
        return CreateWindowEx(ex, "Faced", "Settings", style, x, y, cx, cy, nullptr, nullptr, nullptr, nullptr);
    }
};

TEST_F(NonClient, EachFrameLeavesTheClientAreaItsMetricsSay) {
    struct Case { DWORD style, ex; int side, top; };
    const int dlg = GetSystemMetrics(SM_CXDLGFRAME), cap = GetSystemMetrics(SM_CYCAPTION);
    const int edge = GetSystemMetrics(SM_CXEDGE), frame = GetSystemMetrics(SM_CXFRAME);
    const Case cases[] = {
        {WS_POPUP | WS_BORDER, 0, 1, 1},
        {WS_POPUP | WS_DLGFRAME, 0, dlg, dlg},
        {WS_POPUP, WS_EX_DLGMODALFRAME, dlg, dlg},
        {WS_POPUP | WS_CAPTION, 0, dlg, dlg + cap},
        {WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, frame, frame + cap},
        {WS_POPUP | WS_CAPTION, WS_EX_CLIENTEDGE, dlg + edge, dlg + cap + edge},
        {WS_POPUP, WS_EX_CLIENTEDGE, edge, edge},
    };
    for (const Case& c : cases) {
        HWND h = Dialog(0, 0, 200, 100, c.style, c.ex);
        RECT rc;
        ASSERT_TRUE(GetClientRect(h, &rc));
        EXPECT_EQ(rc.right, 200 - 2 * c.side) << std::hex << c.style << " " << c.ex;
        EXPECT_EQ(rc.bottom, 100 - c.top - c.side) << std::hex << c.style << " " << c.ex;
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        EXPECT_EQ(origin.y, c.top);
        DestroyWindow(h);
    }
    // At 144 dots per inch the caption and frames grow with the metrics; the border stays.
    SetScreenDpi(144);
    HWND h = Dialog(0, 0, 200, 100, WS_POPUP | WS_CAPTION);
    RECT rc;
    GetClientRect(h, &rc);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 29);
    EXPECT_EQ(rc.bottom, 100 - GetSystemMetrics(SM_CYCAPTION) - 2 * GetSystemMetrics(SM_CYDLGFRAME));
}

TEST_F(NonClient, HitTestsOfCaptionCloseBoxFrameAndScrollBars) {
    HWND h = Dialog();
    HWND plain = Dialog(100, 300, 200, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE);  // no system menu
    HWND sized =
        Dialog(400, 100, 200, 100, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE);
    // The line below the caption is the caption; so is the part right of the close box. The size
    // box of a sizable window is its bottom right corner.
    const struct {
        HWND h;
        int x, y, hit;
    } cases[] = {
        {h, 50, 10, HTCAPTION},      {h, 50, 21, HTCAPTION},      {h, 186, 11, HTCLOSE},  {h, 196, 11, HTCAPTION},
        {h, 1, 50, HTBORDER},        {h, 50, 1, HTBORDER},        {h, 50, 22, HTCLIENT},  {h, 200, 50, HTNOWHERE},
        {plain, 186, 11, HTCAPTION}, {sized, 0, 50, HTLEFT},      {sized, 199, 99, HTBOTTOMRIGHT},
        {sized, 190, 50, HTVSCROLL}, {sized, 50, 90, HTHSCROLL},  {sized, 190, 90, HTBOTTOMRIGHT},
    };
    for (const auto& c : cases) EXPECT_EQ(HitAt(c.h, c.x, c.y), c.hit) << c.x << ", " << c.y;
}

// Pictures of the frames: the raised dialog frame, the caption (active, inactive, redrawn at once on
// activation, without text) and the close box with its cross; a child's black border and sunken
// client edge; a scroll bar's arrows, checkered shaft and thumb, redrawn as the position moves.
TEST_F(NonClient, FramesCaptionsEdgesAndScrollBarsShowTheClassicPixels) {
    const auto expectPicture = [](HWND h, const char* name) {
        ExpectExactlyReference(GetWindowSurfaceDC(h), std::string("platform/display/reference/") + name + ".png");
    };
    HWND one = Dialog(0, 0, 200, 100);
    HWND two = Dialog(300, 0, 200, 100);
    PumpMessages();
    expectPicture(one, "dialog_inactive");  // two was shown last and is active
    expectPicture(two, "dialog_active");
    SetActiveWindow(one);
    expectPicture(one, "dialog_active");
    expectPicture(two, "dialog_inactive");
    SetWindowText(one, "");
    expectPicture(one, "dialog_untitled");

    HWND top = Dialog(0, 0, 170, 50, WS_POPUP | WS_VISIBLE);
    ASSERT_TRUE(Child(top, 1, 10, 10, 50, 30, WS_CHILD | WS_VISIBLE | WS_BORDER, "Faced"));
    ASSERT_TRUE(CreateWindowEx(WS_EX_CLIENTEDGE, "Faced", "", WS_CHILD | WS_VISIBLE, 100, 10, 60, 30, top, nullptr,
                               nullptr, nullptr));
    PumpMessages();
    expectPicture(top, "border_and_client_edge");

    HWND bar = Dialog(0, 0, 40, 150, WS_POPUP | WS_BORDER | WS_VSCROLL | WS_VISIBLE);
    SetScrollRange(bar, SB_VERT, 0, 100, FALSE);
    PumpMessages();
    expectPicture(bar, "scroll_bar_top");
    SetScrollPos(bar, SB_VERT, 100, TRUE);  // redrawn without a paint
    expectPicture(bar, "scroll_bar_end");
}

TEST_F(NonClient, TheFrameIsPaintedBeforeTheClientArea) {
    HWND h = Dialog();
    ASSERT_TRUE(h);
    PumpMessages();
    EXPECT_EQ(Sequence({WM_NCPAINT, WM_PAINT}), (std::vector<UINT>{WM_NCPAINT, WM_PAINT}));
    Log().clear();
    MoveWindow(h, 100, 100, 250, 120, TRUE);  // a new size repaints the frame too
    PumpMessages();
    EXPECT_EQ(Sequence({WM_NCPAINT, WM_PAINT}), (std::vector<UINT>{WM_NCPAINT, WM_PAINT}));
    Log().clear();
    InvalidateRect(h, nullptr, TRUE);  // the client area alone
    PumpMessages();
    EXPECT_EQ(Sequence({WM_NCPAINT, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(NonClient, AChildsFrameComesBackAfterItsParentPaintsOverIt) {
    HWND top = Dialog(0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
    HWND child = Child(top, 1, 20, 20, 60, 40, WS_CHILD | WS_VISIBLE | WS_BORDER, "Faced");
    ASSERT_TRUE(child);
    Settle();
    CurrentHandler() = [top](HWND hw, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT || hw != top) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hw, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT all{0, 0, 200, 150};
        FillRect(hdc, &all, red);  // over the child too: the parent does not clip its children
        DeleteObject(red);
        EndPaint(hw, &ps);
        return 0;
    };
    // Only the child's top border row lies in the invalid part: its client area stays valid.
    RECT row{20, 20, 80, 21};
    InvalidateRect(top, &row, TRUE);
    PumpMessages();
    const PngImage img = SurfacePixels(top);
    EXPECT_FALSE(Received(top, WM_PAINT).empty());
    EXPECT_EQ(img.At(40, 20), kBlack);
    EXPECT_TRUE(Received(child, WM_PAINT).empty());
    EXPECT_FALSE(Received(child, WM_NCPAINT).empty());
}

TEST_F(NonClient, TheCloseBoxClosesWhenReleasedOverIt) {
    HWND h = Dialog();
    PumpMessages();
    // Pressed, then released elsewhere: nothing happens.
    synthetic::MouseDown(h, FromWindow(h, 186, 11));
    synthetic::MouseMove(h, FromWindow(h, 100, 50));
    synthetic::MouseUp(h, FromWindow(h, 100, 50));
    PumpMessages();
    ASSERT_TRUE(IsWindow(h));
    EXPECT_TRUE(Received(h, WM_SYSCOMMAND).empty());
    EXPECT_EQ(GetCapture(), nullptr);
    synthetic::Click(h, FromWindow(h, 186, 11));
    PumpMessages();
    EXPECT_FALSE(IsWindow(h));
    const auto sys = Received(h, WM_SYSCOMMAND);
    ASSERT_EQ(sys.size(), 1u);
    EXPECT_EQ(sys[0].wParam & 0xFFF0, 0xF060u);
    EXPECT_EQ(Sequence({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}), (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
}

TEST_F(NonClient, DraggingTheCaptionMovesTheWindow) {
    HWND h = Dialog(100, 100);
    PumpMessages();
    synthetic::MouseDown(h, FromWindow(h, 50, 10));
    synthetic::MouseMove(h, FromWindow(h, 60, 15));
    synthetic::MouseMove(h, FromWindow(h, 80, 30));
    synthetic::MouseUp(h, FromWindow(h, 80, 30));
    PumpMessages();
    RECT wr;
    GetWindowRect(h, &wr);
    EXPECT_TRUE(RectIs(wr, {130, 120, 330, 220}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Received(h, WM_MOVE).empty());
}

}  // namespace
