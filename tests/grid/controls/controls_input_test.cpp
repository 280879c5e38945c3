// Check boxes under the mouse and the space bar through the synthetic-input path, so that the
// grid's own button sequences and keys reach the control: one toggle per click, a press that
// leaves the box and comes back, a double click, the space bar on the current cell. What a push
// button makes of the same sequences is the push button test's.
#include "controls_fixture.h"
#include "platform/win/synthetic_input.h"

namespace {

using namespace control_test;

TEST_F(ControlsFixture, ACheckBoxTogglesOncePerClickAndShowsPressedOnlyOverItsBox) {
    Store(2, 1, CGXStyle().SetValue("0"));
    PumpMessages();
    synthetic::Click(grid.GetSafeHwnd(), InBox(2));
    PumpMessages();
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_EQ(grid.clicks.size(), 1u);
    synthetic::MouseDown(grid.GetSafeHwnd(), InBox(4));
    PumpMessages();
    EXPECT_TRUE(pBox->IsPressed());
    EXPECT_STREQ(Value(4, 1), "");
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(4) + CPoint(1, 1));
    PumpMessages();
    EXPECT_TRUE(pBox->IsPressed()) << "move over the box keeps it pressed";
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(2));
    PumpMessages();
    EXPECT_FALSE(pBox->IsPressed());
    synthetic::MouseMove(grid.GetSafeHwnd(), InBox(4));
    PumpMessages();
    EXPECT_TRUE(pBox->IsPressed()) << "back over the box";
    synthetic::MouseUp(grid.GetSafeHwnd(), InBox(4));
    PumpMessages();
    EXPECT_STREQ(Value(4, 1), "1");
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_EQ(grid.clicks.size(), 2u);
    synthetic::KeyPress(VK_SPACE);
    PumpMessages();
    EXPECT_STREQ(Value(4, 1), "0");
    synthetic::DoubleClick(grid.GetSafeHwnd(), InBox(3));
    PumpMessages();
    EXPECT_STREQ(Value(3, 1), "0") << "double click toggles twice";
    EXPECT_EQ(grid.clicks.size(), 5u);
}

}  // namespace
