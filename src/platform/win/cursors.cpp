// The standard cursors by their IDC_* numbers, the cursors of modules' resource tables, and the
// cursor in use. The display reads the number of a standard cursor, or the image of a module's
// cursor, to show the matching desktop cursor.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/cursor_resource.h"
#include "platform/win/module_resources.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

struct CursorRecord {
    UINT id;
};

// Shared, never destroyed: every LoadCursor of a standard id gives the same handle.
CursorRecord g_standard[] = {
    {32512}, {32513}, {32514}, {32515}, {32516}, {32640}, {32641}, {32642},
    {32643}, {32644}, {32645}, {32646}, {32648}, {32649}, {32650}, {32651},
};

const CursorRecord* Record(HCURSOR h) {
    for (const CursorRecord& r : g_standard)
        if (reinterpret_cast<HCURSOR>(const_cast<CursorRecord*>(&r)) == h) return &r;
    return nullptr;
}

// A cursor made from a module's resource. Like the platform's cursors loaded from resources it
// is shared: loading the same resource again gives the same handle, and it lives until its
// resource is gone (replaced, or its module unregistered).
struct ResourceCursor {
    HMODULE module;
    WORD id;             // the resource's name: a number,
    std::string name;    // or a text
    std::vector<BYTE> bytes;  // the resource as it was read, to know it again
    CursorImage image;
    unsigned serial;
};

struct ResourceCursors {
    std::vector<std::unique_ptr<ResourceCursor>> loaded;
    unsigned nextSerial = 1;
};

// Never destroyed: modules unregister from static destructors in any order.
ResourceCursors& RC() {
    static auto* r = new ResourceCursors;
    return *r;
}

// Handles are the cursors' serial numbers in a range of values no memory address of the
// standard table takes, so that the handle of a cursor that went never names a newer one.
constexpr UINT_PTR kHandleBase = UINT_PTR{0x5C} << 32;

HCURSOR HandleOf(const ResourceCursor& c) { return reinterpret_cast<HCURSOR>(kHandleBase + c.serial); }

const ResourceCursor* Loaded(HCURSOR h) {
    if (!h) return nullptr;
    for (const auto& c : RC().loaded)
        if (HandleOf(*c) == h) return c.get();
    return nullptr;
}

// The bytes of the module's cursor resource; false when it has none.
bool ReadResource(HMODULE hModule, LPCSTR lpName, const BYTE*& data, DWORD& size) {
    const HRSRC res = FindResourceA(hModule, lpName, RT_CURSOR);
    if (!res) return false;
    data = static_cast<const BYTE*>(LockResource(LoadResource(hModule, res)));
    size = SizeofResource(hModule, res);
    return data != nullptr;
}

bool StillThere(const ResourceCursor& c) {
    const BYTE* data = nullptr;
    DWORD size = 0;
    const LPCSTR name = c.name.empty() ? MAKEINTRESOURCEA(c.id) : c.name.c_str();
    return ReadResource(c.module, name, data, size) && size == c.bytes.size() &&
           std::equal(c.bytes.begin(), c.bytes.end(), data);
}

// Forgets the cursors whose resources are gone, except the one in use.
void ForgetStale() {
    auto& loaded = RC().loaded;
    const HCURSOR inUse = S().cursor;
    loaded.erase(std::remove_if(loaded.begin(), loaded.end(),
                                [inUse](const auto& c) { return HandleOf(*c) != inUse && !StillThere(*c); }),
                 loaded.end());
}

HCURSOR LoadResourceCursor(HMODULE hModule, LPCSTR lpName) {
    const BYTE* data = nullptr;
    DWORD size = 0;
    if (!ReadResource(hModule, lpName, data, size)) return nullptr;
    ForgetStale();
    for (const auto& c : RC().loaded)
        if (c->module == hModule && c->bytes.size() == size && std::equal(c->bytes.begin(), c->bytes.end(), data))
            return HandleOf(*c);
    CursorImage image;
    if (!ParseCursorResource(data, size, image)) return nullptr;
    auto c = std::make_unique<ResourceCursor>();
    c->module = hModule;
    if (IS_INTRESOURCE(lpName)) {
        c->id = static_cast<WORD>(reinterpret_cast<UINT_PTR>(lpName));
    } else {
        c->id = 0;
        c->name = lpName;
    }
    c->bytes.assign(data, data + size);
    c->image = std::move(image);
    c->serial = RC().nextSerial++;
    RC().loaded.push_back(std::move(c));
    return HandleOf(*RC().loaded.back());
}

}  // namespace

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (!lpCursorName) return nullptr;
    if (hInstance) return LoadResourceCursor(hInstance, lpCursorName);
    if (!IS_INTRESOURCE(lpCursorName)) return nullptr;
    const UINT id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpCursorName));
    for (CursorRecord& r : g_standard)
        if (r.id == id) return reinterpret_cast<HCURSOR>(&r);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    State& s = S();
    const HCURSOR prev = s.cursor;
    // A handle that is no cursor leaves the cursor as it is.
    if (hCursor && !Record(hCursor) && !Loaded(hCursor)) return prev;
    s.cursor = hCursor;
    return prev;
}

HCURSOR GetCursor() { return S().cursor; }

BOOL DestroyCursor(HCURSOR hCursor) {
    // Standard cursors and cursors from resources are shared and stay; destroying one is harmless.
    return Record(hCursor) || Loaded(hCursor) ? TRUE : FALSE;
}

UINT GetCursorId(HCURSOR hCursor) {
    const CursorRecord* r = Record(hCursor);
    return r ? r->id : 0;
}

const CursorImage* GetCursorImage(HCURSOR hCursor, unsigned* pSerial) {
    const ResourceCursor* c = Loaded(hCursor);
    if (c && pSerial) *pSerial = c->serial;
    return c ? &c->image : nullptr;
}
