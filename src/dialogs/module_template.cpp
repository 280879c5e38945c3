#include "dialogs/module_template.h"

#include "platform/win/module_resources.h"

void UseModuleTemplate(CDialog& dialog, HMODULE hModule, UINT nID) {
    dialog.m_lpszTemplateName = nullptr;
    dialog.m_hDialogTemplate = nullptr;
    if (HRSRC hResource = FindResourceA(hModule, MAKEINTRESOURCEA(nID), RT_DIALOG))
        dialog.m_hDialogTemplate = LoadResource(hModule, hResource);
}
