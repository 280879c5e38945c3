// Modal dialogs on the modal loop with the script hook: EndDialog's result, the owner disabled
// while the dialog runs and enabled after, ending from WM_INITDIALOG, dialogs that cannot run.
#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

class Modal : public DialogTest {};

const DialogItem kItems[] = {
    TEdit(101, 7, 7),
    TButton(IDOK, "OK", 7, 30, WS_TABSTOP | BS_DEFPUSHBUTTON),
    TButton(IDCANCEL, "Cancel", 70, 30, WS_TABSTOP | BS_PUSHBUTTON),
    TButton(103, "Other", 7, 50, WS_TABSTOP | BS_PUSHBUTTON),
};

TEST_F(Modal, EndDialogGivesTheResultAndTheOwnerIsDisabledMeanwhile) {
    HWND owner = Owner();
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 140, 70}, kItems);
    CurrentDlgHandler() = [](HWND h, UINT m, WPARAM w, LPARAM) -> INT_PTR {
        if (m == WM_COMMAND && LOWORD(w) == 103) EndDialog(h, 77);
        return m == WM_INITDIALOG;
    };
    HWND seen = nullptr;
    bool ownerDisabled = false, shown = false;
    ModalScript script;
    script.Then([&](HWND dlg) {
        seen = dlg;
        ownerDisabled = !IsWindowEnabled(owner);
        shown = IsWindowVisible(dlg) != FALSE;
        EXPECT_EQ(GetActiveWindow(), dlg);
        synthetic::ClickDlgItem(dlg, 103);
    });
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), owner, TestDlgProc, 0), 77);
    EXPECT_EQ(script.Ran(), 1);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(seen));  // destroyed when its loop ended
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetModalLoopDepth(), 0);
}

TEST_F(Modal, KeysReachTheDialogManagerInsideTheLoop) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 140, 70}, kItems);
    ModalScript script;
    script.Then([](HWND) { synthetic::TypeText("12"); })
        .Then([](HWND dlg) {
            char text[16];
            GetDlgItemText(dlg, 101, text, sizeof text);
            EXPECT_STREQ(text, "12");
            synthetic::KeyPress(VK_ESCAPE);
        });
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0), IDCANCEL);
    script.Then([](HWND) { synthetic::KeyPress(VK_RETURN); });
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0), IDOK);
}

TEST_F(Modal, EndingFromInitDialogNeverShowsTheDialog) {
    HWND owner = Owner();
    CurrentDlgHandler() = [](HWND h, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m == WM_INITDIALOG) EndDialog(h, 5);
        if (m == WM_SHOWWINDOW) ADD_FAILURE() << "shown";
        return FALSE;
    };
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 140, 70}, kItems);
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), owner, TestDlgProc, 0), 5);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetTopWindow(nullptr), owner);
}

TEST_F(Modal, ADialogThatCannotRunAnswersMinusOne) {
    const DialogItem bad[] = {Control(1, "NoSuchClass", "", 0, 0, 10, 10, 0)};
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 40, 40}, bad);
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0), -1);
    EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(999), nullptr, TestDlgProc, 0), -1);
    // Nothing ends it: the loop gives up instead of hanging.
    const std::vector<BYTE> ok = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 140, 70}, kItems);
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(ok), nullptr, TestDlgProc, 0), -1);
    EXPECT_EQ(GetTopWindow(nullptr), nullptr);
    EXPECT_FALSE(EndDialog(nullptr, 1));
}

TEST_F(Modal, NestedDialogsRunTheirStepsInTheirOwnLoops) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Modal", 0, 0, 140, 70}, kItems);
    INT_PTR inner = 0;
    HWND outerDlg = nullptr;
    CurrentDlgHandler() = [&](HWND h, UINT m, WPARAM w, LPARAM) -> INT_PTR {
        if (m == WM_COMMAND && LOWORD(w) == 103) {
            inner = DialogBoxIndirectParam(nullptr, AsTemplate(t), h, TestDlgProc, 0);
            return TRUE;
        }
        if (m == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) EndDialog(h, LOWORD(w));
        return m == WM_INITDIALOG;
    };
    ModalScript script;
    script.Then([&](HWND dlg) { outerDlg = dlg, synthetic::ClickDlgItem(dlg, 103); })
        .Then([&](HWND dlg) {
            EXPECT_NE(dlg, outerDlg);
            EXPECT_FALSE(IsWindowEnabled(outerDlg));
            EXPECT_EQ(GetModalLoopDepth(), 2);
            synthetic::ClickDlgItem(dlg, IDCANCEL);
        })
        .Then([&](HWND dlg) {
            EXPECT_EQ(dlg, outerDlg);
            EXPECT_TRUE(IsWindowEnabled(outerDlg));
            synthetic::ClickDlgItem(dlg, IDOK);
        });
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0), IDOK);
    EXPECT_EQ(inner, IDCANCEL);
    EXPECT_EQ(script.Remaining(), 0u);
}

}  // namespace
