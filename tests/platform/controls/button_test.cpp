// Buttons driven as a person drives them: clicks with press, drag out and back, Space, automatic
// check boxes and radio groups, the default-button style, BM_CLICK, dialog codes and fonts.
#include "controls_test_support.h"

using namespace controls_test;

namespace {

class Buttons : public ControlTest {};

constexpr POINT kIn{10, 8};

TEST_F(Buttons, DialogCodesSayWhatKindOfButtonItIs) {
    const struct {
        const char* cls;
        DWORD style;
        UINT code;
    } cases[] = {
        {"BUTTON", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {"BUTTON", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {"BUTTON", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {"BUTTON", BS_AUTOCHECKBOX, DLGC_BUTTON},
        {"BUTTON", BS_GROUPBOX, DLGC_STATIC},
        {"STATIC", SS_LEFT, DLGC_STATIC},
    };
    for (const auto& c : cases) {
        HWND h = Make(c.cls, "x", c.style, 1, 0, 0, 50, 14);
        EXPECT_EQ(SendMessage(h, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(c.code)) << c.cls << " " << c.style;
        DestroyWindow(h);
    }
}

TEST_F(Buttons, AClickPressesWhileHeldClicksOnReleaseAndNotWhenDraggedOut) {
    HWND b = Make("BUTTON", "Push", BS_PUSHBUTTON, 7, 20, 20, 60, 20);
    Pump();
    synthetic::MouseDown(b, kIn);
    Pump();
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(SendMessage(b, BM_GETSTATE, 0, 0) & (BST_PUSHED | BST_FOCUS), static_cast<LRESULT>(BST_PUSHED | BST_FOCUS));
    EXPECT_TRUE(CodesFrom(7).empty());
    synthetic::MouseUp(b, kIn);
    Pump();
    EXPECT_EQ(CodesFrom(7), std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    // Dragged out the press is released, and a release outside is no click; back in it presses again.
    Notifications().clear();
    AdvanceClock(GetDoubleClickTime());
    synthetic::MouseDown(b, kIn);
    Pump();
    synthetic::MouseMove(b, POINT{100, 8});  // outside, still captured
    Pump();
    EXPECT_EQ(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    synthetic::MouseUp(b, POINT{100, 8});
    Pump();
    EXPECT_TRUE(CodesFrom(7).empty()) << "a release outside is no click";
    synthetic::MouseDown(b, kIn);
    Pump();
    synthetic::MouseMove(b, POINT{-5, 8});
    Pump();
    synthetic::MouseMove(b, POINT{30, 10});
    Pump();
    EXPECT_NE(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    synthetic::MouseUp(b, POINT{30, 10});
    Pump();
    EXPECT_EQ(CodesFrom(7), std::vector<UINT>{BN_CLICKED});
}

TEST_F(Buttons, SpacePressesAndReleasesAndLosingTheFocusMeanwhileCancels) {
    HWND b = Make("BUTTON", "Push", BS_PUSHBUTTON, 7, 20, 20, 60, 20);
    HWND other = Make("BUTTON", "Other", BS_PUSHBUTTON, 8, 20, 50, 60, 20);
    SetFocus(b);
    synthetic::KeyDown(VK_SPACE);
    Pump();
    EXPECT_NE(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    synthetic::KeyUp(VK_SPACE);
    Pump();
    EXPECT_EQ(CodesFrom(7), std::vector<UINT>{BN_CLICKED});

    synthetic::KeyDown(VK_SPACE);
    Pump();
    SetFocus(other);
    EXPECT_EQ(SendMessage(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    SetFocus(b);
    synthetic::KeyUp(VK_SPACE);
    Pump();
    EXPECT_EQ(CodesFrom(7).size(), 1u) << "the press was cancelled by the focus change";
}

TEST_F(Buttons, AnAutomaticCheckBoxTogglesAndAPlainOneOnlyTells) {
    HWND autoBox = Make("BUTTON", "Auto", BS_AUTOCHECKBOX, 10, 10, 10, 100, 14);
    HWND plain = Make("BUTTON", "Plain", BS_CHECKBOX, 11, 10, 30, 100, 14);
    Pump();
    synthetic::Click(autoBox, POINT{5, 7});
    synthetic::Click(plain, POINT{5, 7});
    Pump();
    EXPECT_EQ(SendMessage(autoBox, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessage(plain, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(CodesFrom(10), std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(CodesFrom(11), std::vector<UINT>{BN_CLICKED});
    synthetic::Click(autoBox, POINT{40, 7});  // on the text
    Pump();
    EXPECT_EQ(SendMessage(autoBox, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    // A check box takes only unchecked and checked; a larger value is checked.
    SendMessage(autoBox, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessage(autoBox, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    HWND three = Make("BUTTON", "Three", BS_AUTO3STATE, 12, 10, 50, 100, 14);
    Pump();
    for (UINT expected : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        synthetic::Click(three, POINT{5, 7});
        Pump();
        EXPECT_EQ(SendMessage(three, BM_GETCHECK, 0, 0), static_cast<LRESULT>(expected));
    }
}

TEST_F(Buttons, AnAutomaticRadioButtonUnchecksTheOthersOfItsGroupOnly) {
    // Groups in template order, as a details dialog has them: each WS_GROUP starts one, and a
    // static that starts a group ends the radio group before it.
    HWND a1 = Make("BUTTON", "first", BS_AUTORADIOBUTTON | WS_GROUP, 1, 10, 10, 120, 12);
    HWND a2 = Make("BUTTON", "second", BS_AUTORADIOBUTTON, 2, 10, 90, 120, 12);
    HWND b1 = Make("BUTTON", "low", BS_AUTORADIOBUTTON | WS_GROUP, 3, 30, 30, 120, 12);
    HWND b2 = Make("BUTTON", "high", BS_AUTORADIOBUTTON, 4, 30, 50, 120, 12);
    HWND note = Make("STATIC", "note", SS_LEFT | WS_GROUP, 9, 10, 70, 120, 12);
    HWND c1 = Make("BUTTON", "other group", BS_AUTORADIOBUTTON | WS_GROUP, 5, 10, 110, 120, 12);
    ASSERT_TRUE(note);
    SendMessage(a2, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(b1, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(c1, BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    synthetic::Click(b2, POINT{5, 6});
    Pump();
    EXPECT_EQ(SendMessage(b2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessage(b1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(a2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED)) << "the group before";
    EXPECT_EQ(SendMessage(c1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED)) << "the group after";
    // The checked radio button is its group's tab stop.
    EXPECT_NE(GetWindowLong(b2, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(GetWindowLong(b1, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(CodesFrom(4), std::vector<UINT>{BN_CLICKED});

    // From the first member of a group as well as from its last.
    synthetic::Click(a1, POINT{5, 6});
    Pump();
    EXPECT_EQ(SendMessage(a1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessage(a2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(b2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    synthetic::Click(a2, POINT{5, 6});
    Pump();
    EXPECT_EQ(SendMessage(a1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    // Clicking the checked one again keeps it checked, and a disabled member is unchecked too.
    EnableWindow(a1, FALSE);
    SendMessage(a1, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(b1, BM_SETCHECK, BST_CHECKED, 0);  // the next group's first member is not in this one
    AdvanceClock(GetDoubleClickTime());  // or the second click would be a double click
    synthetic::Click(a2, POINT{5, 6});
    Pump();
    EXPECT_EQ(SendMessage(a2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessage(a1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(b1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
}

TEST_F(Buttons, ARadioButtonInsideAGroupBoxTakesTheClickThroughTheBoxesFrame) {
    // The group box comes first in the template, so it lies above the buttons it frames.
    HWND box = Make("BUTTON", "Generate limit switch interrupt on", BS_GROUPBOX, 20, 5, 5, 250, 120);
    HWND r1 = Make("BUTTON", "transition low -> high", BS_AUTORADIOBUTTON | WS_GROUP, 21, 30, 30, 150, 14);
    HWND r2 = Make("BUTTON", "transition high -> low", BS_AUTORADIOBUTTON, 22, 30, 50, 150, 14);
    Pump();
    synthetic::Click(r2, POINT{5, 7});
    Pump();
    EXPECT_EQ(SendMessage(r2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(GetFocus(), r2);
    EXPECT_EQ(CodesFrom(22), std::vector<UINT>{BN_CLICKED});
    EXPECT_TRUE(CodesFrom(20).empty());
    EXPECT_EQ(SendMessage(r1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    (void)box;
}

TEST_F(Buttons, SetStyleSwitchesBetweenPushAndDefaultAndRedrawsWhenAsked) {
    HWND b = Make("BUTTON", "OK", BS_PUSHBUTTON | WS_TABSTOP, 1, 20, 20, 75, 23);
    Pump();
    SendMessage(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    RECT rc;
    EXPECT_FALSE(GetUpdateRect(b, &rc, FALSE));
    EXPECT_EQ(SendMessage(b, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
    EXPECT_NE(GetWindowLong(b, GWL_STYLE) & WS_TABSTOP, 0) << "only the kind changes";
    InvalidateRect(b, nullptr, FALSE);
    EXPECT_EQ(PixelAt(b, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    SendMessage(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_TRUE(GetUpdateRect(b, &rc, FALSE));
    EXPECT_EQ(SendMessage(b, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON));
    EXPECT_EQ(PixelAt(b, 0, 0), GetSysColor(COLOR_3DHILIGHT)) << "no black frame any more";
}

TEST_F(Buttons, BmClickAndTheMouseClickOnlyEnabledButtonsAndDoubleClicksTellOrClickTwice) {
    HWND b = Make("BUTTON", "Push", BS_PUSHBUTTON, 7, 20, 20, 60, 20);
    HWND radio = Make("BUTTON", "R", BS_AUTORADIOBUTTON, 8, 20, 50, 60, 14);
    SendMessage(b, BM_CLICK, 0, 0);
    SendMessage(radio, BM_CLICK, 0, 0);
    EXPECT_EQ(CodesFrom(7), std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(SendMessage(radio, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EnableWindow(b, FALSE);
    SendMessage(b, BM_CLICK, 0, 0);
    synthetic::Click(b, kIn);
    Pump();
    EXPECT_EQ(CodesFrom(7).size(), 1u);
    // A double click on a radio button tells of it; on a push button it is a second click.
    HWND push = Make("BUTTON", "P", BS_PUSHBUTTON, 9, 20, 80, 60, 20);
    Pump();
    Notifications().clear();
    synthetic::DoubleClick(radio, POINT{5, 7});
    synthetic::DoubleClick(push, POINT{5, 7});
    Pump();
    EXPECT_EQ(CodesFrom(8), (std::vector<UINT>{BN_CLICKED, BN_DOUBLECLICKED}));
    EXPECT_EQ(CodesFrom(9), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(Buttons, FontsAreKeptAndAnsweredAndTextChangesRedraw) {
    HWND b = Make("BUTTON", "Push", BS_PUSHBUTTON, 7, 20, 20, 60, 20);
    EXPECT_EQ(SendMessage(b, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font_));
    SendMessage(b, WM_SETFONT, 0, TRUE);
    EXPECT_EQ(SendMessage(b, WM_GETFONT, 0, 0), 0);
    Pump();
    SetWindowText(b, "Details");
    RECT rc;
    EXPECT_TRUE(GetUpdateRect(b, &rc, FALSE));
    char text[16];
    GetWindowText(b, text, sizeof text);
    EXPECT_STREQ(text, "Details");
}

}  // namespace
