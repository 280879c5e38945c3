#pragma once
// What the controls share to draw a cell by its style: the style's font selected for a while,
// its alignment as text-drawing flags, its colours, and whether its text wraps.
#include "grid/core/grid_core.h"
#include "grid/style/color.h"
#include "platform/framework/dc.h"

// Selects a style's font into a device context for the life of the object, and puts the font
// that was there back. It takes the grid's shared font object for the style, so that the cells of
// a paint do not each make (and resolve) a font of their own.
class CGXStyleFont {
public:
    CGXStyleFont(CGXGridCore& grid, CDC* pDC, const CGXStyle& style) : m_pDC(pDC) {
        if (!style.GetIncludeFont() || style.GetFont() == nullptr) return;
        if (CFont* pFont = grid.LookupFont(*style.GetFont())) m_pOld = pDC->SelectObject(pFont);
    }
    ~CGXStyleFont() {
        if (m_pOld != nullptr) m_pDC->SelectObject(m_pOld);
    }
    CGXStyleFont(const CGXStyleFont&) = delete;
    CGXStyleFont& operator=(const CGXStyleFont&) = delete;

private:
    CDC* m_pDC;
    CFont* m_pOld = nullptr;
};

// The style's horizontal (DT_CENTER, DT_RIGHT) and vertical (DT_VCENTER, DT_BOTTOM) alignment,
// each where the style includes it.
inline UINT GXAlignFlags(const CGXStyle& style) noexcept {
    UINT n = 0;
    if (style.GetIncludeHorizontalAlignment()) n |= style.GetHorizontalAlignment() & 3;
    if (style.GetIncludeVerticalAlignment()) n |= style.GetVerticalAlignment() & 0xC;
    return n;
}

inline bool GXIsWrapped(const CGXStyle& style) noexcept { return style.GetIncludeWrapText() && style.GetWrapText(); }

// The style's text colour and the colour of its interior, system colour references resolved;
// black on white where the style says nothing.
inline COLORREF GXStyleTextColor(const CGXStyle& style) noexcept {
    return style.GetIncludeTextColor() ? style.GetTextColor() & 0x00FFFFFF : 0;
}
inline COLORREF GXStyleBackColor(const CGXStyle& style) noexcept {
    return style.GetIncludeInterior() ? GXGetColor(style.GetInterior().GetColor()) & 0x00FFFFFF : 0x00FFFFFF;
}
