// The caret: one per process, drawn by its owner at the end of each paint, nesting of hide and
// show, moves, and a caret that does not outlive its window (nor pass to a new one with an old
// handle).
#include "controls_test_support.h"

using namespace controls_test;

namespace {

// A window that paints white and then its caret.
LRESULT CaretOwnerProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m != WM_PAINT) return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    RECT rc;
    GetClientRect(h, &rc);
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    DrawCaret(h, hdc);
    EndPaint(h, &ps);
    return 0;
}

class Carets : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = CaretOwnerProc;
        wc.lpszClassName = "CaretOwner";
        ASSERT_NE(RegisterClass(&wc), 0);
        owner_ = Make("CaretOwner", "", 0, 1, 10, 10, 100, 30);
    }
    HWND owner_ = nullptr;
    const COLORREF white_ = GetSysColor(COLOR_WINDOW);
    const COLORREF black_ = white_ ^ 0x00FFFFFF;
};

TEST_F(Carets, ACaretShowsAfterShowCaretAndHidesWithNesting) {
    ASSERT_TRUE(CreateCaret(owner_, nullptr, 1, 16));
    ASSERT_TRUE(SetCaretPos(20, 5));
    EXPECT_EQ(PixelAt(owner_, 20, 10), white_) << "a new caret is hidden";
    EXPECT_TRUE(ShowCaret(owner_));
    EXPECT_EQ(PixelAt(owner_, 20, 10), black_);
    EXPECT_EQ(PixelAt(owner_, 21, 10), white_);
    EXPECT_EQ(PixelAt(owner_, 20, 20), black_);
    EXPECT_EQ(PixelAt(owner_, 20, 21), white_);
    HideCaret(owner_);
    HideCaret(owner_);
    ShowCaret(owner_);
    EXPECT_EQ(PixelAt(owner_, 20, 10), white_) << "one hide is still pending";
    ShowCaret(owner_);
    EXPECT_TRUE(IsCaretVisible(owner_));
    SetCaretPos(40, 5);
    EXPECT_EQ(PixelAt(owner_, 20, 10), white_);
    EXPECT_EQ(PixelAt(owner_, 40, 10), black_);
    POINT pt{};
    EXPECT_TRUE(GetCaretPos(&pt));
    EXPECT_EQ(pt.x, 40);
    EXPECT_FALSE(ShowCaret(parent_)) << "not its caret";
    EXPECT_TRUE(DestroyCaret());
    EXPECT_EQ(PixelAt(owner_, 40, 10), white_);
    EXPECT_FALSE(DestroyCaret());
}

TEST_F(Carets, ACaretDiesWithItsWindowAndNeverPassesToANewWindowWithTheSameHandle) {
    ASSERT_TRUE(CreateCaret(owner_, nullptr, 2, 10));
    ShowCaret(owner_);
    EXPECT_EQ(GetCaretWindow(), owner_);
    const HWND old = owner_;
    ResetWindowSystem();
    DeleteObject(font_);
    SetUp();  // the same handles come back
    ASSERT_EQ(owner_, old);
    EXPECT_FALSE(IsCaretVisible(owner_));
    EXPECT_EQ(GetCaretWindow(), nullptr);
    EXPECT_FALSE(SetCaretPos(1, 1));
    EXPECT_FALSE(CreateCaret(nullptr, nullptr, 1, 1));
}

}  // namespace
