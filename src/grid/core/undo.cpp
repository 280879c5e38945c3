// Undo and redo: recording commands on the parameters' lists, undoing and redoing the most recent
// step, blocks (BeginTrans, CommitTrans, Rollback), scrolling to a change, the Undo and Redo menu
// items, and the current cell as far as commands need it.
//
// The lists hold the most recent command at their head. While a block is begun (m_pTransBlock)
// or a block executes (its opposite block, put into m_pTransBlock by CGXBlockCmd), commands go
// into that block instead of the list; no other block ever receives them.
#include <map>
#include <memory>
#include <utility>

#include "grid/commands/commands.h"
#include "grid/core/grid_core.h"
#include "platform/framework/cmd_ui.h"
#include "platform/framework/resources.h"
#include "platform/framework/wnd.h"

namespace {

// Drops the oldest commands while the list holds more than the limit, before a new one is added.
void DropOldest(CGXCommandList& list, DWORD nMaxEntries) noexcept {
    while (!list.IsEmpty() && static_cast<DWORD>(list.GetCount()) > nMaxEntries) list.DeleteTail();
}

// Lifts the read-only lock while an undo or redo runs, so that a read-only grid can still go back.
class ReadOnlyLockOff {
public:
    explicit ReadOnlyLockOff(CGXGridParam& param) : m_param(param), m_bOld(param.IsLockReadOnly()) {
        param.SetLockReadOnly(false);
    }
    ~ReadOnlyLockOff() { m_param.SetLockReadOnly(m_bOld); }
    ReadOnlyLockOff(const ReadOnlyLockOff&) = delete;
    ReadOnlyLockOff& operator=(const ReadOnlyLockOff&) = delete;

private:
    CGXGridParam& m_param;
    bool m_bOld;
};

}  // namespace

bool CGXGridCore::ShouldRecord(UINT nCommandMode) const noexcept {
    return nCommandMode != gxNoRecord && m_pParam != nullptr && m_pParam->IsEnableUndo();
}

void CGXGridCore::RecordCommand(CGXCommand* pCmd, UINT nCommandMode) {
    if (ShouldRecord(nCommandMode)) AddCommand(pCmd, nCommandMode);
    else delete pCmd;
}

// ----- recording

void CGXGridCore::AddCommand(CGXCommand* pCmd, UINT nCommandMode) {
    std::unique_ptr<CGXCommand> pOwned(pCmd);
    if (pOwned == nullptr || m_pParam == nullptr) return;
    CGXGridParam& param = *m_pParam;

    // 1. A normal change makes what was undone unreachable; an undo records on the redo list.
    if (nCommandMode == gxDo) param.EmptyRedoList();
    const bool bUndoSide = nCommandMode == gxDo || nCommandMode == gxRedo;
    CGXCommandList& list = bUndoSide ? param.GetUndoList() : param.GetRedoList();

    // 2. Inside a block the command becomes one of its steps. The block that was begun lies on
    // the undo list: an opposite command for the redo list is never one of its steps.
    const bool bInBlock = m_bExecutingBlock || (param.GetTransactionDepth() > 0 && bUndoSide);
    if (bInBlock && m_pTransBlock != nullptr) {
        static_cast<CGXBlockCmd*>(m_pTransBlock)->GetCommands().AddHead(pOwned.release());
        return;
    }

    // 3. The limit drops the oldest.
    DropOldest(list, param.GetMaxUndoEntries());

    // 4. The current cell, so that a redo can make it current again.
    ROWCOL nRow = 0, nCol = 0;
    const bool bValid = GetCurrentCell(nRow, nCol);
    pOwned->SetCurrentCell(nRow, nCol, bValid);
    list.AddHead(pOwned.release());
}

void CGXGridCore::RemoveCommand(UINT nCommandMode) {
    if (m_pParam == nullptr) return;
    CGXGridParam& param = *m_pParam;
    const bool bUndoSide = nCommandMode == gxDo || nCommandMode == gxRedo;
    const bool bInBlock = m_bExecutingBlock || (param.GetTransactionDepth() > 0 && bUndoSide);
    if (bInBlock && m_pTransBlock != nullptr) {
        delete static_cast<CGXBlockCmd*>(m_pTransBlock)->GetCommands().RemoveHead();
        return;
    }
    CGXCommandList& list = bUndoSide ? param.GetUndoList() : param.GetRedoList();
    delete list.RemoveHead();
}

