// The drop-down list combo box driven by clicks and keys: the items and their messages, opening
// by click, Alt+Down and F4, choosing with the mouse (click or press-drag-release) and the keys,
// cancelling with Escape, a click elsewhere or the focus leaving, the notifications and their
// order, the closed box's keys, the list's scroll bar, the dialog code, and the look.
#include "controls_test_support.h"
#include "support/reference_picture.h"

using namespace controls_test;

namespace {

constexpr int kId = 5005;

class Combos : public ControlTest {
protected:
    HWND Units(DWORD extra = WS_VSCROLL, int droppedHeight = 108) {
        HWND c = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP | extra, kId, 150, 20, 70, droppedHeight);
        for (const char* u : {"ms", "s", "min"}) SendMessage(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u));
        SendMessage(c, CB_SETCURSEL, 0, 0);
        Pump();
        Notifications().clear();
        return c;
    }
    static int Cur(HWND c) { return static_cast<int>(SendMessage(c, CB_GETCURSEL, 0, 0)); }
    static bool Dropped(HWND c) { return SendMessage(c, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    static POINT Middle(HWND h) {
        RECT rc;
        GetClientRect(h, &rc);
        return POINT{rc.right / 2, rc.bottom / 2};
    }
    // The open list holds the capture.
    static HWND List() {
        HWND l = GetCapture();
        char name[32] = {};
        if (l) GetClassName(l, name, sizeof name);
        EXPECT_STREQ(name, COMBOLBOX_CLASS);
        return l;
    }
    // The middle of item i in the open list.
    static POINT ItemPoint(HWND list, int i) {
        RECT rc{};
        SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
};

TEST_F(Combos, TheFieldIsOneLineHighRemembersTheDroppedHeightAndWantsKeysOnlyWhenOpen) {
    HWND c = Units();
    RECT wr, dropped;
    GetWindowRect(c, &wr);
    const int item = static_cast<int>(SendMessage(c, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GT(item, 10);
    EXPECT_EQ(wr.bottom - wr.top, item + 6);
    SendMessage(c, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 108);
    EXPECT_EQ(SendMessage(c, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_WANTCHARS | DLGC_WANTARROWS));
    // Only the open list wants Enter and Escape from the dialog.
    MSG enter{c, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(SendMessage(c, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTMESSAGE, 0);
    SetFocus(c);
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_NE(SendMessage(c, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTMESSAGE, 0);
}

TEST_F(Combos, ItemsAreAddedInsertedDeletedFoundAndCarryData) {
    HWND c = Units();
    EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessage(c, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("us")), 0);
    EXPECT_EQ(Cur(c), 1) << "the selection stays on its item";
    EXPECT_EQ(SendMessage(c, CB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("x")), CB_ERR);
    char text[16];
    EXPECT_EQ(SendMessage(c, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "min");
    EXPECT_EQ(SendMessage(c, CB_GETLBTEXTLEN, 2, 0), 1);
    EXPECT_EQ(SendMessage(c, CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("MIN")), 3);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("m")), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("m")), 1);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRING, 1, reinterpret_cast<LPARAM>("m")), 3) << "searching after an item";
    EXPECT_EQ(SendMessage(c, CB_FINDSTRING, 3, reinterpret_cast<LPARAM>("m")), 1) << "round to the start";
    EXPECT_EQ(SendMessage(c, CB_SETITEMDATA, 2, 1000), CB_OKAY);
    EXPECT_EQ(SendMessage(c, CB_GETITEMDATA, 2, 0), 1000);
    EXPECT_EQ(SendMessage(c, CB_GETITEMDATA, 7, 0), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("mi")), 3);
    char shown[16];
    GetWindowText(c, shown, sizeof shown);
    EXPECT_STREQ(shown, "min");
    EXPECT_EQ(SendMessage(c, CB_DELETESTRING, 3, 0), 3);
    EXPECT_EQ(Cur(c), CB_ERR) << "the selected item went";
    EXPECT_EQ(SendMessage(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("S")), TRUE);
    EXPECT_EQ(Cur(c), 2);
    EXPECT_EQ(SendMessage(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hours")), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_SETCURSEL, 5, 0), CB_ERR);
    EXPECT_EQ(Cur(c), CB_ERR);
    SendMessage(c, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(Notifications().empty()) << "messages of the program tell nothing";

    HWND sorted = Make("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_SORT, 7, 10, 10, 60, 100);
    for (const char* u : {"s", "min", "ms"}) SendMessage(sorted, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u));
    SendMessage(sorted, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "min");
    SendMessage(sorted, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "s");
}

TEST_F(Combos, AClickOpensTheListBelowAndAClickOnAnItemChoosesIt) {
    HWND c = Units();
    synthetic::Click(c, Middle(c));
    Pump();
    ASSERT_TRUE(Dropped(c));
    EXPECT_EQ(GetFocus(), c);
    HWND list = List();
    ASSERT_TRUE(list);
    EXPECT_TRUE(IsWindowVisible(list));
    RECT cr, lr;
    GetWindowRect(c, &cr);
    GetWindowRect(list, &lr);
    EXPECT_EQ(lr.top, cr.bottom);
    EXPECT_EQ(lr.left, cr.left);
    EXPECT_EQ(lr.right, cr.right);
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(GetActiveWindow(), parent_) << "the list does not take the activation";
    synthetic::Click(list, ItemPoint(list, 2));
    Pump();
    EXPECT_FALSE(Dropped(c));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(Cur(c), 2);
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Combos, PressOnTheFieldDragIntoTheListAndReleaseChoosesInOneGesture) {
    HWND c = Units();
    synthetic::MouseDown(c, Middle(c));
    Pump();
    HWND list = List();
    ASSERT_TRUE(list);
    synthetic::MouseMove(list, ItemPoint(list, 0));
    Pump();
    synthetic::MouseMove(list, ItemPoint(list, 1));
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1) << "the highlight follows the mouse";
    EXPECT_EQ(Cur(c), 0) << "the selection waits for the choice";
    synthetic::MouseUp(list, ItemPoint(list, 1));
    Pump();
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Cur(c), 1);
    // A press and release on the field alone leaves the list open.
    AdvanceClock(GetDoubleClickTime());
    synthetic::Click(c, Middle(c));
    Pump();
    EXPECT_TRUE(Dropped(c));
}

TEST_F(Combos, EscapeCancelsBackToTheSelectionTheListOpenedWith) {
    HWND c = Units();
    SetFocus(c);
    Notifications().clear();
    Press(VK_DOWN, VK_MENU);
    ASSERT_TRUE(Dropped(c));
    Press(VK_DOWN);
    EXPECT_EQ(Cur(c), 1) << "keys move the selection in the open list";
    Press(VK_ESCAPE);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Cur(c), 0);
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(Combos, EnterAndF4AcceptTheHighlightedItem) {
    HWND c = Units();
    SetFocus(c);
    Notifications().clear();
    Press(VK_F4);
    ASSERT_TRUE(Dropped(c));
    Press(VK_END);
    Press(VK_RETURN);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Cur(c), 2);
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    Notifications().clear();
    Press(VK_F4);
    Press(VK_HOME);
    Press(VK_F4);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Cur(c), 0);
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(Combos, KeysOnTheClosedBoxChangeTheSelectionAndTellIt) {
    HWND c = Units();
    SetFocus(c);
    Notifications().clear();
    Press(VK_UP);
    EXPECT_TRUE(Notifications().empty()) << "already at the first item";
    Press(VK_DOWN);
    EXPECT_EQ(Cur(c), 1);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_SELCHANGE, CBN_SELENDOK}));
    Press(VK_END);
    EXPECT_EQ(Cur(c), 2);
    Press(VK_HOME);
    EXPECT_EQ(Cur(c), 0);
    // Letters jump to the next item with that first letter, round and round.
    synthetic::TypeText("m");
    PumpMessages();
    EXPECT_EQ(Cur(c), 2);
    synthetic::TypeText("M");
    PumpMessages();
    EXPECT_EQ(Cur(c), 0);
    synthetic::TypeText("q");
    PumpMessages();
    EXPECT_EQ(Cur(c), 0);
}

