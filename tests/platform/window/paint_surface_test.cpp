// Painting onto the backing surfaces: where a child's drawing lands, BeginPaint's clip, the
// background erase, ScrollWindow's pixels, surfaces that follow the window size, bad handles and
// sizes, snapshots, and the framework's window device contexts.
#include <cstdio>
#include <string>

#include "platform/framework/window_dc.h"
#include "support/reference_picture.h"
#include "window_test_support.h"

using namespace window_test;

namespace {

constexpr unsigned kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

COLORREF Ref(unsigned px) { return RGB(static_cast<BYTE>(px >> 16), static_cast<BYTE>(px >> 8), static_cast<BYTE>(px)); }

void Fill(HDC hdc, RECT rc, unsigned px) {
    HBRUSH b = CreateSolidBrush(Ref(px));
    FillRect(hdc, &rc, b);
    DeleteObject(b);
}

// Draws through a context of the window's client area, outside any paint.
void FillClient(HWND h, RECT rc, unsigned px) {
    HDC hdc = GetDC(h);
    ASSERT_NE(hdc, nullptr);
    Fill(hdc, rc, px);
    EXPECT_EQ(ReleaseDC(h, hdc), 1);
}

// Compares a top-level window's surface exactly with a checked-in picture.
void ExpectPicture(HWND h, const char* name) {
    ExpectExactlyReference(GetWindowSurfaceDC(h), std::string("platform/window/reference/") + name + ".png");
}

class PaintSurface : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        InstallWindowPaintHooks();
    }
    void TearDown() override {
        WindowTest::TearDown();
        ResetSysColors();
    }
    // Paints a rectangle of one colour in a window's client coordinates on each WM_PAINT of it.
    static void PaintRect(HWND target, RECT rc, unsigned px) {
        CurrentHandler() = [target, rc, px](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT || h != target) return std::nullopt;
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(h, &ps);
            Fill(hdc, rc, px);
            EndPaint(h, &ps);
            return 0;
        };
    }
};

TEST_F(PaintSurface, AChildsDrawingLandsAtItsPlaceOnTheTopLevelSurface) {
    HWND top = Top(100, 100, 300, 220, WS_POPUP | WS_CAPTION | WS_VISIBLE, "White");
    HWND child = Child(top, 1, 40, 30, 120, 100, WS_CHILD | WS_VISIBLE | WS_BORDER);
    HWND grand = Child(child, 2, 15, 25, 50, 40);
    ASSERT_TRUE(grand);
    PaintRect(grand, RECT{10, 5, 30, 15}, kRed);  // further in by the caption and the child's border
    PumpMessages();
    ExpectPicture(top, "grandchild");
}

TEST_F(PaintSurface, ClippingOfChildrenSiblingsAndWhatLiesOutsideTheParent) {
    HWND top = Top(0, 0, 200, 150, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, "White");
    HWND upper = Child(top, 1, 20, 20, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "White");
    HWND lower = Child(top, 2, 50, 50, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "White");
    HWND hidden = Child(top, 3, 120, 20, 40, 40, WS_CHILD, "White");
    HWND edge = Child(top, 4, 150, 100, 100, 30);  // half outside the parent
    PumpMessages();
    FillClient(top, RECT{0, 0, 200, 150}, kGreen);
    FillClient(upper, RECT{0, 0, 60, 60}, kBlue);  // the upper one may cover the lower one
    FillClient(lower, RECT{0, 0, 60, 60}, kRed);
    FillClient(hidden, RECT{0, 0, 40, 40}, kRed);
    HDC hdc = GetDC(edge);
    ASSERT_NE(hdc, nullptr);
    Fill(hdc, RECT{-50, -50, 500, 500}, kBlue);
    RECT box;
    EXPECT_EQ(GetClipBox(hdc, &box), SIMPLEREGION);
    EXPECT_TRUE(RectIs(box, {0, 0, 50, 30}));  // the parent's edge
    EXPECT_EQ(ReleaseDC(edge, hdc), 1);
    // The parent leaves its children alone, the lower sibling the upper one, a hidden window draws
    // nothing, and the one half outside stops at the parent's edge.
    ExpectPicture(top, "clipped_children");
}

TEST_F(PaintSurface, BeginPaintClipsToTheInvalidArea) {
    HWND h = Top(0, 0, 200, 150, WS_POPUP | WS_VISIBLE, "White");
    PumpMessages();
    RECT clipSeen{};
    CurrentHandler() = [&clipSeen](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(w, &ps);
        GetClipBox(hdc, &clipSeen);
        Fill(hdc, RECT{0, 0, 200, 150}, kRed);
        EndPaint(w, &ps);
        return 0;
    };
    const RECT dirty{50, 40, 70, 60};
    InvalidateRect(h, &dirty, FALSE);
    PumpMessages();
    EXPECT_TRUE(RectIs(clipSeen, dirty));
    ExpectPicture(h, "paint_clip");
}