// ----- undo and redo

// The head of the list, executed with the read-only lock off. A command that fails (or throws)
// goes back to the head; one that ran is handed back to the caller. The block that was begun is
// forgotten while it runs and remembered again when it goes back.
namespace {
std::unique_ptr<CGXCommand> ExecuteHead(CGXGridCore& grid, CGXGridParam& param, CGXCommandList& list,
                                               UINT nCommandMode, CGXCommand*& pTransBlock) {
    std::unique_ptr<CGXCommand> pCmd(list.RemoveHead());
    const bool bWasTransBlock = pCmd.get() == pTransBlock && pTransBlock != nullptr;
    if (bWasTransBlock) pTransBlock = nullptr;
    auto putBack = [&] {
        if (bWasTransBlock) pTransBlock = pCmd.get();
        list.AddHead(pCmd.release());
    };
    bool bDone = false;
    try {
        ReadOnlyLockOff lockOff(param);
        bDone = pCmd->Execute(grid, nCommandMode);
    } catch (...) {
        putBack();
        throw;
    }
    if (bDone) return pCmd;
    putBack();
    return nullptr;
}
}  // namespace

bool CGXGridCore::Undo() {
    if (m_pParam == nullptr) return false;
    // A cell being edited would take back its pending text first; no cell control can be active
    // in a grid without its current-cell operations, so the lists decide alone.
    CGXCommandList& list = m_pParam->GetUndoList();
    if (list.IsEmpty()) return false;
    return ExecuteHead(*this, *m_pParam, list, gxUndo, m_pTransBlock) != nullptr;
}

bool CGXGridCore::Redo() {
    if (m_pParam == nullptr) return false;
    // A cell being edited would store its pending text first; no cell control can be active yet.
    CGXCommandList& list = m_pParam->GetRedoList();
    if (list.IsEmpty()) return false;
    std::unique_ptr<CGXCommand> pCmd = ExecuteHead(*this, *m_pParam, list, gxRedo, m_pTransBlock);
    if (pCmd == nullptr) return false;
    if (pCmd->m_bCCell) SetCurrentCell(pCmd->m_nRow, pCmd->m_nCol, 10);
    return true;
}

// ----- blocks

void CGXGridCore::BeginTrans(const char* pszDescription) {
    if (m_pParam == nullptr) return;
    CGXGridParam& param = *m_pParam;
    // Nested calls, and a block begun while a block executes (its steps already have their
    // block), only count the depth.
    if (param.GetTransactionDepth() == 0 && !m_bExecutingBlock) {
        m_pTransBlock = nullptr;
        if (param.IsEnableUndo()) {
            auto pBlock = std::make_unique<CGXBlockCmd>(pszDescription);
            ROWCOL nRow = 0, nCol = 0;
            const bool bValid = GetCurrentCell(nRow, nCol);
            pBlock->SetCurrentCell(nRow, nCol, bValid);
            CGXCommandList& list = param.GetUndoList();
            DropOldest(list, param.GetMaxUndoEntries());
            m_pTransBlock = pBlock.get();
            list.AddHead(pBlock.release());
        }
    }
    param.SetTransactionDepth(param.GetTransactionDepth() + 1);
}

void CGXGridCore::CommitTrans() {
    if (m_pParam == nullptr || m_pParam->GetTransactionDepth() == 0) return;
    CGXGridParam& param = *m_pParam;
    param.SetTransactionDepth(param.GetTransactionDepth() - 1);
    if (param.GetTransactionDepth() > 0 || m_bExecutingBlock) return;

    // A block that received nothing would be an Undo step that does nothing.
    CGXCommand* pBlock = std::exchange(m_pTransBlock, nullptr);
    CGXCommandList& list = param.GetUndoList();
    const bool bBegun = pBlock != nullptr && !list.IsEmpty() && list.GetHead() == pBlock;
    if (bBegun && static_cast<CGXBlockCmd*>(pBlock)->IsEmpty()) delete list.RemoveHead();
}

