// The framework's control classes: creation as children, and each wrapper reaching its control
// (created by the class or taken over from a dialog with SubclassDlgItem).
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

TEST_F(FrameworkControls, AButtonCreatedByTheClassChecksAndClicks) {
    CButton radio;
    ASSERT_TRUE(radio.Create("transition low -> high", WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 10, 160, 24},
                             Parent(), 5003));
    EXPECT_EQ(::GetParent(radio.m_hWnd), parent_);
    EXPECT_EQ(radio.GetDlgCtrlID(), 5003);
    EXPECT_EQ(radio.GetCheck(), BST_UNCHECKED);
    radio.SetCheck(BST_CHECKED);
    EXPECT_EQ(radio.GetCheck(), BST_CHECKED);
    EXPECT_EQ(radio.GetButtonStyle(), BS_AUTORADIOBUTTON);
    radio.Click();
    EXPECT_EQ(CodesFrom(5003), std::vector<UINT>{BN_CLICKED});
    radio.SetState(TRUE);
    EXPECT_NE(radio.GetState() & BST_PUSHED, 0u);
}

TEST_F(FrameworkControls, ADialogsButtonTakenOverKeepsItsBehaviour) {
    HWND ok = Make("BUTTON", "OK", BS_PUSHBUTTON, IDOK, 10, 10, 75, 23);
    CButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDOK, Parent()));
    button.SetButtonStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessage(ok, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
    Pump();
    synthetic::Click(ok, POINT{5, 5});
    Pump();
    EXPECT_EQ(CodesFrom(IDOK), std::vector<UINT>{BN_CLICKED});
    button.UnsubclassWindow();
}

TEST_F(FrameworkControls, AStaticCreatedByTheClassShowsItsText) {
    CStatic text;
    ASSERT_TRUE(text.Create("Generate time interrupt every", WS_VISIBLE | SS_LEFT, RECT{10, 10, 200, 24}, Parent()));
    CString s;
    text.GetWindowText(s);
    EXPECT_STREQ(static_cast<const char*>(s), "Generate time interrupt every");
    EXPECT_EQ(text.GetDlgCtrlID(), 0xFFFF);
}

TEST_F(FrameworkControls, AnEditCreatedByTheClassSelectsReplacesAndLimits) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 90, 32}, Parent(), 5004));
    edit.SetWindowText("100");
    edit.SetSel(0, -1);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 3)));
    edit.ReplaceSel("25");
    CString s;
    edit.GetWindowText(s);
    EXPECT_STREQ(static_cast<const char*>(s), "25");
    edit.LimitText(4);
    EXPECT_EQ(edit.GetLimitText(), 4u);
    char line[8] = {};
    EXPECT_EQ(edit.GetLine(0, line, sizeof line), 2);
    EXPECT_EQ(std::string(line, 2), "25");
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
    edit.SetSel(0, 1);
    edit.Cut();
    edit.SetSel(1, 1);
    edit.Paste();
    edit.GetWindowText(s);
    EXPECT_STREQ(static_cast<const char*>(s), "52");
}

TEST_F(FrameworkControls, AComboBoxCreatedByTheClassHoldsItemsAndTheSelection) {
    CComboBox units;
    ASSERT_TRUE(units.Create(WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, RECT{10, 10, 60, 118}, Parent(), 5005));
    EXPECT_EQ(units.AddString("ms"), 0);
    EXPECT_EQ(units.AddString("s"), 1);
    EXPECT_EQ(units.InsertString(0, "us"), 0);
    EXPECT_EQ(units.GetCount(), 3);
    EXPECT_EQ(units.GetCurSel(), CB_ERR);
    EXPECT_EQ(units.SetCurSel(2), 2);
    CString text;
    units.GetLBText(units.GetCurSel(), text);
    EXPECT_STREQ(static_cast<const char*>(text), "s");
    units.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(units.GetLBTextLen(1), 2);
    EXPECT_EQ(units.FindStringExact(-1, "MS"), 1);
    EXPECT_EQ(units.SelectString(-1, "u"), 0);
    units.SetItemData(1, 1000);
    EXPECT_EQ(units.GetItemData(1), 1000u);
    EXPECT_EQ(units.DeleteString(0), 2);
    units.ShowDropDown();
    EXPECT_TRUE(units.GetDroppedState());
    units.ShowDropDown(FALSE);
    EXPECT_FALSE(units.GetDroppedState());
    RECT dropped;
    units.GetDroppedControlRect(&dropped);
    EXPECT_EQ(dropped.bottom - dropped.top, 108);
    units.ResetContent();
    EXPECT_EQ(units.GetCount(), 0);
}

}  // namespace
