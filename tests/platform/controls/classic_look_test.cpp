// The classic look, checked at chosen pixels of a rendered panel of controls: the default
// button's black frame and raised edge, the focus rectangle, a checked radio button's dot and
// ring, a check mark, the group box's etched line broken by its text, the black separator and
// disabled text embossed. The whole panel is also kept as a PNG for a person to look at.
#include <cstdlib>
#include <set>

#include "controls_test_support.h"

using namespace controls_test;

namespace {

class ClassicLook : public ControlTest {
protected:
    // Colours found in a rectangle of a control's window.
    std::set<COLORREF> ColoursIn(HWND h, RECT rc) {
        std::set<COLORREF> out;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) out.insert(PixelAt(h, x, y));
        return out;
    }
};

RECT Inflated(RECT r, int d) { return RECT{r.left - d, r.top - d, r.right + d, r.bottom + d}; }

// The classic scheme's colours.
const COLORREF kFace = GetSysColor(COLOR_3DFACE), kShadow = GetSysColor(COLOR_3DSHADOW),
               kDark = GetSysColor(COLOR_3DDKSHADOW), kWhite = GetSysColor(COLOR_3DHILIGHT),
               kLight = GetSysColor(COLOR_3DLIGHT), kBlack = GetSysColor(COLOR_WINDOWFRAME);

// Text is drawn with grey levels at its edges: these tell its colours apart.
bool AnyNear(const std::set<COLORREF>& colours, COLORREF target, int tolerance) {
    for (COLORREF c : colours)
        if (std::abs(GetRValue(c) - GetRValue(target)) <= tolerance && std::abs(GetGValue(c) - GetGValue(target)) <= tolerance &&
            std::abs(GetBValue(c) - GetBValue(target)) <= tolerance)
            return true;
    return false;
}
bool AnyDarkerThan(const std::set<COLORREF>& colours, int level) {
    for (COLORREF c : colours)
        if (GetRValue(c) < level && GetGValue(c) < level && GetBValue(c) < level) return true;
    return false;
}
COLORREF Inverted(COLORREF c) { return c ^ 0x00FFFFFF; }

TEST_F(ClassicLook, APanelOfControlsShowsTheClassicPixels) {
    HWND ok = Make("BUTTON", "OK", BS_DEFPUSHBUTTON, 1, 10, 10, 75, 23);
    HWND cancel = Make("BUTTON", "Cancel", BS_PUSHBUTTON, 2, 95, 10, 75, 23);
    HWND off = Make("BUTTON", "Help", BS_PUSHBUTTON | WS_DISABLED, 3, 180, 10, 75, 23);
    HWND group = Make("BUTTON", "Generate on", BS_GROUPBOX, 4, 10, 45, 200, 70);
    HWND radio = Make("BUTTON", "transition low -> high", BS_AUTORADIOBUTTON | WS_GROUP, 5, 20, 65, 150, 13);
    HWND check = Make("BUTTON", "Enable", BS_AUTOCHECKBOX, 6, 20, 90, 150, 13);
    HWND line = Make("STATIC", "", SS_BLACKRECT, 7, 10, 125, 200, 1);
    HWND grey = Make("STATIC", "Disabled text", SS_LEFT | WS_DISABLED, 8, 10, 135, 150, 16);
    SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(ok);
    ASSERT_TRUE(WriteWindowPng(parent_, PicturePath("classic_controls.png").c_str()));

    // The default button: black frame, then the raised edge (white at the top left, black and
    // shadow at the bottom right), face inside; the focus rectangle dotted 4 pixels in. A plain
    // push button has no frame: its edge starts at the border.
    ExpectPixels(ok, {{0, 0, kBlack}, {74, 22, kBlack}, {1, 1, kWhite}, {73, 21, kDark}, {72, 20, kShadow},
                      {5, 10, kFace}});
    EXPECT_EQ(ColoursIn(ok, RECT{4, 4, 71, 5}), (std::set<COLORREF>{Inverted(kFace), kFace})) << "dotted focus line";
    ExpectPixels(cancel, {{0, 0, kWhite}, {74, 22, kDark}, {73, 21, kShadow}});
    // The checked radio button: shadow ring at the top, highlight at the bottom, a black dot with
    // its corners cut. The check box: sunken edge, white inside, the mark's lowest pixel.
    ExpectPixels(radio, {{5, 0, kShadow}, {5, 1, kDark}, {5, 10, kLight}, {5, 11, kWhite}, {3, 3, kWhite},
                         {5, 5, kBlack}, {4, 4, kWhite}});
    ExpectPixels(check, {{0, 0, kShadow}, {1, 1, kDark}, {12, 12, kWhite}, {3, 3, kWhite}, {5, 9, kBlack}});

    // The group box: its etched top line (shadow over highlight) runs through the middle of the
    // text, and is broken where the text stands.
    TEXTMETRIC tm{};
    HDC hdc = GetDC(group);
    SelectObject(hdc, font_);
    GetTextMetrics(hdc, &tm);
    ReleaseDC(group, hdc);
    const int mid = tm.tmHeight / 2;
    // The line stops before the text; inside, the parent shows.
    ExpectPixels(group, {{3, mid, kShadow}, {3, mid + 1, kWhite}, {190, mid, kShadow}, {5, mid, kShadow},
                         {6, mid, kFace}, {7, mid + 1, kFace}, {100, 40, kFace}});
    // The separator is one black line.
    ExpectPixels(line, {{0, 0, kBlack}, {199, 0, kBlack}});

    // Disabled text is embossed: a highlight and a shadow copy, nothing as dark as text.
    for (HWND h : {grey, off}) {
        RECT rc;
        GetClientRect(h, &rc);
        const std::set<COLORREF> colours = ColoursIn(h, Inflated(rc, -3));
        EXPECT_TRUE(AnyNear(colours, kWhite, 8)) << "highlight copy";
        EXPECT_TRUE(AnyNear(colours, kShadow, 8)) << "shadow copy";
        EXPECT_FALSE(AnyDarkerThan(colours, 100)) << "no dark text";
    }
    // Enabled text is dark.
    RECT rc;
    GetClientRect(cancel, &rc);
    EXPECT_TRUE(AnyDarkerThan(ColoursIn(cancel, Inflated(rc, -3)), 40));
}

TEST_F(ClassicLook, PressedButtonsAndBoxesShowPressedIn) {
    HWND def = Make("BUTTON", "OK", BS_DEFPUSHBUTTON, 1, 10, 10, 75, 23);
    HWND push = Make("BUTTON", "Cancel", BS_PUSHBUTTON, 2, 95, 10, 75, 23);
    HWND check = Make("BUTTON", "Enable", BS_AUTOCHECKBOX, 3, 20, 50, 150, 13);
    SendMessage(def, BM_SETSTATE, TRUE, 0);
    SendMessage(push, BM_SETSTATE, TRUE, 0);
    SendMessage(check, BM_SETSTATE, TRUE, 0);
    ASSERT_TRUE(WriteWindowPng(parent_, PicturePath("classic_pressed.png").c_str()));
    // The default button pressed: black frame, a flat shadow frame inside it; a plain button pressed
    // shows the sunken edge, dark at the top left; a pressed check box is grey inside.
    ExpectPixels(def, {{0, 0, kBlack}, {1, 1, kShadow}, {73, 21, kShadow}, {2, 2, kFace}});
    ExpectPixels(push, {{0, 0, kDark}, {74, 22, kWhite}});
    ExpectPixels(check, {{3, 3, kFace}});
}

}  // namespace
