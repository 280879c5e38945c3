// CGXCheckBox: the bitmap strips of the box (loaded from the host's resources, their colours
// replaced by system colours), where the box goes in a cell, and which image of the strip it shows.
#include <algorithm>
#include <cstring>

#include "grid/controls/check_box.h"
#include "grid/controls/dib_pool.h"
#include "grid/core/grid_core.h"
#include "platform/win/dib.h"
#include "platform/win/module_resources.h"
#include "platform/win/sys_colors.h"

namespace {

// The images of a strip, left to right.
enum : int { kUnchecked, kChecked, kUncheckedPressed, kCheckedPressed, kIndeterminate };

int ImageOfState(int nState) noexcept {
    if (nState & GX_CB_PRESSED) return (nState & GX_CB_CHECKED) ? kCheckedPressed : kUncheckedPressed;
    if (nState & GX_CB_CHECKED) return kChecked;
    if (nState & GX_CB_UNCHECKED) return kUnchecked;
    return kIndeterminate;
}

// Replaces the colours of a strip's colour table by what the control maps them to.
void MapColourTable(CGXCheckBox& box, HGLOBAL hDIB, int nBitmap) {
    BYTE* pBase = static_cast<BYTE*>(GlobalLock(hDIB));
    if (pBase == nullptr) return;
    DibView view;
    const char* error = nullptr;
    if (DibFromPacked(pBase, GlobalSize(hDIB), view, &error) && !view.palIndices && view.colors != nullptr) {
        auto* pTable = reinterpret_cast<RGBQUAD*>(pBase + (view.colors - pBase));
        for (int i = 0; i < view.numColors; ++i) {
            RGBQUAD& q = pTable[i];
            const COLORREF color = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
            const COLORREF mapped = box.MapBitmapColour(color, nBitmap) & 0x00FFFFFF;
            if (mapped == color) continue;
            q.rgbRed = GetRValue(mapped);
            q.rgbGreen = GetGValue(mapped);
            q.rgbBlue = GetBValue(mapped);
        }
    }
    GlobalUnlock(hDIB);
}

}  // namespace

void CGXCheckBox::FreeBitmaps() noexcept {
    if (m_hBitmap != nullptr) GlobalFree(m_hBitmap);
    if (m_hPrintBitmap != nullptr) GlobalFree(m_hPrintBitmap);
    m_hBitmap = m_hPrintBitmap = nullptr;
}

bool CGXCheckBox::LoadBitmaps() {
    // 1. to 3. Fresh copies of both strips; without the screen strip there is no box to draw.
    FreeBitmaps();
    m_hBitmap = GXLoadPackedDIB(MAKEINTRESOURCEA(m_nBitmapResourceId));
    if (m_hBitmap == nullptr) return false;
    m_hPrintBitmap = GXLoadPackedDIB(MAKEINTRESOURCEA(m_nPrintResourceId));

    // 4. Their colours follow the system colours. A host without the print strip still has a
    // box on screen: the missing strip is skipped.
    MapColourTable(*this, m_hBitmap, 0);
    if (m_hPrintBitmap != nullptr) MapColourTable(*this, m_hPrintBitmap, 1);
    return true;
}

COLORREF CGXCheckBox::MapBitmapColour(COLORREF color, int nBitmap) {
    // The screen strip takes the window's colours; the print strip prints black on white.
    switch (color & 0x00FFFFFF) {
    case 0x00FF00: return GetSysColor(COLOR_WINDOWFRAME);
    case 0x000000: return nBitmap == 0 ? GetSysColor(COLOR_WINDOWTEXT) : 0x000000;
    case 0x0000FF: return nBitmap == 0 ? GetSysColor(COLOR_WINDOW) : 0xFFFFFF;
    case 0xC0C0C0: return GetSysColor(COLOR_BTNFACE);
    default: return color;
    }
}

CRect CGXCheckBox::ComputeBoxRect(CDC* pDC, const CRect& rect, const char* pszCaption, UINT nAlign) {
    // 1. The room the box takes, with the caption after it.
    const int s = kBoxSize;
    const int w = rect.Width(), h = rect.Height();
    int nNeeded = s, nLine = s;
    if (pszCaption != nullptr && *pszCaption != '\0') {
        TEXTMETRIC tm{};
        pDC->GetTextMetrics(&tm);
        nNeeded = s * 3 / 2 + pDC->GetTextExtent(pszCaption, static_cast<int>(std::strlen(pszCaption))).cx;
        nLine = std::max(s, static_cast<int>(tm.tmHeight + tm.tmExternalLeading));
    }

    // 2. Across: three pixels in from the left where there is room, centred or right.
    int x = rect.left + std::max(0, std::min(3, w - nNeeded));
    if (nAlign & DT_CENTER) x = (w - nNeeded) / 2 >= 1 ? rect.left + (w - nNeeded) / 2 : rect.left;
    else if (nAlign & DT_RIGHT) x = w - nNeeded > 0 ? rect.left + w - nNeeded : rect.left;

    // 3. Down: three pixels below the top where there is room, in the middle or at the bottom.
    int y = rect.top + std::max(0, std::min(3, h - nLine));
    if (nAlign & DT_VCENTER) y = (h - nLine) / 2 >= 1 ? rect.top + (h - nLine) / 2 : rect.top;
    else if (nAlign & DT_BOTTOM) y = h - nLine > 0 ? rect.top + h - nLine : rect.top;

    // 4. Never beyond the cell.
    return CRect(x, y, std::max(x, std::min(x + s, static_cast<int>(rect.right))),
                 std::max(y, std::min(y + s, static_cast<int>(rect.bottom))));
}

void CGXCheckBox::DrawCheckBox(CDC* pDC, const CRect& rect, int nState, UINT nAlign, const char* pszCaption) {
    const CRect box = ComputeBoxRect(pDC, rect, pszCaption, nAlign);
    if (m_hBitmap == nullptr && !LoadBitmaps()) return;

    // Printing takes the print strip; a host that has none prints the screen's.
    const CGXProperties* pProperties = m_pGrid->GetProperties();
    const bool bPrinting = pProperties != nullptr && pProperties->IsPrinting();
    const HGLOBAL hStrip = bPrinting && m_hPrintBitmap != nullptr ? m_hPrintBitmap : m_hBitmap;

    const BYTE* pBase = static_cast<const BYTE*>(GlobalLock(hStrip));
    if (pBase == nullptr) return;
    DibView view;
    const char* error = nullptr;
    if (DibFromPacked(pBase, GlobalSize(hStrip), view, &error)) {
        // A cell smaller than the box shows the image's top left part, unscaled; a strip shorter
        // than five images shows what it has.
        const int xSrc = ImageOfState(nState) * kBoxSize;
        const int w = std::min({kBoxSize, box.Width(), view.width - xSrc});
        const int h = std::min({kBoxSize, box.Height(), view.height});
        // The source rectangle of a bottom-up bitmap counts from its bottom row.
        const int ySrc = view.topDown ? 0 : view.height - h;
        if (w > 0 && h > 0)
            StretchDIBits(pDC->GetSafeHdc(), box.left, box.top, w, h, xSrc, ySrc, w, h, view.bits,
                          reinterpret_cast<const BITMAPINFO*>(view.header), DIB_RGB_COLORS, SRCCOPY);
    }
    GlobalUnlock(hStrip);
}
