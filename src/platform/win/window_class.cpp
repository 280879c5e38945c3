// Window classes registered by name, and the atoms that registered messages and clipboard
// formats share.
#include <cctype>
#include <cstring>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace win_internal {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const noexcept {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

UINT RegisterAtom(LPCSTR name) {
    if (!name || !*name) return 0;
    State& s = S();
    auto it = s.atoms.find(name);
    if (it != s.atoms.end()) return it->second;
    if (s.nextAtomValue > 0xFFFF) return 0;  // the table is full
    const UINT value = s.nextAtomValue++;
    s.atoms.emplace(name, value);
    s.atomNames.emplace(value, name);
    return value;
}

}  // namespace win_internal

namespace {

// A class name given as an atom (MAKEINTRESOURCE of the value RegisterClass returned).
const WindowClass* FindClass(LPCSTR lpClassName) {
    if (!lpClassName) return nullptr;
    State& s = S();
    if (IS_INTRESOURCE(lpClassName)) {
        const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(lpClassName));
        for (const auto& [name, cls] : s.classes)
            if (cls->atom == atom) return cls.get();
        return nullptr;
    }
    auto it = s.classes.find(lpClassName);
    // The standard controls' classes come into being on their first look-up.
    if (it == s.classes.end() && RegisterSystemClass(lpClassName)) it = s.classes.find(lpClassName);
    return it == s.classes.end() ? nullptr : it->second.get();
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName)
        return 0;
    if (wc->cbWndExtra < 0 || wc->cbWndExtra > 4096 || wc->cbClsExtra < 0 || wc->cbClsExtra > 4096) return 0;
    State& s = S();
    if (s.classes.count(wc->lpszClassName)) return 0;  // already registered
    if (s.nextAtom == 0xFFFF) return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->name = wc->lpszClassName;
    cls->atom = s.nextAtom++;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc;
    cls->cbClsExtra = wc->cbClsExtra;
    cls->cbWndExtra = wc->cbWndExtra;
    cls->hInstance = wc->hInstance;
    cls->hIcon = wc->hIcon;
    cls->hCursor = wc->hCursor;
    cls->hbrBackground = wc->hbrBackground;
    s.classes.emplace(cls->name, cls);
    return cls->atom;
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    const WindowClass* cls = FindClass(lpClassName);
    if (!cls) return FALSE;
    State& s = S();
    // The platform refuses while windows of the class exist; so do we.
    for (const auto& [h, w] : s.windows)
        if (w->cls.get() == cls) return FALSE;
    s.classes.erase(cls->name);
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR lpClassName, WNDCLASSA* wc) {
    const WindowClass* cls = FindClass(lpClassName);
    if (!cls || !wc) return FALSE;
    wc->style = cls->style;
    wc->lpfnWndProc = cls->proc;
    wc->cbClsExtra = cls->cbClsExtra;
    wc->cbWndExtra = cls->cbWndExtra;
    wc->hInstance = cls->hInstance;
    wc->hIcon = cls->hIcon;
    wc->hCursor = cls->hCursor;
    wc->hbrBackground = cls->hbrBackground;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = cls->name.c_str();
    return TRUE;
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    Window* w = Find(hWnd);
    if (!w || !lpClassName || nMaxCount <= 0) return 0;
    const int n = std::min<int>(static_cast<int>(w->cls->name.size()), nMaxCount - 1);
    std::memcpy(lpClassName, w->cls->name.data(), static_cast<std::size_t>(n));
    lpClassName[n] = '\0';
    return n;
}

ULONG_PTR GetClassLongPtrA(HWND hWnd, int nIndex) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    switch (nIndex) {
    case GCL_STYLE: return w->cls->style;
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(w->cls->proc);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(w->cls->hCursor);
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(w->cls->hbrBackground);
    default: return 0;
    }
}

UINT RegisterWindowMessageA(LPCSTR lpString) { return RegisterAtom(lpString); }

UINT RegisterClipboardFormatA(LPCSTR lpszFormat) { return RegisterAtom(lpszFormat); }

int GetClipboardFormatNameA(UINT format, LPSTR lpszFormatName, int cchMaxCount) {
    const auto& names = S().atomNames;
    auto it = names.find(format);
    if (it == names.end() || !lpszFormatName || cchMaxCount <= 0) return 0;
    const int n = std::min<int>(static_cast<int>(it->second.size()), cchMaxCount - 1);
    std::memcpy(lpszFormatName, it->second.data(), static_cast<std::size_t>(n));
    lpszFormatName[n] = '\0';
    return n;
}
