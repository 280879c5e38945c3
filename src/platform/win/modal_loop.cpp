// The modal and plain message loops with their idle hook and their guards against loops that
// could never end.
#include <algorithm>
#include <vector>

#include "platform/win/modal_loop.h"
#include "platform/win/window_internal.h"

namespace {

// Messages in a row without the loop ever becoming idle: a window that posts or paints forever.
constexpr int kMaxBusy = 100000;
// Idle rounds in a row while only the virtual clock moves (no input source).
constexpr int kMaxIdle = 100000;
// Idle rounds in a row in which nothing could arrive and the hook did nothing.
constexpr int kMaxDry = 1000;

struct Frame {
    HWND hwnd;
    bool ended = false;
    INT_PTR result = MODAL_LOOP_FAILED;
};

struct ModalState {
    std::vector<Frame*> frames;
    ModalLoopHook hook;
};

ModalState& M() {
    static ModalState* m = new ModalState;
    return *m;
}

// The counters of one loop's guards.
struct Guards {
    int busy = 0;  // messages since the loop was last idle
    int idle = 0;  // idle rounds in which only the virtual clock moved
    int dry = 0;   // idle rounds in which nothing could arrive
};

enum class Idle { Again, Ended, GiveUp };

// The loop has nothing left to do: the hook acts, then the loop waits for what comes next.
// Ended when the hook ended the loop; GiveUp when the loop could never end.
template <typename EndedFn>
Idle OnIdle(HWND hwnd, int depth, Guards& g, EndedFn ended) {
    ModalState& m = M();
    g.busy = 0;
    if (m.hook) {
        const ModalLoopHook hook = m.hook;  // the hook may replace itself
        hook(hwnd, depth);
        if (ended()) return Idle::Ended;
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // The hook gave the loop something to do: it is not stuck, however long it runs.
            g.idle = g.dry = 0;
            return Idle::Again;
        }
    }
    if (WaitMessage()) return !HasMessageWaitHandler() && ++g.idle > kMaxIdle ? Idle::GiveUp : Idle::Again;
    // Nothing can arrive: only the hook can still act, and it gets a bounded number of tries.
    return !m.hook || ++g.dry > kMaxDry ? Idle::GiveUp : Idle::Again;
}

// The window the plain loop's hook acts on: the active one, else the topmost top-level window.
HWND ActiveOrTopmost() {
    const HWND active = GetActiveWindow();
    return active != nullptr ? active : GetTopWindow(nullptr);
}

}  // namespace

INT_PTR RunModalLoop(HWND hwnd, HWND hwndOwner) { return RunModalLoopFiltered(hwnd, hwndOwner, nullptr); }

INT_PTR RunModalLoopFiltered(HWND hwnd, HWND hwndOwner, ModalMessageFilter filter) {
    if (!IsWindow(hwnd)) return MODAL_LOOP_FAILED;
    ModalState& m = M();
    const bool disableOwner = hwndOwner && IsWindow(hwndOwner) && IsWindowEnabled(hwndOwner);
    if (disableOwner) EnableWindow(hwndOwner, FALSE);
    Frame frame{hwnd};
    m.frames.push_back(&frame);
    const int depth = static_cast<int>(m.frames.size());
    Guards guards;
    while (!frame.ended && IsWindow(hwnd)) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!filter || !filter(hwnd, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
            if (++guards.busy > kMaxBusy) break;
            continue;
        }
        if (OnIdle(hwnd, depth, guards, [&] { return frame.ended || !IsWindow(hwnd); }) != Idle::Again) break;
    }
    m.frames.erase(std::remove(m.frames.begin(), m.frames.end(), &frame), m.frames.end());
    if (disableOwner && IsWindow(hwndOwner)) EnableWindow(hwndOwner, TRUE);
    return frame.ended ? frame.result : MODAL_LOOP_FAILED;
}

int RunMessageLoop() {
    Guards guards;
    for (;;) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (++guards.busy > kMaxBusy) return static_cast<int>(MODAL_LOOP_FAILED);
            continue;
        }
        // A hook that posts WM_QUIT has it retrieved on the next turn.
        if (OnIdle(ActiveOrTopmost(), 0, guards, [] { return false; }) == Idle::GiveUp)
            return static_cast<int>(MODAL_LOOP_FAILED);
    }
}

BOOL EndModalLoop(HWND hwnd, INT_PTR nResult) {
    auto& frames = M().frames;
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if ((*it)->hwnd == hwnd && !(*it)->ended) {
            (*it)->ended = true;
            (*it)->result = nResult;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL IsInModalLoop(HWND hwnd) {
    for (const Frame* f : M().frames)
        if (f->hwnd == hwnd) return TRUE;
    return FALSE;
}

int GetModalLoopDepth() { return static_cast<int>(M().frames.size()); }

void SetModalLoopHook(ModalLoopHook hook) { M().hook = std::move(hook); }

namespace win_internal {
void ResetModalLoops() { M().hook = nullptr; }
}  // namespace win_internal
