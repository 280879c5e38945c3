#pragma once
// Display backends: what shows the top-level windows to a person and brings their input back.
//
// The headless backend is the default: windows live on the virtual screen only, the virtual clock
// moves when told, and PNG snapshots show what a window would look like. The SDL2 backend gives
// every visible top-level window a borderless desktop window (the frame is drawn by the window
// system itself, so that a person sees what the snapshots show), presents the backing surface
// after paints, turns mouse, keyboard, close requests, cursors and clipboard text into the window
// system's terms, and lets the virtual clock follow real time.
//
// The display layer keeps the native windows in line with the window system each time the
// message loop is about to wait (SyncDisplay): natives are made for windows shown, moved, hidden
// and destroyed as their windows are, and what was drawn since is presented.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/cursor_resource.h"
#include "platform/win/gdi.h"
#include "platform/win/window.h"

class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;
    virtual const char* Name() const = 0;
    // Whether events come from a person: the message loop then waits through WaitEvents, and the
    // virtual clock follows Ticks. The headless backend delivers none.
    virtual bool DeliversEvents() const = 0;

    // The native counterpart of a top-level window, at its screen rectangle, made hidden; false
    // when the desktop refuses.
    virtual bool CreateNative(HWND hwnd, const RECT& rcScreen, const char* title) = 0;
    virtual void DestroyNative(HWND hwnd) = 0;
    virtual void ShowNative(HWND hwnd, bool show) = 0;
    virtual void MoveNative(HWND hwnd, const RECT& rcScreen) = 0;
    virtual void SetNativeTitle(HWND hwnd, const char* title) = 0;
    // Shows rcDirty (window coordinates) of the window's backing surface.
    virtual void Present(HWND hwnd, HDC surface, const RECT& rcDirty) = 0;

    // Waits up to timeoutMs for events and hands what arrives to the window system (the input
    // calls of input.h and the display_events functions below).
    virtual void WaitEvents(DWORD timeoutMs) = 0;
    // Milliseconds of real time from any fixed start.
    virtual DWORD Ticks() = 0;

    // The standard cursor (an IDC_* number; 0 hides the pointer).
    virtual void SetCursorShape(UINT idc) = 0;
    // A cursor from a module's resources; a backend that cannot show images shows the arrow.
    virtual void SetCursorImage(const CursorImage&) { SetCursorShape(32512); }
    // The desktop clipboard's text in UTF-8; false when it holds none.
    virtual bool GetClipboardText(std::string& text) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    virtual SIZE ScreenSize() = 0;
    // What the native window shows now, as 0x00RRGGBB pixels, rows top-down; false when unknown.
    virtual bool ReadPresentedPixels(HWND hwnd, std::vector<std::uint32_t>& pixels, SIZE& size) = 0;
};

// Chooses the backend: "headless", "sdl", or "auto" (SDL2 when DISPLAY or WAYLAND_DISPLAY is set
// and its video starts, headless otherwise). False, with the backend unchanged, for an unknown
// name or when SDL2 cannot start.
bool SetDisplayBackend(const char* name);
// "headless" until another backend is chosen.
const char* GetDisplayBackendName();
// Puts a backend in place (null: a fresh headless one); for tests that stand in for a desktop.
void InstallDisplayBackend(std::unique_ptr<DisplayBackend> backend);
// The backend in use; never null.
DisplayBackend& GetDisplayBackend();
// A headless backend: a virtual screen that keeps what is presented to each native.
std::unique_ptr<DisplayBackend> MakeHeadlessBackend();

// Brings the natives, the cursor and the clipboard in line with the window system and presents
// what was drawn since. A backend that delivers events has this done each time the message loop
// is about to wait; under the headless backend only an explicit call does it.
void SyncDisplay();
// Whether the native of a top-level window has been shown and presented at least once.
bool IsWindowPresented(HWND hwnd);
// Writes what the native window of a top-level window presents as a PNG file; false when
// headless, when the window has no native, or when the file cannot be written.
bool WriteDisplayScreenshot(HWND hwnd, const char* path);

// What a backend reports from the desktop.
namespace display_events {
// The desktop asked to close the window (its close button, a keyboard shortcut of the desktop).
void CloseRequested(HWND hwnd);
// The person moved the native window; ptScreen is its new top-left corner.
void Moved(HWND hwnd, POINT ptScreen);
// The native window got the keyboard focus of the desktop.
void Activated(HWND hwnd);
// The native window's pixels were lost (uncovered, resized): all of it is presented again.
void Exposed(HWND hwnd);
// The desktop clipboard may have changed.
void ClipboardChanged();
}  // namespace display_events
