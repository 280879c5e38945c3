// Choosing the display backend, and the message loop's wait under a backend that delivers
// events: keep the natives in line, wait for events until the next timer is due, and move the
// virtual clock on by the real time that passed.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win/display_internal.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_internal.h"

namespace {

// The longest single wait: the clipboard and the natives are looked at again at least this often.
constexpr DWORD kMaxWait = 250;

struct Selection {
    std::unique_ptr<DisplayBackend> backend = MakeHeadlessBackend();
    bool ownsWaitHandler = false;  // the wait handler in place is ours
    DWORD lastTicks = 0;
};

Selection& Current() {
    static auto* selection = new Selection();  // lives as long as the process, as the window state does
    return *selection;
}

// The virtual clock moves on by the real time since it last did.
void FollowRealTime(Selection& sel) {
    const DWORD now = sel.backend->Ticks();
    const DWORD passed = now - sel.lastTicks;
    sel.lastTicks = now;
    if (passed > 0) AdvanceClock(passed);
}

BOOL WaitForEvents() {
    Selection& sel = Current();
    DisplayBackend* backend = sel.backend.get();
    FollowRealTime(sel);
    SyncDisplay();
    if (sel.backend.get() != backend) return TRUE;  // the backend was replaced meanwhile
    DWORD timeout = kMaxWait;
    DWORD due = 0;
    const bool timer = win_internal::NextTimerDue(due);
    if (timer) {
        const LONG left = static_cast<LONG>(due - GetTickCount());
        timeout = left <= 0 ? 0 : std::min<DWORD>(static_cast<DWORD>(left), kMaxWait);
    }
    bool shown = false;
    for (HWND h : win_internal::S().topLevels)
        if (IsWindowVisible(h)) shown = true;
    // Without a visible window and a timer nothing could ever arrive.
    if (!shown && !timer) return FALSE;
    backend->WaitEvents(timeout);
    FollowRealTime(sel);
    return TRUE;
}

bool DisplayPresent() {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

void InstallDisplayBackend(std::unique_ptr<DisplayBackend> backend) {
    Selection& sel = Current();
    if (!backend) backend = MakeHeadlessBackend();
    // The natives of the old backend go with it; the new one makes its own at the next sync.
    display_internal::ForgetNatives();
    sel.backend = std::move(backend);
    display_internal::ResetClipboardSync();
    if (sel.backend->DeliversEvents()) {
        sel.lastTicks = sel.backend->Ticks();
        const SIZE screen = sel.backend->ScreenSize();
        if (screen.cx > 0 && screen.cy > 0) {
            SetScreenSize(screen.cx, screen.cy);
            SetDesktopSize(screen.cx, screen.cy);
        }
        SetMessageWaitHandler(WaitForEvents);
        sel.ownsWaitHandler = true;
    } else if (sel.ownsWaitHandler) {
        SetMessageWaitHandler(nullptr);
        sel.ownsWaitHandler = false;
    }
}

bool SetDisplayBackend(const char* name) {
    if (!name) return false;
    if (std::strcmp(name, "headless") == 0) {
        InstallDisplayBackend(MakeHeadlessBackend());
        return true;
    }
    if (std::strcmp(name, "sdl") == 0 || std::strcmp(name, "auto") == 0) {
        const bool automatic = name[0] == 'a';
        if (std::strcmp(GetDisplayBackendName(), "sdl") == 0) return true;
        // SDL2 is not even started without a display to show windows on.
        std::unique_ptr<DisplayBackend> sdl = automatic && !DisplayPresent() ? nullptr : display_internal::OpenSdlBackend();
        if (sdl) {
            InstallDisplayBackend(std::move(sdl));
            return true;
        }
        if (!automatic) return false;
        InstallDisplayBackend(MakeHeadlessBackend());
        return true;
    }
    return false;
}

const char* GetDisplayBackendName() { return Current().backend->Name(); }

DisplayBackend& GetDisplayBackend() { return *Current().backend; }
