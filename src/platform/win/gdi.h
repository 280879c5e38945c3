#pragma once
// The graphics services: device contexts, GDI objects, drawing, text and bitmaps, with the
// platform's names, numeric values and drawing rules (device pixels, right and bottom exclusive,
// the end point of a line not drawn, shapes on the pixel grid without anti-aliasing).
//
// Map: handles and records; constants (objects, modes, raster operations, text, edges, bitmaps,
// device caps); objects; device contexts and their state; clipping; drawing; text; bitmaps and
// blits; colour references.
//
// Handles are checked: a handle that is not a live object of the right kind makes the call fail
// (FALSE, 0 or null) instead of touching memory.
#include <cstddef>
#include <cstdint>

#include "platform/win/rect.h"
#include "platform/win/sys_colors.h"
#include "platform/win/windef.h"

struct HDC__;
struct HPEN__;
struct HBRUSH__;
struct HFONT__;
struct HBITMAP__;
struct HRGN__;
struct HPALETTE__;
using HDC = HDC__*;
using HGDIOBJ = void*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HBITMAP = HBITMAP__*;
using HRGN = HRGN__*;
using HPALETTE = HPALETTE__*;
using ULONG_PTR = std::uintptr_t;

// ---- records -------------------------------------------------------------------------------

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;  // only x counts
    COLORREF lopnColor;
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;  // hatch style, or the bitmap handle of a pattern brush
};

constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight;  // < 0: character height in pixels; > 0: cell height; 0: default
    LONG lfWidth;   // average character width; 0: the font's own
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTA;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
using TEXTMETRIC = TEXTMETRICA;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // > 0 bottom-up, < 0 top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

static_assert(sizeof(BITMAPFILEHEADER) == 14 && sizeof(BITMAPINFOHEADER) == 40 && sizeof(RGBQUAD) == 4);

// ---- constants -----------------------------------------------------------------------------

enum : int {  // GetObjectType
    OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_DC = 3, OBJ_PAL = 5, OBJ_FONT = 6, OBJ_BITMAP = 7,
    OBJ_REGION = 8, OBJ_MEMDC = 10, OBJ_EXTPEN = 11,
};

enum : int {  // GetStockObject
    WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
    NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
    OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13,
    DEVICE_DEFAULT_FONT = 14, DEFAULT_PALETTE = 15, SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17,
    DC_BRUSH = 18, DC_PEN = 19,
};

enum : UINT {  // pen styles
    PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
    PS_INSIDEFRAME = 6, PS_USERSTYLE = 7, PS_ALTERNATE = 8, PS_STYLE_MASK = 0x0F,
    PS_ENDCAP_ROUND = 0x000, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00,
    PS_JOIN_ROUND = 0x0000, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000,
    PS_COSMETIC = 0x00000, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000,
};

enum : UINT {  // brush styles
    BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3, BS_INDEXED = 4,
    BS_DIBPATTERN = 5, BS_DIBPATTERNPT = 6, BS_PATTERN8X8 = 7, BS_DIBPATTERN8X8 = 8,
};

