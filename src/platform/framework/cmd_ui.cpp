#include "platform/framework/cmd_ui.h"

void CCmdUI::Enable(bool bOn) { m_bEnabled = bOn; }

void CCmdUI::SetText(const char* pszText) { m_strText = pszText; }
