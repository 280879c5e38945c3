#pragma once
// What the editor and the Software Protections dialog set up alike in their grids: the look of the
// whole table and of the standard style, the border pens of the header cells, and storing a style
// into a range as both dialogs do it (mode Override, painted at once).
#include "grid/core/grid_core.h"

namespace grid_dialog {

// A solid pen of width 1 in the button-face colour.
StylePen BorderPen();
// Stores the style into the range, painted at once.
void Apply(CGXGridCore& grid, const CGXRange& range, const CGXStyle& style);
// The whole table centred both ways in static text cells that wrap; column 1 left aligned; the
// standard style's font of weight 400 and an empty value.
void ApplyTableLook(CGXGridCore& grid);
// A check box cell of the grid: its label (none for an empty text).
CGXStyle CheckBox(const char* pszLabel);
// The cell's value is "1" when the condition holds, else "0".
void SetCheck(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol, bool bChecked);
// Whether the cell's value is "1".
bool IsChecked(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol);

}  // namespace grid_dialog
