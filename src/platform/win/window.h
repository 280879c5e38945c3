#pragma once
// The window system's operations: classes, windows, geometry, painting, messages, timers, focus,
// activation, capture, key state, cursors, scroll bars and the clipboard. One set of state per
// process, used from one thread.
//
// Handles are checked: a handle that names no live window (null, stale, made up) makes the call
// fail with FALSE, 0 or null instead of touching memory. A window may be destroyed from inside
// one of its own message handlers; its handle goes stale at once and its record lives until the
// last handler running for it returns.
#include <cstddef>
#include <functional>
#include <vector>

#include "platform/win/winuser.h"

// ---- classes ------------------------------------------------------------------------------------
// Class names are looked up without regard to case; the module handle is not part of the key.
ATOM RegisterClassA(const WNDCLASSA* lpWndClass);
inline ATOM RegisterClass(const WNDCLASSA* lpWndClass) { return RegisterClassA(lpWndClass); }
BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
BOOL GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, WNDCLASSA* lpWndClass);
int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);
ULONG_PTR GetClassLongPtrA(HWND hWnd, int nIndex);
inline BOOL UnregisterClass(LPCSTR lpClassName, HINSTANCE hInstance) { return UnregisterClassA(lpClassName, hInstance); }
inline BOOL GetClassInfo(HINSTANCE hInstance, LPCSTR lpClassName, WNDCLASSA* lpWndClass) {
    return GetClassInfoA(hInstance, lpClassName, lpWndClass);
}
inline int GetClassName(HWND hWnd, LPSTR lpClassName, int nMaxCount) { return GetClassNameA(hWnd, lpClassName, nMaxCount); }
inline DWORD GetClassLong(HWND hWnd, int nIndex) { return static_cast<DWORD>(GetClassLongPtrA(hWnd, nIndex)); }

// ---- windows ------------------------------------------------------------------------------------
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int x,
                     int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                     void* lpParam);
inline HWND CreateWindowEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int x, int y,
                           int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, void* lpParam) {
    return CreateWindowExA(dwExStyle, lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent, hMenu,
                           hInstance, lpParam);
}
inline HWND CreateWindowA(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                          int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, void* lpParam) {
    return CreateWindowExA(0, lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent, hMenu,
                           hInstance, lpParam);
}
BOOL DestroyWindow(HWND hWnd);
// Called once, for the next window created, after its handle exists and before its first
// message (WM_NCCREATE): the framework attaches its window object there. Returns the hook
// that was set.
std::function<void(HWND)> SetWindowCreateHook(std::function<void(HWND)> hook);
BOOL IsWindow(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
// Returns whether the window was disabled before.
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hWnd, int nCmdShow);

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
// The 32-bit forms read and write 4 bytes at a non-negative offset into the window's extra bytes.
LONG GetWindowLongA(HWND hWnd, int nIndex);
LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
inline LONG GetWindowLong(HWND hWnd, int nIndex) { return GetWindowLongA(hWnd, nIndex); }
inline LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong) { return SetWindowLongA(hWnd, nIndex, dwNewLong); }
inline LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex) { return GetWindowLongPtrA(hWnd, nIndex); }
inline LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) { return SetWindowLongPtrA(hWnd, nIndex, dwNewLong); }
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
inline LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(lpPrevWndFunc, hWnd, Msg, wParam, lParam);
}
LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
inline LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, Msg, wParam, lParam);
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int GetWindowTextLengthA(HWND hWnd);
inline BOOL SetWindowText(HWND hWnd, LPCSTR lpString) { return SetWindowTextA(hWnd, lpString); }
inline int GetWindowText(HWND hWnd, LPSTR lpString, int nMaxCount) { return GetWindowTextA(hWnd, lpString, nMaxCount); }
inline int GetWindowTextLength(HWND hWnd) { return GetWindowTextLengthA(hWnd); }

// ---- relations ----------------------------------------------------------------------------------
// The parent of a child window, the owner of a popup, else null.
HWND GetParent(HWND hWnd);
HWND GetAncestor(HWND hWnd, UINT gaFlags);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND GetTopWindow(HWND hWnd);
BOOL IsChild(HWND hWndParent, HWND hWnd);
// Moves a window under another parent (null or the desktop: it becomes a top-level window),
// keeping its position's numbers, now in the new parent's client coordinates, at the top of its
// new siblings. The old parent (the desktop for a top-level window); null when a handle is bad or
// the new parent is the window itself or one of its descendants.
HWND SetParent(HWND hWndChild, HWND hWndNewParent);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
// The stand-in for the screen: a window handle the coordinate functions accept.
HWND GetDesktopWindow();
// Visits the descendants in depth-first z-order until the callback returns FALSE.
BOOL EnumChildWindows(HWND hWndParent, BOOL (*lpEnumFunc)(HWND, LPARAM), LPARAM lParam);