enum : int {  // hatch styles
    HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

enum : int { TRANSPARENT = 1, OPAQUE = 2 };  // background modes

enum : int {  // line raster operations
    R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5,
    R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11,
    R2_MERGENOTPEN = 12, R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16,
};

// Ternary raster operations: bits 16..23 are the truth table, indexed by pattern·4 + source·2 + destination.
constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008,
                NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226,
                PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;

enum : UINT {  // text alignment
    TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0,
    TA_BOTTOM = 8, TA_BASELINE = 24,
};

enum : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

enum : UINT {  // DrawText
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80,
    DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
    DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
};

enum : UINT {  // DrawEdge
    BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
    BDR_OUTER = 0x3, BDR_INNER = 0xC, EDGE_RAISED = 0x5, EDGE_SUNKEN = 0xA, EDGE_ETCHED = 0x6,
    EDGE_BUMP = 0x9,
    BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8, BF_TOPLEFT = 0x3,
    BF_BOTTOMRIGHT = 0xC, BF_RECT = 0xF, BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000, BF_MONO = 0x8000,
};

enum : LONG {  // font weights
    FW_DONTCARE = 0, FW_THIN = 100, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500,
    FW_SEMIBOLD = 600, FW_BOLD = 700, FW_HEAVY = 900,
};

enum : BYTE {
    ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, OEM_CHARSET = 255,
    DEFAULT_QUALITY = 0, DRAFT_QUALITY = 1, PROOF_QUALITY = 2, NONANTIALIASED_QUALITY = 3,
    ANTIALIASED_QUALITY = 4,
    DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2,
    FF_DONTCARE = 0x00, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30, FF_SCRIPT = 0x40,
    FF_DECORATIVE = 0x50,
    // tmPitchAndFamily: TMPF_FIXED_PITCH set means the font is of variable pitch.
    TMPF_FIXED_PITCH = 0x01, TMPF_VECTOR = 0x02, TMPF_TRUETYPE = 0x04, TMPF_DEVICE = 0x08,
};

enum : int {  // clipping results and CombineRgn modes
    ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3,
    RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5,
};

enum : DWORD { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };
enum : UINT { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

enum : int {  // GetDeviceCaps
    DRIVERVERSION = 0, TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10,
    BITSPIXEL = 12, PLANES = 14, NUMBRUSHES = 16, NUMPENS = 18, NUMFONTS = 22, NUMCOLORS = 24,
    RASTERCAPS = 38, LOGPIXELSX = 88, LOGPIXELSY = 90, SIZEPALETTE = 104, NUMRESERVED = 106,
    COLORRES = 108,
    DT_RASDISPLAY = 1,
    RC_BITBLT = 0x0001, RC_BITMAP64 = 0x0008, RC_DI_BITMAP = 0x0080, RC_DIBTODEV = 0x0200,
    RC_STRETCHBLT = 0x0800, RC_STRETCHDIB = 0x2000,
};

// ---- colour references ---------------------------------------------------------------------

constexpr COLORREF PALETTEINDEX(WORD i) noexcept { return 0x01000000u | i; }
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) noexcept { return 0x02000000u | RGB(r, g, b); }
// The colour a reference stands for on this true-colour device: plain and palette-relative RGB
// as they are, a palette index from the default palette (index 0, black, when out of range).
COLORREF ResolveColorRef(COLORREF cr) noexcept;
// The 20 colours of the default palette.
COLORREF GetDefaultPaletteColor(int nIndex) noexcept;

// ---- objects -------------------------------------------------------------------------------

HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* plpen);
// Geometric pens: only solid brushes are supported; the pen takes the brush's colour.
HPEN ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle, const DWORD* pstyle);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int iHatch, COLORREF color);
// An 8×8 brush from the top-left 8×8 pixels of a bitmap (the bitmap is copied; a smaller one is tiled).
HBRUSH CreatePatternBrush(HBITMAP hbm);
HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush);
HFONT CreateFontIndirectA(const LOGFONTA* lplf);
inline HFONT CreateFontIndirect(const LOGFONT* lplf) { return CreateFontIndirectA(lplf); }
HFONT CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                  DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName);
inline HFONT CreateFont(int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op,
                        DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
    return CreateFontA(h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face);
}
HGDIOBJ GetStockObject(int i);
// Deletes a pen, brush, font, bitmap or region. An object still selected into a device context
// stays alive until it is deselected (its handle is invalid at once). Stock objects are kept.
BOOL DeleteObject(HGDIOBJ ho);
int GetObjectType(HGDIOBJ h);
// Copies the object's description (LOGPEN, LOGBRUSH, LOGFONT, BITMAP); with a null buffer, its size.
int GetObjectA(HGDIOBJ h, int c, void* pv);
inline int GetObject(HGDIOBJ h, int c, void* pv) { return GetObjectA(h, c, pv); }
// Brushes of the system colours; they follow SetSysColors and are never deleted.
HBRUSH GetSysColorBrush(int nIndex);

// ---- regions -------------------------------------------------------------------------------

HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
HRGN CreateRectRgnIndirect(const RECT* lprect);
int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
int OffsetRgn(HRGN hrgn, int x, int y);
int GetRgnBox(HRGN hrgn, LPRECT lprc);
BOOL PtInRegion(HRGN hrgn, int x, int y);
BOOL RectInRegion(HRGN hrgn, const RECT* lprect);
BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2);
// The rectangles of a region in device order (top to bottom, left to right); returns the count,
// writing at most nMax of them.
int GetRegionRects(HRGN hrgn, RECT* pRects, int nMax);

// ---- device contexts -----------------------------------------------------------------------

