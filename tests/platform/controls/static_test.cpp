// Static controls: text broken at words onto further lines, prefix characters with and without
// SS_NOPREFIX, the mouse going through to the parent unless SS_NOTIFY, text changes redrawn.
#include "controls_test_support.h"

using namespace controls_test;

namespace {

class Statics : public ControlTest {
protected:
    // The rows and the rightmost column holding dark (text) pixels.
    struct Ink {
        int lastRow = -1;
        int lastColumn = -1;
    };
    Ink InkOf(HWND h) {
        RECT rc;
        GetClientRect(h, &rc);
        Ink ink;
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x) {
                const COLORREF c = PixelAt(h, x, y);
                if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) {
                    ink.lastRow = std::max(ink.lastRow, y);
                    ink.lastColumn = std::max(ink.lastColumn, x);
                }
            }
        return ink;
    }
    int LineHeight() {
        HDC hdc = GetDC(parent_);
        SelectObject(hdc, font_);
        TEXTMETRIC tm{};
        GetTextMetrics(hdc, &tm);
        ReleaseDC(parent_, hdc);
        return tm.tmHeight;
    }
};

TEST_F(Statics, LeftTextBreaksAtWordsOntoTheNextLines) {
    const char* text = "When transition occurs, position computed from first encoder signals is stored";
    HWND wrapped = Make("STATIC", text, SS_LEFT, -1, 10, 10, 120, 60);
    HWND single = Make("STATIC", text, SS_LEFTNOWORDWRAP, -1, 10, 80, 120, 60);
    const int line = LineHeight();
    EXPECT_GE(InkOf(wrapped).lastRow, 2 * line) << "at least three lines";
    EXPECT_LT(InkOf(single).lastRow, line);
    EXPECT_GE(InkOf(single).lastColumn, 115) << "one line, cut at the edge";
}

TEST_F(Statics, PrefixCharactersAreDrawnOnlyWithNoPrefix) {
    HWND prefixed = Make("STATIC", "A&&B&&C", SS_LEFT, -1, 10, 10, 150, 20);
    HWND plain = Make("STATIC", "A&&B&&C", SS_LEFT | SS_NOPREFIX, -1, 10, 40, 150, 20);
    EXPECT_GT(InkOf(plain).lastColumn, InkOf(prefixed).lastColumn) << "four ampersands drawn instead of two";
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

TEST_F(Statics, NewTextIsShownAndTheFontAnswered) {
    HWND s = Make("STATIC", "", SS_LEFT, -1, 10, 10, 100, 20);
    EXPECT_EQ(InkOf(s).lastRow, -1);
    SetWindowText(s, "Bit3 - Reserved");
    EXPECT_GE(InkOf(s).lastRow, 0);
    EXPECT_EQ(SendMessage(s, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font_));
}

}  // namespace
