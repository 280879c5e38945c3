#pragma once
// CGXCommand: the base of the grid's undoable commands, and CGXCommandList, the list of owned
// commands that the grid parameters keep as their undo and redo lists (and a block command as its
// steps). A command holds what is needed to change the grid back; executing it calls the grid's
// public operation with those values, which records the opposite command in turn.
#include "grid/data/range.h"
#include "platform/framework/collections.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CGXGridCore;

// The last argument of every recording grid operation: whether to record, and where.
enum GXCmdMode : UINT {
    gxDo = 0,        // a normal call: record on the undo list and empty the redo list
    gxNoRecord = 1,  // record nothing
    gxUndo = 2,      // the call runs an undo: record the opposite command on the redo list
    gxRedo = 3,      // the call runs a redo: record the opposite command on the undo list
};

class CGXCommand : public CObject {
    DECLARE_DYNAMIC(CGXCommand)
public:
    ~CGXCommand() override = default;
    CGXCommand(const CGXCommand&) = delete;
    CGXCommand& operator=(const CGXCommand&) = delete;

    // Changes the grid back, recording as nCommandMode says; false when the grid refused.
    virtual bool Execute(CGXGridCore& grid, UINT nCommandMode) = 0;
    // The text of the Undo and Redo menu items; a single space when the class has none.
    virtual CString GetDescription() const;

    // The grid's current cell when the command was recorded.
    void SetCurrentCell(ROWCOL nRow, ROWCOL nCol, bool bValid) noexcept {
        m_nRow = nRow;
        m_nCol = nCol;
        m_bCCell = bValid;
    }

    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
    bool m_bCCell = false;

protected:
    CGXCommand() = default;
};

// The description text of one command class: its string resource, loaded on first use and kept;
// a single space when the resource is missing, so that menus never show an empty label.
class CGXCommandDescription {
public:
    explicit CGXCommandDescription(UINT nID) noexcept : m_nID(nID) {}
    const CString& Get() const;

private:
    UINT m_nID;
    mutable CString m_strText;
    mutable bool m_bLoaded = false;
};

// A list of commands that owns them. The head is the most recent command.
class CGXCommandList : public CPtrList {
    DECLARE_DYNAMIC(CGXCommandList)
public:
    CGXCommandList() : CPtrList(10) {}
    ~CGXCommandList() override { DeleteAll(); }

    // The list takes pCmd over; when it cannot be added it is deleted and the exception goes on.
    POSITION AddHead(CGXCommand* pCmd);
    POSITION AddTail(CGXCommand* pCmd);
    CGXCommand* GetHead() const noexcept { return static_cast<CGXCommand*>(CPtrList::GetHead()); }
    CGXCommand* GetTail() const noexcept { return static_cast<CGXCommand*>(CPtrList::GetTail()); }
    CGXCommand* GetNext(POSITION& pos) const noexcept { return static_cast<CGXCommand*>(CPtrList::GetNext(pos)); }
    // The caller takes over the command removed; null for an empty list.
    CGXCommand* RemoveHead() noexcept { return static_cast<CGXCommand*>(CPtrList::RemoveHead()); }
    CGXCommand* RemoveTail() noexcept { return static_cast<CGXCommand*>(CPtrList::RemoveTail()); }
    // Removes and deletes the oldest command; nothing for an empty list.
    void DeleteTail() noexcept { delete RemoveTail(); }
    // Deletes every command and empties the list.
    void DeleteAll() noexcept;

    // Hidden: they would lose or alias what the list owns.
    void RemoveAll() = delete;
    void RemoveAt(POSITION) = delete;
    void SetAt(POSITION, void*) = delete;
};
