#pragma once
// CInterruptSettingsApp: the module's one application object, created when the module loads.
#include "platform/framework/win_app.h"

class CInterruptSettingsApp : public CWinApp {
public:
    CInterruptSettingsApp() : CWinApp(nullptr) {}
};
