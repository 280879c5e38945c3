// Windows: the handle map, creation and destruction with their messages, window longs, text and
// the relations between windows (parent, owner, children in z-order), and the reset of the
// whole window system.
#include <algorithm>
#include <cstring>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace win_internal {

namespace {
// Deep enough for any real nesting of sent messages, shallow enough to stop a procedure that
// sends to itself without end long before the stack runs out.
constexpr int kMaxSendDepth = 200;
const HWND kDesktop = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x10010));
}  // namespace

State& S() {
    static State* state = new State;  // lives as long as the process; reset replaces its contents
    return *state;
}

Window* Find(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = S().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

std::shared_ptr<Window> Hold(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = S().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second;
}

HWND DesktopHandle() { return kDesktop; }

LRESULT CallProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || !w->proc) return 0;
    State& s = S();
    if (s.sendDepth >= kMaxSendDepth) return 0;
    ++s.sendDepth;
    const LRESULT r = w->proc(hwnd, msg, wParam, lParam);
    --s.sendDepth;
    return r;
}

bool VisibleChain(const Window& w) {
    for (const Window* p = &w; p; p = Find(p->parent))
        if (!(p->style & WS_VISIBLE)) return false;
    return true;
}

bool EnabledChain(const Window& w) {
    for (const Window* p = &w; p; p = Find(p->parent))
        if (p->style & WS_DISABLED) return false;
    return true;
}

HWND TopLevelOf(HWND hwnd) {
    Window* w = Find(hwnd);
    while (w && w->parent) w = Find(w->parent);
    return w ? w->hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    if (!ancestor) return false;
    for (Window* w = Find(hwnd); w; w = Find(w->parent))
        if (w->hwnd == ancestor) return true;
    return false;
}

}  // namespace win_internal

namespace {

void Unlink(Window& w) {
    State& s = S();
    std::vector<HWND>* list = &s.topLevels;
    if (Window* p = Find(w.parent)) list = &p->children;
    list->erase(std::remove(list->begin(), list->end(), w.hwnd), list->end());
}

void SendDestroy(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || w->destroying) return;
    w->destroying = true;
    CallProc(hwnd, WM_DESTROY, 0, 0);
    w = Find(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) SendDestroy(c);
}

void FinalDestroy(HWND hwnd) {
    std::shared_ptr<Window> w = Hold(hwnd);
    if (!w || w->dead) return;
    // A child made by a WM_DESTROY handler has not had its own WM_DESTROY yet.
    if (!w->destroying) SendDestroy(hwnd);
    while (!w->children.empty()) {
        const HWND c = w->children.front();
        FinalDestroy(c);
        // A child that could not be removed (already gone) must not stall the loop.
        if (!w->children.empty() && w->children.front() == c)
            w->children.erase(w->children.begin());
    }
    CallProc(hwnd, WM_NCDESTROY, 0, 0);
    ForgetTimers(hwnd);
    ForgetMessages(hwnd);
    ReleaseClipboardFor(hwnd);
    State& s = S();
    if (s.capture == hwnd) s.capture = nullptr;
    if (s.focus == hwnd) s.focus = nullptr;
    if (s.active == hwnd) s.active = nullptr;
    if (s.click.hwnd == hwnd) s.click = ClickState{};
    Unlink(*w);
    w->dead = true;
    s.windows.erase(hwnd);
}

