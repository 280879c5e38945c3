#include "platform/framework/resources.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/framework/exceptions.h"

namespace {
struct ModuleStrings {
    HMODULE hModule;
    std::unordered_map<UINT, CString> strings;
};

struct ResourceChain {
    std::vector<ModuleStrings> modules;  // in registration order
    HMODULE hCurrent = nullptr;

    ModuleStrings* Find(HMODULE h) {
        auto it = std::find_if(modules.begin(), modules.end(), [h](const ModuleStrings& m) { return m.hModule == h; });
        return it == modules.end() ? nullptr : &*it;
    }
};

// Never destroyed: modules unregister in any order, also after this library's statics.
ResourceChain& Chain() {
    static auto* chain = new ResourceChain;
    return *chain;
}

const CString* Lookup(const ModuleStrings& m, UINT nID) {
    auto it = m.strings.find(nID);
    return it == m.strings.end() ? nullptr : &it->second;
}
}  // namespace

void AfxRegisterStringTable(HMODULE hModule, const AFX_STRING_RESOURCE* pStrings, size_t nCount) {
    ResourceChain& chain = Chain();
    ModuleStrings* pModule = chain.Find(hModule);
    if (pModule == nullptr) {
        chain.modules.push_back(ModuleStrings{hModule, {}});
        pModule = &chain.modules.back();
    }
    pModule->strings.clear();
    for (size_t i = 0; i < nCount; ++i) pModule->strings[pStrings[i].nID] = pStrings[i].lpszText;
}

void AfxUnregisterStringTable(HMODULE hModule) noexcept {
    auto& modules = Chain().modules;
    modules.erase(std::remove_if(modules.begin(), modules.end(),
                                 [hModule](const ModuleStrings& m) { return m.hModule == hModule; }),
                  modules.end());
}

void AfxSetResourceHandle(HMODULE hModule) noexcept { Chain().hCurrent = hModule; }
HMODULE AfxGetResourceHandle() noexcept { return Chain().hCurrent; }

bool AfxLoadString(UINT nID, CString& rString) {
    ResourceChain& chain = Chain();
    const CString* pText = nullptr;
    if (ModuleStrings* pCurrent = chain.hCurrent != nullptr ? chain.Find(chain.hCurrent) : nullptr)
        pText = Lookup(*pCurrent, nID);
    for (size_t i = 0; pText == nullptr && i < chain.modules.size(); ++i) pText = Lookup(chain.modules[i], nID);
    if (pText == nullptr) return false;
    rString = *pText;
    return true;
}

CString AfxLoadStringOrThrow(UINT nID) {
    CString s;
    if (!AfxLoadString(nID, s)) AfxThrowResourceException();
    return s;
}

bool CString::LoadString(UINT nID) { return AfxLoadString(nID, *this); }
