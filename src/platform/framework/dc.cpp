#include "platform/framework/dc.h"

#include <memory>
#include <unordered_map>

namespace {

struct DcMaps {
    std::unordered_map<HDC, CDC*> permanent;
    std::unordered_map<HDC, std::unique_ptr<CDC>> temporary;
};

DcMaps& Maps() {
    static auto* maps = new DcMaps();  // lives as long as the process
    return *maps;
}

template <class T>
T* Previous(HGDIOBJ h) {
    return static_cast<T*>(CGdiObject::FromHandle(h));
}

}  // namespace

CDC::~CDC() {
    if (m_hDC != nullptr) ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr) return FALSE;
    m_hDC = m_hAttribDC = hDC;
    Maps().permanent[hDC] = this;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (h != nullptr) {
        auto& perm = Maps().permanent;
        auto it = perm.find(h);
        if (it != perm.end() && it->second == this) perm.erase(it);
    }
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    return ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) {
    if (hDC == nullptr) return nullptr;
    DcMaps& maps = Maps();
    auto p = maps.permanent.find(hDC);
    if (p != maps.permanent.end()) return p->second;
    auto& slot = maps.temporary[hDC];
    if (!slot) slot = std::make_unique<CDC>();
    slot->m_hDC = slot->m_hAttribDC = hDC;  // not in the permanent map: it does not own the handle
    return slot.get();
}

void CDC::DeleteTempMap() {
    auto& temp = Maps().temporary;
    for (auto& [h, dc] : temp) dc->m_hDC = dc->m_hAttribDC = nullptr;
    temp.clear();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr)); }

BOOL CDC::CreateImage(int cx, int cy) { return Attach(::CreateImageDC(cx, cy)); }

CPen* CDC::SelectObject(CPen* pPen) {
    return pPen == nullptr ? nullptr : Previous<CPen>(::SelectObject(m_hDC, pPen->m_hObject));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
    return pBrush == nullptr ? nullptr : Previous<CBrush>(::SelectObject(m_hDC, pBrush->m_hObject));
}
CFont* CDC::SelectObject(CFont* pFont) {
    return pFont == nullptr ? nullptr : Previous<CFont>(::SelectObject(m_hDC, pFont->m_hObject));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return pBitmap == nullptr ? nullptr : Previous<CBitmap>(::SelectObject(m_hDC, pBitmap->m_hObject));
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return pObject == nullptr ? nullptr : CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}
CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ h = ::GetStockObject(nIndex);
    return h == nullptr ? nullptr : CGdiObject::FromHandle(::SelectObject(m_hDC, h));
}

CPoint CDC::SetBrushOrg(int x, int y) {
    POINT p{0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &p);
    return p;
}
CPoint CDC::GetBrushOrg() const {
    POINT p{0, 0};
    ::GetBrushOrgEx(m_hDC, &p);
    return p;
}
CPoint CDC::SetViewportOrg(int x, int y) {
    POINT p{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &p);
    return p;
}
CPoint CDC::OffsetViewportOrg(int x, int y) {
    POINT p{0, 0};
    ::OffsetViewportOrgEx(m_hDC, x, y, &p);
    return p;
}
CPoint CDC::GetViewportOrg() const {
    POINT p{0, 0};
    ::GetViewportOrgEx(m_hDC, &p);
    return p;
}
CPoint CDC::SetWindowOrg(int x, int y) {
    POINT p{0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &p);
    return p;
}
CPoint CDC::GetWindowOrg() const {
    POINT p{0, 0};
    ::GetWindowOrgEx(m_hDC, &p);
    return p;
}
CPoint CDC::MoveTo(int x, int y) {
    POINT p{0, 0};
    ::MoveToEx(m_hDC, x, y, &p);
    return p;
}
CPoint CDC::GetCurrentPosition() const {
    POINT p{0, 0};
    ::GetCurrentPositionEx(m_hDC, &p);
    return p;
}

void CDC::FillSolidRect(const RECT* r, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    const RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, clr);
}

void CDC::Draw3dRect(const RECT* r, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCTSTR s, int n) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, s, n, &size);
    return size;
}

int CDC::GetTextFace(CString& rString) const {
    char face[LF_FACESIZE]{};
    const int n = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, face);
    rString = face;
    return n;
}
