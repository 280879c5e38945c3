#pragma once
// Check boxes and push buttons in a grid window that has the focus, driven the way the grid
// drives them: the cell made current, its control set up for it, then the mouse operations with
// the hit states of a button sequence and the key messages. The grid records the clicks its
// controls report, and what is shown of a box is read back as the image of the strip it is.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "grid/controls/check_box.h"
#include "grid/controls/push_button.h"
#include "grid/controls/static_control.h"
#include "grid/core/core_fixture.h"
#include "grid/core/grid_wnd_fixture.h"
#include "platform/win/sys_colors.h"
#include "platform/win/window.h"
#include "platform/win/window_surface.h"

namespace control_test {

// Hit states of a left-button sequence: down, and a move or the release over the cell the button
// went down in, or elsewhere after leaving it.
constexpr int kDown = 0x01 | 0x04 | 0x40;
constexpr int kMoveOver = 0x01 | 0x08 | 0x40;
constexpr int kMoveOff = 0x01 | 0x08 | 0x20;
constexpr int kUpOver = 0x01 | 0x10 | 0x40;
constexpr int kUpOff = 0x01 | 0x10 | 0x20;

using Clicks = std::vector<std::pair<ROWCOL, ROWCOL>>;

// The images of the strips, left to right.
enum Image { kUnchecked, kChecked, kUncheckedPressed, kCheckedPressed, kIndeterminate, kNone = -1 };

// Which image shows with its top-left corner at the point, in the classic colours: the inside
// white or button face (checkered when indeterminate), the mark black or absent.
inline int ImageAt(HDC hdc, CPoint box) {
    const COLORREF mark = GetPixel(hdc, box.x + 5, box.y + 7) & 0xFFFFFF;
    const COLORREF inside = GetPixel(hdc, box.x + 9, box.y + 9) & 0xFFFFFF;
    if (inside != (GetPixel(hdc, box.x + 10, box.y + 9) & 0xFFFFFF)) return kIndeterminate;
    const bool bFace = inside == (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    if (!bFace && inside != 0xFFFFFF) return kNone;
    return mark == 0 ? (bFace ? kCheckedPressed : kChecked) : mark == inside ? (bFace ? kUncheckedPressed : kUnchecked) : kNone;
}

// Records the clicks its controls report, and may refuse to start editing.
struct ControlGrid : core_test::FixedGridWnd {
    Clicks clicks;
    bool bAllowEditing = true;
    void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) override { clicks.emplace_back(nRow, nCol); }
    bool OnStartEditing(ROWCOL, ROWCOL) override { return bAllowEditing; }
};

// Column 1 of rows 1 to 5 holds check boxes, column 2 push buttons captioned "Details"; the
// controls are registered as the dialogs register them.
struct ControlsFixture : ::testing::Test {
    CWnd parent;
    ControlGrid grid;
    CGXCheckBox* pBox = nullptr;
    CGXPushbutton* pPush = nullptr;
    CDC dc;  // 120 by 50, magenta

    void SetUp() override {
        host_resources::RegisterForProcess();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_POPUP | WS_VISIBLE, 0, 0, 500, 300, nullptr, 0));
        ASSERT_TRUE(core_test::TakeOverPlaceholder(grid, parent.GetSafeHwnd(), CRect(0, 0, 480, 280)));
        grid.GetData()->SetRowCount(6);
        grid.GetData()->SetColCount(4);
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), false, true);
        grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, pBox = new CGXCheckBox(&grid, true), false, true);
        grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, pPush = new CGXPushbutton(&grid), false, true);
        Store(1, 1, CGXStyle().SetControlId(GX_IDS_CTRL_CHECKBOX3D), 5, 1);
        Store(1, 2, CGXStyle().SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Details"), 5, 2);
        grid.SetFocus();
        ASSERT_EQ(GetFocus(), grid.GetSafeHwnd());
        ASSERT_TRUE(dc.CreateImage(120, 50));
        dc.FillSolidRect(CRect(0, 0, 120, 50), 0xFF00FF);
    }
    void TearDown() override { ResetSysColors(); }

    void Store(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, ROWCOL nToRow = 0, ROWCOL nToCol = 0) {
        ASSERT_TRUE(grid.SetStyleRange(CGXRange(nRow, nCol, nToRow ? nToRow : nRow, nToCol ? nToCol : nCol), &style,
                                       static_cast<int>(ModifyMode::Override)));
    }
    // Makes the cell current and sets its control up for it, as the grid does before it hands the
    // control a button sequence or a key.
    void MakeCurrent(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol) {
        ROWCOL nCurRow = 0, nCurCol = 0;
        if (!grid.GetCurrentCell(nCurRow, nCurCol) || nCurRow != nRow || nCurCol != nCol) {
            ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        }
        if (!pControl->IsInit(nRow, nCol)) pControl->Init(nRow, nCol);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return grid.GetValueRowCol(nRow, nCol); }
    COLORREF Pixel(int x, int y) const { return dc.GetPixel(x, y) & 0xFFFFFF; }
    // Draws a cell with its composed style into the image, as painting does.
    void DrawCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, nCol, &style);
        pControl->Draw(&dc, rect, nRow, nCol, style, grid.GetStandardStyle());
    }

    // The box of a cell without caption or alignment: three pixels in from the content's corner.
    CRect Box(ROWCOL nRow) {
        const CRect content = pBox->GetCellRect(nRow, 1);
        return CRect(content.left + 3, content.top + 3, content.left + 16, content.top + 16);
    }
    CPoint InBox(ROWCOL nRow) { return Box(nRow).CenterPoint(); }
    // The image the grid window shows for a check box cell, once what is pending is painted.
    int ShownImage(ROWCOL nRow) {
        grid.UpdateWindow();
        HDC hdc = GetDC(grid.GetSafeHwnd());
        const int n = ImageAt(hdc, Box(nRow).TopLeft());
        ReleaseDC(grid.GetSafeHwnd(), hdc);
        return n;
    }
    // A click on the box of a check box cell, as the grid hands it over.
    void Click(ROWCOL nRow) {
        MakeCurrent(pBox, nRow, 1);
        pBox->OnLButtonDown(MK_LBUTTON, InBox(nRow), kDown);
        pBox->OnLButtonUp(0, InBox(nRow), kUpOver);
    }
};

// Names the cases of a table in test names and messages.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

}  // namespace control_test
