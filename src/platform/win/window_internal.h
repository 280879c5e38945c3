#pragma once
// The window system's process-wide state, shared by its source files and by nothing else.
//
// Window records are held by shared pointers: the handle map holds one, and every call into a
// window procedure holds another for its duration, so a window destroyed by its own handler
// stays readable until that handler returns, while its handle is already stale.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win/window.h"

namespace win_internal {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const noexcept;
};

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
};

struct ScrollBarState {
    bool known = false;  // the window had the bar's style or its information was set
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

struct Window {
    HWND hwnd = nullptr;
    std::shared_ptr<const WindowClass> cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // child windows only
    HWND owner = nullptr;   // top-level windows only
    std::vector<HWND> children;  // top of the z-order first
    LONG_PTR id = 0;
    HINSTANCE hInstance = nullptr;
    RECT rect{};  // window rectangle in the parent's client coordinates (screen for top-level)
    std::string text;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    std::vector<BYTE> extra;
    std::vector<RECT> update;  // client coordinates, pieces do not overlap
    bool erase = false;
    bool ncDirty = false;   // the frame needs WM_NCPAINT before the window next paints
    bool ncActive = false;  // the caption shows active (set by WM_NCACTIVATE's default handling)
    bool destroying = false;
    bool dead = false;
    ScrollBarState bars[2];
};

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
    std::uint64_t order;  // creation order breaks ties between timers due at once
};

// An input event from the input source, turned into a message when it is retrieved.
struct InputEvent {
    enum Kind { MouseMove, ButtonDown, ButtonUp, KeyDown, KeyUp } kind;
    POINT pt;       // screen position of the pointer
    int button;     // 0 left, 1 right, 2 middle
    UINT vk;
    UINT scan;
    bool extended;
    bool altDown;   // Alt held when the key event happened (without Ctrl)
    bool repeat;    // key already down
    unsigned ch;    // the character of a VK_PACKET key
    DWORD time;
    // A mouse event is turned into its message once, when it is first looked at, so that every
    // look sees the same message.
    bool cooked = false;
    HWND target = nullptr;
    int hit = 0;
    UINT message = 0;
    UINT rawMessage = 0;  // the client message, as WM_SETCURSOR and WM_MOUSEACTIVATE name it
    bool doubleClick = false;
    bool refused = false;  // over a disabled top-level window: only WM_SETCURSOR with HTERROR
};

struct ClickState {
    UINT message = 0;  // button-down message of the last click, 0 after a double click
    HWND hwnd = nullptr;
    DWORD time = 0;
    POINT pt{};
};

struct State {
    std::map<std::string, std::shared_ptr<WindowClass>, NoCaseLess> classes;
    ATOM nextAtom = 0xC000;
    std::unordered_map<HWND, std::shared_ptr<Window>> windows;
    std::vector<HWND> topLevels;  // top of the z-order first
    UINT_PTR nextHandle = 0x10020;
    SIZE desktop{1024, 768};
    WindowPaintHooks paintHooks;
    std::function<void(HWND)> createHook;

    std::deque<MSG> posted;
    bool quit = false;
    int quitCode = 0;
    std::deque<InputEvent> input;
    std::function<BOOL()> waitHandler;
    int sendDepth = 0;
    DWORD lastMessageTime = 0;
    POINT lastMessagePos{};

    DWORD clock = 0;
    std::vector<Timer> timers;
    std::uint64_t timerOrder = 0;
    UINT_PTR nextThreadTimerId = 1;

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    BYTE keyState[256]{};
    BYTE asyncState[256]{};
    POINT cursorPos{};
    HCURSOR cursor = nullptr;
    ClickState click;
    UINT doubleClickTime = 500;

    HWND clipboardOpen = nullptr;
    bool clipboardIsOpen = false;
    HWND clipboardOwner = nullptr;
    std::map<UINT, std::vector<BYTE>> clipboard;
    std::map<UINT, void*> clipboardBlocks;  // blocks handed out by GetClipboardData

    std::map<std::string, UINT, NoCaseLess> atoms;  // registered messages and clipboard formats
    std::map<UINT, std::string> atomNames;
    UINT nextAtomValue = 0xC000;
};

State& S();

// The live window of a handle; null for null, stale or unknown handles.
Window* Find(HWND hwnd);
std::shared_ptr<Window> Hold(HWND hwnd);
// The desktop stand-in's handle.
HWND DesktopHandle();

// Calls the window's procedure, keeping the record alive meanwhile; 0 when the window is gone or
// sends nest too deep.
LRESULT CallProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Non-client sizes: frame, caption, scroll bars (scaled to the screen resolution).
RECT NonClientInsets(const Window& w);
// Client rectangle in window coordinates (relative to the window's top-left corner).
RECT ClientInWindow(const Window& w);
SIZE ClientSize(const Window& w);
// Screen position of the window's top-left corner and of its client area's.
POINT WindowOrigin(const Window& w);
POINT ClientOrigin(const Window& w);
int ScrollBarSize();

// The parts of a window's own scroll bar along its length, in pixels from the bar's start: the
// arrows at both ends, the thumb between them.
struct ScrollBarLayout {
    RECT bar;        // screen coordinates
    int length;      // along the bar
    int arrow;       // length of each arrow button
    int thumbStart;  // from the bar's start
    int thumbLength;
};
bool GetScrollBarLayout(HWND hwnd, int nBar, ScrollBarLayout& layout);
// A press on a window's own scroll bar (DefWindowProc of WM_NCLBUTTONDOWN on HTHSCROLL or
// HTVSCROLL): sends the scroll requests and, on the thumb, tracks the pointer until the button
// goes up.
void TrackScrollBar(HWND hwnd, int nBar, POINT ptScreen);
bool VisibleChain(const Window& w);
bool EnabledChain(const Window& w);
HWND TopLevelOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd);  // hwnd is ancestor or below it

// Update region helpers.
void AddUpdate(Window& w, const RECT& rc, bool erase, bool children);
void SubtractUpdate(Window& w, const RECT& rc);
bool RectEmpty(const RECT& rc);
RECT Intersect(const RECT& a, const RECT& b);

// Sends WM_SIZE when the client size changed from `before`.
void NotifyClientChange(HWND hwnd, SIZE before);

// Input: the next input message that matches the filter, converted (and, with remove, consumed
// with its side effects: key state, activation, cursor). False when none.
bool NextInputMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove);
// Timers: the next due timer message for the filter; with remove the timer is rearmed.
bool NextTimerMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove);
// The earliest due time of any timer; false when there is none.
bool NextTimerDue(DWORD& due);
bool MatchWindow(HWND filter, HWND hwnd);
bool MatchRange(UINT msg, UINT first, UINT last);

// Window death: drops what the window system keeps for a window about to vanish.
void ForgetTimers(HWND hwnd);
void ForgetMessages(HWND hwnd);
void ForgetFocusAndCapture(HWND hwnd);  // before WM_DESTROY
// Activates a top-level window (null: none) with the given WA_* state; with setFocus the focus
// moves into it when its WM_ACTIVATE handling left the focus elsewhere. The previous one.
HWND Activate(HWND hwnd, UINT state, bool setFocus);
void ReleaseClipboardFor(HWND hwnd);
void FreeClipboardBlocks();

// Forgets the modal loop hook.
void ResetModalLoops();

// Atoms shared by registered messages and clipboard formats.
UINT RegisterAtom(LPCSTR name);

// Registers the standard control class of that name (case-insensitive) when it is one and is
// not registered yet; true when it was registered now. Defined with the controls.
bool RegisterSystemClass(LPCSTR name);

}  // namespace win_internal
