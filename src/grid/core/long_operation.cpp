// CGXLongOperation: the wait cursor and the Escape key between the steps of a long operation.
#include "grid/core/long_operation.h"

#include "platform/win/window.h"

namespace {

// How long an operation runs before the wait cursor shows, and how often it looks for Escape.
constexpr std::chrono::milliseconds kWaitCursorAfter{300};
constexpr std::chrono::milliseconds kLookEvery{50};

// Nesting depth: only the outermost operation shows and removes the wait cursor.
int g_nDepth = 0;

}  // namespace

CGXLongOperation::CGXLongOperation(bool bCanAbort) : m_start(Clock::now()), m_bCanAbort(bCanAbort) { ++g_nDepth; }

CGXLongOperation::~CGXLongOperation() {
    --g_nDepth;
    if (m_bWaitCursor) ::SetCursor(m_hOldCursor);
}

bool CGXLongOperation::DoMessages() {
    const Clock::time_point now = Clock::now();
    if (!m_bWaitCursor && g_nDepth == 1 && now - m_start >= kWaitCursorAfter) {
        m_hOldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        m_bWaitCursor = true;
    }
    if (!m_bCanAbort || m_bAborted) return m_bAborted;
    if (m_bLookedOnce && now - m_lastLook < kLookEvery) return false;
    m_bLookedOnce = true;
    m_lastLook = now;
    // Only an Escape press is taken out of the queue; any other key waits for its turn.
    MSG msg{};
    if (::PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && msg.wParam == VK_ESCAPE) {
        ::PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
        m_bAborted = true;
    }
    return m_bAborted;
}
