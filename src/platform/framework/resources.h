#pragma once
// String resources. Each module registers its string table under its module handle; a look-up
// goes along the application's resource chain: the current resource module first (the one set by
// AfxSetResourceHandle, when it has a table), then every registered module in the order of
// registration. The host registers the strings it supplies to the modules it loads in the same way.
#include <cstddef>

#include "platform/framework/cstring.h"
#include "platform/win/windef.h"

struct AFX_STRING_RESOURCE {
    UINT nID;
    const char* lpszText;
};

// Registers (or replaces) the string table of a module. The texts are copied.
void AfxRegisterStringTable(HMODULE hModule, const AFX_STRING_RESOURCE* pStrings, size_t nCount);
void AfxUnregisterStringTable(HMODULE hModule) noexcept;

// The module searched first; null searches the registered modules only.
void AfxSetResourceHandle(HMODULE hModule) noexcept;
HMODULE AfxGetResourceHandle() noexcept;

// Finds a string along the chain; false when no module has it.
bool AfxLoadString(UINT nID, CString& rString);
// The same, but a missing string raises CResourceException.
CString AfxLoadStringOrThrow(UINT nID);

// A module's string table for as long as this object lives (tests and hosts use it).
class CStringTableRegistration {
public:
    CStringTableRegistration(HMODULE hModule, const AFX_STRING_RESOURCE* pStrings, size_t nCount)
        : m_hModule(hModule) {
        AfxRegisterStringTable(hModule, pStrings, nCount);
    }
    template <size_t N>
    CStringTableRegistration(HMODULE hModule, const AFX_STRING_RESOURCE (&strings)[N])
        : CStringTableRegistration(hModule, strings, N) {}
    ~CStringTableRegistration() { AfxUnregisterStringTable(m_hModule); }
    CStringTableRegistration(const CStringTableRegistration&) = delete;
    CStringTableRegistration& operator=(const CStringTableRegistration&) = delete;

private:
    HMODULE m_hModule;
};
