// Painting onto the backing surfaces: where a child's drawing lands, BeginPaint's clip, the
// background erase, ScrollWindow's pixels, surfaces that follow the window size, bad handles and
// sizes, and snapshots.
#include <cstdio>
#include <string>

#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"
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

// The pixels of the top-level surface a window draws on.
PngImage Surface(HWND h) { return CapturePixels(GetWindowSurfaceDC(h)); }

// Where a window's client origin lies on its top-level window's surface.
POINT ClientOnSurface(HWND h) {
    POINT pt{0, 0};
    ClientToScreen(h, &pt);
    RECT top;
    GetWindowRect(GetAncestor(h, GA_ROOT), &top);
    return POINT{pt.x - top.left, pt.y - top.top};
}

class PaintSurface : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        InstallWindowPaintHooks();
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "FaceBrushed";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1));
        ASSERT_NE(RegisterClass(&wc), 0);
        white_ = CreateSolidBrush(RGB(255, 255, 255));
        wc.lpszClassName = "WhiteBrushed";
        wc.hbrBackground = white_;
        ASSERT_NE(RegisterClass(&wc), 0);
    }
    void TearDown() override {
        WindowTest::TearDown();
        DeleteObject(white_);
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
    HBRUSH white_ = nullptr;
};

TEST_F(PaintSurface, AChildsDrawingLandsAtItsPlaceOnTheTopLevelSurface) {
    HWND top = Top(100, 100, 300, 220, WS_POPUP | WS_CAPTION | WS_VISIBLE, "WhiteBrushed");
    HWND child = Child(top, 1, 40, 30, 120, 100, WS_CHILD | WS_VISIBLE | WS_BORDER);
    HWND grand = Child(child, 2, 15, 25, 50, 40);
    ASSERT_TRUE(grand);
    PaintRect(grand, RECT{10, 5, 30, 15}, kRed);
    PumpMessages();
    const POINT o = ClientOnSurface(grand);
    // The caption and the child's border put the grandchild's client further in than 55, 55.
    ASSERT_GT(o.y, 55);
    ASSERT_GT(o.x, 55);
    const PngImage img = Surface(top);
    EXPECT_EQ(img.At(o.x + 10, o.y + 5), kRed);
    EXPECT_EQ(img.At(o.x + 29, o.y + 14), kRed);
    EXPECT_NE(img.At(o.x + 30, o.y + 5), kRed);
    EXPECT_NE(img.At(o.x + 10, o.y + 15), kRed);
    EXPECT_NE(img.At(o.x + 9, o.y + 5), kRed);
    EXPECT_NE(img.At(o.x + 10, o.y + 4), kRed);
}

