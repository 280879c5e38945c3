// Backing surfaces of top-level windows and the device contexts windows draw through: GetDC,
// GetWindowDC, ReleaseDC, and the pixel move behind ScrollWindow.
//
// A surface belongs to the window record it was made for (held weakly): handles come back after
// a reset of the window system, records do not, so a surface never outlives its window for long
// and never passes to a new window with an old handle.
#include "platform/win/window_surface.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win/display_internal.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/window_internal.h"

using win_internal::Find;
using win_internal::Window;

namespace {

// A surface is four bytes a pixel; beyond 16 million pixels (64 MB) a window is a mistake, not
// something to back with memory.
constexpr long long kMaxSurfacePixels = 1LL << 24;

struct Surface {
    std::weak_ptr<Window> owner;
    HDC image = nullptr;
};

// A device context out with GetDC or BeginPaint: the top-level window whose surface it draws on
// and the bounds of what it may touch there, which the display presents once it is released.
struct Issued {
    HWND top = nullptr;
    RECT bounds{};
};

struct Store {
    std::unordered_map<HWND, Surface> surfaces;
    HDC screen = nullptr;
    std::unordered_map<HDC, Issued> issued;
};

Store& Surfaces() {
    static auto* store = new Store();  // lives as long as the process, as the window state does
    return *store;
}

RECT Offset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// An image of at least 1 × 1, so that an empty window still has a device context (with nothing
// visible); null when too large. Keeps what the old image showed where both overlap.
HDC Remake(HDC old, int cx, int cy) {
    cx = std::max(cx, 1);
    cy = std::max(cy, 1);
    if (old != nullptr) {
        const SIZE have = GetDCSurfaceSize(old);
        if (have.cx == cx && have.cy == cy) return old;
    }
    HDC image = static_cast<long long>(cx) * cy > kMaxSurfacePixels ? nullptr : CreateImageDC(cx, cy);
    if (image != nullptr && old != nullptr) {
        const SIZE have = GetDCSurfaceSize(old);
        BitBlt(image, 0, 0, std::min(cx, static_cast<int>(have.cx)), std::min(cy, static_cast<int>(have.cy)), old, 0,
               0, SRCCOPY);
    }
    if (old != nullptr) DeleteDC(old);
    return image;
}

// Drops the surfaces of windows that are gone.
void Sweep(Store& store) {
    for (auto it = store.surfaces.begin(); it != store.surfaces.end();) {
        if (it->second.owner.expired()) {
            DeleteDC(it->second.image);
            it = store.surfaces.erase(it);
        } else {
            ++it;
        }
    }
}

// The surface of a top-level window at its current size.
HDC SurfaceOf(HWND top) {
    Store& store = Surfaces();
    std::shared_ptr<Window> w = win_internal::Hold(top);
    if (!w) return nullptr;
    auto it = store.surfaces.find(top);
    if (it != store.surfaces.end() && it->second.owner.lock() != w) {
        DeleteDC(it->second.image);
        store.surfaces.erase(it);
        it = store.surfaces.end();
    }
    if (it == store.surfaces.end()) {
        Sweep(store);
        it = store.surfaces.emplace(top, Surface{w, nullptr}).first;
    }
    HDC image = Remake(it->second.image, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top);
    if (image == nullptr) {
        store.surfaces.erase(it);
        return nullptr;
    }
    it->second.image = image;
    return image;
}

HDC ScreenSurface() {
    Store& store = Surfaces();
    const SIZE desk = win_internal::S().desktop;
    store.screen = Remake(store.screen, desk.cx, desk.cy);
    return store.screen;
}

// A new device context drawing onto the pixels of an image device context, in its default state.
HDC ShareImage(HDC image) {
    gdi::DC* src = gdi::LookupDC(image);
    if (src == nullptr) return nullptr;
    HDC h = CreateImageDC(1, 1);
    gdi::DC* dc = gdi::LookupDC(h);
    if (dc == nullptr) return nullptr;
    // The shared image stays alive while this context holds it, even when the window's surface is
    // replaced meanwhile (a resize while the context is out).
    cairo_surface_destroy(dc->own);
    dc->own = cairo_surface_reference(src->surface);
    cairo_destroy(dc->cr);
    dc->surface = dc->own;
    dc->width = src->width;
    dc->height = src->height;
    dc->cr = cairo_create(dc->surface);
    cairo_set_antialias(dc->cr, CAIRO_ANTIALIAS_NONE);
    dc->clipSynced = false;
    dc->sourceValid = false;
    return h;
}

// Rectangles of a window on its top-level window's surface.
RECT WindowOnSurface(const Window& w, POINT topOrigin) {
    const POINT o = win_internal::WindowOrigin(w);
    return Offset(RECT{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top}, o.x - topOrigin.x,
                  o.y - topOrigin.y);
}

RECT ClientOnSurface(const Window& w, POINT topOrigin) {
    const POINT o = win_internal::ClientOrigin(w);
    const SIZE c = win_internal::ClientSize(w);
    return RECT{o.x - topOrigin.x, o.y - topOrigin.y, o.x - topOrigin.x + c.cx, o.y - topOrigin.y + c.cy};
}

// What of a window's rectangle its ancestors let show; empty when it or an ancestor below the
// top-level window is hidden (the top-level window draws on its own surface even while hidden).
RECT VisibleOnSurface(const Window& w, bool wholeWindow, POINT topOrigin) {
    RECT r = wholeWindow ? WindowOnSurface(w, topOrigin) : ClientOnSurface(w, topOrigin);
    for (const Window* p = &w; p->parent; p = Find(p->parent)) {
        const Window* parent = Find(p->parent);
        if (!parent || !(p->style & WS_VISIBLE)) return RECT{0, 0, 0, 0};
        r = win_internal::Intersect(r, ClientOnSurface(*parent, topOrigin));
    }
    return r;
}

void Exclude(HRGN rgn, const RECT& r) {
    if (win_internal::RectEmpty(r)) return;
    HRGN cut = CreateRectRgnIndirect(&r);
    CombineRgn(rgn, rgn, cut, RGN_DIFF);
    DeleteObject(cut);
}

}  // namespace

