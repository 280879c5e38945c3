#include "platform/framework/window_dc.h"

#include "platform/win/window_surface.h"

namespace {
HWND HandleOf(const CWnd* pWnd) { return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr; }
}  // namespace

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
    // Detached first, so that CDC's destructor finds nothing to delete.
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(HandleOf(pWnd)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    Detach();
    // EndPaint gives back the context BeginPaint made (m_ps.hdc), even a null one.
    ::EndPaint(m_hWnd, &m_ps);
}
