#pragma once
// CDC: the framework's device context class over the graphics services, and CSaveDC, a guard
// that saves the drawing state and restores it when it goes out of scope.
//
// A CDC owns the device context it created (CreateCompatibleDC, CreateImage) or attached and
// deletes it with itself; FromHandle gives a temporary CDC for a handle that no CDC holds.
#include "platform/framework/cstring.h"
#include "platform/framework/gdi_objects.h"
#include "platform/framework/geometry.h"
#include "platform/win/gdi.h"

class CDC : public CObject {
public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    operator HDC() const noexcept { return m_hDC; }
    HDC GetSafeHdc() const noexcept { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    BOOL IsPrinting() const noexcept { return m_bPrinting; }
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    BOOL CreateCompatibleDC(CDC* pDC);
    // A device context over a new cx × cy image of the screen's format.
    BOOL CreateImage(int cx, int cy);
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    // Objects: each returns the object that was selected before, null on failure.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    int SelectObject(CRgn* pRgn) { return ::SelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr); }
    CGdiObject* SelectStockObject(int nIndex);
    CPen* GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }
    CBrush* GetCurrentBrush() const { return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH))); }
    CFont* GetCurrentFont() const { return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT))); }
    CBitmap* GetCurrentBitmap() const { return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP))); }

    // State.
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
    int GetROP2() const { return ::GetROP2(m_hDC); }
    UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
    UINT GetTextAlign() const { return ::GetTextAlign(m_hDC); }
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT p) { return SetBrushOrg(p.x, p.y); }
    CPoint GetBrushOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint OffsetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const;
    void LPtoDP(LPPOINT p, int n = 1) const { ::LPtoDP(m_hDC, p, n); }
    void LPtoDP(LPRECT r) const { ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(&r->left), 1), ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(&r->right), 1); }
    void DPtoLP(LPPOINT p, int n = 1) const { ::DPtoLP(m_hDC, p, n); }
    void DPtoLP(LPRECT r) const { ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(&r->left), 1), ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(&r->right), 1); }

    // Clipping.
    int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
    int IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
    int IntersectClipRect(const RECT* r) { return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
    int ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
    int ExcludeClipRect(const RECT* r) { return ::ExcludeClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
    int SelectClipRgn(CRgn* pRgn) { return SelectObject(pRgn); }
    int SelectClipRgn(CRgn* pRgn, int nMode) {
        return ::ExtSelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr, nMode);
    }
    int OffsetClipRgn(int x, int y) { return ::OffsetClipRgn(m_hDC, x, y); }
    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
    BOOL PtVisible(POINT p) const { return ::PtVisible(m_hDC, p.x, p.y); }
    BOOL RectVisible(const RECT* r) const { return ::RectVisible(m_hDC, r); }

    // Drawing.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return ::LineTo(m_hDC, p.x, p.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* pts, int n) { return ::Polyline(m_hDC, pts, n); }
    void FillRect(const RECT* r, CBrush* pBrush) { ::FillRect(m_hDC, r, pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr); }
    void FrameRect(const RECT* r, CBrush* pBrush) { ::FrameRect(m_hDC, r, pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr); }
    void InvertRect(const RECT* r) { ::InvertRect(m_hDC, r); }
    // Fills with a colour; leaves the background colour set to it, as the framework does.
    void FillSolidRect(const RECT* r, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void Draw3dRect(const RECT* r, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(const RECT* r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
    BOOL DrawEdge(LPRECT r, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, r, nEdge, nFlags); }
    void DrawFocusRect(const RECT* r) { ::DrawFocusRect(m_hDC, r); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL BitBlt(int x, int y, int w, int h, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* pSrcDC, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, w, h, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, wSrc, hSrc, rop);
    }

    // Text.
    BOOL TextOut(int x, int y, LPCTSTR s, int n) { return ::TextOut(m_hDC, x, y, s, n); }
    BOOL TextOut(int x, int y, const CString& s) { return ::TextOut(m_hDC, x, y, s, s.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* r, LPCTSTR s, UINT n, const int* lpDx) {
        return ::ExtTextOut(m_hDC, x, y, nOptions, r, s, n, lpDx);
    }
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* r, const CString& s, const int* lpDx) {
        return ::ExtTextOut(m_hDC, x, y, nOptions, r, s, static_cast<UINT>(s.GetLength()), lpDx);
    }
    int DrawText(LPCTSTR s, int n, LPRECT r, UINT nFormat) { return ::DrawText(m_hDC, s, n, r, nFormat); }
    int DrawText(const CString& s, LPRECT r, UINT nFormat) { return ::DrawText(m_hDC, s, s.GetLength(), r, nFormat); }
    CSize GetTextExtent(LPCTSTR s, int n) const;
    CSize GetTextExtent(const CString& s) const { return GetTextExtent(s, s.GetLength()); }
    BOOL GetTextMetrics(TEXTMETRIC* tm) const { return ::GetTextMetrics(m_hAttribDC, tm); }
    int GetTextFace(int nCount, LPTSTR lpszFacename) const { return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename); }
    int GetTextFace(CString& rString) const;
    BOOL GetCharWidth(UINT nFirst, UINT nLast, int* lpBuffer) const { return ::GetCharWidth32A(m_hAttribDC, nFirst, nLast, lpBuffer); }
};

// Saves the drawing state of a device context for the guard's lifetime.
class CSaveDC {
public:
    explicit CSaveDC(CDC* pDC) : m_pDC(pDC), m_nSaved(pDC != nullptr ? pDC->SaveDC() : 0) {}
    explicit CSaveDC(CDC& dc) : CSaveDC(&dc) {}
    ~CSaveDC() {
        if (m_nSaved != 0) m_pDC->RestoreDC(m_nSaved);
    }
    CSaveDC(const CSaveDC&) = delete;
    CSaveDC& operator=(const CSaveDC&) = delete;

private:
    CDC* m_pDC;
    int m_nSaved;
};
