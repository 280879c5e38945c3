// Inserting, removing and moving rows and columns arrive with the grid window, which they redraw
// and whose current cell they keep in step. Until then
// the core refuses them: nothing changes and nothing is recorded, so an undo or redo of such a
// command stays on its list.
#include "grid/core/grid_core.h"

bool CGXGridCore::InsertRows(ROWCOL, ROWCOL, const int*, const CGXStyleArray*, const CGXStyleArray*, ROWCOL, UINT,
                             UINT) {
    return false;
}
bool CGXGridCore::InsertCols(ROWCOL, ROWCOL, const int*, const CGXStyleArray*, const CGXStyleArray*, ROWCOL, UINT,
                             UINT) {
    return false;
}
bool CGXGridCore::RemoveRows(ROWCOL, ROWCOL, UINT, UINT) { return false; }
bool CGXGridCore::RemoveCols(ROWCOL, ROWCOL, UINT, UINT) { return false; }
bool CGXGridCore::MoveRows(ROWCOL, ROWCOL, ROWCOL, UINT, UINT) { return false; }
bool CGXGridCore::MoveCols(ROWCOL, ROWCOL, ROWCOL, UINT, UINT) { return false; }
