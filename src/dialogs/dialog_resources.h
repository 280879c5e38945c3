#pragma once
// The plug-in's dialog templates, added to a module's resource table: the plug-in adds them to its
// own module when it loads; tests add them to a module of their own.
#include "platform/win/windef.h"

// FALSE when the module is unknown.
BOOL AddDialogResources(HMODULE hModule);