void CGXGridCore::Rollback() {
    if (m_pParam == nullptr || m_pParam->GetTransactionDepth() == 0) return;
    CGXGridParam& param = *m_pParam;
    param.SetTransactionDepth(param.GetTransactionDepth() - 1);
    if (param.GetTransactionDepth() > 0 || m_bExecutingBlock) return;

    // Only the block that was begun is taken back: whatever else heads the list is another step.
    CGXCommand* pBlock = std::exchange(m_pTransBlock, nullptr);
    CGXCommandList& list = param.GetUndoList();
    if (pBlock == nullptr || list.IsEmpty() || list.GetHead() != pBlock) return;
    std::unique_ptr<CGXCommand> pOwned(list.RemoveHead());
    pOwned->Execute(*this, gxNoRecord);
}

// ----- scrolling to a change

void CGXGridCore::ScrollToChange(ROWCOL nRow, ROWCOL nCol, bool bMakeCurrent) {
    // A block scrolls once, to the last change it made, when it is done.
    if (m_bExecutingBlock) {
        m_bDeferredScroll = true;
        m_nDeferredRow = nRow;
        m_nDeferredCol = nCol;
        m_bDeferredMakeCurrent = bMakeCurrent;
        return;
    }
    ROWCOL nCurrentRow = 0, nCurrentCol = 0;
    const bool bCurrent = GetCurrentCell(nCurrentRow, nCurrentCol) && nCurrentRow == nRow && nCurrentCol == nCol;
    if (bMakeCurrent && !bCurrent) SetCurrentCell(nRow, nCol, 10);
    else ScrollCellInView(nRow, nCol);
    if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr && !m_bLockUpdate) m_pGridWnd->UpdateWindow();
}


// ----- the Undo and Redo menu items

namespace {

// The label format of a menu command, taken once: the part of its string resource after the
// first line feed, else the item's text as it stands the first time (at most 255 characters),
// else the default. Once the item shows a label, its text no longer holds the format.
const CString& LabelFormat(const CCmdUI& ui, bool bRedo) {
    static std::map<std::pair<UINT, bool>, CString> formats;
    const auto key = std::make_pair(ui.m_nID, bRedo);
    if (auto it = formats.find(key); it != formats.end()) return it->second;

    CString strFormat;
    CString strResource;
    const int nLineFeed = AfxLoadString(ui.m_nID, strResource) ? strResource.Find('\n') : -1;
    if (nLineFeed >= 0) strFormat = strResource.Mid(nLineFeed + 1);
    if (strFormat.IsEmpty()) strFormat = ui.m_strText.Left(255);
    if (strFormat.IsEmpty()) strFormat = bRedo ? "Redo %1" : "Undo %1";
    return formats.emplace(key, strFormat).first->second;
}

// The format with every "%1" replaced by the argument, the argument itself taken as it stands.
CString FormatLabel(const CString& strFormat, const CString& strArgument) {
    CString strLabel;
    for (int nStart = 0;;) {
        const int nAt = strFormat.Find("%1", nStart);
        if (nAt < 0) {
            strLabel += strFormat.Mid(nStart);
            return strLabel;
        }
        strLabel += strFormat.Mid(nStart, nAt - nStart);
        strLabel += strArgument;
        nStart = nAt + 2;
    }
}

// A current cell with a modified control would enable the item and lend its description too;
// no cell control can be active yet, so the list decides alone.
void UpdateEditItem(CCmdUI& ui, CGXGridParam* pParam, bool bRedo) {
    if (pParam == nullptr) {
        ui.Enable(false);
        return;
    }
    const CGXCommandList& list = bRedo ? pParam->GetRedoList() : pParam->GetUndoList();
    ui.Enable(!list.IsEmpty());
    if (!ui.m_bMenuItem) return;
    const CString strArgument = list.IsEmpty() ? CString() : list.GetHead()->GetDescription();
    ui.SetText(FormatLabel(LabelFormat(ui, bRedo), strArgument));
}

}  // namespace

void CGXGridCore::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    if (pCmdUI != nullptr) UpdateEditItem(*pCmdUI, m_pParam, false);
}

void CGXGridCore::OnUpdateEditRedo(CCmdUI* pCmdUI) {
    if (pCmdUI != nullptr) UpdateEditItem(*pCmdUI, m_pParam, true);
}
