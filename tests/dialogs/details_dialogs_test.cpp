// The three details dialogs driven as a person would, inside their modal loops: the Capture and
// Limit Switch dialogs' choices, and the Time dialog's period shown in its unit, typed, converted to
// other units, refused when it does not read, and written into the block only on OK. Their OK and
// Cancel through the editor are in editor_dialog_test.cpp.
#include "dialogs/capture_dlg.h"
#include "dialogs/limit_switch_dlg.h"
#include "dialogs/resource.h"
#include "dialogs/time_dlg.h"
#include "details_fixture.h"
#include "interrupts/drives.h"

namespace {

class CaptureDialog : public DetailsDialogTest {
protected:
    // The two inputs, then the first input's rising and falling edges, then the second's.
    static std::string State(HWND hDlg) {
        return Buttons(hDlg, {IDC_CAPTURE_INDEX, IDC_CAPTURE_INDEX2, IDC_INDEX_RISING, IDC_INDEX_FALLING,
                              IDC_INDEX2_RISING, IDC_INDEX2_FALLING});
    }
};

// The block corrects the capture type to the one input the drive has (the block's tests); the
// dialog opens with that input selected and the other greyed.
TEST_F(CaptureDialog, OnlyTheSecondIndexInputOpensWithItSelected) {
    CCaptureDlg dlg(m_module, nullptr);
    dlg.m_bIndexPresent = false;
    dlg.m_bIndex2Present = true;
    dlg.m_CaptureType = 2;
    dlg.m_Capture = 1;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(State(hDlg), "-0 1 -0 -0 0 1");
        EXPECT_TRUE(IsEnabled(hDlg, IDC_INDEX2_TEXT));
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX);  // disabled: does nothing
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(State(hDlg), "-0 1 -0 -0 0 1");
        synthetic::ClickDlgItem(hDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_CaptureType, 2);
    EXPECT_EQ(dlg.m_Capture, 1);
}

TEST_F(CaptureDialog, SwitchingTheInputKeepsTheEdge) {
    CCaptureDlg dlg(m_module, nullptr);
    dlg.m_bIndexPresent = dlg.m_bIndex2Present = true;
    dlg.m_CaptureType = 1;
    dlg.m_Capture = 0;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(State(hDlg), "1 0 1 0 -0 -0");
        synthetic::ClickDlgItem(hDlg, IDC_INDEX_FALLING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(dlg.m_Capture, 1);  // stored at once, without reloading
        EXPECT_EQ(State(hDlg), "1 0 0 1 -0 -0");
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX2);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(State(hDlg), "0 1 -0 -0 0 1");
        synthetic::ClickDlgItem(hDlg, IDC_INDEX2_RISING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(dlg.m_Capture, 0);
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(State(hDlg), "1 0 1 0 -0 -0");
        synthetic::ClickDlgItem(hDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_CaptureType, 1);
    EXPECT_EQ(dlg.m_Capture, 0);
}

TEST_F(CaptureDialog, AModuleWithoutTheTemplateFailsToOpen) {
    CModuleRegistration empty("NoTemplates");
    CCaptureDlg dlg(empty, nullptr);
    EXPECT_EQ(dlg.m_hDialogTemplate, nullptr);
    EXPECT_EQ(dlg.m_lpszTemplateName, nullptr);
    EXPECT_EQ(dlg.DoModal(), -1);
}

using LimitSwitchDialog = DetailsDialogTest;

TEST_F(LimitSwitchDialog, CaptionIsTheTitleAndTheEdgeGoesBothWays) {
    CLimitSwitchDlg dlg(m_module, nullptr);
    dlg.m_strTitle = "Limit Switch Negative";
    dlg.m_Edge = 1;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(WindowText(hDlg), "Limit Switch Negative");
        EXPECT_EQ(Buttons(hDlg, {IDC_LIMIT_RISING, IDC_LIMIT_FALLING}), "0 1");
        synthetic::ClickDlgItem(hDlg, IDC_LIMIT_RISING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(Buttons(hDlg, {IDC_LIMIT_RISING, IDC_LIMIT_FALLING}), "1 0");
        EXPECT_EQ(dlg.m_Edge, 1);  // read only on OK
        synthetic::KeyPress(VK_RETURN);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_Edge, 0);
}

// ---- the Time dialog ------------------------------------------------------------------------------

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
        SetFocus(GetDlgItem(hDlg, IDC_PERIOD_UNIT));  // ms -> ticks at once, the list closed
        synthetic::KeyPress(VK_DOWN);
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
