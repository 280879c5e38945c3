#pragma once
// Check box cells in a grid window: the static text and the check box registered as the dialogs
// register them, column 1 of rows 1 to 5 made check boxes, and what a device context shows of a
// box read back as the image of the strip it is.
#include "control_window_fixture.h"
#include "grid/controls/check_box.h"
#include "grid/controls/static_control.h"
#include "platform/win/sys_colors.h"

namespace control_test {

// The images of the strips, left to right.
enum Image { kUnchecked = 0, kChecked = 1, kUncheckedPressed = 2, kCheckedPressed = 3, kIndeterminate = 4, kNone = -1 };

// Which image shows with its top-left corner at the point, in the classic system colours: the
// inside white or button face (checkered when indeterminate), the mark black or absent.
inline int ImageAt(HDC hdc, CPoint box) {
    const COLORREF mark = GetPixel(hdc, box.x + 5, box.y + 7) & 0xFFFFFF;
    const COLORREF inside = GetPixel(hdc, box.x + 9, box.y + 9) & 0xFFFFFF;
    const COLORREF next = GetPixel(hdc, box.x + 10, box.y + 9) & 0xFFFFFF;
    if (inside != next) return kIndeterminate;
    if (inside == 0xFFFFFF) return mark == 0 ? kChecked : mark == inside ? kUnchecked : kNone;
    if (inside == (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF)) return mark == 0 ? kCheckedPressed : mark == inside ? kUncheckedPressed : kNone;
    return kNone;
}

struct CheckBoxFixture : ControlWindowFixture {
    CGXCheckBox* pBox = nullptr;

    void SetUp() override {
        ControlWindowFixture::SetUp();
        if (HasFatalFailure()) return;
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), false, true);
        pBox = new CGXCheckBox(&grid, true);
        grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, pBox, false, true);
        Store(1, 1, CGXStyle().SetControlId(GX_IDS_CTRL_CHECKBOX3D), 5, 1);
    }
    // The box of a cell without caption or alignment: three pixels in from the content's corner.
    CRect Box(ROWCOL nRow, ROWCOL nCol) {
        const CRect content = pBox->GetCellRect(nRow, nCol);
        return CRect(content.left + 3, content.top + 3, content.left + 16, content.top + 16);
    }
    CPoint InBox(ROWCOL nRow, ROWCOL nCol) { return Box(nRow, nCol).CenterPoint(); }
    // A point of the cell right of its box.
    CPoint BesideBox(ROWCOL nRow, ROWCOL nCol) { return Box(nRow, nCol).TopLeft() + CPoint(40, 5); }
    // The image the grid window shows for the cell, once what is pending is painted.
    int ShownImage(ROWCOL nRow, ROWCOL nCol) {
        grid.UpdateWindow();
        HDC hdc = GetDC(grid.GetSafeHwnd());
        const int n = ImageAt(hdc, Box(nRow, nCol).TopLeft());
        ReleaseDC(grid.GetSafeHwnd(), hdc);
        return n;
    }
    // A click on the box of the current cell, as the grid hands it over.
    void Click(ROWCOL nRow, ROWCOL nCol) {
        MakeCurrent(pBox, nRow, nCol);
        const CPoint pt = InBox(nRow, nCol);
        pBox->OnLButtonDown(MK_LBUTTON, pt, kDown);
        pBox->OnLButtonUp(0, pt, kUpOver);
    }
};

}  // namespace control_test
