#pragma once
// Device contexts of windows: CClientDC (client area), CWindowDC (whole window) and CPaintDC
// (BeginPaint and EndPaint around a paint). They give their context back to the window system
// instead of deleting it.
//
// A window too large for a surface (or gone) gives an object without a handle: drawing through
// it fails quietly, as there is nowhere for a paint handler to send an exception.
#include "platform/framework/dc.h"
#include "platform/framework/wnd.h"

class CClientDC : public CDC {
public:
    // A null window: the whole screen.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
