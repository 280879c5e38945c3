// The classic look of a panel of controls, compared exactly with a checked-in picture (the dialog
// face is a one-bit strike): the default button's black frame and raised edge, the focus rectangle,
// a checked radio button's dot and ring, a check mark, the group box's etched line broken by its
// text, the black separator, disabled text embossed; below, buttons and a check box pressed in.
#include "support/reference_picture.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

class ClassicLook : public ControlTest {};

TEST_F(ClassicLook, APanelOfControlsAndPressedOnesShowTheClassicPixels) {
    ASSERT_TRUE(MoveWindow(parent_, 100, 100, 265, 220, FALSE));
    HWND ok = Make("BUTTON", "OK", BS_DEFPUSHBUTTON, 1, 10, 10, 75, 23);
    Make("BUTTON", "Cancel", BS_PUSHBUTTON, 2, 95, 10, 75, 23);
    Make("BUTTON", "Help", BS_PUSHBUTTON | WS_DISABLED, 3, 180, 10, 75, 23);
    Make("BUTTON", "Generate on", BS_GROUPBOX, 4, 10, 45, 200, 70);
    HWND radio = Make("BUTTON", "transition low -> high", BS_AUTORADIOBUTTON | WS_GROUP, 5, 20, 65, 150, 13);
    HWND check = Make("BUTTON", "Enable", BS_AUTOCHECKBOX, 6, 20, 90, 150, 13);
    Make("STATIC", "", SS_BLACKRECT, 7, 10, 125, 200, 1);
    Make("STATIC", "Disabled text", SS_LEFT | WS_DISABLED, 8, 10, 135, 150, 16);
    SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(ok);
    for (HWND pressed : {Make("BUTTON", "OK", BS_DEFPUSHBUTTON, 11, 10, 160, 75, 23),
                         Make("BUTTON", "Cancel", BS_PUSHBUTTON, 12, 95, 160, 75, 23),
                         Make("BUTTON", "Enable", BS_AUTOCHECKBOX, 13, 180, 165, 70, 13)})
        SendMessage(pressed, BM_SETSTATE, TRUE, 0);
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/classic_look.png");
}

}  // namespace