TEST_F(Combos, AClickElsewhereOrTheFocusLeavingClosesWithoutAChoice) {
    HWND c = Units();
    HWND other = Make("BUTTON", "OK", BS_PUSHBUTTON, 1, 10, 10, 50, 14);
    synthetic::Click(c, Middle(c));
    Pump();
    HWND list = List();
    synthetic::MouseMove(list, ItemPoint(list, 2));
    Pump();
    Notifications().clear();
    synthetic::Click(parent_, POINT{20, 250});
    Pump();
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Cur(c), 0);
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_TRUE(CodesFrom(1).empty()) << "the click that closes the list does nothing else";

    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(Dropped(c));
    Notifications().clear();
    SetFocus(other);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

TEST_F(Combos, ALongListScrollsAndKeepsTheHighlightInView) {
    HWND c = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, kId, 150, 20, 70, 80);
    for (int i = 0; i < 20; ++i) {
        const std::string s = "item " + std::to_string(i);
        SendMessage(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
    SetFocus(c);
    Press(VK_F4);
    HWND list = List();
    ASSERT_TRUE(list);
    EXPECT_NE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL, 0) << "more items than rows: a scroll bar";
    EXPECT_EQ(GetWindowLong(c, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0) << "the closed field shows no scroll bar";
    RECT rc;
    GetClientRect(list, &rc);
    const int rows = rc.bottom / static_cast<int>(SendMessage(c, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(rows, 2);
    EXPECT_LT(rows, 20);
    for (int i = 0; i < rows + 2; ++i) Press(VK_DOWN);
    EXPECT_EQ(Cur(c), rows + 1);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 2);
    // The scroll bar's lower arrow scrolls one line and leaves the list open.
    RECT wr;
    GetWindowRect(list, &wr);
    POINT client{wr.right - 3, wr.bottom - 3};
    ScreenToClient(list, &client);
    synthetic::Click(list, client);
    Pump();
    EXPECT_TRUE(Dropped(c));
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 3);
    EXPECT_EQ(GetCapture(), list);
    // The highlighted item shows in the highlight colour; the border is black.
    RECT item{};
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(Cur(c)), reinterpret_cast<LPARAM>(&item));
    HDC surface = GetWindowSurfaceDC(list);
    EXPECT_EQ(GetPixel(surface, 1 + item.right - 3, 1 + item.top + 1), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPixel(surface, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    Press(VK_ESCAPE);
    EXPECT_EQ(Cur(c), -1) << "back to no selection";
}

TEST_F(Combos, AFewItemsGetAListJustTheirHeightAndNoScrollBar) {
    HWND c = Units(WS_VSCROLL, 300);
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = List();
    ASSERT_TRUE(list);
    RECT rc;
    GetClientRect(list, &rc);
    EXPECT_EQ(rc.bottom, 3 * SendMessage(c, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL, 0);
}

// Pictures: the sunken edge, the highlighted selection, the raised button with its black arrow;
// disabled, no highlight and the arrow grey.
TEST_F(Combos, TheClosedFieldShowsTheSelectionAndTheDropButton) {
    ASSERT_TRUE(MoveWindow(parent_, 100, 100, 240, 50, FALSE));
    HWND c = Units();
    SetFocus(c);
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/combo_closed.png");
    EnableWindow(c, FALSE);
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/combo_disabled.png");
    // A disabled box does not open.
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_FALSE(Dropped(c));
}

TEST_F(Combos, DestroyingTheDialogWithTheListOpenLeavesNothingBehind) {
    HWND c = Units();
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = List();
    ASSERT_TRUE(list);
    DestroyWindow(parent_);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
