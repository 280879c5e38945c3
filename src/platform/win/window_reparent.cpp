// SetParent: a window moves under another parent (or to the desktop) with its rectangle's numbers
// unchanged, now in the new parent's client coordinates. It goes to the top of its new siblings;
// where it was, its old parent repaints; where it is now, it repaints itself, frame included.
// Clipping needs nothing more: every device context is clipped by the window's ancestors as
// they are when it is made, and a window draws on the surface of whatever top-level window it
// is in now.
#include <algorithm>

#include "platform/win/window_internal.h"
#include "platform/win/window_surface.h"

using namespace win_internal;

namespace {

void Invalidate(Window& w) {
    w.ncDirty = true;
    const SIZE c = ClientSize(w);
    AddUpdate(w, RECT{0, 0, c.cx, c.cy}, true, true);
}

}  // namespace

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
    std::shared_ptr<Window> w = Hold(hWndChild);
    if (!w || w->destroying) return nullptr;
    if (hWndNewParent == GetDesktopWindow()) hWndNewParent = nullptr;
    Window* np = hWndNewParent ? Find(hWndNewParent) : nullptr;
    if (hWndNewParent && (!np || np->destroying)) return nullptr;
    // A window cannot go under itself or one of its own descendants.
    if (hWndNewParent && IsDescendant(hWndChild, hWndNewParent)) return nullptr;
    State& s = S();
    const HWND oldParent = w->parent;
    if (oldParent == hWndNewParent) return oldParent ? oldParent : GetDesktopWindow();
    const bool visible = (w->style & WS_VISIBLE) != 0;

    // Where the window was, its old parent shows again.
    if (Window* op = Find(oldParent); op && visible) AddUpdate(*op, w->rect, true, true);
    std::vector<HWND>* from = oldParent ? &Find(oldParent)->children : &s.topLevels;
    from->erase(std::remove(from->begin(), from->end(), hWndChild), from->end());

    if (np) {
        // A top-level window that becomes a child gives up activation and its own surface.
        if (!oldParent) {
            w->owner = nullptr;
            win_surface::DropSurface(hWndChild);
        }
        w->parent = hWndNewParent;
        np->children.insert(np->children.begin(), hWndChild);
    } else {
        w->parent = nullptr;
        s.topLevels.insert(s.topLevels.begin(), hWndChild);
    }
    if (!oldParent && s.active == hWndChild) {
        // Activation goes to the next top-level window that can have it.
        HWND next = nullptr;
        for (HWND t : s.topLevels) {
            const Window* tw = Find(t);
            if (t != hWndChild && tw && !tw->parent && (tw->style & WS_VISIBLE) && !(tw->style & WS_DISABLED)) {
                next = t;
                break;
            }
        }
        Activate(next, WA_ACTIVE, false);
    }
    if (Window* moved = Find(hWndChild); moved && visible) Invalidate(*moved);
    return oldParent ? oldParent : GetDesktopWindow();
}
