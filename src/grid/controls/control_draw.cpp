// CGXControl drawing: the cell's children, its background with the 3-D frame, and the frame that
// marks the current cell.
#include <algorithm>

#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "grid/style/color.h"
#include "platform/framework/wnd.h"
#include "platform/win/window.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

COLORREF Rgb(COLORREF c) noexcept { return GXGetColor(c) & 0x00FFFFFF; }

// Black and white printing keeps what is darker than mid-grey black and the rest white.
COLORREF ToBlackWhite(COLORREF c) noexcept {
    const int nLuma = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
    return nLuma < 128 ? kBlack : kWhite;
}

// Fills with a hatched or pattern brush: foreground the brush's colour, background its
// background colour.
void FillPatterned(CDC* pDC, const CRect& rect, const StyleBrush& brush, bool bBlackWhite) {
    COLORREF fore = Rgb(brush.GetColor());
    COLORREF back = Rgb(brush.GetBkColor());
    if (bBlackWhite) {
        fore = ToBlackWhite(fore);
        back = ToBlackWhite(back);
    }
    CBrush br;
    if (brush.GetStyle() == GX_BS_HATCHED) {
        if (!br.CreateHatchBrush(static_cast<int>(brush.GetHatch()), fore)) return;
    } else {
        HBITMAP hBitmap = brush.GetPatternBitmap();
        if (hBitmap == nullptr || !br.CreatePatternBrush(CBitmap::FromHandle(hBitmap))) return;
    }
    const COLORREF oldText = pDC->SetTextColor(fore);
    const COLORREF oldBk = pDC->SetBkColor(back);
    const int oldMode = pDC->SetBkMode(OPAQUE);
    pDC->FillRect(&rect, &br);
    pDC->SetBkMode(oldMode);
    pDC->SetBkColor(oldBk);
    pDC->SetTextColor(oldText);
}

}  // namespace

void CGXControl::LayoutChildren(ROWCOL, ROWCOL, const CRect&) {}

void CGXControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*) {
    if (m_children.empty()) return;
    LayoutChildren(nRow, nCol, GetCellRect(nRow, nCol, &rect, &style));
    const bool bActive = IsInit(nRow, nCol) && IsActive();
    for (const auto& pChild : m_children) pChild->Draw(pDC, bActive);
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style, bool bErase) {
    // The row's background pass fills runs of equal interiors before the cells are drawn; a cell
    // it did not fill is drawn with the grid's erase-background flag set.
    if ((bErase || m_pGrid->IsDrawCellBackground()) && !rect.IsRectEmpty()) {
        const StyleBrush brush = style.GetIncludeInterior() ? style.GetInterior() : StyleBrush().SetColor(kWhite);
        const bool bBlackWhite = m_pGrid->IsPrintBlackWhite();
        if (brush.GetStyle() == GX_BS_SOLID) {
            pDC->FillSolidRect(&rect, bBlackWhite ? kWhite : Rgb(brush.GetColor()));
        } else if (brush.GetStyle() == GX_BS_HATCHED || brush.GetStyle() == GX_BS_PATTERN) {
            FillPatterned(pDC, rect, brush, bBlackWhite);
        }
    }
    Draw3dCellFrame(pDC, rect, style);
}

void CGXControl::Draw3dCellFrame(CDC* pDC, const CRect& rect, const CGXStyle& style) {
    if (m_pGrid->IsPrintBlackWhite() || !style.GetIncludeDraw3dFrame()) return;
    const unsigned nFrame = style.GetDraw3dFrame();
    if (nFrame != 1 && nFrame != 2) return;
    CRect r = m_pGrid->SubtractBorders(rect, style);
    // The frame lies over the grid lines at left and top, which are drawn inside the cell's
    // first pixel column and row.
    r.left -= 1;
    r.top -= 1;
    if (r.Width() < 2 || r.Height() < 2) return;
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (nFrame == 1) pDC->Draw3dRect(&r, highlight, kBlack);
    else pDC->Draw3dRect(&r, kBlack, highlight);
}

void CGXControl::DrawFocusFrame(CDC* pDC, const CRect& rect) {
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || rect.IsRectEmpty()) return;
    // A control with a window of its own marks the cell itself while it edits.
    if (pParam->GetActivateCellFlags() == 4 && GetWindowObject() != nullptr) return;
    switch (pParam->GetCurrentCellFrameMode()) {
    case 0: break;
    case 2: {
        CWnd* pWnd = m_pGrid->GridWnd();
        const HWND hFocus = GetFocus();
        if (pWnd == nullptr || hFocus == nullptr ||
            (hFocus != pWnd->GetSafeHwnd() && !IsChild(pWnd->GetSafeHwnd(), hFocus)))
            return;
        break;
    }
    default: return;
    }

    // The frame style is a user property holding one of the properties' frame style names.
    enum { SolidThin, SolidThick, None, InvertThick, InvertThin };
    int nStyle = InvertThin;
    if (const CGXProperties* pProperties = m_pGrid->GetProperties()) {
        if (const CGXStyle* pFrame = pProperties->GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)) {
            const CStringArray& names = pProperties->GetFrameStyleNames();
            for (int i = SolidThin; i <= InvertThick && i < names.GetSize(); ++i)
                if (!names[i].IsEmpty() && pFrame->GetValue() == names[i]) nStyle = i;
        }
    }
    if (nStyle == None) return;
    const int w = std::min<int>({nStyle == SolidThick || nStyle == InvertThick ? 2 : 1, rect.Width(), rect.Height()});
    const CRect strips[4] = {
        CRect(rect.left, rect.top, rect.right, rect.top + w),                // top
        CRect(rect.left, rect.bottom - w, rect.right, rect.bottom),          // bottom
        CRect(rect.left, rect.top + w, rect.left + w, rect.bottom - w),      // left
        CRect(rect.right - w, rect.top + w, rect.right, rect.bottom - w),    // right
    };
    const bool bInvert = nStyle == InvertThick || nStyle == InvertThin;
    for (const CRect& strip : strips) {
        if (strip.IsRectEmpty()) continue;
        if (bInvert) pDC->InvertRect(&strip);
        else pDC->FillSolidRect(&strip, kBlack);
    }
}
