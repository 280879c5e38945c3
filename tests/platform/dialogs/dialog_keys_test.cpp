// The dialog manager's keys: tab order, arrows in groups (radio buttons move and check), Enter
// for the default or focused push button, Escape for Cancel, mnemonics, controls that ask for
// keys with WM_GETDLGCODE, and the default look following the focus.
#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

// The Capture dialog's layout: two groups of radio buttons interleaved, a separator, texts.
const DialogItem kCapture[] = {
    TButton(5001, "Generate capture interrupt on &first encoder index", 7, 7,
            WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON),
    TButton(5002, "Generate capture interrupt on &second encoder index", 7, 75, BS_AUTORADIOBUTTON),
    TButton(5003, "transition low -> high", 27, 22, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON),
    TButton(5004, "transition high -> low", 27, 37, BS_AUTORADIOBUTTON),
    TStatic(kNoId, "When transition occurs ...", 7, 50, WS_GROUP),
    TButton(5006, "transition low -> high", 27, 89, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON),
    TButton(5007, "transition high -> low", 27, 104, BS_AUTORADIOBUTTON),
    TEdit(5010, 100, 120),
    TButton(IDOK, "OK", 11, 141, WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON),
    TButton(IDCANCEL, "Cancel", 72, 141, WS_TABSTOP | BS_PUSHBUTTON),
    TButton(57671, "&Help", 133, 141, WS_TABSTOP | BS_PUSHBUTTON),
};

class Keys : public DialogTest {
protected:
    // The Capture dialog, modeless and shown.
    HWND Capture() {
        template_ = BuildDialogTemplate(DialogHeader{"Capture", 0, 0, 195, 162}, kCapture);
        return Modeless(template_);
    }
    std::vector<BYTE> template_;
    // The buttons clicked (the edit's focus notifications are not of interest).
    static std::vector<int> Commands(HWND dlg) {
        std::vector<int> ids;
        for (const Logged& e : Received(dlg, WM_COMMAND))
            if (HIWORD(e.wParam) == BN_CLICKED) ids.push_back(LOWORD(e.wParam));
        return ids;
    }
};

TEST_F(Keys, TabAndShiftTabFollowTheTabStopsAroundTheEnd) {
    HWND dlg = Capture();
    ASSERT_NE(dlg, nullptr);
    EnableWindow(GetDlgItem(dlg, 5006), FALSE);
    const auto focusId = [] { return GetDlgCtrlID(GetFocus()); };
    EXPECT_EQ(focusId(), 5001);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        Key(dlg, VK_TAB);
        order.push_back(focusId());
    }
    // The disabled 5006 and the items without a tab stop are skipped.
    EXPECT_EQ(order, (std::vector<int>{5003, 5010, IDOK, IDCANCEL, 57671, 5001}));
    Key(dlg, VK_TAB, true);
    EXPECT_EQ(focusId(), 57671);
    Key(dlg, VK_TAB, true);
    EXPECT_EQ(focusId(), IDCANCEL);
    // Tabbing into a radio group lands on its checked button.
    CheckRadioButton(dlg, 5003, 5004, 5004);
    SetFocus(GetDlgItem(dlg, 5001));
    Key(dlg, VK_TAB);
    EXPECT_EQ(focusId(), 5004);
    EXPECT_TRUE(Commands(dlg).empty());  // no key pressed a button
}

TEST_F(Keys, ArrowsMoveWithinTheGroupAndCheckRadioButtons) {
    HWND dlg = Capture();
    ASSERT_NE(dlg, nullptr);
    HWND first = GetDlgItem(dlg, 5001), second = GetDlgItem(dlg, 5002);
    ASSERT_EQ(GetFocus(), first);
    // 5002 stands below the separator but belongs to 5001's group.
    Key(dlg, VK_DOWN);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 5002), 1u);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 5001), 0u);
    EXPECT_EQ(Commands(dlg), (std::vector<int>{5002}));
    Key(dlg, VK_DOWN);  // around the group's end
    EXPECT_EQ(GetFocus(), first);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 5001), 1u);
    Key(dlg, VK_UP);
    EXPECT_EQ(GetFocus(), second);
    // The other groups are untouched.
    EXPECT_EQ(IsDlgButtonChecked(dlg, 5003), 0u);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, GetDlgItem(dlg, 5004), FALSE), GetDlgItem(dlg, 5003));
    EXPECT_EQ(GetNextDlgGroupItem(dlg, GetDlgItem(dlg, 5003), TRUE), GetDlgItem(dlg, 5004));
}

