// The Capture and Limit Switch dialogs driven as a person would: clicks inside their modal loops.
// Their OK and Cancel through the editor are in editor_details_test.cpp.
#include "dialogs/capture_dlg.h"
#include "dialogs/limit_switch_dlg.h"
#include "dialogs/resource.h"
#include "details_fixture.h"

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

}  // namespace
