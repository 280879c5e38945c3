// The dialogs the editor's "Details" buttons open: each one's change reaches the item on OK and
// none on Cancel; the Software Protections dialog's own rows.
#include <functional>

#include "editor_fixture.h"

namespace {

struct DetailsCase {
    ROWCOL row;  // the interrupt's row on the default drive
    const char* caption;
    std::function<void(HWND)> change;  // what a person changes in the dialog
    const char* changed;               // the item's text after OK in both dialogs
};

const DetailsCase kDetails[] = {
    {4, "Software Protections", [](HWND h) { EditorTest::Click(h, 7, 2); },
     "SetupInterrupt=0;Unmask=0x00000001;SwProtUnmask=0x00000008;LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;"},
    {5, "Capture", [](HWND h) { synthetic::ClickDlgItem(h, IDC_INDEX_FALLING); },
     "SetupInterrupt=0;Unmask=0x00000002;LSP=0;LSN=0;Capture=1;CaptureType=1;KRXINTPER=1 ms;"},
    {6, "Limit Switch Positive", [](HWND h) { synthetic::ClickDlgItem(h, IDC_LIMIT_FALLING); },
     "SetupInterrupt=0;Unmask=0x00000004;LSP=1;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;"},
    {7, "Limit Switch Negative", [](HWND h) { synthetic::ClickDlgItem(h, IDC_LIMIT_FALLING); },
     "SetupInterrupt=0;Unmask=0x00000008;LSP=0;LSN=1;Capture=0;CaptureType=1;KRXINTPER=1 ms;"},
    {8, "Time", [](HWND h) { SetDlgItemTextA(h, IDC_PERIOD_VALUE, "5"); },
     "SetupInterrupt=0;Unmask=0x00000010;LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=5 ms;"},
};

TEST_F(EditorTest, EachDetailsDialogChangesTheItemOnOKAndNothingOnCancel) {
    for (const DetailsCase& c : kDetails) {
        for (bool bOK : {true, false}) {
            CString text;
            ModalScript script;
            script.Then([&](HWND h) { Click(h, c.row, 2); });
            script.Then([&](HWND h) { Click(h, c.row, 5); });
            script.Then([&](HWND h) {
                EXPECT_EQ(WindowText(h), c.caption);
                c.change(h);
            });
            script.Then([&](HWND h) { synthetic::ClickDlgItem(h, bOK ? IDOK : IDCANCEL); });
            script.Then([](HWND h) { synthetic::ClickDlgItem(h, IDOK); });
            EXPECT_EQ(Edit(CMC_Setup::Default(), text), IDOK);
            EXPECT_EQ(script.Remaining(), 0u);
            CString unchanged;
            unchanged.Format("SetupInterrupt=0;Unmask=0x%08X;%s", 1u << (c.row - 4), kDefaultTail);
            EXPECT_EQ(text, bOK ? CString(c.changed) : unchanged) << c.caption << (bOK ? " OK" : " Cancel");
        }
    }
}

// ---- the Software Protections dialog ----------------------------------------------------------------

TEST_F(EditorTest, AProtectionTheDriveLacksIsReservedAndEnableAndDisableExcludeEachOther) {
    CMC_Setup setup = MakeWideDrive(8, 5);
    setup.SetSwProtectionsMask(0x17);
    CString text = "Unmask=0x1;SwProtUnmask=0x1;";
    ModalScript script;
    script.Then([](HWND h) { Click(h, 4, 5); });
    script.Then([](HWND h) {
        EXPECT_EQ(Grid(h).GetRowCount(), 8u);
        EXPECT_EQ(Row(h, 4, 1, 3), "Bit0 - protection 0 1 0");
        EXPECT_EQ(Row(h, 7, 1, 3), "Bit3 - Reserved -0 -0");
        EXPECT_EQ(Row(h, 8, 1, 3), "Bit4 - protection 4 0 0");
        Click(h, 7, 2);
        Click(h, 4, 3);
    });
    script.Then([](HWND h) { Click(h, 5, 3); });
    script.Then([](HWND h) { Click(h, 5, 2); });
    script.Then([](HWND h) { Click(h, 6, 2); });
    script.Then([](HWND h) { Click(h, 6, 2); });
    script.Then([](HWND h) {
        EXPECT_EQ(Row(h, 4, 2, 3) + " " + Row(h, 5, 2, 3) + " " + Row(h, 6, 2, 3) + " " + Row(h, 7, 2, 3), "0 1 1 0 0 0 -0 -0");
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([](HWND h) { synthetic::ClickDlgItem(h, IDOK); });
    EXPECT_EQ(Edit(setup, text), IDOK);
    EXPECT_EQ(text, "SetupInterrupt=0;Unmask=0x00000001;SwProtMask=0x00000001;SwProtUnmask=0x00000002;LSP=0;LSN=0;Capture=0;"
                    "CaptureType=1;KRXINTPER=1 ms;");
}

}  // namespace
