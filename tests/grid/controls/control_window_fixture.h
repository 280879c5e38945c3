#pragma once
// A grid window with the focus in a top-level window, for controls driven the way the grid drives
// them: the cell made current, the control set up for it, then the mouse operations with the hit
// states of a button sequence and the key messages. The grid records what controls report.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "grid/controls/control.h"
#include "grid/core/core_fixture.h"
#include "grid/core/grid_wnd.h"
#include "host/resources/host_resources.h"
#include "platform/framework/dc.h"
#include "platform/win/window.h"
#include "platform/win/window_surface.h"

namespace control_test {

// Hit states of a left-button sequence: down, a move or the release over the cell the button
// went down in, and a move or the release elsewhere after leaving it.
constexpr int kDown = 0x01 | 0x04 | 0x40;
constexpr int kMoveOver = 0x01 | 0x08 | 0x40;
constexpr int kMoveOff = 0x01 | 0x08 | 0x20;
constexpr int kUpOver = 0x01 | 0x10 | 0x40;
constexpr int kUpOff = 0x01 | 0x10 | 0x20;

// A grid whose rows are 18 and columns 100 pixels whatever fonts the machine has; it records the
// cells whose buttons were clicked and may refuse editing.
struct ControlGrid : CGXGridWnd {
    std::vector<std::pair<ROWCOL, ROWCOL>> clicks;
    bool bAllowEditing = true;

    void UpdateFontMetrics() override {
        m_nBaseCharHeight = 15;
        m_nBaseCharWidth = 10;
        ResetLastVisibleCaches();
    }
    void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) override { clicks.emplace_back(nRow, nCol); }
    bool OnStartEditing(ROWCOL, ROWCOL) override { return bAllowEditing; }
};

struct ControlWindowFixture : ::testing::Test {
    CWnd parent;
    ControlGrid grid;

    void SetUp() override {
        host_resources::RegisterForProcess();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300, nullptr, 0));
        HWND h = CreateWindowExA(0, GX_GRID_WNDCLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 480, 280,
                                 parent.GetSafeHwnd(), reinterpret_cast<HMENU>(5000), nullptr, nullptr);
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(grid.SubclassWindow(h));
        grid.InitFromPlaceholder();
        grid.GetData()->SetRowCount(6);
        grid.GetData()->SetColCount(4);
        grid.SetFocus();
        ASSERT_EQ(GetFocus(), grid.GetSafeHwnd());
    }

    // Gives a range of cells the control and attributes of the style.
    void Store(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, ROWCOL nToRow = 0, ROWCOL nToCol = 0) {
        ASSERT_TRUE(grid.SetStyleRange(CGXRange(nRow, nCol, nToRow ? nToRow : nRow, nToCol ? nToCol : nCol), &style,
                                       static_cast<int>(ModifyMode::Override)));
    }
    // Makes the cell current and sets its control up for it, as the grid does before it hands the
    // control a button sequence or a key.
    void MakeCurrent(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol) {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        if (!pControl->IsInit(nRow, nCol)) pControl->Init(nRow, nCol);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return grid.GetValueRowCol(nRow, nCol); }
    // Draws a cell with its composed style into a device context, as painting does.
    void DrawCell(CGXControl* pControl, CDC& dc, ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, nCol, &style);
        pControl->Draw(&dc, rect, nRow, nCol, style, grid.GetStandardStyle());
    }
};

}  // namespace control_test
