// The framework's control classes where they do more than forward one message: the edit and combo
// box wrappers unpack what their messages answer. Taking over a dialog's item is the message map
// tests' case; creation and the one-message wrappers are left to the control tests.
#include "controls_test_support.h"
#include "platform/framework/controls.h"

using namespace controls_test;

namespace {

class FrameworkControls : public ControlTest {
protected:
    CWnd* Parent() { return CWnd::FromHandle(parent_); }
    void TearDown() override {
        ControlTest::TearDown();
        CWnd::DeleteTempMap();
    }
};

TEST_F(FrameworkControls, TheEditsSelectionAndLineAreUnpacked) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 90, 32}, Parent(), 5004));
    edit.SetWindowText("1000");
    edit.SetSel(1, -1);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 4));
    edit.SetSel(MAKELONG(0, 2));
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 2)));
    // The line is cut to the buffer given; a buffer too small for its size word gets nothing.
    char line[8] = {};
    EXPECT_EQ(edit.GetLine(0, line, 3), 3);
    EXPECT_EQ(std::string(line, 3), "100");
    EXPECT_EQ(edit.GetLine(0, line, 1), 0);
}

TEST_F(FrameworkControls, AComboBoxItemTextComesAsAStringOrEmptyForABadIndex) {
    CComboBox units;
    ASSERT_TRUE(units.Create(WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, RECT{10, 10, 60, 118}, Parent(), 5005));
    units.AddString("ms");
    units.AddString("min");
    CString text("stale");
    units.GetLBText(1, text);
    EXPECT_STREQ(static_cast<const char*>(text), "min");
    EXPECT_EQ(text.GetLength(), 3);
    units.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