namespace win_surface {

HDC MakeWindowDC(HWND hwnd, bool wholeWindow, const RECT* paint) {
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    Window* top = Find(win_internal::TopLevelOf(hwnd));
    if (!top) return nullptr;
    HDC image = SurfaceOf(top->hwnd);
    if (image == nullptr) return nullptr;
    w = Find(hwnd);  // making the surface sends nothing, but a record is cheap to look up again
    if (!w) return nullptr;
    HDC hdc = ShareImage(image);
    if (hdc == nullptr) return nullptr;

    const POINT topOrigin = win_internal::WindowOrigin(*top);
    const RECT area = wholeWindow ? WindowOnSurface(*w, topOrigin) : ClientOnSurface(*w, topOrigin);
    SetViewportOrgEx(hdc, area.left, area.top, nullptr);

    RECT visible = VisibleOnSurface(*w, wholeWindow, topOrigin);
    if (paint) visible = win_internal::Intersect(visible, Offset(*paint, area.left, area.top));
    HRGN clip = CreateRectRgnIndirect(&visible);
    if (w->style & WS_CLIPCHILDREN) {
        for (HWND c : w->children)
            if (const Window* cw = Find(c); cw && (cw->style & WS_VISIBLE)) Exclude(clip, WindowOnSurface(*cw, topOrigin));
    }
    if (const Window* parent = Find(w->parent); parent && (w->style & WS_CLIPSIBLINGS)) {
        // Siblings above this window in the z-order come first in the parent's list.
        for (HWND s : parent->children) {
            if (s == hwnd) break;
            if (const Window* sw = Find(s); sw && (sw->style & WS_VISIBLE)) Exclude(clip, WindowOnSurface(*sw, topOrigin));
        }
    }
    SelectClipRgn(hdc, clip);
    DeleteObject(clip);
    Surfaces().issued[hdc] = Issued{top->hwnd, visible};
    return hdc;
}

void ScrollPixels(HWND hwnd, const RECT& rcScroll, const RECT& rcClip, int dx, int dy) {
    Window* w = Find(hwnd);
    if (!w) return;
    Window* top = Find(win_internal::TopLevelOf(hwnd));
    if (!top) return;
    gdi::DC* dc = gdi::LookupDC(SurfaceOf(top->hwnd));
    w = Find(hwnd);
    if (dc == nullptr || !w) return;
    // A move as far as the surface is wide or high leaves nothing of the old pixels in view (and
    // larger amounts must not reach the arithmetic below).
    if (dx <= -dc->width || dx >= dc->width || dy <= -dc->height || dy >= dc->height) return;
    const POINT topOrigin = win_internal::WindowOrigin(*top);
    const RECT client = ClientOnSurface(*w, topOrigin);
    const RECT bounds{0, 0, dc->width, dc->height};
    // Destination pixels: inside the scrolled and the clip rectangle, on the part of the window
    // that shows, with their source on the surface.
    const RECT area = Offset(win_internal::Intersect(rcScroll, rcClip), client.left, client.top);
    RECT dst = win_internal::Intersect(Offset(Offset(rcScroll, client.left, client.top), dx, dy), area);
    dst = win_internal::Intersect(dst, VisibleOnSurface(*w, false, topOrigin));
    dst = win_internal::Intersect(dst, win_internal::Intersect(bounds, Offset(bounds, dx, dy)));
    if (win_internal::RectEmpty(dst)) return;

    cairo_surface_flush(dc->surface);
    unsigned char* data = cairo_image_surface_get_data(dc->surface);
    const int stride = cairo_image_surface_get_stride(dc->surface);
    const std::size_t rowBytes = static_cast<std::size_t>(dst.right - dst.left) * 4;
    const int rows = dst.bottom - dst.top;
    // Source and destination overlap: rows are taken in the order that reads each source row
    // before it is written (from the top when moving up, from the bottom when moving down), and
    // memmove copes with the overlap within a row.
    for (int k = 0; k < rows; ++k) {
        const int i = dy > 0 ? rows - 1 - k : k;
        const unsigned char* src = data + static_cast<std::ptrdiff_t>(dst.top + i - dy) * stride +
                                   static_cast<std::ptrdiff_t>(dst.left - dx) * 4;
        unsigned char* out = data + static_cast<std::ptrdiff_t>(dst.top + i) * stride + static_cast<std::ptrdiff_t>(dst.left) * 4;
        std::memmove(out, src, rowBytes);
    }
    cairo_surface_mark_dirty_rectangle(dc->surface, dst.left, dst.top, dst.right - dst.left, rows);
    display_internal::NoteDamage(top->hwnd, dst);
}

void DropSurface(HWND hwnd) {
    Store& store = Surfaces();
    auto it = store.surfaces.find(hwnd);
    if (it == store.surfaces.end()) return;
    DeleteDC(it->second.image);
    store.surfaces.erase(it);
}

}  // namespace win_surface

