// Keeping the natives in line with the window system: a native for every visible top-level
// window, following its rectangle, title and visibility, and going when the window goes or
// becomes a child; the parts of its surface drawn since the last present presented again; the
// cursor and the clipboard. Also what the backends report from the desktop.
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/win/cursor_resource.h"
#include "platform/win/display_internal.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/png_writer.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_surface.h"

using win_internal::Find;
using win_internal::Window;

namespace {

struct Native {
    RECT rect{};
    std::string title;
    bool shown = false;
    bool presented = false;
    RECT damage{};  // window coordinates; empty when nothing is to be presented
};

struct Natives {
    std::unordered_map<HWND, Native> byWindow;
    UINT cursor = 0xFFFFFFFF;  // the cursor shape last set, none yet
    unsigned cursorImage = 0;  // the serial of the module cursor last set, 0 for a shape
};

Natives& N() {
    static auto* natives = new Natives();  // lives as long as the process
    return *natives;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Union(const RECT& a, const RECT& b) {
    if (Empty(a)) return b;
    if (Empty(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

RECT Whole(const RECT& rc) { return RECT{0, 0, rc.right - rc.left, rc.bottom - rc.top}; }

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void SyncWindow(DisplayBackend& backend, HWND h, const Window& w) {
    Natives& all = N();
    const bool visible = (w.style & WS_VISIBLE) != 0;
    auto it = all.byWindow.find(h);
    if (it == all.byWindow.end()) {
        if (!visible || !backend.CreateNative(h, w.rect, w.text.c_str())) return;
        it = all.byWindow.emplace(h, Native{w.rect, w.text, false, false, Whole(w.rect)}).first;
    }
    Native& n = it->second;
    if (!Same(n.rect, w.rect)) {
        const bool resized = n.rect.right - n.rect.left != w.rect.right - w.rect.left ||
                             n.rect.bottom - n.rect.top != w.rect.bottom - w.rect.top;
        backend.MoveNative(h, w.rect);
        n.rect = w.rect;
        if (resized) n.damage = Whole(w.rect);
    }
    if (n.title != w.text) {
        backend.SetNativeTitle(h, w.text.c_str());
        n.title = w.text;
    }
    if (visible && !Empty(n.damage)) {
        // Present before showing, so that a native never appears with nothing on it.
        if (HDC surface = GetWindowSurfaceDC(h)) {
            backend.Present(h, surface, n.damage);
            n.presented = true;
        }
        n.damage = RECT{};
    }
    if (visible != n.shown) {
        backend.ShowNative(h, visible);
        n.shown = visible;
    }
}

}  // namespace

namespace display_internal {

void NoteDamage(HWND top, const RECT& rc) {
    auto& byWindow = N().byWindow;
    if (byWindow.empty()) return;
    auto it = byWindow.find(top);
    if (it != byWindow.end()) it->second.damage = Union(it->second.damage, rc);
}

void ForgetNatives() {
    N().byWindow.clear();
    N().cursor = 0xFFFFFFFF;
    N().cursorImage = 0;
}

}  // namespace display_internal

void SyncDisplay() {
    DisplayBackend& backend = GetDisplayBackend();
    Natives& all = N();
    for (auto it = all.byWindow.begin(); it != all.byWindow.end();) {
        const Window* w = Find(it->first);
        if (!w || w->parent) {
            backend.DestroyNative(it->first);
            it = all.byWindow.erase(it);
        } else {
            ++it;
        }
    }
    // Bottom of the z-order first, so that the natives are made and raised in the same order.
    const std::vector<HWND> tops = win_internal::S().topLevels;
    for (auto t = tops.rbegin(); t != tops.rend(); ++t)
        if (const Window* w = Find(*t)) SyncWindow(backend, *t, *w);
    unsigned serial = 0;
    if (const CursorImage* image = GetCursorImage(GetCursor(), &serial)) {
        if (serial != all.cursorImage) {
            backend.SetCursorImage(*image);
            all.cursorImage = serial;
            all.cursor = 0xFFFFFFFF;
        }
    } else if (const UINT cursor = GetCursorId(GetCursor()); cursor != all.cursor || all.cursorImage != 0) {
        backend.SetCursorShape(cursor);
        all.cursor = cursor;
        all.cursorImage = 0;
    }
    display_internal::SyncClipboard(backend);
}

bool IsWindowPresented(HWND hwnd) {
    auto it = N().byWindow.find(hwnd);
    return it != N().byWindow.end() && it->second.presented && it->second.shown;
}

bool WriteDisplayScreenshot(HWND hwnd, const char* path) {
    if (!path || !IsWindowPresented(hwnd)) return false;
    std::vector<std::uint32_t> pixels;
    SIZE size{};
    if (!GetDisplayBackend().ReadPresentedPixels(hwnd, pixels, size) || size.cx <= 0 || size.cy <= 0) return false;
    HDC image = CreateImageDC(size.cx, size.cy);
    gdi::DC* dc = gdi::LookupDC(image);
    if (!dc) return false;
    cairo_surface_flush(dc->surface);
    unsigned char* data = cairo_image_surface_get_data(dc->surface);
    const int stride = cairo_image_surface_get_stride(dc->surface);
    for (int y = 0; y < size.cy; ++y)
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, pixels.data() + static_cast<std::size_t>(y) * size.cx,
                    static_cast<std::size_t>(size.cx) * 4);
    cairo_surface_mark_dirty(dc->surface);
    const bool ok = WritePng(image, path);
    DeleteDC(image);
    return ok;
}

namespace display_events {

void CloseRequested(HWND hwnd) {
    // A window behind a modal loop does not close from the desktop either.
    if (Window* w = Find(hwnd); w && !(w->style & WS_DISABLED)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

void Moved(HWND hwnd, POINT pt) {
    Window* w = Find(hwnd);
    if (!w || w->parent || (pt.x == w->rect.left && pt.y == w->rect.top)) return;
    // The surface moves with the native: nothing needs painting.
    SetWindowPos(hwnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    auto it = N().byWindow.find(hwnd);
    if (it != N().byWindow.end())
        if (const Window* moved = Find(hwnd)) it->second.rect = moved->rect;
}

void Activated(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || w->parent || !(w->style & WS_VISIBLE)) return;
    if (!(w->style & WS_DISABLED)) {
        if (GetActiveWindow() != hwnd) SetActiveWindow(hwnd);
        return;
    }
    // A window disabled by a modal loop hands the activation to the window it owns that is enabled.
    for (HWND t : win_internal::S().topLevels) {
        const Window* o = Find(t);
        if (o && o->owner == hwnd && (o->style & WS_VISIBLE) && !(o->style & WS_DISABLED)) {
            if (GetActiveWindow() != t) SetActiveWindow(t);
            return;
        }
    }
}

void Exposed(HWND hwnd) {
    auto it = N().byWindow.find(hwnd);
    if (it != N().byWindow.end()) it->second.damage = Whole(it->second.rect);
}

void ClipboardChanged() { display_internal::NoteDesktopClipboardChanged(); }

}  // namespace display_events
