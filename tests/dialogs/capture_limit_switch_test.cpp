// The Capture and Limit Switch dialogs driven as a person would: clicks inside their modal loops.
#include "dialogs/capture_dlg.h"
#include "dialogs/limit_switch_dlg.h"
#include "dialogs/resource.h"
#include "details_fixture.h"
#include "interrupts/drives.h"
#include "interrupts/internal_data.h"

namespace {

using CaptureDialog = DetailsDialogTest;

// Fills the dialog from a block the way the editor does.
void FillFromBlock(CCaptureDlg& dlg, const CInternalData& block) {
    dlg.m_bIndexPresent = block.IsIndexPresent();
    dlg.m_bIndex2Present = block.IsIndex2Present();
    dlg.m_CaptureType = block.CaptureType;
    dlg.m_Capture = block.Capture;
}

TEST_F(CaptureDialog, OnlyTheSecondIndexInputOpensWithItSelected) {
    const CMC_Setup setup = MakeDrive({"Capture"}, 0, 0, 0, 1, 0, false);
    CMC_Motion motion(m_module);
    CInternalData block(setup, motion);
    CString error;
    ASSERT_TRUE(block.ReadParameters("CaptureType=1;Capture=1;", error)) << error;
    CCaptureDlg dlg(motion.GetCurrentModule(), nullptr);
    FillFromBlock(dlg, block);

    ModalScript script;
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(WindowText(hDlg), "Capture");
        EXPECT_FALSE(IsEnabled(hDlg, IDC_CAPTURE_INDEX));
        EXPECT_TRUE(IsEnabled(hDlg, IDC_CAPTURE_INDEX2));
        EXPECT_TRUE(IsEnabled(hDlg, IDC_INDEX2_TEXT));
        EXPECT_FALSE(IsChecked(hDlg, IDC_CAPTURE_INDEX));
        EXPECT_TRUE(IsChecked(hDlg, IDC_CAPTURE_INDEX2));
        // Only the second input's edges are available, showing the block's edge.
        EXPECT_FALSE(IsEnabled(hDlg, IDC_INDEX_RISING));
        EXPECT_FALSE(IsEnabled(hDlg, IDC_INDEX_FALLING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_INDEX_FALLING));
        EXPECT_TRUE(IsEnabled(hDlg, IDC_INDEX2_FALLING));
        EXPECT_TRUE(IsChecked(hDlg, IDC_INDEX2_FALLING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_INDEX2_RISING));
        // A click on the disabled first input does nothing.
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_TRUE(IsChecked(hDlg, IDC_CAPTURE_INDEX2));
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
        EXPECT_TRUE(IsChecked(hDlg, IDC_INDEX_RISING));
        EXPECT_FALSE(IsEnabled(hDlg, IDC_INDEX2_RISING));
        synthetic::ClickDlgItem(hDlg, IDC_INDEX_FALLING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(dlg.m_Capture, 1);  // stored at once, without reloading
        EXPECT_TRUE(IsChecked(hDlg, IDC_INDEX_FALLING));
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX2);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_TRUE(IsChecked(hDlg, IDC_CAPTURE_INDEX2));
        EXPECT_FALSE(IsChecked(hDlg, IDC_CAPTURE_INDEX));
        EXPECT_FALSE(IsEnabled(hDlg, IDC_INDEX_FALLING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_INDEX_FALLING));
        EXPECT_TRUE(IsChecked(hDlg, IDC_INDEX2_FALLING));
        synthetic::ClickDlgItem(hDlg, IDC_INDEX2_RISING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_EQ(dlg.m_Capture, 0);
        synthetic::ClickDlgItem(hDlg, IDC_CAPTURE_INDEX);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_TRUE(IsChecked(hDlg, IDC_INDEX_RISING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_INDEX2_RISING));
        synthetic::ClickDlgItem(hDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_CaptureType, 1);
    EXPECT_EQ(dlg.m_Capture, 0);
}

TEST_F(CaptureDialog, CancelEndsWithIdCancel) {
    CCaptureDlg dlg(m_module, nullptr);
    dlg.m_bIndexPresent = dlg.m_bIndex2Present = true;
    dlg.m_CaptureType = 1;
    ModalScript script;
    script.Then([](HWND hDlg) { synthetic::KeyPress(VK_ESCAPE); (void)hDlg; });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
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
        EXPECT_TRUE(IsChecked(hDlg, IDC_LIMIT_FALLING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_LIMIT_RISING));
        synthetic::ClickDlgItem(hDlg, IDC_LIMIT_RISING);
    });
    script.Then([&](HWND hDlg) {
        EXPECT_TRUE(IsChecked(hDlg, IDC_LIMIT_RISING));
        EXPECT_FALSE(IsChecked(hDlg, IDC_LIMIT_FALLING));
        EXPECT_EQ(dlg.m_Edge, 1);  // read only on OK
        synthetic::KeyPress(VK_RETURN);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_Edge, 0);
}

TEST_F(LimitSwitchDialog, CancelKeepsTheEdge) {
    CLimitSwitchDlg dlg(m_module, nullptr);
    dlg.m_Edge = 0;
    ModalScript script;
    script.Then([](HWND hDlg) { synthetic::ClickDlgItem(hDlg, IDC_LIMIT_FALLING); });
    script.Then([](HWND hDlg) { synthetic::ClickDlgItem(hDlg, IDCANCEL); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_Edge, 0);
}

}  // namespace
