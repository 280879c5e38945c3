// The Time dialog: the period shown in its unit, typed, converted to other units, refused when it
// does not read, and written into the block only on OK.
#include "dialogs/resource.h"
#include "dialogs/time_dlg.h"
#include "details_fixture.h"
#include "interrupts/drives.h"

namespace {

class TimeDialog : public DetailsDialogTest {
protected:
    // A 0.25 ms tick; the default period is 4 ticks shown in ms.
    const CMC_Setup m_setup = MakeDrive({"Time"}, 0, 0, 0, 0, 0, true);
    CMC_Motion m_motion{m_module};
    CInternalData m_block{m_setup, m_motion};
    CString m_text;

    static void SetValue(HWND hDlg, const char* text) {
        SetDlgItemTextA(hDlg, IDC_PERIOD_VALUE, text);
    }
    // Opens the unit list and accepts the unit nDown entries further down.
    static void ChooseUnit(HWND hDlg, int nDown) {
        synthetic::ClickDlgItem(hDlg, IDC_PERIOD_UNIT);
        for (int i = 0; i < nDown; ++i) synthetic::KeyPress(VK_DOWN);
        synthetic::KeyPress(VK_RETURN);
    }
    static std::string SelectedUnit(HWND hDlg) {
        const LRESULT sel = SendDlgItemMessageA(hDlg, IDC_PERIOD_UNIT, CB_GETCURSEL, 0, 0);
        char text[64] = {};
        if (sel >= 0) SendDlgItemMessageA(hDlg, IDC_PERIOD_UNIT, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(TimeDialog, ShowsThePeriodConvertsTheTypedValueToAnotherUnitAndWritesItOnOK) {
    CTimeDlg dlg(m_block, m_text, nullptr);
    ModalScript script;
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(WindowText(hDlg), "Time");
        EXPECT_EQ(ItemText(hDlg, IDC_PERIOD_VALUE), "1");
        EXPECT_EQ(SelectedUnit(hDlg), "ms");
        EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_PERIOD_UNIT, CB_GETCOUNT, 0, 0), 3);
        SetValue(hDlg, "2.5");  // 2.5 ms = 10 ticks
        ChooseUnit(hDlg, 1);    // ms -> ticks
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(SelectedUnit(hDlg), "ticks");
        EXPECT_EQ(ItemText(hDlg, IDC_PERIOD_VALUE), "10");
        EXPECT_EQ(m_block.Period.GetTicks(), 4);  // nothing reaches the block before OK
        ChooseUnit(hDlg, 0);                      // accepting the same unit changes nothing
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_PERIOD_VALUE), "10");
        synthetic::ClickDlgItem(hDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_block.Period.GetTicks(), 10);
    EXPECT_EQ(m_block.Period.GetSelectedUnit(), CString("ticks"));
    // The kernel base wrote the block (with the period it had when OK was pressed) into the text.
    EXPECT_NE(m_text.Find("KRXINTPER="), -1) << static_cast<const char*>(m_text);
}

// Help shows a message and keeps the dialog open. A value that does not read refuses a unit change;
// one that does not read, is too long or too short is refused by OK. Each refusal keeps the focus
// in the edit box, and neither the values nor the unit chosen before reach the block on Cancel.
TEST_F(TimeDialog, HelpAndRefusedValuesKeepTheDialogOpenAndReachNothingOnCancel) {
    CTimeDlg dlg(m_block, m_text, nullptr);
    const CMC_Parameter before = m_block.Period;
    std::string said;
    HWND hTime = nullptr;
    ModalScript script;
    auto answer = [&](HWND hMessage) {  // inside the message box
        EXPECT_NE(hMessage, hTime);
        said += ChildTexts(hMessage);
        synthetic::KeyPress(VK_RETURN);
    };
    script.Then([&](HWND hDlg) {
        hTime = hDlg;
        synthetic::ClickDlgItem(hDlg, 57671);
    });
    script.Then(answer);
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(hDlg, hTime);
        SetValue(hDlg, "1..2");
        ChooseUnit(hDlg, 1);  // ms -> ticks
    });
    script.Then(answer);
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(SelectedUnit(hDlg), "ms");
        EXPECT_EQ(ItemText(hDlg, IDC_PERIOD_VALUE), "1..2");
        EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_PERIOD_VALUE));
        SetValue(hDlg, "1");
        ChooseUnit(hDlg, 1);
    });
    for (const char* value : {"fast", "99999", "0"}) {  // beyond 65535 ticks, below one tick
        script.Then([&, value](HWND hDlg) {
            EXPECT_EQ(hDlg, hTime);
            if (std::string(value) != "fast") {
                EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_PERIOD_VALUE)) << value;
            }
            SetValue(hDlg, value);
            synthetic::ClickDlgItem(hDlg, IDOK);
        });
        script.Then(answer);
    }
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_PERIOD_VALUE));
        synthetic::ClickDlgItem(hDlg, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_NE(said.find("fast"), std::string::npos) << said;
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_TRUE(m_block.Period == before);
    EXPECT_TRUE(m_text.IsEmpty());
}

}  // namespace
