// Pictures of the controls where the picture itself is what matters: the five images of the 3-D
// check box with their captions, and push buttons raised and pressed with the focus mark.
#include <gtest/gtest.h>

#include "check_box_fixture.h"
#include "grid/controls/push_button.h"
#include "support/reference_picture.h"

namespace {

using namespace control_test;

struct ControlPicturesTest : CheckBoxFixture {
    CDC dc;
};

TEST_F(ControlPicturesTest, FiveCheckBoxStates) {
    ASSERT_TRUE(dc.CreateImage(180, 110));
    dc.FillSolidRect(CRect(0, 0, 180, 110), RGB(255, 255, 255));
    Store(1, 1, CGXStyle().SetValue("0").SetChoicesList("Unchecked"));
    Store(2, 1, CGXStyle().SetValue("1").SetChoicesList("Checked"));
    Store(3, 1, CGXStyle().SetValue("0").SetChoicesList("Unchecked, pressed"));
    Store(4, 1, CGXStyle().SetValue("1").SetChoicesList("Checked, pressed"));
    Store(5, 1, CGXStyle().SetValue("").SetTriState(true).SetChoicesList("Indeterminate"));
    auto rowRect = [](ROWCOL nRow) { return CRect(5, 5 + 20 * (static_cast<int>(nRow) - 1), 175, 25 + 20 * (static_cast<int>(nRow) - 1)); };
    for (ROWCOL nRow : {1u, 2u, 5u}) DrawCell(pBox, dc, nRow, 1, rowRect(nRow));
    // The pressed ones are the current cell with the button held over the box.
    for (ROWCOL nRow : {3u, 4u}) {
        MakeCurrent(pBox, nRow, 1);
        pBox->OnLButtonDown(MK_LBUTTON, InBox(nRow, 1), kDown);
        DrawCell(pBox, dc, nRow, 1, rowRect(nRow));
    }
    ExpectMatchesReference(dc.GetSafeHdc(), "grid/controls/reference/check_box_states.png");
}

TEST_F(ControlPicturesTest, PushButtonsRaisedAndPressed) {
    auto* pPush = new CGXPushbutton(&grid);
    grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, pPush, false, true);
    Store(1, 2, CGXStyle().SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Details"), 2, 2);
    ASSERT_TRUE(dc.CreateImage(230, 34));
    dc.FillSolidRect(CRect(0, 0, 230, 34), RGB(255, 255, 255));
    // Left a button of a cell that is not current; right the current cell's, pressed.
    DrawCell(pPush, dc, 1, 2, CRect(5, 5, 110, 29));
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, grid.CalcCellRect(2, 2).CenterPoint(), kDown);
    ASSERT_TRUE(pPush->GetButton()->IsPressed());
    DrawCell(pPush, dc, 2, 2, CRect(120, 5, 225, 29));
    ExpectMatchesReference(dc.GetSafeHdc(), "grid/controls/reference/push_button_pressed.png");
}

}  // namespace