TEST_F(PaintSurface, AChildCannotDrawOutsideItsClientAreaOrItsParents) {
    HWND top = Top(0, 0, 200, 150, WS_POPUP | WS_VISIBLE, "WhiteBrushed");
    HWND child = Child(top, 1, 150, 20, 100, 50);  // half outside the parent
    PumpMessages();
    HDC hdc = GetDC(child);
    ASSERT_NE(hdc, nullptr);
    Fill(hdc, RECT{-50, -50, 500, 500}, kBlue);
    RECT box;
    EXPECT_EQ(GetClipBox(hdc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 50);  // the parent's edge
    EXPECT_EQ(ReleaseDC(child, hdc), 1);
    const PngImage img = Surface(top);
    EXPECT_EQ(img.At(150, 20), kBlue);
    EXPECT_EQ(img.At(199, 69), kBlue);
    EXPECT_EQ(img.At(149, 20), kWhite);
    EXPECT_EQ(img.At(150, 19), kWhite);
    EXPECT_EQ(img.At(150, 70), kWhite);
}

TEST_F(PaintSurface, ClippingOfChildrenAndSiblings) {
    HWND top = Top(0, 0, 200, 150, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, "WhiteBrushed");
    HWND upper = Child(top, 1, 20, 20, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "WhiteBrushed");
    HWND lower = Child(top, 2, 50, 50, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "WhiteBrushed");
    HWND hidden = Child(top, 3, 120, 20, 40, 40, WS_CHILD, "WhiteBrushed");
    PumpMessages();
    HDC hdc = GetDC(top);
    Fill(hdc, RECT{0, 0, 200, 150}, kGreen);
    ReleaseDC(top, hdc);
    hdc = GetDC(upper);
    Fill(hdc, RECT{0, 0, 60, 60}, kBlue);  // the upper one may cover the lower one
    ReleaseDC(upper, hdc);
    hdc = GetDC(lower);
    Fill(hdc, RECT{0, 0, 60, 60}, kRed);
    ReleaseDC(lower, hdc);
    hdc = GetDC(hidden);
    Fill(hdc, RECT{0, 0, 40, 40}, kRed);
    ReleaseDC(hidden, hdc);
    const PngImage img = Surface(top);
    EXPECT_EQ(img.At(10, 10), kGreen);   // the parent, outside its children
    EXPECT_EQ(img.At(20, 20), kBlue);    // the parent left its children alone
    EXPECT_EQ(img.At(60, 60), kBlue);    // the lower sibling did not draw over the upper one
    EXPECT_EQ(img.At(100, 100), kRed);
    EXPECT_EQ(img.At(130, 30), kGreen);  // a hidden window draws nothing
}

TEST_F(PaintSurface, BeginPaintClipsToTheInvalidArea) {
    HWND h = Top(0, 0, 200, 150, WS_POPUP | WS_VISIBLE, "WhiteBrushed");
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
    EXPECT_EQ(clipSeen.left, 50);
    EXPECT_EQ(clipSeen.top, 40);
    EXPECT_EQ(clipSeen.right, 70);
    EXPECT_EQ(clipSeen.bottom, 60);
    const PngImage img = Surface(h);
    EXPECT_EQ(img.At(50, 40), kRed);
    EXPECT_EQ(img.At(69, 59), kRed);
    EXPECT_EQ(img.At(49, 40), kWhite);
    EXPECT_EQ(img.At(70, 59), kWhite);
    EXPECT_EQ(img.At(69, 60), kWhite);
}

TEST_F(PaintSurface, EraseFillsWithTheClassBrushAndSystemColourBrushes) {
    HWND face = Top(0, 0, 100, 80, WS_POPUP | WS_VISIBLE, "FaceBrushed");
    HWND plain = Top(0, 0, 100, 80, WS_POPUP | WS_VISIBLE);  // no class brush
    PumpMessages();
    HDC hdc = GetDC(plain);
    Fill(hdc, RECT{0, 0, 100, 80}, kBlue);
    ReleaseDC(plain, hdc);
    const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Ref(Surface(face).At(50, 40)), faceColour);

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
    EXPECT_EQ(Ref(Surface(face).At(0, 0)), olive);
    EXPECT_EQ(Ref(Surface(face).At(99, 79)), olive);
    EXPECT_EQ(Surface(plain).At(50, 40), kBlue);  // nothing to erase with: left alone
    EXPECT_TRUE(plainMustErase);                  // and the window is told to erase itself
    EXPECT_FALSE(faceMustErase);
}

TEST_F(PaintSurface, ScrollWindowMovesPixelsAndInvalidatesWhatCameIn) {
    HWND h = Top(0, 0, 300, 200, WS_POPUP | WS_VISIBLE, "WhiteBrushed");
    PumpMessages();
    HDC hdc = GetDC(h);
    Fill(hdc, RECT{100, 100, 110, 110}, kRed);
    ReleaseDC(h, hdc);
    ASSERT_TRUE(ScrollWindow(h, -20, -30, nullptr, nullptr));
    PngImage img = Surface(h);
    EXPECT_EQ(img.At(80, 70), kRed);
    EXPECT_EQ(img.At(89, 79), kRed);
    EXPECT_EQ(img.At(100, 100), kWhite);
    EXPECT_EQ(img.At(79, 70), kWhite);
    std::vector<RECT> rects;
    GetUpdateRects(h, rects);
    long area = 0;
    for (const RECT& r : rects) area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ(area, 300L * 30 + 20L * 170);  // the strip at the bottom and the one at the right
    RECT box;
    ASSERT_TRUE(GetUpdateRect(h, &box, FALSE));
    EXPECT_EQ(box.right, 300);
    EXPECT_EQ(box.bottom, 200);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);  // the right strip reaches the top

    // Scrolled further than the window is wide: nothing stays in view, everything is invalid.
    ValidateRect(h, nullptr);
    ASSERT_TRUE(ScrollWindow(h, 100000, -100000, nullptr, nullptr));
    EXPECT_EQ(Surface(h).At(80, 70), kRed);
    GetUpdateRects(h, rects);
    area = 0;
    for (const RECT& r : rects) area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ(area, 300L * 200);
}

