// Dialog creation: items in template order with their ids, styles and font, WM_INITDIALOG after
// them with the focus on the first tab stop, custom controls by class name, failures that leave
// nothing behind, and the default procedure's results.
#include <algorithm>

#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

class Creation : public DialogTest {};

const DialogItem kItems[] = {
    TStatic(kNoId, "&Name:", 7, 7),
    TEdit(101, 70, 7),
    TButton(102, "Disabled", 7, 30, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON),
    TButton(IDOK, "OK", 7, 50, WS_TABSTOP | BS_DEFPUSHBUTTON),
    TButton(IDCANCEL, "Cancel", 70, 50, WS_TABSTOP | BS_PUSHBUTTON),
};

TEST_F(Creation, ItemsAreMadeInTemplateOrderThenTheDialogIsInitialised) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Sample", 0, 0, 140, 70}, kItems);
    HWND dlg = CreateDialogIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 1234);
    ASSERT_NE(dlg, nullptr);
    char cls[32];
    GetClassName(dlg, cls, sizeof cls);
    EXPECT_STREQ(cls, "#32770");
    // Children in z-order are the template's order, with their ids and texts.
    std::vector<int> ids;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ids.push_back(GetDlgCtrlID(c));
    EXPECT_EQ(ids, (std::vector<int>{kNoId, 101, 102, IDOK, IDCANCEL}));
    char text[32];
    GetWindowText(GetDlgItem(dlg, IDCANCEL), text, sizeof text);
    EXPECT_STREQ(text, "Cancel");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, 102)));
    // Each item got the dialog's font right after it was made; WM_INITDIALOG came after all of them.
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(dlg, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    size_t lastFont = 0, init = 0;
    for (size_t i = 0; i < Log().size(); ++i) {
        const Logged& e = Log()[i];
        if (e.msg == WM_SETFONT && e.hwnd != dlg) {
            EXPECT_EQ(reinterpret_cast<HFONT>(e.wParam), font);
            lastFont = i;
        }
        if (e.msg == WM_INITDIALOG) init = i;
    }
    EXPECT_EQ(Received(nullptr, WM_SETFONT).size(), 6u);  // the dialog and its five items
    EXPECT_GT(init, lastFont);
    const auto inits = Received(dlg, WM_INITDIALOG);
    ASSERT_EQ(inits.size(), 1u);
    EXPECT_EQ(inits[0].lParam, 1234);
    EXPECT_EQ(reinterpret_cast<HWND>(inits[0].wParam), GetDlgItem(dlg, 101));
    // The first tab stop has the focus, with its text selected; the dialog is not shown yet.
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 101));
    EXPECT_FALSE(Received(GetDlgItem(dlg, 101), EM_SETSEL).empty());
    EXPECT_FALSE(IsWindowVisible(dlg));
    // The default button is the template's.
    EXPECT_EQ(SendMessage(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    DestroyWindow(dlg);
    EXPECT_EQ(SendMessage(dlg, WM_GETFONT, 0, 0), 0);
}

TEST_F(Creation, AnInitDialogThatAnswersFalseKeepsItsOwnFocus) {
    CurrentDlgHandler() = [](HWND h, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m != WM_INITDIALOG) return FALSE;
        SetFocus(GetDlgItem(h, IDCANCEL));
        return FALSE;
    };
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Sample", 0, 0, 140, 70}, kItems);
    HWND dlg = Modeless(t);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDCANCEL));
    // Activation elsewhere and back returns the focus to where it was.
    HWND other = Owner();
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), GetDlgItem(dlg, IDCANCEL));
    SetActiveWindow(dlg);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDCANCEL));
}

TEST_F(Creation, ACustomControlIsMadeWhenItsClassIsRegisteredAndFailsTheDialogOtherwise) {
    const DialogItem items[] = {
        Control(5000, "GXWND", "InterruptGridWnd", 7, 7, 417, 210, WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
        TButton(IDOK, "OK", 124, 223, WS_TABSTOP | BS_DEFPUSHBUTTON),
    };
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Interrupt Settings", 0, 0, 431, 244}, items);
    EXPECT_EQ(CreateDialogIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0), nullptr);
    EXPECT_EQ(GetTopWindow(nullptr), nullptr);  // the half-made dialog is gone
    EXPECT_TRUE(Received(nullptr, WM_INITDIALOG).empty());
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "GXWND";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND dlg = CreateDialogIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0);
    ASSERT_NE(dlg, nullptr);
    HWND grid = GetDlgItem(dlg, 5000);
    ASSERT_NE(grid, nullptr);
    char text[32];
    GetWindowText(grid, text, sizeof text);
    EXPECT_STREQ(text, "InterruptGridWnd");
    const DWORD style = static_cast<DWORD>(GetWindowLongPtr(grid, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP), WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP);
}

TEST_F(Creation, TheDialogProcedureAnswersThroughTheMessageResult) {
    CurrentDlgHandler() = [](HWND h, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m == WM_USER + 7) {
            SetWindowLongPtr(h, DWLP_MSGRESULT, 4711);
            return TRUE;
        }
        if (m == WM_CTLCOLORDLG) return 99;  // answered directly
        return m == WM_INITDIALOG;
    };
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Sample", 0, 0, 140, 70}, kItems);
    HWND dlg = Modeless(t);
    EXPECT_EQ(SendMessage(dlg, WM_USER + 7, 0, 0), 4711);
    EXPECT_EQ(SendMessage(dlg, WM_CTLCOLORDLG, 0, 0), 99);
    EXPECT_EQ(SendMessage(dlg, WM_USER + 8, 0, 0), 0);
    // The default id moves, and the buttons' looks follow.
    SetFocus(GetDlgItem(dlg, 101));
    SendMessage(dlg, DM_SETDEFID, IDCANCEL, 0);
    EXPECT_EQ(SendMessage(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));
    EXPECT_EQ(Type(GetDlgItem(dlg, IDCANCEL)), BS_DEFPUSHBUTTON);
    EXPECT_EQ(Type(GetDlgItem(dlg, IDOK)), BS_PUSHBUTTON);
    // Closing asks for Cancel; the default procedure does not destroy the dialog itself.
    CurrentDlgHandler() = nullptr;
    SendMessage(dlg, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(dlg));
    PumpMessages();
    const auto commands = Received(dlg, WM_COMMAND);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(LOWORD(commands.back().wParam), IDCANCEL);
}

}  // namespace
