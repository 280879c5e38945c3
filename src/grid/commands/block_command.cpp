// CGXBlockCmd: commands that undo and redo as one step. Executing a block runs its commands, the
// most recent first; the opposite commands they record go into one new block at the head of the
// opposite list, so that the step can be taken back as one again.
#include <memory>

#include "grid/commands/commands.h"

IMPLEMENT_DYNAMIC(CGXBlockCmd, CGXCommand)

CGXBlockCmd::CGXBlockCmd(const char* pszDescription) : m_strDescription(pszDescription) {}

CString CGXBlockCmd::GetDescription() const { return m_strDescription.IsEmpty() ? CString("Block") : m_strDescription; }

// Marks the grid as executing a block and restores its receiving block and mark when the block
// is done, also when a command throws. A scroll target deferred meanwhile is scrolled to at the
// end of the outermost block.
class CGXBlockCmd::ExecutionScope {
public:
    explicit ExecutionScope(CGXGridCore& grid)
        : m_grid(grid), m_bWasExecuting(grid.m_bExecutingBlock), m_pOldReceiver(grid.m_pTransBlock) {
        grid.m_bExecutingBlock = true;
        if (!m_bWasExecuting) grid.m_bDeferredScroll = false;
    }
    ~ExecutionScope() { Restore(); }
    ExecutionScope(const ExecutionScope&) = delete;
    ExecutionScope& operator=(const ExecutionScope&) = delete;

    void End() {
        Restore();
        if (!m_bWasExecuting && m_grid.m_bDeferredScroll) {
            m_grid.m_bDeferredScroll = false;
            m_grid.ScrollToChange(m_grid.m_nDeferredRow, m_grid.m_nDeferredCol, m_grid.m_bDeferredMakeCurrent);
        }
    }

private:
    void Restore() noexcept {
        m_grid.m_bExecutingBlock = m_bWasExecuting;
        m_grid.m_pTransBlock = m_pOldReceiver;
    }

    CGXGridCore& m_grid;
    const bool m_bWasExecuting;
    CGXCommand* const m_pOldReceiver;
};

int CGXBlockCmd::RunCommands(CGXGridCore& grid, UINT nCommandMode) {
    int nDone = 0;
    for (POSITION pos = m_commands.GetHeadPosition(); pos != nullptr; ++nDone) {
        if (!m_commands.GetNext(pos)->Execute(grid, nCommandMode)) break;
    }
    return nDone;
}

bool CGXBlockCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    CGXGridParam* pParam = grid.GetParam();
    if (pParam == nullptr) return false;

    // The opposite block: an undo fills the redo list, a redo the undo list. Other modes open
    // none (a rollback records nothing).
    CGXCommandList* pOppositeList = nullptr;
    if (nCommandMode == gxUndo) pOppositeList = &pParam->GetRedoList();
    if (nCommandMode == gxRedo) pOppositeList = &pParam->GetUndoList();
    CGXBlockCmd* pOpposite = nullptr;
    if (pOppositeList != nullptr && pParam->IsEnableUndo()) {
        pOpposite = new CGXBlockCmd(m_strDescription);
        ROWCOL nRow = 0, nCol = 0;
        const bool bValid = grid.GetCurrentCell(nRow, nCol);
        pOpposite->SetCurrentCell(nRow, nCol, bValid);
        pOppositeList->AddHead(pOpposite);
    }

    // While the block runs, the grid's receiving block is the opposite one; without one, a
    // block that was begun keeps receiving, and otherwise commands go to their lists. Scrolling
    // to a change waits until the end.
    ExecutionScope scope(grid);
    if (pOpposite != nullptr) grid.m_pTransBlock = pOpposite;
    else if (pParam->GetTransactionDepth() == 0) grid.m_pTransBlock = nullptr;

    const bool bLock = m_commands.GetCount() > 1;
    const bool bOldLock = bLock ? grid.LockUpdate(true) : false;

    // What ran of a block that failed is undone again, recording nothing, so that the grid is as
    // before the attempt and the failed block can stay on its list whole.
    auto takeBack = [&] {
        if (pOpposite == nullptr) return;
        grid.m_pTransBlock = nullptr;
        pOpposite->RunCommands(grid, gxNoRecord);
        if (pOppositeList->GetHead() == pOpposite) delete pOppositeList->RemoveHead();
    };
    bool bDone = false;
    try {
        bDone = RunCommands(grid, nCommandMode) == m_commands.GetCount();
        if (!bDone) takeBack();
    } catch (...) {
        if (bLock) grid.LockUpdate(bOldLock);
        takeBack();
        throw;
    }

    if (bLock) {
        grid.LockUpdate(bOldLock);
        grid.Redraw(GX_REDRAWNOW);
    }
    scope.End();
    return bDone;
}
