// The script driver on real windows of the headless screen: a dialog from a template with a grid
// in a "GXWND" placeholder, the demo's grid frame, and a window that refuses to close. Each script
// runs inside the windows' own loops, as krxhost runs it. Typing, keys, nested dialogs and lines
// that fail are driven through krxhost itself, in the host's tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/krxhost/grid_window.h"
#include "host/krxhost/script_driver.h"
#include "platform/framework/dialog.h"
#include "platform/win/dialog_template.h"
#include "platform/win/modal_loop.h"
#include "support/grid_host.h"

namespace {

constexpr WORD kEnable = 100, kRising = 101, kFalling = 102, kGrid = 104;

const DLGTEMPLATE* AsTemplate(const std::vector<BYTE>& bytes) { return reinterpret_cast<const DLGTEMPLATE*>(bytes.data()); }

// A grid that notes which cell the point where the left button went up hit-tests as.
class ClickGrid : public CGXGridWnd {
public:
    explicit ClickGrid(ROWCOL nRows = 8) : m_nRows(nRows) {}
    ROWCOL m_nRow = GX_INVALID, m_nCol = GX_INVALID;

    void Initialize() override {
        CGXGridWnd::Initialize();
        GetData()->SetRowCount(m_nRows);
        GetData()->SetColCount(3);
        SetValueRange(CGXRange(1, 1, 1, 1), "say \"hi\"");
        SetStyleRange(CGXRange(2, 2, 2, 2), &CGXStyle().SetValue("off").SetEnabled(false), static_cast<int>(ModifyMode::Override));
        SetCoveredCellsRowCol(3, 1, 5, 1, GX_INVALIDATE, gxNoRecord);
        UpdateScrollbars(true, false);
    }
    bool OnGridLButtonUp(UINT nFlags, CPoint pt) override {
        HitTest(pt, &m_nRow, &m_nCol);
        return CGXGridWnd::OnGridLButtonUp(nFlags, pt);
    }

private:
    ROWCOL m_nRows;
};

class SettingsDlg : public CDialog {
public:
    SettingsDlg() { InitModalIndirect(AsTemplate(m_bytes)); }
    ClickGrid m_grid;
    int m_nEnable = 0, m_nEdge = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_grid.SubclassDlgItem(kGrid, this);
        m_grid.InitFromPlaceholder();
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, kEnable, m_nEnable);
        DDX_Radio(pDX, kRising, m_nEdge);
    }

private:
    static constexpr DialogItem kItems[] = {
        AutoCheckBox(kEnable, "&Enable", 7, 7, 60, 10),
        AutoRadioButton(kRising, "Rising", 7, 20, 60, 10, WS_GROUP | WS_TABSTOP),
        AutoRadioButton(kFalling, "Fa&lling", 7, 32, 60, 10),
        Control(kGrid, "GXWND", "", 7, 46, 286, 60, WS_TABSTOP | WS_BORDER | WS_VSCROLL),
        DefPushButton(IDOK, "OK", 7, 112, 50, 14),
        PushButton(IDCANCEL, "Cancel", 60, 112, 50, 14),
    };
    std::vector<BYTE> m_bytes = BuildDialogTemplate(DialogHeader{"Settings", 0, 0, 300, 132}, kItems);
};

class ScriptDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowSystem();
        host_resources::RegisterGridWindowClass();
    }
    void TearDown() override { ResetWindowSystem(); }

    // Runs the script in a modal dialog's loops; the dialog's result.
    INT_PTR RunInDialog(SettingsDlg& dlg, const char* text) {
        ScriptDriver driver(Make(text), [this](const std::string& s) { out += s; });
        const INT_PTR result = dlg.DoModal();
        ok = driver.Finish();
        return result;
    }
    // Runs the script in the plain loop of a top-level window.
    void RunInLoop(const char* text) {
        ScriptDriver driver(Make(text), [this](const std::string& s) { out += s; });
        RunMessageLoop();
        ok = driver.Finish();
    }
    static Script Make(const char* text) {
        Script script{"t.txt", {}};
        int line = 0;
        std::string reason;
        EXPECT_TRUE(ParseScript(text, script.commands, line, reason)) << reason;
        return script;
    }

    std::string out;
    bool ok = false;
};

}  // namespace

