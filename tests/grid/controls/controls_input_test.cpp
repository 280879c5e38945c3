// Check boxes and push buttons under the mouse and the space bar, through the
// synthetic-input path and the grid's own button sequences: one toggle per
// click, a press that leaves the box and comes back, a double click, a button
// pressed by the space bar.
#include "controls_fixture.h"
#include "platform/win/synthetic_input.h"
namespace {
using namespace control_test;
struct ControlsInputTest : ControlsFixture {
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
};
TEST_F(ControlsInputTest, ACheckBoxTogglesOncePerClickAndShowsPressedOnlyOverItsBox) {
    Store(2, 1, CGXStyle().SetValue("0"));
    Pump();
    synthetic::Click(grid.GetSafeHwnd(), InBox(2));
    Pump();
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_EQ(grid.clicks.size(), 1u);
    synthetic::MouseDown(grid.GetSafeHwnd(), InBox(4));
    Pump();
    EXPECT_TRUE(pBox->IsPressed());
    EXPECT_STREQ(Value(4, 1), "");
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(4) + CPoint(1, 1));
    Pump();
    EXPECT_TRUE(pBox->IsPressed()) << "move over the box keeps it pressed";
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(2));
    Pump();
    EXPECT_FALSE(pBox->IsPressed());
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(4));
    Pump();
    EXPECT_TRUE(pBox->IsPressed()) << "back over the box";
    synthetic::MouseUp(grid.GetSafeHwnd(), InBox(4));
    Pump();
    EXPECT_STREQ(Value(4, 1), "1");
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_EQ(grid.clicks.size(), 2u);
    synthetic::KeyPress(VK_SPACE);
    Pump();
    EXPECT_STREQ(Value(4, 1), "0");
    synthetic::DoubleClick(grid.GetSafeHwnd(), InBox(3));
    Pump();
    EXPECT_STREQ(Value(3, 1), "0") << "double click toggles twice";
    EXPECT_EQ(grid.clicks.size(), 5u);
}
TEST_F(ControlsInputTest, APushButtonReportsOneClickPerPressAndRelease) {
    Pump();
    synthetic::Click(grid.GetSafeHwnd(), grid.CalcCellRect(2, 2).CenterPoint());
    Pump();
    EXPECT_EQ(grid.clicks, (Clicks{{2, 2}}));
    synthetic::KeyPress(VK_SPACE);
    Pump();
    EXPECT_EQ(grid.clicks.size(), 2u);
    synthetic::MouseDown(grid.GetSafeHwnd(), grid.CalcCellRect(3, 2).CenterPoint());
    Pump();
    synthetic::MouseMove(grid.GetSafeHwnd(), grid.CalcCellRect(4, 2).CenterPoint());
    Pump();
    synthetic::MouseUp(grid.GetSafeHwnd(), grid.CalcCellRect(4, 2).CenterPoint());
    Pump();
    EXPECT_EQ(grid.clicks.size(), 2u);
}
}  // namespace
