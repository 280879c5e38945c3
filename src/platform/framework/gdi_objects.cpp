#include "platform/framework/gdi_objects.h"

#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/framework/dc.h"
#include "platform/win/sys_colors.h"

namespace {

struct HandleMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> permanent;
    std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>> temporary;
};

HandleMaps& Maps() {
    static auto* maps = new HandleMaps();  // lives as long as the process
    return *maps;
}

// Handles of the system colour brushes are shared and never deleted.
bool IsSysColorBrush(HGDIOBJ h) {
    for (int i = 0; i < COLOR_COUNT; ++i)
        if (GetSysColorBrush(i) == h) return true;
    return false;
}

std::unique_ptr<CGdiObject> NewWrapper(int type) {
    switch (type) {
        case OBJ_PEN:
        case OBJ_EXTPEN: return std::make_unique<CPen>();
        case OBJ_BRUSH: return std::make_unique<CBrush>();
        case OBJ_FONT: return std::make_unique<CFont>();
        case OBJ_BITMAP: return std::make_unique<CBitmap>();
        case OBJ_REGION: return std::make_unique<CRgn>();
        default: return std::make_unique<CGdiObject>();
    }
}

}  // namespace

CGdiObject::~CGdiObject() {
    if (m_hObject == nullptr) return;
    HGDIOBJ h = Detach();
    if (!IsSysColorBrush(h)) ::DeleteObject(h);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr || m_hObject != nullptr) return FALSE;
    m_hObject = hObject;
    Maps().permanent[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h != nullptr) {
        auto& perm = Maps().permanent;
        auto it = perm.find(h);
        if (it != perm.end() && it->second == this) perm.erase(it);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    HGDIOBJ h = Detach();
    return IsSysColorBrush(h) ? TRUE : ::DeleteObject(h);
}

int CGdiObject::GetObject(int nCount, void* lpObject) const { return ::GetObject(m_hObject, nCount, lpObject); }

UINT CGdiObject::GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    if (hObject == nullptr) return nullptr;
    HandleMaps& maps = Maps();
    auto p = maps.permanent.find(hObject);
    if (p != maps.permanent.end()) return p->second;
    const int type = ::GetObjectType(hObject);
    auto t = maps.temporary.find(hObject);
    // A handle value can come back for a new object of another kind.
    if (t != maps.temporary.end() && static_cast<int>(t->second->GetObjectType()) == type) return t->second.get();
    std::unique_ptr<CGdiObject> wrapper = NewWrapper(type);
    wrapper->m_hObject = hObject;  // not entered in the permanent map: it does not own the handle
    CGdiObject* raw = wrapper.get();
    maps.temporary[hObject] = std::move(wrapper);
    return raw;
}

void CGdiObject::DeleteTempMap() {
    auto& temp = Maps().temporary;
    for (auto& [h, obj] : temp) obj->m_hObject = nullptr;
    temp.clear();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) { return Attach(::CreatePen(nPenStyle, nWidth, crColor)); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle) {
    return Attach(::ExtCreatePen(static_cast<DWORD>(nPenStyle), static_cast<DWORD>(nWidth), pLogBrush,
                                 static_cast<DWORD>(nStyleCount), lpStyle));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }

CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return Attach(::CreateHatchBrush(nIndex, crColor)); }
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    return pBitmap != nullptr && Attach(::CreatePatternBrush(*pBitmap));
}
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) { return Attach(::CreateBrushIndirect(lpLogBrush)); }
BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) { return Attach(::CreateFontIndirect(lpLogFont)); }

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
    return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                               nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName) {
    LOGFONT lf{};
    // Tenths of a point to pixels, rounded to nearest, as a character height.
    lf.lfHeight = -((nPointSize * GetScreenDpi() + 360) / 720);
    lf.lfWeight = FW_NORMAL;
    if (lpszFaceName != nullptr) std::strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return pDC != nullptr && Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const {
    SIZE s{0, 0};
    ::GetBitmapDimensionEx(*this, &s);
    return s;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRectRgnIndirect(const RECT* lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(*this, pRgn1 != nullptr ? static_cast<HRGN>(*pRgn1) : nullptr,
                        pRgn2 != nullptr ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}
