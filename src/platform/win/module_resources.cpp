// Module handles and their resource tables.
#include "platform/win/module_resources.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// A type or name: a number, or a text kept upper-cased so that look-ups ignore case.
struct ResourceKey {
    WORD id = 0;
    std::string text;

    static bool From(LPCSTR p, ResourceKey& key) {
        key = ResourceKey{};
        if (p == nullptr) return false;
        if (IS_INTRESOURCE(p)) {
            key.id = static_cast<WORD>(reinterpret_cast<UINT_PTR>(p));
            return key.id != 0;
        }
        if (*p == '\0') return false;
        if (p[0] == '#') {
            char* end = nullptr;
            const unsigned long n = std::strtoul(p + 1, &end, 10);
            if (end != p + 1 && *end == '\0' && n > 0 && n <= 0xFFFF) {
                key.id = static_cast<WORD>(n);
                return true;
            }
        }
        for (const char* c = p; *c; ++c) key.text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
        return true;
    }
    bool operator==(const ResourceKey& o) const { return id == o.id && text == o.text; }
};

struct Entry {
    ResourceKey type;
    ResourceKey name;
    std::vector<BYTE> data;
};

struct Module {
    std::string name;
    std::vector<std::unique_ptr<Entry>> entries;
};

struct Registry {
    std::vector<std::unique_ptr<Module>> modules;  // in the order of registration
    std::unordered_map<const void*, const Entry*> byData;  // the bytes of every live resource
    std::unordered_set<const Entry*> live;                   // checked before a handle is read

    Module* Find(HMODULE h) {
        for (auto& m : modules)
            if (reinterpret_cast<HMODULE>(m.get()) == h) return m.get();
        return nullptr;
    }
    bool Live(const Entry* e) const { return e != nullptr && live.count(e) != 0; }
    void Keep(const Entry& e) {
        byData[e.data.data()] = &e;
        live.insert(&e);
    }
    void Forget(const Entry& e) {
        byData.erase(e.data.data());
        live.erase(&e);
    }
};

// Never destroyed: modules unregister from static destructors in any order.
Registry& R() {
    static auto* r = new Registry;
    return *r;
}

bool SameName(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

Module* ProgramModule() {
    Registry& r = R();
    for (auto& m : r.modules)
        if (m->name.empty()) return m.get();
    r.modules.insert(r.modules.begin(), std::make_unique<Module>());
    return r.modules.front().get();
}

Module* ModuleOf(HMODULE h) { return h == nullptr ? ProgramModule() : R().Find(h); }

const Entry* FindIn(const Module& m, const ResourceKey& name, const ResourceKey& type) {
    for (const auto& e : m.entries)
        if (e->type == type && e->name == name) return e.get();
    return nullptr;
}

}  // namespace

HMODULE RegisterModule(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr || *lpModuleName == '\0') return nullptr;
    Registry& r = R();
    for (const auto& m : r.modules)
        if (SameName(m->name, lpModuleName)) return nullptr;
    auto m = std::make_unique<Module>();
    m->name = lpModuleName;
    const HMODULE h = reinterpret_cast<HMODULE>(m.get());
    r.modules.push_back(std::move(m));
    return h;
}

void UnregisterModule(HMODULE hModule) noexcept {
    Registry& r = R();
    Module* m = r.Find(hModule);
    if (m == nullptr || m->name.empty()) return;  // the program's module stays
    for (const auto& e : m->entries) r.Forget(*e);
    r.modules.erase(std::remove_if(r.modules.begin(), r.modules.end(), [m](const auto& p) { return p.get() == m; }),
                    r.modules.end());
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr) return reinterpret_cast<HMODULE>(ProgramModule());
    for (const auto& m : R().modules)
        if (!m->name.empty() && SameName(m->name, lpModuleName)) return reinterpret_cast<HMODULE>(m.get());
    return nullptr;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    const Module* m = ModuleOf(hModule);
    if (m == nullptr || lpFilename == nullptr || nSize == 0) return 0;
    const DWORD n = std::min<DWORD>(static_cast<DWORD>(m->name.size()), nSize - 1);
    std::memcpy(lpFilename, m->name.data(), n);
    lpFilename[n] = '\0';
    return n;
}