TEST_F(PaintSurface, EraseFillsWithTheClassBrushAndSystemColourBrushes) {
    HWND face = Top(0, 0, 100, 80, WS_POPUP | WS_VISIBLE, "Faced");
    HWND plain = Top(0, 0, 100, 80, WS_POPUP | WS_VISIBLE);  // no class brush
    PumpMessages();
    FillClient(plain, RECT{0, 0, 100, 80}, kBlue);
    EXPECT_EQ(Ref(SurfacePixels(face).At(50, 40)), GetSysColor(COLOR_BTNFACE));

    // The brush follows the colour table.
    const int index = COLOR_BTNFACE;
    const COLORREF olive = RGB(128, 128, 0);
    SetSysColors(1, &index, &olive);
    BOOL plainMustErase = FALSE, faceMustErase = TRUE;
    CurrentHandler() = [&, face](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        BeginPaint(w, &ps);
        (w == face ? faceMustErase : plainMustErase) = ps.fErase;
        EndPaint(w, &ps);
        return 0;
    };
    InvalidateRect(face, nullptr, TRUE);
    InvalidateRect(plain, nullptr, TRUE);
    PumpMessages();
    EXPECT_EQ(Ref(SurfacePixels(face).At(0, 0)), olive);
    EXPECT_EQ(Ref(SurfacePixels(face).At(99, 79)), olive);
    EXPECT_EQ(SurfacePixels(plain).At(50, 40), kBlue);  // nothing to erase with: left alone
    EXPECT_TRUE(plainMustErase);                  // and the window is told to erase itself
    EXPECT_FALSE(faceMustErase);
}

TEST_F(PaintSurface, ScrollWindowMovesPixelsAndInvalidatesWhatCameIn) {
    HWND h = Top(0, 0, 300, 200, WS_POPUP | WS_VISIBLE, "White");
    PumpMessages();
    FillClient(h, RECT{100, 100, 110, 110}, kRed);
    ASSERT_TRUE(ScrollWindow(h, -20, -30, nullptr, nullptr));
    ExpectPicture(h, "scrolled");
    EXPECT_EQ(UpdateArea(h), 300L * 30 + 20L * 170);  // the strip at the bottom and the one at the right
    RECT box;
    ASSERT_TRUE(GetUpdateRect(h, &box, FALSE));
    EXPECT_TRUE(RectIs(box, {0, 0, 300, 200}));  // the right strip reaches the top
}

TEST_F(PaintSurface, ScrollingAChildMovesOnlyItsOwnPixels) {
    HWND top = Top(0, 0, 300, 200, WS_POPUP | WS_VISIBLE, "White");
    HWND child = Child(top, 1, 50, 50, 100, 100);
    PumpMessages();
    FillClient(top, RECT{0, 0, 300, 200}, kGreen);
    FillClient(child, RECT{0, 0, 100, 100}, kWhite);
    FillClient(child, RECT{85, 10, 100, 20}, kRed);  // at the right edge: scrolls out
    FillClient(child, RECT{10, 10, 20, 20}, kBlue);
    const RECT part{0, 0, 100, 50};
    ASSERT_TRUE(ScrollWindow(child, 30, 0, &part, nullptr));
    // The blue moved, the red went out of the child, the parent and the part below stay.
    ExpectPicture(top, "scrolled_child");
}

TEST_F(PaintSurface, TheSurfaceFollowsTheWindowSize) {
    HWND h = Top(10, 10, 120, 90, WS_POPUP | WS_VISIBLE, "White");
    PumpMessages();
    SIZE s = GetDCSurfaceSize(GetWindowSurfaceDC(h));
    EXPECT_EQ(std::make_pair(s.cx, s.cy), std::make_pair(LONG{120}, LONG{90}));
    FillClient(h, RECT{0, 0, 10, 10}, kRed);
    ASSERT_TRUE(MoveWindow(h, 10, 10, 250, 60, TRUE));
    s = GetDCSurfaceSize(GetWindowSurfaceDC(h));
    EXPECT_EQ(std::make_pair(s.cx, s.cy), std::make_pair(LONG{250}, LONG{60}));
    EXPECT_EQ(SurfacePixels(h).At(5, 5), kRed);  // kept until repainted
    PumpMessages();
    EXPECT_EQ(SurfacePixels(h).At(5, 5), kWhite);
    EXPECT_EQ(SurfacePixels(h).At(249, 59), kWhite);
    // A context taken before a resize keeps drawing safely while the surface is made anew.
    HDC hdc = GetDC(h);
    MoveWindow(h, 10, 10, 40, 40, TRUE);
    ASSERT_NE(GetWindowSurfaceDC(h), nullptr);
    Fill(hdc, RECT{0, 0, 250, 60}, kBlue);
    EXPECT_EQ(ReleaseDC(h, hdc), 1);
    EXPECT_EQ(GetDCSurfaceSize(GetWindowSurfaceDC(h)).cx, 40);
}