bool ExtraSlot(Window& w, int nIndex, std::size_t size) {
    return nIndex >= 0 && static_cast<std::size_t>(nIndex) + size <= w.extra.size();
}

}  // namespace

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, void* lpParam) {
    State& s = S();
    WNDCLASSA wc{};
    if (!GetClassInfoA(hInstance, lpClassName, &wc)) return nullptr;
    auto found = s.classes.find(wc.lpszClassName);
    if (found == s.classes.end()) return nullptr;
    std::shared_ptr<const WindowClass> cls = found->second;

    const bool child = (dwStyle & WS_CHILD) != 0;
    if (child && !Find(hWndParent)) return nullptr;
    if (!child && hWndParent && hWndParent != kDesktop && !Find(hWndParent)) return nullptr;

    if (!child) {
        if (x == CW_USEDEFAULT) x = y = 40;
        if (nWidth == CW_USEDEFAULT) nWidth = 640, nHeight = 480;
    } else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (nWidth == CW_USEDEFAULT) nWidth = nHeight = 0;
    }
    // Held to the same range as SetWindowPos, so that no sum of coordinates can overflow.
    constexpr int kLimit = 1 << 27;
    x = std::clamp(x, -kLimit, kLimit);
    y = std::clamp(y, -kLimit, kLimit);
    nWidth = std::clamp(nWidth, 0, kLimit);
    nHeight = std::clamp(nHeight, 0, kLimit);

    auto w = std::make_shared<Window>();
    w->hwnd = reinterpret_cast<HWND>(s.nextHandle);
    s.nextHandle += 4;
    w->cls = cls;
    w->style = dwStyle & ~WS_VISIBLE;  // shown after WM_CREATE, as the platform does
    w->exStyle = dwExStyle;
    if (child) {
        w->parent = hWndParent;
        w->id = reinterpret_cast<LONG_PTR>(hMenu);
    } else if (hWndParent && hWndParent != kDesktop) {
        w->owner = TopLevelOf(hWndParent);
    }
    w->hInstance = hInstance;
    w->rect = RECT{x, y, x + nWidth, y + nHeight};
    w->proc = cls->proc;
    w->extra.assign(static_cast<std::size_t>(cls->cbWndExtra), 0);
    for (int bar = 0; bar < 2; ++bar) {
        if (dwStyle & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) {
            w->bars[bar].known = true;
            w->bars[bar].nMax = 100;  // the platform's initial range of a window's own bar
        }
    }
    const HWND hwnd = w->hwnd;
    s.windows.emplace(hwnd, w);
    if (child)
        Find(hWndParent)->children.push_back(hwnd);  // new children go to the bottom: creation order
    else
        s.topLevels.insert(s.topLevels.begin(), hwnd);

    if (s.createHook) {
        const std::function<void(HWND)> hook = std::move(s.createHook);
        s.createHook = nullptr;
        hook(hwnd);
        if (!Find(hwnd)) return nullptr;
    }
    CREATESTRUCTA cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, y, x,
                     static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    if (!CallProc(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (Find(hwnd)) FinalDestroy(hwnd);
        return nullptr;
    }
    if (!Find(hwnd)) return nullptr;
    if (CallProc(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Window* made = Find(hwnd);
    if (!made) return nullptr;
    const SIZE client = ClientSize(*made);
    CallProc(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(client.cx), static_cast<WORD>(client.cy)));
    if (Window* again = Find(hwnd)) {
        const RECT cw = ClientInWindow(*again);
        CallProc(hwnd, WM_MOVE, 0, MAKEPOINTLPARAM(again->rect.left + cw.left, again->rect.top + cw.top));
    }
    if (!Find(hwnd)) return nullptr;
    if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    std::shared_ptr<Window> w = Hold(hWnd);
    if (!w) return FALSE;
    if (w->destroying) return TRUE;  // already on its way
    State& s = S();
    // Owned windows go first.
    if (!w->parent) {
        const std::vector<HWND> tops = s.topLevels;
        for (HWND t : tops)
            if (Window* o = Find(t); o && o->owner == hWnd) DestroyWindow(t);
    }
    if (w->dead) return TRUE;
    if (w->style & WS_VISIBLE) ShowWindow(hWnd, SW_HIDE);
    if (w->dead) return TRUE;
    ForgetFocusAndCapture(hWnd);
    SendDestroy(hWnd);
    FinalDestroy(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) { return hWnd == kDesktop || Find(hWnd) != nullptr; }

BOOL IsWindowVisible(HWND hWnd) {
    Window* w = Find(hWnd);
    return w && VisibleChain(*w);
}

BOOL IsWindowEnabled(HWND hWnd) {
    Window* w = Find(hWnd);
    return w && !(w->style & WS_DISABLED);
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    switch (nIndex) {
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->hInstance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    default: break;
    }
    LONG_PTR v = 0;
    if (ExtraSlot(*w, nIndex, sizeof v)) std::memcpy(&v, w->extra.data() + nIndex, sizeof v);
    return v;
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR v) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    LONG_PTR old = 0;
    switch (nIndex) {
    case GWL_STYLE: old = static_cast<LONG_PTR>(w->style); w->style = static_cast<DWORD>(v); return old;
    case GWL_EXSTYLE: old = static_cast<LONG_PTR>(w->exStyle); w->exStyle = static_cast<DWORD>(v); return old;
    case GWLP_ID: old = w->id; w->id = v; return old;
    case GWLP_USERDATA: old = w->userData; w->userData = v; return old;
    case GWLP_WNDPROC:
        if (!v) return 0;  // a window without a procedure could not answer anything
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(v);
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(w->hInstance);
        w->hInstance = reinterpret_cast<HINSTANCE>(v);
        return old;
    case GWLP_HWNDPARENT:
        if (w->parent) return 0;
        old = reinterpret_cast<LONG_PTR>(w->owner);
        w->owner = TopLevelOf(reinterpret_cast<HWND>(v));
        return old;
    default: break;
    }
    if (!ExtraSlot(*w, nIndex, sizeof v)) return 0;
    std::memcpy(&old, w->extra.data() + nIndex, sizeof old);
    std::memcpy(w->extra.data() + nIndex, &v, sizeof v);
    return old;
}

LONG GetWindowLongA(HWND hWnd, int nIndex) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    if (nIndex < 0) return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex));
    LONG v = 0;
    if (ExtraSlot(*w, nIndex, sizeof v)) std::memcpy(&v, w->extra.data() + nIndex, sizeof v);
    return v;
}

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG v) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    if (nIndex < 0) {
        if (nIndex == GWLP_WNDPROC) return 0;  // a procedure does not fit in 32 bits here
        return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, v));
    }
    if (!ExtraSlot(*w, nIndex, sizeof v)) return 0;
    LONG old = 0;
    std::memcpy(&old, w->extra.data() + nIndex, sizeof old);
    std::memcpy(w->extra.data() + nIndex, &v, sizeof v);
    return old;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!lpPrevWndFunc) return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (!Find(hWnd)) return FALSE;
    return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (!Find(hWnd) || !lpString || nMaxCount <= 0) return 0;
    lpString[0] = '\0';
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) {
    if (!Find(hWnd)) return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

// ---- relations -------------------------------------------------------------------------------

HWND GetParent(HWND hWnd) {
    Window* w = Find(hWnd);
    if (!w) return nullptr;
    if (w->parent) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND GetAncestor(HWND hWnd, UINT gaFlags) {
    Window* w = Find(hWnd);
    if (!w) return nullptr;
    switch (gaFlags) {
    case GA_PARENT: return w->parent ? w->parent : kDesktop;
    case GA_ROOT: return TopLevelOf(hWnd);
    case GA_ROOTOWNER: {
        HWND h = TopLevelOf(hWnd);
        for (Window* t = Find(h); t && t->owner; t = Find(t->owner)) h = t->owner;
        return h;
    }
    default: return nullptr;
    }
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    Window* w = Find(hWnd);
    if (!w) return nullptr;
    if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (uCmd == GW_OWNER) return w->owner;
    const std::vector<HWND>* list = &S().topLevels;
    if (Window* p = Find(w->parent)) list = &p->children;
    auto it = std::find(list->begin(), list->end(), hWnd);
    if (it == list->end()) return nullptr;
    switch (uCmd) {
    case GW_HWNDFIRST: return list->front();
    case GW_HWNDLAST: return list->back();
    case GW_HWNDNEXT: return (it + 1) == list->end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == list->begin() ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hWnd) {
    if (!hWnd || hWnd == kDesktop) return S().topLevels.empty() ? nullptr : S().topLevels.front();
    return GetWindow(hWnd, GW_CHILD);
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    if (!Find(hWndParent) || hWndParent == hWnd) return FALSE;
    return IsDescendant(hWndParent, hWnd);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* w = Find(hDlg);
    if (!w) return nullptr;
    for (HWND c : w->children)
        if (Window* cw = Find(c); cw && cw->id == nIDDlgItem) return c;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* w = Find(hWnd);
    return w && w->parent ? static_cast<int>(w->id) : 0;
}

HWND GetDesktopWindow() { return kDesktop; }

namespace {
bool EnumChildren(HWND parent, BOOL (*fn)(HWND, LPARAM), LPARAM lParam) {
    Window* w = Find(parent);
    if (!w) return true;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (!Find(c)) continue;
        if (!fn(c, lParam)) return false;
        if (!EnumChildren(c, fn, lParam)) return false;
    }
    return true;
}
}  // namespace

BOOL EnumChildWindows(HWND hWndParent, BOOL (*lpEnumFunc)(HWND, LPARAM), LPARAM lParam) {
    if (!lpEnumFunc || !Find(hWndParent)) return FALSE;
    return EnumChildren(hWndParent, lpEnumFunc, lParam) ? TRUE : FALSE;
}

std::function<void(HWND)> SetWindowCreateHook(std::function<void(HWND)> hook) {
    std::function<void(HWND)> previous = std::move(S().createHook);
    S().createHook = std::move(hook);
    return previous;
}

void SetDesktopSize(int cx, int cy) {
    if (cx > 0 && cy > 0) S().desktop = SIZE{cx, cy};
}

void SetWindowPaintHooks(const WindowPaintHooks& hooks) { S().paintHooks = hooks; }

void ResetWindowSystem() {
    State& s = S();
    // Destroy from the top until nothing is left; a handler that makes new windows while being
    // destroyed cannot keep this going for long.
    for (int round = 0; round < 100 && !s.topLevels.empty(); ++round) {
        const std::vector<HWND> tops = s.topLevels;
        for (HWND t : tops) DestroyWindow(t);
    }
    ResetModalLoops();
    FreeClipboardBlocks();
    const WindowPaintHooks hooks = s.paintHooks;  // the graphics layer stays connected
    s = State{};
    s.paintHooks = hooks;
}