// ---- geometry -----------------------------------------------------------------------------------
// Window rectangles are in screen coordinates; positions given to MoveWindow and SetWindowPos are
// in the parent's client coordinates (the screen's for a top-level window).
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
BOOL BringWindowToTop(HWND hWnd);
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
// Returns the horizontal offset in the low word and the vertical in the high word.
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
// The deepest visible window under a screen point (disabled windows included, as the platform does).
HWND WindowFromPoint(POINT Point);
HWND ChildWindowFromPointEx(HWND hWndParent, POINT Point, UINT flags);
inline HWND ChildWindowFromPoint(HWND hWndParent, POINT Point) { return ChildWindowFromPointEx(hWndParent, Point, CWP_ALL); }
// Size of the virtual screen (1024 × 768 unless set).
void SetDesktopSize(int cx, int cy);

// ---- painting -----------------------------------------------------------------------------------
// The update region is a union of rectangles in client coordinates. A null rectangle means the
// whole client area. Invalidating a window without WS_CLIPCHILDREN also invalidates its visible
// children where they overlap.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
// FALSE when the update region is empty; lpRect gets its bounding box.
BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
// The rectangles of the update region; their count.
int GetUpdateRects(HWND hWnd, std::vector<RECT>& rects);
BOOL UpdateWindow(HWND hWnd);
// Validates the update region and fills the paint record; the device context comes from the
// graphics layer's paint hooks (null without them).
HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
// Moves the invalid part of the scrolled area with the contents and invalidates (with erase)
// what scrolled in. A null lpRect scrolls the whole client area and moves the children with it.
BOOL ScrollWindow(HWND hWnd, int XAmount, int YAmount, const RECT* lpRect, const RECT* lpClipRect);

// How the graphics layer connects to painting. Every member may be null.
struct WindowPaintHooks {
    // The device context for painting a window's client area, clipped to the paint rectangle.
    HDC (*begin_paint)(HWND hwnd, const RECT& rcPaint) = nullptr;
    void (*end_paint)(HWND hwnd, HDC hdc) = nullptr;
    // Fills the background on WM_ERASEBKGND with the class brush; TRUE when it erased.
    BOOL (*erase_background)(HWND hwnd, HDC hdc, HBRUSH hbr) = nullptr;
    // Moves client pixels of rcScroll by (dx, dy), clipped to rcClip.
    void (*scroll_pixels)(HWND hwnd, const RECT& rcScroll, const RECT& rcClip, int dx, int dy) = nullptr;
};
void SetWindowPaintHooks(const WindowPaintHooks& hooks);

// ---- messages -----------------------------------------------------------------------------------
// A sent message calls the window procedure at once; a posted one waits in the queue. The queue
// holds at most 10000 posted messages; posting to a full queue fails. Retrieval order: posted
// messages, WM_QUIT, input, WM_PAINT (a visible window with a non-empty update region, parents
// before children), WM_TIMER (due timers). The window filter includes the window's descendants;
// a range of 0, 0 takes every message.
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
inline LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { return SendMessageA(hWnd, Msg, wParam, lParam); }
BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
inline BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { return PostMessageA(hWnd, Msg, wParam, lParam); }
void PostQuitMessage(int nExitCode);
BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
inline BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    return PeekMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}
// 0 for WM_QUIT; -1 for a bad window filter, or when nothing could ever arrive (no input source
// and no timer), where the platform would wait forever.
BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
inline BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    return GetMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
}
LRESULT DispatchMessageA(const MSG* lpMsg);
inline LRESULT DispatchMessage(const MSG* lpMsg) { return DispatchMessageA(lpMsg); }
// Posts WM_CHAR (WM_SYSCHAR) for a WM_KEYDOWN (WM_SYSKEYDOWN) of a key that types a character
// on a US keyboard, with the shift, caps lock and control state of the key state table.
BOOL TranslateMessage(const MSG* lpMsg);
// Waits until a message is there: lets the input source wait, else moves the virtual clock to
// the next due timer. FALSE when nothing could ever arrive.
BOOL WaitMessage();
DWORD GetMessageTime();
DWORD GetMessagePos();
// 0xC000..0xFFFF, the same number for the same name (case-insensitive); shared with the
// registered clipboard formats, as on the platform.
UINT RegisterWindowMessageA(LPCSTR lpString);
inline UINT RegisterWindowMessage(LPCSTR lpString) { return RegisterWindowMessageA(lpString); }
// Retrieves and dispatches (with translation) everything that is there, paint and due timers
// included, up to nMax messages; the number dispatched.
int PumpMessages(int nMax = 10000);

