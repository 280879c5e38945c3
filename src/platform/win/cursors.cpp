// The standard cursors by their IDC_* numbers, and the cursor in use. The display backend reads
// the number of the cursor in use to show the matching desktop cursor.
#include <iterator>

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

}  // namespace

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (hInstance || !lpCursorName || !IS_INTRESOURCE(lpCursorName)) return nullptr;
    const UINT id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpCursorName));
    for (CursorRecord& r : g_standard)
        if (r.id == id) return reinterpret_cast<HCURSOR>(&r);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    State& s = S();
    const HCURSOR prev = s.cursor;
    // A handle that is no cursor leaves the cursor as it is.
    if (hCursor && !Record(hCursor)) return prev;
    s.cursor = hCursor;
    return prev;
}

HCURSOR GetCursor() { return S().cursor; }

BOOL DestroyCursor(HCURSOR hCursor) {
    // Standard cursors are shared and stay; destroying one is harmless.
    return Record(hCursor) ? TRUE : FALSE;
}

UINT GetCursorId(HCURSOR hCursor) {
    const CursorRecord* r = Record(hCursor);
    return r ? r->id : 0;
}