BOOL AddModuleResource(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const void* pData, DWORD cbData) {
    Module* m = ModuleOf(hModule);
    auto e = std::make_unique<Entry>();
    if (m == nullptr || pData == nullptr || cbData == 0 || !ResourceKey::From(lpType, e->type) ||
        !ResourceKey::From(lpName, e->name))
        return FALSE;
    const auto* bytes = static_cast<const BYTE*>(pData);
    e->data.assign(bytes, bytes + cbData);
    Registry& r = R();
    for (auto& old : m->entries) {
        if (old->type == e->type && old->name == e->name) {
            r.Forget(*old);
            old = std::move(e);
            r.Keep(*old);
            return TRUE;
        }
    }
    r.Keep(*e);
    m->entries.push_back(std::move(e));
    return TRUE;
}

BOOL AddModuleResources(HMODULE hModule, const MODULE_RESOURCE* pResources, size_t nCount) {
    if (ModuleOf(hModule) == nullptr || (pResources == nullptr && nCount != 0)) return FALSE;
    BOOL ok = TRUE;
    for (size_t i = 0; i < nCount; ++i)
        ok &= AddModuleResource(hModule, pResources[i].lpType, pResources[i].lpName, pResources[i].pData,
                                pResources[i].cbData);
    return ok;
}

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    const Module* m = ModuleOf(hModule);
    ResourceKey name, type;
    if (m == nullptr || !ResourceKey::From(lpName, name) || !ResourceKey::From(lpType, type)) return nullptr;
    return reinterpret_cast<HRSRC>(const_cast<Entry*>(FindIn(*m, name, type)));
}

HMODULE FindResourceModule(LPCSTR lpName, LPCSTR lpType, HMODULE hFirst) {
    if (hFirst != nullptr && R().Find(hFirst) != nullptr && FindResourceA(hFirst, lpName, lpType) != nullptr) return hFirst;
    for (const auto& m : R().modules) {
        const auto h = reinterpret_cast<HMODULE>(m.get());
        if (FindResourceA(h, lpName, lpType) != nullptr) return h;
    }
    return nullptr;
}

HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo) {
    const auto* e = reinterpret_cast<const Entry*>(hResInfo);
    const Module* m = ModuleOf(hModule);
    if (m == nullptr || !R().Live(e)) return nullptr;
    // The handle must belong to the module named, as a handle of another module would on the platform.
    for (const auto& own : m->entries)
        if (own.get() == e) return reinterpret_cast<HGLOBAL>(const_cast<Entry*>(e));
    return nullptr;
}

const void* LockResource(HGLOBAL hResData) {
    const auto* e = reinterpret_cast<const Entry*>(hResData);
    return R().Live(e) ? e->data.data() : nullptr;
}

DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    const HGLOBAL loaded = LoadResource(hModule, hResInfo);
    return loaded ? static_cast<DWORD>(reinterpret_cast<const Entry*>(loaded)->data.size()) : 0;
}

DWORD SizeofLoadedResource(const void* pData) {
    auto& byData = R().byData;
    auto it = byData.find(pData);
    return it == byData.end() ? 0 : static_cast<DWORD>(it->second->data.size());
}

BOOL FreeResource(HGLOBAL) { return FALSE; }  // resources live with their module

CModuleRegistration::CModuleRegistration(LPCSTR lpModuleName, const MODULE_RESOURCE* pResources, size_t nCount)
    : m_hModule(RegisterModule(lpModuleName)) {
    if (m_hModule != nullptr) AddModuleResources(m_hModule, pResources, nCount);
}
