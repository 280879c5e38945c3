#pragma once
// Dialogs that are plain framework dialogs load their template from the plug-in's module
// explicitly, instead of through the framework's resource search: the host's resource chain may
// hold another module with the same template ids.
#include "platform/framework/dialog.h"

// Sets the dialog's template handle to template nID of hModule and clears its template name. When
// the module has no such template, the handle stays null and DoModal fails with -1.
void UseModuleTemplate(CDialog& dialog, HMODULE hModule, UINT nID);
