// Static controls: text broken at words onto further lines or cut at the edge, prefix characters
// with and without SS_NOPREFIX, new text shown (compared exactly with a checked-in picture); the
// mouse going through to the parent unless SS_NOTIFY.
#include "support/reference_picture.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

class Statics : public ControlTest {};

TEST_F(Statics, TextWrapsOrIsCutPrefixesAreDrawnOnlyWithNoPrefixAndNewTextIsShown) {
    ASSERT_TRUE(MoveWindow(parent_, 100, 100, 140, 190, FALSE));
    const char* text = "When transition occurs, position computed from first encoder signals is stored";
    Make("STATIC", text, SS_LEFT, -1, 10, 10, 120, 60);
    Make("STATIC", text, SS_LEFTNOWORDWRAP, -1, 10, 80, 120, 30);
    Make("STATIC", "A&&B&&C", SS_LEFT, -1, 10, 120, 60, 20);
    Make("STATIC", "A&&B&&C", SS_LEFT | SS_NOPREFIX, -1, 70, 120, 60, 20);
    HWND s = Make("STATIC", "", SS_LEFT, -1, 10, 150, 100, 20);
    UpdateWindow(parent_);
    SetWindowText(s, "Bit3 - Reserved");
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/statics.png");
    EXPECT_EQ(SendMessage(s, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font_));
}

TEST_F(Statics, TheMouseGoesThroughAStaticUnlessItAsksToBeTold) {
    HWND mute = Make("STATIC", "text", SS_LEFT, 5, 10, 10, 100, 20);
    HWND told = Make("STATIC", "text", SS_LEFT | SS_NOTIFY, 6, 10, 40, 100, 20);
    Pump();
    EXPECT_EQ(SendMessage(mute, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    synthetic::Click(mute, POINT{5, 5});
    synthetic::Click(told, POINT{5, 5});
    Pump();
    EXPECT_TRUE(CodesFrom(5).empty());
    EXPECT_EQ(CodesFrom(6), std::vector<UINT>{STN_CLICKED});
}

}  // namespace
