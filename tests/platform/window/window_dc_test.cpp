// The framework's window device contexts: CPaintDC paints inside BeginPaint and EndPaint,
// CClientDC and CWindowDC draw on the window and give their context back instead of deleting it.
#include "platform/framework/window_dc.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

class WindowDCs : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        InstallWindowPaintHooks();
    }
};

TEST_F(WindowDCs, PaintDCValidatesPaintsAndEndsThePaint) {
    HWND h = Top(0, 0, 100, 80, WS_POPUP | WS_VISIBLE);
    PumpMessages();
    HDC seen = nullptr;
    CurrentHandler() = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        CPaintDC dc(CWnd::FromHandle(w));
        seen = dc.GetSafeHdc();
        dc.FillSolidRect(0, 0, 100, 80, RGB(0, 0, 255));
        return 0;
    };
    const RECT dirty{10, 10, 30, 20};
    InvalidateRect(h, &dirty, FALSE);
    PumpMessages();
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));
    EXPECT_EQ(SurfacePixels(h).At(10, 10), 0x0000FFu);
    EXPECT_EQ(ReleaseDC(h, seen), 0);             // EndPaint gave it back already
    EXPECT_EQ(GetDCSurfaceSize(seen).cx, 0);      // and it is gone
}

TEST_F(WindowDCs, ClientAndWindowDCsReleaseTheirContext) {
    HWND h = Top(0, 0, 100, 80, WS_POPUP | WS_BORDER | WS_VISIBLE);
    PumpMessages();
    CWnd* wnd = CWnd::FromHandle(h);
    HDC client = nullptr, whole = nullptr;
    {
        CClientDC dc(wnd);
        client = dc.GetSafeHdc();
        ASSERT_NE(client, nullptr);
        dc.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
        CWindowDC wdc(wnd);
        whole = wdc.GetSafeHdc();
        ASSERT_NE(whole, nullptr);
        wdc.SetPixel(0, 0, RGB(0, 255, 0));  // the border, outside the client area
    }
    // Released through the window system, which no longer knows them.
    EXPECT_EQ(ReleaseDC(h, client), 0);
    EXPECT_EQ(ReleaseDC(h, whole), 0);
    EXPECT_EQ(GetDCSurfaceSize(client).cx, 0);
    POINT o{0, 0};
    ClientToScreen(h, &o);
    ASSERT_GT(o.x, 0);  // the border is there
    EXPECT_EQ(SurfacePixels(h).At(o.x, o.y), 0xFF0000u);
    EXPECT_EQ(SurfacePixels(h).At(0, 0), 0x00FF00u);

    // No window: the screen. A stale window: no context, and drawing through it fails quietly.
    {
        CClientDC screen(nullptr);
        EXPECT_NE(screen.GetSafeHdc(), nullptr);
    }
    DestroyWindow(h);
    CWnd stale;
    stale.m_hWnd = h;
    CClientDC none(&stale);
    EXPECT_EQ(none.GetSafeHdc(), nullptr);
    EXPECT_FALSE(none.Rectangle(0, 0, 5, 5));
    stale.m_hWnd = nullptr;
}

}  // namespace
