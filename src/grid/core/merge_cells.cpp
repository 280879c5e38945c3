// Merged cells. (skeleton)
#include "grid/core/grid_core.h"

void CGXGridCore::SetMergeCellsMode(WORD, bool) {}
WORD CGXGridCore::GetMergeCellsMode() const noexcept {
    return m_pParam != nullptr ? m_pParam->GetMergeCellsMode() : WORD(0);
}
bool CGXGridCore::CanMergeCell(CGXControl*, ROWCOL, ROWCOL, const CGXStyle&, int) { return false; }
bool CGXGridCore::CanMergeCells(const CGXStyle&, const CGXStyle&) { return false; }
bool CGXGridCore::GetMergedCellsRowCol(ROWCOL, ROWCOL, CGXRange&, int) { return false; }
bool CGXGridCore::SetMergedCellsRowCol(int, ROWCOL, ROWCOL, ROWCOL, ROWCOL, bool) { return false; }
void CGXGridCore::MergeCellsRange(CGXRange&) {}
bool CGXGridCore::EvalMergeCells(const CGXRange&, CGXRange*) { return false; }
void CGXGridCore::DelayMergeCells(const CGXRange&) {}
bool CGXGridCore::LockEvalMergeCells(bool bLock) noexcept {
    bool bOld = m_bLockEvalMergeCells;
    m_bLockEvalMergeCells = bLock;
    return bOld;
}
