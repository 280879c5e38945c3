#pragma once
// StylePen, one border line of a cell, and StyleBrush, a cell's interior, with their text forms
// and the table of the 41 pattern bitmaps a pattern brush uses.
#include "platform/framework/cstring.h"
#include "platform/win/gdi.h"
#include "platform/win/windef.h"

enum : DWORD { GX_PS_SOLID = 0, GX_PS_NULL = 5 };
enum : DWORD { GX_BS_SOLID = 0, GX_BS_HOLLOW = 1, GX_BS_HATCHED = 2, GX_BS_PATTERN = 3 };

constexpr int GX_PATTERN_COUNT = 41;

// The 8 rows of a pattern, row 0 first, each the low byte of a 16-bit word; null outside 0..40.
const WORD* GXGetPatternRows(int nPattern) noexcept;
// The monochrome 8x8 bitmap of a pattern, made on first use and kept for the process; null
// outside 0..40.
HBITMAP GXGetPatternBitmap(int nPattern);

struct StylePen {
    DWORD lopnStyle = GX_PS_SOLID;
    LONG lopnWidth = 1;
    DWORD lopnInclude = 0;  // non-zero when this side is present
    COLORREF lopnColor = 0;

    StylePen& SetStyle(DWORD nStyle) noexcept { lopnStyle = nStyle; return *this; }
    StylePen& SetWidth(LONG nWidth) noexcept { lopnWidth = nWidth; return *this; }
    StylePen& SetColor(COLORREF c) noexcept { lopnColor = c; return *this; }
    StylePen& SetInclude(bool b) noexcept { lopnInclude = b ? 1 : 0; return *this; }
    DWORD GetStyle() const noexcept { return lopnStyle; }
    LONG GetWidth() const noexcept { return lopnWidth; }
    bool GetInclude() const noexcept { return lopnInclude != 0; }
    COLORREF GetColorNA() const noexcept { return lopnColor; }
    COLORREF GetColor() const noexcept;  // a system-colour reference resolved
    // The pixels the line takes inside a cell: none for a null pen, at least one otherwise.
    int GetThickness() const noexcept { return lopnStyle == GX_PS_NULL ? 0 : lopnWidth > 1 ? int(lopnWidth) : 1; }

    bool operator==(const StylePen& o) const noexcept {
        return lopnStyle == o.lopnStyle && lopnWidth == o.lopnWidth && lopnInclude == o.lopnInclude &&
               lopnColor == o.lopnColor;
    }

    // "%lu %ld %d %d %d %d": style, width, red, green, blue, high byte of the colour.
    CString GetDescription() const;
    // Five or six numbers set style, width and colour (the sixth its high byte) and make the side
    // present; fewer make it absent and leave the rest.
    void SetDescription(const char* pszText);
};

struct StyleBrush {
    DWORD lbStyle = GX_BS_SOLID;
    COLORREF lbColor = 0;
    // The hatch index of a hatched brush. For a pattern brush it holds the pattern index too: the
    // bitmap handle is a pointer that cannot live in a 32-bit field or in a stored record, so it is
    // fetched from the pattern table when drawing (GetPatternBitmap).
    DWORD lbHatch = 0;
    LONG lbPattern = -1;  // pattern brushes: index into the pattern table; otherwise -1
    COLORREF lbBkColor = 0x00FFFFFF;

    StyleBrush& SetStyle(DWORD nStyle) noexcept { lbStyle = nStyle; return *this; }
    StyleBrush& SetColor(COLORREF c) noexcept { lbColor = c; return *this; }
    StyleBrush& SetHatch(DWORD nHatch) noexcept { lbHatch = nHatch; return *this; }
    StyleBrush& SetBkColor(COLORREF c) noexcept { lbBkColor = c; return *this; }
    // A pattern brush of pattern nPattern; an index outside the table makes the brush hollow.
    StyleBrush& SetPattern(LONG nPattern) noexcept;
    DWORD GetStyle() const noexcept { return lbStyle; }
    DWORD GetHatch() const noexcept { return lbHatch; }
    LONG GetPattern() const noexcept { return lbPattern; }
    COLORREF GetColorNA() const noexcept { return lbColor; }
    COLORREF GetColor() const noexcept;
    COLORREF GetBkColorNA() const noexcept { return lbBkColor; }
    COLORREF GetBkColor() const noexcept;
    HBITMAP GetPatternBitmap() const;  // null unless a pattern brush

    // Equal style, colour and hatch and, unless solid, equal background.
    bool operator==(const StyleBrush& o) const noexcept {
        return lbStyle == o.lbStyle && lbColor == o.lbColor && lbHatch == o.lbHatch &&
               (lbStyle == GX_BS_SOLID || lbBkColor == o.lbBkColor);
    }
    bool operator!=(const StyleBrush& o) const noexcept { return !(*this == o); }

    // "%lu %ld %d %d %d %d %d %d %d": style; pattern index (pattern brushes) or hatch; red, green,
    // blue of the colour; red, green, blue of the background; high byte of the colour.
    CString GetDescription() const;
    // Fewer than five numbers leave the brush as it was.
    void SetDescription(const char* pszText);
};

// Reads up to nMax decimal numbers separated by blanks, as the text forms store them: each may
// have leading blanks and a sign; reading stops at the first text that is not a number. Values
// beyond 32 bits keep their low 32 bits. Returns how many numbers were read.
int GXScanNumbers(const char* pszText, long* pValues, int nMax) noexcept;
