// The message queue: sent messages as direct calls, posted messages, WM_QUIT, retrieval with
// window and range filters (posted, quit, input, paint, timer, in that order), dispatching and
// waiting.
#include <algorithm>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

// The platform's limit of posted messages per queue; posting beyond it fails.
constexpr std::size_t kMaxPosted = 10000;
const HWND kThreadOnly = reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));

bool FilterValid(HWND filter) { return !filter || filter == kThreadOnly || Find(filter); }

// Parents before children, top-level windows in z-order. A frame that needs painting is painted
// on the way (WM_NCPAINT is sent, as the platform sends it before the window's WM_PAINT); the
// list is copied because that handler may change the windows.
HWND FindPaintWindow(const std::vector<HWND>& shown, HWND filter) {
    const std::vector<HWND> list = shown;
    for (HWND h : list) {
        Window* w = Find(h);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        if (w->ncDirty && MatchWindow(filter, h)) {
            w->ncDirty = false;
            CallProc(h, WM_NCPAINT, 1, 0);
            w = Find(h);
            if (!w || !(w->style & WS_VISIBLE)) continue;
        }
        if (!w->update.empty() && MatchWindow(filter, h)) return h;
        if (HWND c = FindPaintWindow(w->children, filter)) return c;
    }
    return nullptr;
}

void Stamp(MSG& msg) {
    State& s = S();
    msg.time = s.clock;
    msg.pt = s.cursorPos;
}

}  // namespace

namespace win_internal {

bool MatchWindow(HWND filter, HWND hwnd) {
    if (!filter) return true;
    if (filter == kThreadOnly) return hwnd == nullptr;
    return hwnd == filter || IsDescendant(filter, hwnd);
}

bool MatchRange(UINT msg, UINT first, UINT last) {
    // An empty or reversed range takes every message.
    if (first == 0 && last == 0) return true;
    if (first > last) return true;
    return msg >= first && msg <= last;
}

void ForgetMessages(HWND hwnd) {
    auto& q = S().posted;
    q.erase(std::remove_if(q.begin(), q.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }), q.end());
}

}  // namespace win_internal

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!Find(hWnd)) return 0;
    return CallProc(hWnd, Msg, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    if (hWnd && !Find(hWnd)) return FALSE;
    if (s.posted.size() >= kMaxPosted) return FALSE;
    MSG m{hWnd, Msg, wParam, lParam, 0, {}};
    Stamp(m);
    s.posted.push_back(m);
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    State& s = S();
    s.quit = true;
    s.quitCode = nExitCode;
}

BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT first, UINT last, UINT wRemoveMsg) {
    if (!lpMsg || !FilterValid(hWnd)) return FALSE;
    State& s = S();
    const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    MSG msg{};
    bool found = false;
    for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
        if (MatchWindow(hWnd, it->hwnd) && MatchRange(it->message, first, last)) {
            msg = *it;
            if (remove) s.posted.erase(it);
            found = true;
            break;
        }
    }
    if (!found && s.quit) {
        // WM_QUIT comes through whatever the filter.
        msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, 0, {}};
        Stamp(msg);
        if (remove) s.quit = false;
        found = true;
    }
    if (!found) found = NextInputMessage(msg, hWnd, first, last, remove);
    if (!found && MatchRange(WM_PAINT, first, last)) {
        if (HWND h = FindPaintWindow(s.topLevels, hWnd)) {
            msg = MSG{h, WM_PAINT, 0, 0, 0, {}};
            Stamp(msg);
            found = true;  // stays until the window validates its update region
        }
    }
    if (!found) found = NextTimerMessage(msg, hWnd, first, last, remove);
    if (!found) return FALSE;
    *lpMsg = msg;
    if (remove) {
        s.lastMessageTime = msg.time;
        s.lastMessagePos = msg.pt;
    }
    return TRUE;
}

BOOL WaitMessage() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
    State& s = S();
    if (s.waitHandler) return s.waitHandler();
    DWORD due = 0;
    if (!NextTimerDue(due)) return FALSE;
    if (static_cast<LONG>(due - s.clock) > 0) s.clock = due;
    return TRUE;
}

BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT first, UINT last) {
    if (!lpMsg || !FilterValid(hWnd)) return -1;
    State& s = S();
    for (int spins = 0; spins < 100000; ++spins) {
        if (PeekMessageA(lpMsg, hWnd, first, last, PM_REMOVE)) return lpMsg->message == WM_QUIT ? FALSE : TRUE;
        MSG any;
        if (!PeekMessageA(&any, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!WaitMessage()) return -1;
            continue;
        }
        // Something is there, only not for this filter: only the input source or time can bring
        // more. Without either the platform would wait forever; we fail instead.
        if (s.waitHandler) {
            if (!s.waitHandler()) return -1;
            continue;
        }
        bool later = false;
        DWORD next = 0;
        for (const Timer& t : s.timers) {
            if (static_cast<LONG>(t.due - s.clock) > 0 && (!later || static_cast<LONG>(t.due - next) < 0)) {
                next = t.due;
                later = true;
            }
        }
        if (!later) return -1;
        s.clock = next;
    }
    return -1;
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        // Only a timer that still exists calls its procedure.
        for (const Timer& t : S().timers) {
            if (t.hwnd == lpMsg->hwnd && t.id == lpMsg->wParam && reinterpret_cast<LPARAM>(t.proc) == lpMsg->lParam) {
                const TIMERPROC proc = t.proc;
                proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
                return 0;
            }
        }
        return 0;
    }
    if (!lpMsg->hwnd) return 0;
    return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

DWORD GetMessageTime() { return S().lastMessageTime; }

DWORD GetMessagePos() {
    const POINT pt = S().lastMessagePos;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(static_cast<SHORT>(pt.x)), static_cast<WORD>(static_cast<SHORT>(pt.y))));
}

int PumpMessages(int nMax) {
    int count = 0;
    MSG msg;
    while (count < nMax && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop that owns it
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        ++count;
    }
    return count;
}

void SetMessageWaitHandler(std::function<BOOL()> handler) { S().waitHandler = std::move(handler); }

BOOL HasMessageWaitHandler() { return S().waitHandler ? TRUE : FALSE; }
