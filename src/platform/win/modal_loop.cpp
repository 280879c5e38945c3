// The modal loop with its idle hook and its guards against loops that could never end.
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
    int busy = 0;
    int idle = 0;
    int dry = 0;
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
            if (++busy > kMaxBusy) break;
            continue;
        }
        busy = 0;
        if (m.hook) {
            const ModalLoopHook hook = m.hook;  // the hook may replace itself
            hook(hwnd, depth);
            if (frame.ended || !IsWindow(hwnd)) break;
            if (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) continue;
        }
        if (WaitMessage()) {
            if (!HasMessageWaitHandler() && ++idle > kMaxIdle) break;
            continue;
        }
        // Nothing can arrive: only the hook can still act, and it gets a bounded number of tries.
        if (!m.hook || ++dry > kMaxDry) break;
    }
    m.frames.erase(std::remove(m.frames.begin(), m.frames.end(), &frame), m.frames.end());
    if (disableOwner && IsWindow(hwndOwner)) EnableWindow(hwndOwner, TRUE);
    return frame.ended ? frame.result : MODAL_LOOP_FAILED;
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