TEST_F(PaintSurface, ScrollingAChildMovesOnlyItsOwnPixels) {
    HWND top = Top(0, 0, 300, 200, WS_POPUP | WS_VISIBLE, "WhiteBrushed");
    HWND child = Child(top, 1, 50, 50, 100, 100);
    PumpMessages();
    HDC hdc = GetDC(top);
    Fill(hdc, RECT{0, 0, 300, 200}, kGreen);
    ReleaseDC(top, hdc);
    hdc = GetDC(child);
    Fill(hdc, RECT{0, 0, 100, 100}, kWhite);
    Fill(hdc, RECT{85, 10, 100, 20}, kRed);  // at the right edge: scrolls out
    Fill(hdc, RECT{10, 10, 20, 20}, kBlue);
    ReleaseDC(child, hdc);
    const RECT part{0, 0, 100, 50};
    ASSERT_TRUE(ScrollWindow(child, 30, 0, &part, nullptr));
    const PngImage img = Surface(top);
    EXPECT_EQ(img.At(50 + 40, 50 + 10), kBlue);
    EXPECT_EQ(img.At(50 + 49, 50 + 19), kBlue);
    EXPECT_EQ(img.At(50 + 115, 50 + 15), kGreen);  // the parent beside the child is untouched
    EXPECT_EQ(img.At(50 + 95, 50 + 15), kWhite);   // the red went out of the child
    EXPECT_EQ(img.At(50 + 10, 50 + 60), kWhite);   // outside the scrolled part
}

TEST_F(PaintSurface, TheSurfaceFollowsTheWindowSize) {
    HWND h = Top(10, 10, 120, 90, WS_POPUP | WS_VISIBLE, "WhiteBrushed");
    PumpMessages();
    SIZE s = GetDCSurfaceSize(GetWindowSurfaceDC(h));
    EXPECT_EQ(s.cx, 120);
    EXPECT_EQ(s.cy, 90);
    HDC hdc = GetDC(h);
    Fill(hdc, RECT{0, 0, 10, 10}, kRed);
    ReleaseDC(h, hdc);
    ASSERT_TRUE(MoveWindow(h, 10, 10, 250, 60, TRUE));
    s = GetDCSurfaceSize(GetWindowSurfaceDC(h));
    EXPECT_EQ(s.cx, 250);
    EXPECT_EQ(s.cy, 60);
    EXPECT_EQ(Surface(h).At(5, 5), kRed);  // kept until repainted
    PumpMessages();
    const PngImage img = Surface(h);
    EXPECT_EQ(img.At(5, 5), kWhite);
    EXPECT_EQ(img.At(249, 59), kWhite);
    // A context taken before a resize keeps drawing safely while the surface is made anew.
    hdc = GetDC(h);
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
    HWND top = Top(30, 40, 160, 120, WS_POPUP | WS_VISIBLE, "FaceBrushed");
    HWND child = Child(top, 1, 20, 30, 60, 40, WS_CHILD | WS_VISIBLE, "WhiteBrushed");
    PaintRect(child, RECT{10, 10, 30, 20}, kBlue);
    const std::string path = testing::TempDir() + "paint_surface_snapshot.png";
    std::remove(path.c_str());
    ASSERT_TRUE(WriteWindowPng(top, path.c_str()));  // nothing pumped: the snapshot paints first
    PngImage img;
    ASSERT_TRUE(ReadPng(path.c_str(), img));
    EXPECT_EQ(img.width, 160);
    EXPECT_EQ(img.height, 120);
    EXPECT_EQ(Ref(img.At(5, 5)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(img.At(20, 30), kWhite);
    EXPECT_EQ(img.At(30, 40), kBlue);
    EXPECT_EQ(img.At(49, 49), kBlue);
    EXPECT_EQ(img.At(50, 40), kWhite);
    EXPECT_EQ(Ref(img.At(80, 30)), GetSysColor(COLOR_BTNFACE));

    // A child's snapshot is its own rectangle.
    const std::string childPath = testing::TempDir() + "paint_surface_child.png";
    ASSERT_TRUE(WriteWindowPng(child, childPath.c_str()));
    PngImage part;
    ASSERT_TRUE(ReadPng(childPath.c_str(), part));
    EXPECT_EQ(part.width, 60);
    EXPECT_EQ(part.height, 40);
    EXPECT_EQ(part.At(10, 10), kBlue);
    EXPECT_EQ(part.At(9, 10), kWhite);
    std::remove(childPath.c_str());
    std::remove(path.c_str());
}

}  // namespace
