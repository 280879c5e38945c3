// Pictures of the controls where the picture itself is what matters: the five images of the 3-D
// check box with their captions, and push buttons raised and pressed with the focus mark.
#include "controls_fixture.h"
#include "support/reference_picture.h"

namespace {

using namespace control_test;

TEST_F(ControlsFixture, FiveCheckBoxStates) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(180, 110));
    image.FillSolidRect(CRect(0, 0, 180, 110), RGB(255, 255, 255));
    const char* captions[] = {"Unchecked", "Checked", "Unchecked, pressed", "Checked, pressed", "Indeterminate"};
    for (ROWCOL nRow = 1; nRow <= 5; ++nRow)
        Store(nRow, 1, CGXStyle().SetValue(nRow == 5 ? "" : nRow % 2 == 0 ? "1" : "0").SetTriState(true)
                           .SetChoicesList(captions[nRow - 1]));
    for (ROWCOL nRow = 1; nRow <= 5; ++nRow) {
        // The pressed ones are the current cell with the button held over the box.
        if (nRow == 3 || nRow == 4) {
            MakeCurrent(pBox, nRow, 1);
            pBox->OnLButtonDown(MK_LBUTTON, InBox(nRow), kDown);
        }
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, 1, &style);
        const int y = 5 + 20 * static_cast<int>(nRow - 1);
        pBox->Draw(&image, CRect(5, y, 175, y + 20), nRow, 1, style, grid.GetStandardStyle());
    }
    ExpectMatchesReference(image.GetSafeHdc(), "grid/controls/reference/check_box_states.png");
}

TEST_F(ControlsFixture, PushButtonsRaisedAndPressed) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(230, 34));
    image.FillSolidRect(CRect(0, 0, 230, 34), RGB(255, 255, 255));
    // Left the button of a cell that is not current; right the current cell's, pressed.
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, grid.CalcCellRect(2, 2).CenterPoint(), kDown);
    for (ROWCOL nRow : {1u, 2u}) {
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, 2, &style);
        const int x = nRow == 1 ? 5 : 120;
        pPush->Draw(&image, CRect(x, 5, x + 105, 29), nRow, 2, style, grid.GetStandardStyle());
    }
    ExpectMatchesReference(image.GetSafeHdc(), "grid/controls/reference/push_button_pressed.png");
}

}  // namespace
