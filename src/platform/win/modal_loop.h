#pragma once
// The modal loop: retrieves and dispatches messages until EndModalLoop ends it, with the owner
// disabled meanwhile. Dialogs run their modal state on it. The plain message loop of a program's
// windows (RunMessageLoop) runs until WM_QUIT.
//
// A hook runs inside every loop, modal or plain, each time the loop has nothing left to do: it
// may inject input, read state and end the loop. A loop that could never end fails instead of
// waiting forever: nothing left to do, no hook acting, no input source and no timer; or a flood
// of messages that never lets the loop become idle.
#include <functional>

#include "platform/win/winuser.h"

constexpr INT_PTR MODAL_LOOP_FAILED = -1;

// Runs the loop for hwnd; hwndOwner (may be null) is disabled while it runs and enabled again
// before it returns, if it was enabled before. Returns the result given to EndModalLoop, or
// MODAL_LOOP_FAILED (also when hwnd is destroyed before the loop was ended, or on WM_QUIT, which
// is posted again for the loop outside).
INT_PTR RunModalLoop(HWND hwnd, HWND hwndOwner);
// Ends the innermost loop running for hwnd; FALSE when none runs for it.
BOOL EndModalLoop(HWND hwnd, INT_PTR nResult);
BOOL IsInModalLoop(HWND hwnd);
// The number of modal loops running.
int GetModalLoopDepth();

// ---- the dialog manager's share ----
// A loop that first offers every message it retrieves to a filter (dialogs pass their dialog
// manager, IsDialogMessage); what the filter takes (TRUE) is not translated or dispatched again.
using ModalMessageFilter = BOOL (*)(HWND hwndModal, MSG* pMsg);
INT_PTR RunModalLoopFiltered(HWND hwnd, HWND hwndOwner, ModalMessageFilter filter);

// nDepth is 1 for the outermost modal loop, 0 for the plain loop (hwndModal is then the active
// window, or the topmost top-level window when none is active). An empty hook removes it; ResetWindowSystem removes it too.
using ModalLoopHook = std::function<void(HWND hwndModal, int nDepth)>;
void SetModalLoopHook(ModalLoopHook hook);

// The plain message loop: retrieves, translates and dispatches until WM_QUIT and returns its exit
// code; MODAL_LOOP_FAILED when nothing could ever arrive or the loop never becomes idle. The hook
// runs in it with depth 0.
int RunMessageLoop();
