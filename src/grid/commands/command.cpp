#include "grid/commands/command.h"

#include <memory>

#include "platform/framework/resources.h"

IMPLEMENT_DYNAMIC(CGXCommand, CObject)
IMPLEMENT_DYNAMIC(CGXCommandList, CPtrList)

CString CGXCommand::GetDescription() const { return CString(" "); }

const CString& CGXCommandDescription::Get() const {
    if (!m_bLoaded) {
        if (!AfxLoadString(m_nID, m_strText) || m_strText.IsEmpty()) m_strText = " ";
        m_bLoaded = true;
    }
    return m_strText;
}

POSITION CGXCommandList::AddHead(CGXCommand* pCmd) {
    std::unique_ptr<CGXCommand> pOwned(pCmd);
    POSITION pos = CPtrList::AddHead(pCmd);
    pOwned.release();
    return pos;
}

POSITION CGXCommandList::AddTail(CGXCommand* pCmd) {
    std::unique_ptr<CGXCommand> pOwned(pCmd);
    POSITION pos = CPtrList::AddTail(pCmd);
    pOwned.release();
    return pos;
}

void CGXCommandList::DeleteAll() noexcept {
    while (!IsEmpty()) delete RemoveHead();
}
