#include "platform/framework/win_app.h"

#include "platform/framework/profile_state.h"

#include <algorithm>
#include <vector>

namespace {
// In creation order; modules load and unload in any order, so the list is kept, not just a pointer.
// Never destroyed: application objects of other modules may die after this library's statics.
std::vector<CWinApp*>& Apps() {
    static auto* apps = new std::vector<CWinApp*>;
    return *apps;
}
}  // namespace

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(nullptr), m_strAppName(pszAppName) {
    if (pszAppName != nullptr) m_pszAppName = m_strAppName;
    Apps().push_back(this);
}

CWinApp::~CWinApp() {
    FlushProfile();
    auto& apps = Apps();
    apps.erase(std::remove(apps.begin(), apps.end(), this), apps.end());
}

CWinApp* AfxGetApp() noexcept { return Apps().empty() ? nullptr : Apps().front(); }