// A device context drawing into a width × height image of the screen's format (32-bit colour).
// The window system gives each window one over its backing surface; tests and tools use it directly.
HDC CreateImageDC(int cx, int cy);
// A memory device context with a 1 × 1 monochrome bitmap selected; hdc may be null (the screen).
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
int GetDeviceCaps(HDC hdc, int index);
// Size of the drawing surface (image, or the bitmap selected into a memory DC).
SIZE GetDCSurfaceSize(HDC hdc);

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
// Selecting a region selects a copy of it as the clip region (null: no clipping); returns the
// clip region's kind.
int SelectClipRgn(HDC hdc, HRGN hrgn);
int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetROP2(HDC hdc, int rop2);
int GetROP2(HDC hdc);
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL GetBrushOrgEx(HDC hdc, LPPOINT lppt);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL GetViewportOrgEx(HDC hdc, LPPOINT lppt);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL GetWindowOrgEx(HDC hdc, LPPOINT lppt);
BOOL LPtoDP(HDC hdc, LPPOINT lppt, int c);
BOOL DPtoLP(HDC hdc, LPPOINT lppt, int c);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt);
// Saves the whole drawing state (objects, colours, modes, origins, position, clipping); returns
// its level (1, 2, ...) or 0. RestoreDC takes a level, or a negative count back from the top.
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSavedDC);

// ---- clipping (rectangles in logical units, regions in device units) ------------------------

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC hdc, int x, int y);
// The smallest rectangle around what may be drawn, in logical units.
int GetClipBox(HDC hdc, LPRECT lprect);
// Copies the clip region into hrgn: 1 when there is one, 0 when there is none, -1 on error.
int GetClipRgn(HDC hdc, HRGN hrgn);
BOOL PtVisible(HDC hdc, int x, int y);
BOOL RectVisible(HDC hdc, const RECT* lprect);

// ---- drawing -------------------------------------------------------------------------------

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr);
int FrameRect(HDC hdc, const RECT* lprc, HBRUSH hbr);
BOOL InvertRect(HDC hdc, const RECT* lprc);
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
// The outline with the pen (rop 2 applies), the inside with the brush.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
// From the current position to (x, y); (x, y) itself is not drawn, and becomes the position.
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* apt, int cpt);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
// The colour at (x, y); CLR_INVALID outside the surface or the clip region.
COLORREF GetPixel(HDC hdc, int x, int y);
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
// The dotted focus frame, drawn by inversion: a second call removes it.
BOOL DrawFocusRect(HDC hdc, const RECT* lprc);

// ---- text (8-bit text in the Western code page) --------------------------------------------

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
inline BOOL TextOut(HDC hdc, int x, int y, LPCSTR s, int c) { return TextOutA(hdc, x, y, s, c); }
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                 const int* lpDx);
inline BOOL ExtTextOut(HDC hdc, int x, int y, UINT o, const RECT* r, LPCSTR s, UINT c, const int* dx) {
    return ExtTextOutA(hdc, x, y, o, r, s, c, dx);
}
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
inline BOOL GetTextExtentPoint32(HDC hdc, LPCSTR s, int c, LPSIZE sz) { return GetTextExtentPoint32A(hdc, s, c, sz); }
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm);
inline BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* tm) { return GetTextMetricsA(hdc, tm); }
int GetTextFaceA(HDC hdc, int c, LPSTR lpName);
BOOL GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, int* lpBuffer);
// Returns the height of the text (with DT_VCENTER or DT_BOTTOM: from the rectangle's top to the
// text's bottom), 0 on failure. c = -1: up to the terminating zero.
int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
inline int DrawText(HDC hdc, LPCSTR s, int c, LPRECT r, UINT f) { return DrawTextA(hdc, s, c, r, f); }

// ---- bitmaps and blits ---------------------------------------------------------------------

// 1 bit per pixel (rows padded to 16 bits, as the platform's bitmap bits are) or 32 bits per
// pixel (0x00RRGGBB words); lpBits may be null (all zero).
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// A bitmap of the screen's format from a device-independent bitmap (CBM_INIT copies the pixels).
constexpr DWORD CBM_INIT = 4;
HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                       const BITMAPINFO* pbmi, UINT iUsage);
BOOL GetBitmapDimensionEx(HBITMAP hbit, LPSIZE lpsize);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
// Nearest-pixel scaling (colour-on-colour); negative sizes mirror.
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop);
int StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                  int SrcWidth, int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage,
                  DWORD rop);
// ySrc counts from the bottom of a bottom-up bitmap, as on the platform; startScan and cLines
// select the rows held in lpvBits.
int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan,
                      UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse);
