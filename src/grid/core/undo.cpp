// Undo and redo lists, blocks and menu texts. (skeleton: bodies arrive with the commands)
#include "grid/core/grid_core.h"

void CGXGridCore::AddCommand(CGXCommand* pCmd, UINT) { delete pCmd; }
void CGXGridCore::RemoveCommand(UINT) {}
bool CGXGridCore::Undo() { return false; }
bool CGXGridCore::Redo() { return false; }
void CGXGridCore::BeginTrans(const char*) {}
void CGXGridCore::CommitTrans() {}
void CGXGridCore::Rollback() {}
void CGXGridCore::OnUpdateEditUndo(CCmdUI*) {}
void CGXGridCore::OnUpdateEditRedo(CCmdUI*) {}
void CGXGridCore::ScrollToChange(ROWCOL, ROWCOL, bool) {}
bool CGXGridCore::ShouldRecord(UINT nCommandMode) const noexcept {
    return nCommandMode != gxNoRecord && m_pParam != nullptr && m_pParam->IsEnableUndo();
}
void CGXGridCore::RecordCommand(CGXCommand* pCmd, UINT nCommandMode) {
    if (ShouldRecord(nCommandMode)) AddCommand(pCmd, nCommandMode);
    else delete pCmd;
}
bool CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const {
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return m_bCurrentCell;
}
bool CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT) {
    m_nCurrentRow = nRow;
    m_nCurrentCol = nCol;
    m_bCurrentCell = true;
    return true;
}
bool CGXGridCore::ScrollCellInView(ROWCOL, ROWCOL, UINT) { return false; }