// The snapshot command is checked on the editor, through krxhost.
TEST_F(ScriptDriverTest, ButtonsAreFoundByTheTextAPersonReads) {
    SettingsDlg dlg;
    EXPECT_EQ(RunInDialog(dlg, "button Enable\nbutton Falling\nbutton OK\n"), IDOK);
    EXPECT_TRUE(ok) << out;
    EXPECT_EQ(out, "");
    EXPECT_EQ(dlg.m_nEnable, 1);
    EXPECT_EQ(dlg.m_nEdge, 1);
}

TEST_F(ScriptDriverTest, ClicksLandOnCellsAndTheDumpShowsValuesQuotedAndDisabledCells) {
    SettingsDlg dlg;
    EXPECT_EQ(RunInDialog(dlg, "click 2 3\ndump\n"), IDCANCEL);  // Escape ends the dialog
    EXPECT_TRUE(ok) << out;
    EXPECT_EQ(dlg.m_grid.m_nRow, 2u);
    EXPECT_EQ(dlg.m_grid.m_nCol, 3u);
    EXPECT_EQ(out, "1: \"say \"\"hi\"\"\" \"\" \"\"\n2: \"\" -\"off\" \"\"\n3: \"\" \"\" \"\"\n4: \"\" \"\" \"\"\n"
                   "5: \"\" \"\" \"\"\n6: \"\" \"\" \"\"\n7: \"\" \"\" \"\"\n8: \"\" \"\" \"\"\n");
    // A covered cell is clicked at the centre of its span: rows 3 to 5 have the middle one there.
    SettingsDlg covered;
    RunInDialog(covered, "click 3 1\n");
    EXPECT_EQ(covered.m_grid.m_nRow, 4u);
    EXPECT_EQ(covered.m_grid.m_nCol, 1u);
}

// Scrolling stops at the rows the grid allows: no frozen row, no empty space after the last row.
TEST_F(ScriptDriverTest, TheDumpOfALargeGridShowsTwoHundredRowsFromTheTopRowScrolledTo) {
    GridWindow frame(std::make_unique<ClickGrid>(1000));
    ASSERT_TRUE(frame.CreateTopLevel("Rows", 0, 0, 400, 300));
    CGXGridWnd& grid = frame.Grid();
    const ROWCOL last = grid.GetLastSensibleTopRow();
    ASSERT_GT(last, 980u);
    RunInLoop("scroll 500\ndump\nscroll 1000\nscroll 0\nscroll 2000\n");
    EXPECT_FALSE(ok);
    EXPECT_EQ(out.rfind("500: \"\" \"\" \"\"\n501: ", 0), 0u) << out.substr(0, 40);
    EXPECT_NE(out.find("\n699: \"\" \"\" \"\"\nkrxhost: t.txt:5: row 2000 is outside"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 201);
    EXPECT_EQ(grid.GetPrevTopRow(), last);
    EXPECT_EQ(grid.GetTopRow(), 1u);
    EXPECT_FALSE(IsWindow(frame.GetSafeHwnd()));  // closed with WM_CLOSE
}

LRESULT StubbornProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CLOSE) return 0;  // refuses
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProc(h, m, w, l);
}

TEST_F(ScriptDriverTest, AWindowThatRefusesToCloseIsDestroyedAndReported) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = StubbornProc;
    wc.lpszClassName = "Stubborn";
    ASSERT_NE(RegisterClass(&wc), 0);
    const HWND h = CreateWindowEx(0, "Stubborn", "Stays", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    RunInLoop("key a\n");
    EXPECT_FALSE(ok);
    EXPECT_EQ(out, "krxhost: t.txt: the window \"Stays\" does not close; it was destroyed\n");
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(ScriptDriverTest, LinesLeftWhenTheWindowsAreGoneAreReported) {
    GridWindow frame(std::make_unique<ClickGrid>());
    ASSERT_TRUE(frame.CreateTopLevel("Rows", 0, 0, 400, 300));
    RunInLoop("click 1 1\nkey Alt+F4\n\n# the window has gone\ndump\n");
    EXPECT_FALSE(ok);
    EXPECT_EQ(out, "krxhost: t.txt:5: no window is open: the windows closed before this line\n");
    EXPECT_EQ(static_cast<ClickGrid&>(frame.Grid()).m_nRow, 1u);
}
