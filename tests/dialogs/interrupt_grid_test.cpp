// The grid window of both grid dialogs: what its parent hears of clicks and of the current cell
// being left, and the cursor over a selection's edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/interrupt_grid_wnd.h"
#include "grid/controls/check_box.h"
#include "grid/controls/static_control.h"
#include "platform/win/synthetic_input.h"
#include "support/grid_host.h"

namespace {

// Notes every message of the grid with the value its cell holds when the message is handled.
class CListeningParent : public CWnd {
public:
    CGXGridCore* m_pGrid = nullptr;
    std::vector<std::string> heard;

protected:
    LRESULT OnClicked(WPARAM w, LPARAM l) { return Note("clicked", w, l); }
    LRESULT OnLeaving(WPARAM w, LPARAM l) { return Note("leaving", w, l); }
    LRESULT Note(const char* what, WPARAM w, LPARAM l) {
        heard.push_back(std::string(what) + " " + std::to_string(w) + "," + std::to_string(l) + " " +
                        m_pGrid->GetValueRowCol(static_cast<ROWCOL>(w), static_cast<ROWCOL>(l)).GetString());
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListeningParent, CWnd)
    ON_MESSAGE(WM_GRID_BUTTON_CLICKED, &CListeningParent::OnClicked)
    ON_MESSAGE(WM_GRID_LEAVING_CELL, &CListeningParent::OnLeaving)
END_MESSAGE_MAP()

// Rows 1 to 3 of column 1 are unchecked boxes.
struct InterruptGridTest : ::testing::Test {
    CListeningParent parent;
    CInterruptGridWnd grid;

    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, 0));
        HWND h = CreateWindowExA(0, GX_GRID_WNDCLASS, "InterruptGridWnd", WS_CHILD | WS_VISIBLE, 0, 0, 280, 180,
                                 parent.GetSafeHwnd(), reinterpret_cast<HMENU>(5000), nullptr, nullptr);
        ASSERT_TRUE(h != nullptr && grid.SubclassWindow(h));
        parent.m_pGrid = &grid;
        grid.InitFromPlaceholder();
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), false, true);
        grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, new CGXCheckBox(&grid, true), false, true);
        grid.ApplyInterruptGridSettings();
        grid.SetRowCount(3);
        grid.SetColCount(1);
        CGXStyle box;
        box.SetControlId(GX_IDS_CTRL_CHECKBOX3D).SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER).SetValue("0");
        grid.SetStyleRange(CGXRange(1, 1, 3, 1), &box, static_cast<int>(ModifyMode::Override));
        grid.SetFocus();
        PumpMessages();
    }
    void Click(ROWCOL nRow) {
        synthetic::Click(grid.GetSafeHwnd(), grid.CalcCellRect(nRow, 1).CenterPoint());
        PumpMessages();
    }
};

TEST_F(InterruptGridTest, EachToggleReachesTheParentOnceWithTheNewValue) {
    Click(2);
    EXPECT_EQ(parent.heard, (std::vector<std::string>{"clicked 2,1 1"}));
    synthetic::KeyPress(VK_SPACE);
    PumpMessages();
    Click(3);
    EXPECT_EQ(parent.heard, (std::vector<std::string>{"clicked 2,1 1", "clicked 2,1 0", "leaving 2,1 0", "clicked 3,1 1"}));
}

TEST_F(InterruptGridTest, TheEdgeOfASelectionShowsTheStandardCursor) {
    grid.SetGridCursor(0);
    const HCURSOR hStandard = GetCursor();
    grid.SetGridCursor(23203);
    EXPECT_EQ(GetCursor(), hStandard);
}

}  // namespace
