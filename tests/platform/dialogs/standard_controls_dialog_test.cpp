// Dialogs of the standard controls, as the details dialogs are made: data exchange through a real
// edit, and a snapshot of a sample dialog against a checked-in picture. The keys' way through
// radio groups is the dialog manager's, tried with stand-in controls in the keys' tests.
#include <string>

#include "dialog_test_support.h"
#include "platform/framework/dialog.h"
#include "platform/win/controls.h"
#include "platform/win/png_writer.h"
#include "platform/win/window_surface.h"
#include "support/reference_picture.h"

using namespace dialog_test;

namespace {

const DialogItem kLimitSwitch[] = {
    GroupBox(kNoId, "Generate limit switch interrupt on", 7, 7, 172, 80),
    AutoRadioButton(5003, "transition low -> high", 27, 22, 80, 10, WS_GROUP | WS_TABSTOP),
    AutoRadioButton(5004, "transition high -> low", 27, 37, 80, 10),
    LText(kNoId,
          "When transition occurs, position computed from first encoder signals is stored in variable CAPPOS and "
          "position computed from second encoder signals is stored in variable CAPPOS2.",
          14, 50, 159, 34),
    DefPushButton(IDOK, "OK", 9, 90, 50, 14, WS_GROUP | WS_TABSTOP),
    PushButton(IDCANCEL, "Cancel", 68, 90, 50, 14),
    PushButton(57671, "Help", 127, 90, 50, 14),
};

const DialogItem kTime[] = {
    LText(kNoId, "Generate time interrupt every", 7, 10, 92, 8),
    EditText(5004, 104, 7, 46, 14, WS_TABSTOP | ES_AUTOHSCROLL),
    DefPushButton(IDOK, "OK", 12, 26, 50, 14, WS_GROUP | WS_TABSTOP),
    PushButton(IDCANCEL, "Cancel", 74, 26, 50, 14),
    PushButton(57671, "Help", 136, 26, 50, 14),
};

class CPeriodDlg : public CDialog {
public:
    CPeriodDlg() { InitModalIndirect(AsTemplate(m_bytes)); }
    std::vector<BYTE> m_bytes = BuildDialogTemplate(DialogHeader{"Time", 0, 0, 199, 47}, kTime);
    int m_nPeriod = 250;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 5004, m_nPeriod); }
};

class StandardControls : public DialogTest {};

int FocusId() { return GetDlgCtrlID(GetFocus()); }

TEST_F(StandardControls, ARefusedNumberIsSelectedForTheUserToRetype) {
    CPeriodDlg dlg;
    std::string boxText;
    ModalScript script;
    script.Then([&](HWND h) {
        EXPECT_EQ(FocusId(), 5004);
        char text[16];
        GetDlgItemText(h, 5004, text, sizeof text);
        EXPECT_STREQ(text, "250");
        synthetic::TypeText("12x");  // the selected text is replaced
        synthetic::KeyPress(VK_RETURN);
    });
    script.Then([&](HWND box) {
        char text[128];
        GetDlgItemText(box, kNoId, text, sizeof text);
        boxText = text;
        synthetic::KeyPress(VK_RETURN);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(FocusId(), 5004);
        DWORD start = 0, end = 0;
        SendDlgItemMessage(h, 5004, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
        EXPECT_EQ(dlg.m_nPeriod, 250);
        synthetic::TypeText("34\n");
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(boxText, kDdxParseInt);
    EXPECT_EQ(dlg.m_nPeriod, 34);
}

TEST_F(StandardControls, TheLimitSwitchDialogLooksAsItsReference) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Limit Switch", 0, 0, 186, 111}, kLimitSwitch);
    HWND dlg = CreateDialogIndirectParam(nullptr, AsTemplate(t), nullptr, TestDlgProc, 0);
    ASSERT_NE(dlg, nullptr);
    CheckRadioButton(dlg, 5003, 5004, 5003);
    ShowWindow(dlg, SW_SHOW);
    UpdateWindow(dlg);
    RECT rc;
    GetClientRect(dlg, &rc);
    EXPECT_EQ(rc.right, 279);   // 186 units of 6-pixel letters
    EXPECT_EQ(rc.bottom, 180);  // 111 units of 13-pixel lines
    // The client area as the screen shows it.
    HDC out = CreateImageDC(rc.right, rc.bottom);
    HDC src = GetDC(dlg);
    BitBlt(out, 0, 0, rc.right, rc.bottom, src, 0, 0, SRCCOPY);
    ReleaseDC(dlg, src);
    ExpectMatchesReference(out, "platform/dialogs/reference/limit_switch.png");
    DeleteDC(out);
}

}  // namespace
