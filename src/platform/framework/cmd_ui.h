#pragma once
// CCmdUI: one user-interface item of a command (a menu item, a tool bar button) while its command
// handler is asked to bring it up to date: whether it is enabled, and for a menu item its text.
// The owner of the item fills in the id, the kind and the current text, calls the handler and
// reads the result back; an owner that draws the item itself overrides Enable and SetText.
#include "platform/framework/cstring.h"
#include "platform/win/windef.h"

class CCmdUI {
public:
    CCmdUI() = default;
    CCmdUI(UINT nID, bool bMenuItem, const char* pszText = nullptr)
        : m_nID(nID), m_bMenuItem(bMenuItem), m_strText(pszText) {}
    virtual ~CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;

    virtual void Enable(bool bOn = true);
    virtual void SetText(const char* pszText);

    UINT m_nID = 0;
    bool m_bMenuItem = false;  // only a menu item has a text to set
    CString m_strText;         // the item's current text
    bool m_bEnabled = true;
};
