#pragma once
// CWinApp: the application object. Every module that is an application in its own right (the host,
// the plug-in) has one, created when the module loads. The first one created is the process's
// application; its name is what profiles and message boxes use.
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CWinApp : public CObject {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }

    // Null when the module was created without a name.
    const char* m_pszAppName;

private:
    CString m_strAppName;
};

// The process's application object: the first one created that still lives, null before.
CWinApp* AfxGetApp() noexcept;