TEST_F(PaintSurface, BadHandlesAndSizesFailCleanly) {
    EXPECT_EQ(GetDC(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234))), nullptr);
    EXPECT_EQ(GetWindowSurfaceDC(nullptr), nullptr);
    EXPECT_EQ(ReleaseDC(nullptr, nullptr), 0);
    HDC image = CreateImageDC(4, 4);
    EXPECT_EQ(ReleaseDC(nullptr, image), 0);  // not one of the window system's
    EXPECT_TRUE(DeleteDC(image));

    HWND h = Top(0, 0, 50, 50);
    HDC hdc = GetDC(h);
    ASSERT_NE(hdc, nullptr);
    DestroyWindow(h);
    EXPECT_EQ(GetDC(h), nullptr);
    EXPECT_FALSE(WriteWindowPng(h, (testing::TempDir() + "stale.png").c_str()));
    Fill(hdc, RECT{0, 0, 50, 50}, kRed);  // the context outlives its window harmlessly
    EXPECT_EQ(ReleaseDC(h, hdc), 1);
    EXPECT_EQ(ReleaseDC(h, hdc), 0);

    HWND empty = Top(0, 0, 0, 0);
    hdc = GetDC(empty);
    ASSERT_NE(hdc, nullptr);
    RECT box;
    EXPECT_EQ(GetClipBox(hdc, &box), NULLREGION);
    EXPECT_EQ(ReleaseDC(empty, hdc), 1);
    EXPECT_FALSE(WriteWindowPng(empty, (testing::TempDir() + "empty.png").c_str()));

    HWND huge = Top(0, 0, 100000, 100000);
    ASSERT_TRUE(huge);
    EXPECT_EQ(GetDC(huge), nullptr);
    PAINTSTRUCT ps;
    InvalidateRect(huge, nullptr, TRUE);
    EXPECT_EQ(BeginPaint(huge, &ps), nullptr);
    EXPECT_TRUE(EndPaint(huge, &ps));
    EXPECT_FALSE(WriteWindowPng(huge, (testing::TempDir() + "huge.png").c_str()));
    PumpMessages();

    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetDCSurfaceSize(screen).cx, 1024);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

TEST_F(PaintSurface, ASnapshotShowsTheWindowWithItsChildrenAfterPendingPaints) {
    HWND top = Top(30, 40, 160, 120, WS_POPUP | WS_VISIBLE, "Faced");
    HWND child = Child(top, 1, 20, 30, 60, 40, WS_CHILD | WS_VISIBLE, "White");
    PaintRect(child, RECT{10, 10, 30, 20}, kBlue);
    const std::string path = testing::TempDir() + "paint_surface_snapshot.png";
    std::remove(path.c_str());
    ASSERT_TRUE(WriteWindowPng(top, path.c_str()));  // nothing pumped: the snapshot paints first
    PngImage img;
    ASSERT_TRUE(ReadPng(path.c_str(), img));
    const PngImage all = SurfacePixels(top);
    EXPECT_EQ(img.pixels, all.pixels);
    ExpectPicture(top, "snapshot");  // the child painted blue on the face colour

    // A child's snapshot is its own rectangle.
    ASSERT_TRUE(WriteWindowPng(child, path.c_str()));
    ASSERT_TRUE(ReadPng(path.c_str(), img));
    ASSERT_EQ(std::make_pair(img.width, img.height), std::make_pair(60, 40));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) EXPECT_EQ(img.At(x, y), all.At(20 + x, 30 + y)) << x << ", " << y;
    std::remove(path.c_str());
}

// The framework's window device contexts: CPaintDC paints inside BeginPaint and EndPaint,
// CClientDC and CWindowDC draw on the window and give their context back instead of deleting it.
TEST_F(PaintSurface, PaintDCValidatesPaintsAndEndsThePaint) {
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

TEST_F(PaintSurface, ClientAndWindowDCsReleaseTheirContext) {
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