HDC GetDC(HWND hWnd) {
    if (hWnd == nullptr || hWnd == GetDesktopWindow()) {
        HDC screen = ScreenSurface();
        HDC hdc = screen != nullptr ? ShareImage(screen) : nullptr;
        if (hdc != nullptr) Surfaces().issued[hdc] = Issued{};
        return hdc;
    }
    return win_surface::MakeWindowDC(hWnd, false, nullptr);
}

HDC GetWindowDC(HWND hWnd) {
    if (hWnd == nullptr || hWnd == GetDesktopWindow()) return GetDC(nullptr);
    return win_surface::MakeWindowDC(hWnd, true, nullptr);
}

int ReleaseDC(HWND, HDC hDC) {
    // The window named does not matter: the context knows its surface, and a window destroyed
    // while its context was out must still be able to give it back.
    auto& issued = Surfaces().issued;
    auto it = issued.find(hDC);
    if (it == issued.end()) return 0;
    const Issued done = it->second;
    issued.erase(it);
    DeleteDC(hDC);
    if (done.top) display_internal::NoteDamage(done.top, done.bounds);
    return 1;
}

HDC GetWindowSurfaceDC(HWND hWnd) {
    if (!Find(hWnd)) return nullptr;
    return SurfaceOf(win_internal::TopLevelOf(hWnd));
}