// The input source (the display backend) waits for events; returns FALSE when none can come.
void SetMessageWaitHandler(std::function<BOOL()> handler);
BOOL HasMessageWaitHandler();

// ---- timers on the virtual clock -----------------------------------------------------------------
// The clock starts at 0 and moves only when told: tests advance it, the display backend follows
// real time. Elapse times below USER_TIMER_MINIMUM are raised to it.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);
DWORD GetTickCount();
void AdvanceClock(DWORD dwMilliseconds);

// ---- focus, activation, capture ----------------------------------------------------------------
HWND SetFocus(HWND hWnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow();
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();

// ---- key state ------------------------------------------------------------------------------------
// GetKeyState answers as of the last input message retrieved; GetAsyncKeyState as of the last
// event the input source delivered.
SHORT GetKeyState(int nVirtKey);
SHORT GetAsyncKeyState(int vKey);
BOOL GetKeyboardState(BYTE* lpKeyState);
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT uInterval);

// ---- cursors --------------------------------------------------------------------------------------
// The standard cursors (hInstance null, IDC_* ids) or a module's shared cursor resources (RT_CURSOR,
// platform/win/cursor_resource.h); null for an unknown cursor or resource bytes that are no cursor.
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
inline HCURSOR LoadCursor(HINSTANCE hInstance, LPCSTR lpCursorName) { return LoadCursorA(hInstance, lpCursorName); }
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
BOOL DestroyCursor(HCURSOR hCursor);
// The IDC_* number of a cursor handle; 0 for null or an unknown handle.
UINT GetCursorId(HCURSOR hCursor);
BOOL GetCursorPos(LPPOINT lpPoint);
// Moves the pointer; the move reaches the windows as a mouse move.
BOOL SetCursorPos(int X, int Y);

// ---- scroll bars ----------------------------------------------------------------------------------
// The window's own bars (SB_HORZ, SB_VERT). Setting a range or page shows the bar when there is
// something to scroll and hides it otherwise (unless SIF_DISABLENOSCROLL); showing or hiding a bar
// changes the client area and sends WM_SIZE.
int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw);
BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi);
int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);
int GetScrollPos(HWND hWnd, int nBar);
BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
BOOL GetScrollRange(HWND hWnd, int nBar, int* lpMinPos, int* lpMaxPos);
BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow);

// ---- clipboard ------------------------------------------------------------------------------------
// In-process. Data are byte blocks copied in and out; CF_TEXT and CF_OEMTEXT stand in for each other.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
// The clipboard must be open. A copy of the bytes is kept.
BOOL SetClipboardBytes(UINT uFormat, const void* pData, std::size_t nBytes);
// The clipboard must be open; FALSE when the format is not there.
BOOL GetClipboardBytes(UINT uFormat, std::vector<BYTE>& rData);
// The platform's block interface over the same store: SetClipboardData takes the block over (it
// is freed here; the caller must not use it again) and answers it back; GetClipboardData gives a
// block that the clipboard owns until it is emptied. A null block (delayed rendering) fails.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
UINT EnumClipboardFormats(UINT format);
UINT RegisterClipboardFormatA(LPCSTR lpszFormat);
inline UINT RegisterClipboardFormat(LPCSTR lpszFormat) { return RegisterClipboardFormatA(lpszFormat); }
int GetClipboardFormatNameA(UINT format, LPSTR lpszFormatName, int cchMaxCount);

// ---- process-wide state ---------------------------------------------------------------------------
// Destroys every window and forgets classes, queue, timers, clock, focus, capture, key state,
// cursor and clipboard: a fresh window system. Tests call it between cases.
void ResetWindowSystem();
