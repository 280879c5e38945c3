// CGXDIBPool: bitmap references of cell texts, their resources loaded once, and GXDrawDIB.
#include "grid/controls/dib_pool.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"
#include "platform/win/dib.h"
#include "platform/win/module_resources.h"

namespace {

constexpr const char kPrefix[] = "#BMP(";
constexpr int kPrefixLength = 5;

bool View(HGLOBAL hDIB, DibView& view) {
    if (hDIB == nullptr) return false;
    const void* p = GlobalLock(hDIB);
    if (p == nullptr) return false;
    const char* error = nullptr;
    const bool bOk = DibFromPacked(p, GlobalSize(hDIB), view, &error);
    GlobalUnlock(hDIB);  // a moveable block of this platform stays where it is
    return bOk;
}

}  // namespace

HGLOBAL GXLoadPackedDIB(LPCSTR lpName) {
    HMODULE hModule = AfxFindResourceHandle(lpName, RT_BITMAP);
    if (hModule == nullptr) hModule = AfxGetResourceHandle();
    HRSRC hRes = FindResourceA(hModule, lpName, RT_BITMAP);
    if (hRes == nullptr) return nullptr;
    const void* pData = LockResource(LoadResource(hModule, hRes));
    const DWORD nSize = SizeofResource(hModule, hRes);
    if (pData == nullptr || nSize == 0) return nullptr;
    DibView view;
    const char* error = nullptr;
    if (!DibFromPacked(pData, nSize, view, &error)) return nullptr;
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hMem == nullptr) return nullptr;
    if (void* p = GlobalLock(hMem)) {
        std::memcpy(p, pData, nSize);
        GlobalUnlock(hMem);
    }
    return hMem;
}

CGXDIBPool& CGXDIBPool::Instance() {
    static CGXDIBPool pool;
    return pool;
}

CGXDIBPool::~CGXDIBPool() { Empty(); }

void CGXDIBPool::Empty() noexcept {
    for (auto& [key, hMem] : m_map)
        if (hMem != nullptr) GlobalFree(hMem);
    m_map.clear();
}

bool CGXDIBPool::IsBitmapReference(const char* pszText) noexcept {
    if (pszText == nullptr) return false;
    for (int i = 0; i < kPrefixLength; ++i) {
        const char c = pszText[i];
        if (c == '\0' || std::toupper(static_cast<unsigned char>(c)) != kPrefix[i]) return false;
    }
    return true;
}

CString CGXDIBPool::MakeReference(UINT nID) {
    CString s;
    s.Format("%s%u)", kPrefix, nID);
    return s;
}

CString CGXDIBPool::MakeReference(const char* pszName) {
    CString s;
    s.Format("%s%c%s%c)", kPrefix, '"', pszName != nullptr ? pszName : "", '"');
    return s;
}

HGLOBAL CGXDIBPool::LookupOrCreateDIB(const char* pszText) {
    if (!IsBitmapReference(pszText)) return nullptr;
    const char* pArgs = pszText + kPrefixLength;
    std::string key;
    LPCSTR lpName = nullptr;
    std::string name;
    if (const char* pQuote = std::strchr(pArgs, '"')) {
        const char* pClose = std::strchr(pQuote + 1, '"');
        name.assign(pQuote + 1, pClose != nullptr ? pClose : pQuote + 1 + std::strlen(pQuote + 1));
        if (name.empty()) return nullptr;
        key = name;
        lpName = name.c_str();
    } else {
        const unsigned long nID = std::strtoul(pArgs, nullptr, 10);
        if (nID == 0 || nID > 0xFFFF) return nullptr;
        CString k;
        k.Format("#%u", static_cast<unsigned>(nID));
        key = k.GetString();
        lpName = MAKEINTRESOURCEA(nID);
    }
    auto it = m_map.find(key);
    if (it != m_map.end()) return it->second;
    HGLOBAL hMem = GXLoadPackedDIB(lpName);
    m_map.emplace(key, hMem);  // a miss is kept too, so that it is not searched again
    return hMem;
}

CSize GXGetDIBSize(HGLOBAL hDIB) {
    DibView view;
    return View(hDIB, view) ? CSize(view.width, view.height) : CSize(0, 0);
}

void GXDrawDIB(CDC* pDC, HGLOBAL hDIB, const CRect& rect, int nMode, UINT nAlign) {
    DibView view;
    if (!View(hDIB, view) || rect.IsRectEmpty()) return;
    const void* pBase = GlobalLock(hDIB);
    const auto* pInfo = reinterpret_cast<const BITMAPINFO*>(view.header);
    const int bw = view.width, bh = view.height;
    if (nMode == 1) {
        StretchDIBits(pDC->GetSafeHdc(), rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, bw, bh, view.bits,
                      pInfo, DIB_RGB_COLORS, SRCCOPY);
        GlobalUnlock(hDIB);
        return;
    }
    // Horizontally: place a narrow bitmap, show the aligned part of a wide one.
    const int w = std::min(bw, rect.Width());
    const int h = std::min(bh, rect.Height());
    int x = rect.left, xSrc = 0;
    if (bw < rect.Width()) {
        if (nAlign & DT_RIGHT) x = rect.right - bw;
        else if (nAlign & DT_CENTER) x = rect.left + (rect.Width() - bw) / 2;
    } else if (nAlign & DT_RIGHT) {
        xSrc = bw - w;
    }
    int y = rect.top, nTopRow = 0;
    if (bh < rect.Height()) {
        if (nAlign & DT_BOTTOM) y = rect.bottom - bh;
        else if (nAlign & DT_VCENTER) y = rect.top + (rect.Height() - bh) / 2;
    } else if (nAlign & DT_BOTTOM) {
        nTopRow = bh - h;
    }
    // The source's y counts from the bottom of a bottom-up bitmap.
    const int ySrc = view.topDown ? nTopRow : bh - nTopRow - h;
    SetDIBitsToDevice(pDC->GetSafeHdc(), x, y, static_cast<DWORD>(w), static_cast<DWORD>(h), xSrc, ySrc, 0,
                      static_cast<UINT>(bh), view.bits, pInfo, DIB_RGB_COLORS);
    (void)pBase;
    GlobalUnlock(hDIB);
}
