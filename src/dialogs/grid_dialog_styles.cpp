// The grid dialogs' shared set-up.
#include "dialogs/grid_dialog_styles.h"

#include "grid/controls/control.h"
#include "platform/win/sys_colors.h"

namespace grid_dialog {

StylePen BorderPen() { return StylePen().SetStyle(PS_SOLID).SetWidth(1).SetColor(GetSysColor(COLOR_BTNFACE)); }

void Apply(CGXGridCore& grid, const CGXRange& range, const CGXStyle& style) {
    grid.SetStyleRange(range, &style, int(ModifyMode::Override), gxCellStyle, nullptr, GX_REDRAWNOW);
}

void ApplyTableLook(CGXGridCore& grid) {
    CGXStyle table;
    table.SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER).SetControlId(GX_IDS_CTRL_STATIC).SetWrapText(true);
    Apply(grid, CGXRange().SetTable(), table);
    CGXStyle left;
    left.SetHorizontalAlignment(DT_LEFT);
    Apply(grid, CGXRange().SetCols(1, 1), left);
    CGXStyle standard;
    standard.SetFont(CGXFont().SetWeight(400)).SetValue("");
    grid.ChangeBaseStyle(grid.GetStylesMap()->m_wStyleStandard, standard, ModifyMode::Override);
}

CGXStyle CheckBox(const char* pszLabel) {
    CGXStyle style;
    style.SetControlId(GX_IDS_CTRL_CHECKBOX3D).SetChoicesList(pszLabel);
    return style;
}

void SetCheck(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol, bool bChecked) {
    grid.SetValueRange(CGXRange(nRow, nCol, nRow, nCol), bChecked ? "1" : "0", ModifyMode::Override, gxCellStyle,
                       GX_REDRAWNOW);
}

bool IsChecked(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol) { return grid.GetValueRowCol(nRow, nCol) == "1"; }

}  // namespace grid_dialog
