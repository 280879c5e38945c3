// Timers on the virtual clock. A timer is due once its time has come; its WM_TIMER is made when
// the queue has nothing else, and retrieving it rearms the timer from the current time, so
// expiries that pile up while nobody looks come out as one message, as on the platform.
#include <algorithm>

#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

bool Due(const Timer& t, DWORD now) { return static_cast<LONG>(now - t.due) >= 0; }

}  // namespace

namespace win_internal {

bool NextTimerMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
    if (!MatchRange(WM_TIMER, first, last)) return false;
    State& s = S();
    Timer* best = nullptr;
    for (Timer& t : s.timers) {
        if (!Due(t, s.clock) || !MatchWindow(filter, t.hwnd)) continue;
        if (!best || static_cast<LONG>(t.due - best->due) < 0 || (t.due == best->due && t.order < best->order)) best = &t;
    }
    if (!best) return false;
    msg = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), s.clock, s.cursorPos};
    if (remove) best->due = s.clock + best->elapse;
    return true;
}

bool NextTimerDue(DWORD& due) {
    State& s = S();
    bool any = false;
    for (const Timer& t : s.timers) {
        if (!any || static_cast<LONG>(t.due - due) < 0) due = t.due;
        any = true;
    }
    return any;
}

void ForgetTimers(HWND hwnd) {
    auto& timers = S().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

}  // namespace win_internal

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    State& s = S();
    if (hWnd && !Find(hWnd)) return 0;
    uElapse = std::clamp(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    for (Timer& t : s.timers) {
        if (t.hwnd == hWnd && t.id == nIDEvent && (hWnd || nIDEvent)) {
            t.elapse = uElapse;
            t.proc = lpTimerFunc;
            t.due = s.clock + uElapse;
            return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
        }
    }
    UINT_PTR id = nIDEvent;
    if (!hWnd) {
        // A timer without a window gets a fresh identifier of its own.
        do {
            id = s.nextThreadTimerId++;
        } while (std::any_of(s.timers.begin(), s.timers.end(), [id](const Timer& t) { return !t.hwnd && t.id == id; }));
    }
    s.timers.push_back(Timer{hWnd, id, uElapse, lpTimerFunc, s.clock + uElapse, s.timerOrder++});
    return hWnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    auto& timers = S().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hWnd && t.id == uIDEvent; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    // Timer messages are made when they are retrieved, so none of a killed timer is left behind.
    return TRUE;
}

DWORD GetTickCount() { return S().clock; }

void AdvanceClock(DWORD dwMilliseconds) { S().clock += dwMilliseconds; }