TEST_F(Keys, AControlThatAsksForKeysGetsThem) {
    HWND dlg = Capture();
    HWND edit = GetDlgItem(dlg, 5010);
    SetFocus(edit);
    Log().clear();
    Key(dlg, VK_LEFT);  // the edit wants arrows: it keeps the focus and sees the key
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Received(edit, WM_KEYDOWN).size(), 1u);
    synthetic::TypeText("h");  // and characters, even one that is a mnemonic elsewhere
    Pump(dlg);
    char text[8];
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "h");
    EXPECT_EQ(GetFocus(), edit);
    // The edit does not want Tab: the dialog moves on; the key never reaches the edit.
    Log().clear();
    Key(dlg, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDOK));
    EXPECT_TRUE(Received(edit, WM_KEYDOWN).empty());
    // A control that wants every key keeps Enter and Escape too.
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        Log().push_back({h, m, w, l});
        return m == WM_GETDLGCODE ? static_cast<LRESULT>(DLGC_WANTALLKEYS) : DefWindowProc(h, m, w, l);
    };
    wc.lpszClassName = "Greedy";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND greedy = CreateWindowEx(0, "Greedy", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10, dlg,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(77)), nullptr, nullptr);
    SetFocus(greedy);
    Log().clear();
    Key(dlg, VK_RETURN);
    Key(dlg, VK_ESCAPE);
    Key(dlg, VK_TAB);
    EXPECT_EQ(Received(greedy, WM_KEYDOWN).size(), 3u);
    EXPECT_TRUE(Commands(dlg).empty());
    EXPECT_EQ(GetFocus(), greedy);
}

TEST_F(Keys, EnterPressesTheDefaultOrTheFocusedPushButtonAndEscapeCancels) {
    HWND dlg = Capture();
    CurrentDlgHandler() = [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; };
    Key(dlg, VK_RETURN);  // focus on a radio button: the default button
    Key(dlg, VK_ESCAPE);
    EXPECT_EQ(Commands(dlg), (std::vector<int>{IDOK, IDCANCEL}));
    // On a push button Enter presses that button, which shows as the default meanwhile.
    Log().clear();
    SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, 57671)), TRUE);
    EXPECT_EQ(Type(GetDlgItem(dlg, 57671)), BS_DEFPUSHBUTTON);
    EXPECT_EQ(Type(GetDlgItem(dlg, IDOK)), BS_PUSHBUTTON);
    Key(dlg, VK_RETURN);
    EXPECT_EQ(Commands(dlg), (std::vector<int>{57671}));
    // Leaving the push buttons gives the look back to the dialog's default.
    Key(dlg, VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 5001);
    EXPECT_EQ(Type(GetDlgItem(dlg, 57671)), BS_PUSHBUTTON);
    EXPECT_EQ(Type(GetDlgItem(dlg, IDOK)), BS_DEFPUSHBUTTON);
    // A disabled default button is not pressed.
    Log().clear();
    EnableWindow(GetDlgItem(dlg, IDOK), FALSE);
    EnableWindow(GetDlgItem(dlg, IDCANCEL), FALSE);
    Key(dlg, VK_RETURN);
    Key(dlg, VK_ESCAPE);
    EXPECT_TRUE(Commands(dlg).empty());
}

TEST_F(Keys, MnemonicsFocusAndPressTheirItems) {
    HWND dlg = Capture();
    CurrentDlgHandler() = [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; };
    synthetic::KeyDown(VK_MENU);
    synthetic::KeyPress('S');
    synthetic::KeyUp(VK_MENU);
    Pump(dlg);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 5002);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 5002), 1u);
    synthetic::TypeText("h");  // on a button a plain letter serves too
    Pump(dlg);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 57671);
    EXPECT_EQ(Commands(dlg), (std::vector<int>{5002, 57671}));
    synthetic::TypeText("q");  // no item has it
    Pump(dlg);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 57671);
}

TEST_F(Keys, MessagesForOtherWindowsAreNotTheDialogs) {
    HWND dlg = Capture();
    HWND other = Owner();
    MSG msg{other, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessage(dlg, &msg));
    EXPECT_FALSE(IsDialogMessage(nullptr, &msg));
    EXPECT_FALSE(IsDialogMessage(dlg, nullptr));
    msg.hwnd = GetDlgItem(dlg, 5001);
    EXPECT_TRUE(IsDialogMessage(dlg, &msg));
    EXPECT_EQ(GetNextDlgTabItem(other, nullptr, FALSE), nullptr);
}

}  // namespace
