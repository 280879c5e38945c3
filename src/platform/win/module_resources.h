#pragma once
// Module handles and module resources. Every module (the host program, a plug-in, a test) names
// itself once and gets a handle; under that handle it registers its resource table: dialog
// templates, bitmaps, cursors, the version block, each by type and by a numeric id or a name.
// FindResourceA, LoadResource, LockResource and SizeofResource read them the platform's way;
// FindResourceModule serves the framework's resource chain (AfxFindResourceHandle).
//
// A shared library gets its own handle from a static registration object of its own
// (CModuleRegistration); a host finds a loaded module's handle by its name (GetModuleHandleA).
#include <cstddef>

#include "platform/win/global_memory.h"
#include "platform/win/winuser.h"

struct HRSRC__;
using HRSRC = HRSRC__*;

#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_VERSION MAKEINTRESOURCEA(16)

// ---- modules ----------------------------------------------------------------------------------

// A new module of this name (names compare without regard to case; a name already taken gets
// null). The handle stays valid until UnregisterModule.
HMODULE RegisterModule(LPCSTR lpModuleName);
// Forgets the module and its resources; handles of its resources go stale.
void UnregisterModule(HMODULE hModule) noexcept;
// The module of this name, null when there is none; a null name gives the process's own module
// (the program), which always exists.
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
inline HMODULE GetModuleHandle(LPCSTR lpModuleName) { return GetModuleHandleA(lpModuleName); }
// The name a module was registered with; 0 for an unknown handle.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

// ---- resource tables ---------------------------------------------------------------------------

// One resource: type and name are MAKEINTRESOURCE numbers or texts ("#123" means 123, as on
// the platform; texts compare without regard to case).
struct MODULE_RESOURCE {
    LPCSTR lpType;
    LPCSTR lpName;
    const void* pData;
    DWORD cbData;
};

// Adds resources to the module's table (the bytes and names are copied); a resource of the same
// type and name is replaced. FALSE for an unknown module or an entry without data.
BOOL AddModuleResources(HMODULE hModule, const MODULE_RESOURCE* pResources, size_t nCount);
BOOL AddModuleResource(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const void* pData, DWORD cbData);

// Null for an unknown module or resource. A null module is the program's module.
HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
inline HRSRC FindResource(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) { return FindResourceA(hModule, lpName, lpType); }
// The module that has the resource: hFirst when it has it, else the first module in the order of
// registration that has it; null when none has.
HMODULE FindResourceModule(LPCSTR lpName, LPCSTR lpType, HMODULE hFirst);
// The resource's bytes as a handle; it is not a global memory block and needs no freeing.
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
// The bytes of a loaded resource; null for a handle that is no resource.
const void* LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
// The size of a loaded resource's bytes, 0 for a handle that is no resource.
DWORD SizeofLoadedResource(const void* pData);
BOOL FreeResource(HGLOBAL hResData);

// ---- registration objects ------------------------------------------------------------------------

// A module with its resources for as long as this object lives. A shared library keeps one as a
// static object: its handle is the library's own module handle.
class CModuleRegistration {
public:
    explicit CModuleRegistration(LPCSTR lpModuleName) : CModuleRegistration(lpModuleName, nullptr, 0) {}
    CModuleRegistration(LPCSTR lpModuleName, const MODULE_RESOURCE* pResources, size_t nCount);
    template <size_t N>
    CModuleRegistration(LPCSTR lpModuleName, const MODULE_RESOURCE (&resources)[N])
        : CModuleRegistration(lpModuleName, resources, N) {}
    ~CModuleRegistration() { UnregisterModule(m_hModule); }
    CModuleRegistration(const CModuleRegistration&) = delete;
    CModuleRegistration& operator=(const CModuleRegistration&) = delete;

    HMODULE Handle() const noexcept { return m_hModule; }
    operator HMODULE() const noexcept { return m_hModule; }

private:
    HMODULE m_hModule;
};
