// Covered cells, the styles map, the properties, base styles and data moves. (skeleton)
#include "grid/core/grid_core.h"

bool CGXGridCore::SetCoveredCellsRowCol(ROWCOL, ROWCOL, ROWCOL, ROWCOL, UINT, UINT) { return false; }
const CGXRange* CGXGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol) {
    return m_pParam != nullptr ? m_pParam->GetCoveredCellPool()->GetCoveredCell(nRow, nCol) : nullptr;
}
bool CGXGridCore::ChangeStylesMap(const CGXStylesMap&, UINT, UINT) { return false; }
bool CGXGridCore::ChangeProperties(const CGXProperties&, UINT, UINT) { return false; }
bool CGXGridCore::ChangeBaseStyle(WORD, const CGXStyle&, ModifyMode, UINT, UINT) { return false; }
bool CGXGridCore::MoveDataRows(const CGXRange&, const CDWordArray&, UINT, UINT) { return false; }
bool CGXGridCore::MoveDataCols(const CGXRange&, const CDWordArray&, UINT, UINT) { return false; }
