#pragma once
// A long operation of the grid: while it runs, the wait cursor shows once it has taken a moment,
// and, where the operation allows it, Escape asks it to stop. The operation asks between its
// steps (DoMessages) and, when told to stop, ends normally with what it has done so far.
// Operations nest; the wait cursor goes when the outermost ends.
#include <chrono>

#include "platform/win/winuser.h"

class CGXLongOperation {
public:
    explicit CGXLongOperation(bool bCanAbort);
    ~CGXLongOperation();
    CGXLongOperation(const CGXLongOperation&) = delete;
    CGXLongOperation& operator=(const CGXLongOperation&) = delete;

    // Between two steps: shows the wait cursor when the operation has taken a while, and looks
    // at the input queue now and then (the first call looks at once) for an Escape key press,
    // which it takes out. True when the user asked to stop an operation that may stop.
    bool DoMessages();
    bool IsAborted() const noexcept { return m_bAborted; }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start;
    Clock::time_point m_lastLook;
    bool m_bCanAbort;
    bool m_bAborted = false;
    bool m_bLookedOnce = false;
    HCURSOR m_hOldCursor = nullptr;
    bool m_bWaitCursor = false;
};
