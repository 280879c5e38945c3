// The Interrupt Settings editor driven as a person drives it: boxes clicked in its grid, what the
// grid shows read back, and the item's text that OK writes; the dialogs its "Details" buttons open,
// each one's change reaching the item on OK and none on Cancel; the Software Protections dialog's
// own rows.
#include <functional>
#include <vector>

#include "editor_fixture.h"
#include "platform/win/sys_colors.h"

namespace {

struct Cell {
    ROWCOL row, col;
};

// ---- the rows and the "Details" buttons a drive gets ------------------------------------------------

// What each drive shows: its row count, column 5 of each interrupt's row and the last row's caption.
TEST_F(EditorTest, OneRowPerInterruptAndAButtonAtTheBitOfEachWithOptions) {
    const struct {
        CMC_Setup setup;
        const char* shown;
    } cases[] = {
        {MakeWideDrive(12, 0),
         "15: SW_PROT|Capture|Limit Switch Positive|Limit Switch Negative|Time||||||| Int11 - Event 11"},
        // Short limit switch captions, other bits, and no "Time" interrupt: no time button anywhere.
        {MakeDrive({"Event", "LSN", "Capture", "LSP", "Software protection", "Reference found"}, 1, 1, 1, 0, 2, true),
         "9: |Limit Switch Negative|Capture|Limit Switch Positive|SW_PROT| Int5 - Reference found"},
    };
    for (const auto& c : cases) {
        CString text;
        ModalScript script;
        script.Then([&](HWND h) {
            const ROWCOL nRows = Grid(h).GetRowCount();
            std::string shown = std::to_string(nRows) + ":";
            for (ROWCOL r = 4; r <= nRows; ++r)
                shown.append(r == 4 ? " " : "|").append(Grid(h).GetValueRowCol(r, 5).str());
            EXPECT_EQ(shown + " " + Row(h, nRows, 1, 1), c.shown);
            synthetic::KeyPress(VK_ESCAPE);
        });
        EXPECT_EQ(Edit(c.setup, text), IDCANCEL);
    }
}

// ---- greyed rows and buttons ----------------------------------------------------------------------

COLORREF TextColor(HWND h, ROWCOL nRow, ROWCOL nCol) {
    CGXStyle style;
    EditorTest::Grid(h).ComposeStyleRowCol(nRow, nCol, &style);
    return style.GetTextColor();
}

TEST_F(EditorTest, ADetailsButtonIsGreyedWhileItsRowIsNotEnabled) {
    CString text;
    HWND hEditor = nullptr;
    ModalScript script;
    script.Then([&](HWND h) {
        hEditor = h;
        EXPECT_EQ(Row(h, 5), "0 0 0 -Capture");
        EXPECT_EQ(TextColor(h, 5, 5), GetSysColor(COLOR_GRAYTEXT));
        Click(h, 5, 5);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(h, hEditor) << "a greyed button opened " << WindowText(h);
        Click(h, 5, 2);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(Row(h, 5), "1 0 0 Capture");
        EXPECT_EQ(TextColor(h, 5, 5), GetSysColor(COLOR_BTNTEXT));
        Click(h, 5, 5);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(WindowText(h), "Capture");
        synthetic::KeyPress(VK_ESCAPE);
    });
    script.Then([&](HWND h) { Click(h, 5, 3); });
    script.Then([&](HWND h) {
        EXPECT_EQ(Row(h, 5), "0 1 0 -Capture");
        synthetic::KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(Edit(CMC_Setup::Default(), text), IDCANCEL);
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_TRUE(text.IsEmpty()) << "Cancel wrote " << text.GetString();
}

// The second click of a double click reaches the grid after the first has opened the dialog.
TEST_F(EditorTest, ADoubleClickOnDetailsOpensOneDialog) {
    CString text = "Unmask=0x1;";
    ModalScript script;
    script.Then([](HWND h) {
        CGXGridCore& grid = Grid(h);
        synthetic::DoubleClick(grid.GridWnd()->GetSafeHwnd(), grid.CalcCellRect(4, 5).CenterPoint());
    });
    script.Then([](HWND h) {
        EXPECT_EQ(WindowText(h), "Software Protections");
        Click(h, 4, 2);
    });
    script.Then([](HWND h) { synthetic::ClickDlgItem(h, IDOK); });
    script.Then([](HWND h) {
        EXPECT_EQ(WindowText(h), "Interrupt Settings");
        synthetic::ClickDlgItem(h, IDOK);
    });
    EXPECT_EQ(Edit(CMC_Setup::Default(), text), IDOK);
    EXPECT_EQ(text, CString("SetupInterrupt=0;Unmask=0x00000001;SwProtUnmask=0x00000001;") + kDefaultTail);
}

TEST_F(EditorTest, ADriveWithoutThePositiveLimitSwitchGreysItsRowAndKeepsItsBits) {
    CMC_Setup setup = MakeWideDrive(8, 0);
    setup.SetIntOption("isLSP", 0);
    CString text = "Unmask=0x4;Reset=0x4;";
    ModalScript script;
    script.Then([](HWND h) {
        EXPECT_EQ(Row(h, 6), "-0 -0 -0 -Limit Switch Positive");
        Click(h, 6, 2);
    });
    script.Then([](HWND h) {
        EXPECT_EQ(Row(h, 6), "-0 -0 -0 -Limit Switch Positive");
        Click(h, 4, 2);
    });
    script.Then([](HWND h) { synthetic::ClickDlgItem(h, IDOK); });
    EXPECT_EQ(Edit(setup, text), IDOK);
    EXPECT_EQ(text, "SetupInterrupt=0;Unmask=0x00000005;Reset=0x00000004;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;");
}

// That Enable and Disable exclude each other, in a row and globally, is the soak's check after every
// step; that a second click clears a box, that Reset stands apart, and that nothing is copied, is this one's.
TEST_F(EditorTest, ASecondClickClearsABoxAndDeleteAndPasteChangeNothing) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardBytes(CF_TEXT, "0\t0\t0", 6);
    CloseClipboard();
    // Bits beyond the drive's eight interrupts are dropped.
    CString text = "SetupInterrupt=2;Mask=0x2;Unmask=0x100;Reset=0x80000000;";
    ModalScript script;
    for (const Cell& cell : std::vector<Cell>{{4, 2}, {4, 4}, {5, 2}, {5, 2}, {2, 1}})
        script.Then([cell](HWND h) {
            cell.col == 1 ? ClickLabelledBox(h, cell.row, 1) : Click(h, cell.row, cell.col);
        });
    script.Then([](HWND h) {
        const std::string global = Row(h, 1, 1, 1) + " " + Row(h, 2, 1, 1);
        EXPECT_EQ(global + " " + Row(h, 4, 2, 4) + " " + Row(h, 5, 2, 4), "0 0 1 0 1 0 0 0");
        synthetic::KeyPress(VK_DELETE);
        synthetic::KeyDown(VK_CONTROL);
        synthetic::KeyPress('C');  // copies nothing: the user's clipboard stays
        synthetic::KeyPress('V');
        synthetic::KeyUp(VK_CONTROL);
        synthetic::KeyDown(VK_SHIFT);
        synthetic::KeyPress(VK_INSERT);
        synthetic::KeyUp(VK_SHIFT);
    });
    script.Then([](HWND h) {
        EXPECT_EQ(Row(h, 4, 2, 4) + " " + Row(h, 5, 2, 4), "1 0 1 0 0 0");
        synthetic::ClickDlgItem(h, IDOK);
    });
    EXPECT_EQ(Edit(CMC_Setup::Default(), text), IDOK);
    EXPECT_EQ(text, CString("SetupInterrupt=0;Unmask=0x00000001;Reset=0x00000001;") + kDefaultTail);
    std::vector<BYTE> clip;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(GetClipboardBytes(CF_TEXT, clip));
    CloseClipboard();
    EXPECT_EQ(std::string(clip.begin(), clip.end()), std::string("0\t0\t0", 6));
}

// ---- a drive of more interrupts and protections than the masks hold --------------------------------

// 40 interrupts, "Time" at bit 34, and 40 protections.
CMC_Setup FortyInterruptDrive() {
    CMC_Setup setup = MakeDrive({}, 1, 1, 1, 0, 40, true);
    for (int i = 0; i < 40; ++i)
        setup.AddInterrupt(i == 0 ? CString("Software protection") : i == 34 ? CString("Time") : CString(("Event " + std::to_string(i)).c_str()));
    return setup;
}

TEST_F(EditorTest, RowsBeyondTheMasksAreGreyedAndTheirClicksIgnored) {
    // Bit 0 of each mask is set: a bit 32 taken for bit 0 would clear it.
    CString text = "Unmask=0x1;Mask=0x80000000;SwProtMask=0x1;";
    HWND hEditor = nullptr;
    ModalScript script;
    script.Then([&](HWND h) {
        hEditor = h;
        Grid(h).DoScroll(GX_DOWN, 20);
        EXPECT_EQ(Row(h, 35), "0 1 0 ");
        EXPECT_EQ(Row(h, 36), "-0 -0 -0 ");
        EXPECT_EQ(Row(h, 38), "-0 -0 -0 -Time");
        Click(h, 36, 2);
        Click(h, 38, 5);
        // What the grid would post for them, were they not greyed, is ignored too.
        PostMessage(h, WM_GRID_BUTTON_CLICKED, 36, 2);
        PostMessage(h, WM_GRID_BUTTON_CLICKED, 38, 5);
    });
    script.Then([&](HWND h) {
        EXPECT_EQ(h, hEditor) << WindowText(h) << " opened";
        EXPECT_EQ(Row(h, 36), "-0 -0 -0 ");
        Click(h, 35, 2);
    });
    script.Then([](HWND h) {
        Grid(h).DoScroll(GX_UP, 20);
        Click(h, 4, 5);
    });
    script.Then([](HWND h) {
        Grid(h).DoScroll(GX_DOWN, 20);
        EXPECT_EQ(Row(h, 35, 1, 3), "Bit31 - protection 31 0 0");
        EXPECT_EQ(Row(h, 36, 1, 3), "Bit32 - Reserved -0 -0");
        Click(h, 36, 2);
        PostMessage(h, WM_GRID_BUTTON_CLICKED, 36, 3);
        Click(h, 35, 3);
    });
    script.Then([](HWND h) {
        EXPECT_EQ(Row(h, 36, 2, 3), "-0 -0");
        synthetic::ClickDlgItem(h, IDOK);
    });
    script.Then([](HWND h) { synthetic::ClickDlgItem(h, IDOK); });
    EXPECT_EQ(Edit(FortyInterruptDrive(), text), IDOK);
    EXPECT_EQ(script.Remaining(), 0u);
    EXPECT_EQ(text, "SetupInterrupt=0;Unmask=0x80000001;SwProtMask=0x80000001;LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;");
}

// ---- the details dialogs ---------------------------------------------------------------------------

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
