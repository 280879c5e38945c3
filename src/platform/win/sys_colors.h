#pragma once
// The process-wide table of system colours, in the classic scheme, and the screen resolution.
// Both are settable: tests switch resolution, and the window system changes colours (and then
// tells its windows with WM_SYSCOLORCHANGE).
#include "platform/win/windef.h"

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) noexcept {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) noexcept { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) noexcept { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) noexcept { return static_cast<BYTE>((c >> 16) & 0xFF); }

enum : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15, COLOR_3DFACE = 15, COLOR_BTNSHADOW = 16, COLOR_3DSHADOW = 16, COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20, COLOR_BTNHILIGHT = 20,
    COLOR_3DHIGHLIGHT = 20, COLOR_3DHILIGHT = 20, COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23, COLOR_INFOBK = 24, COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28, COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30,
    COLOR_COUNT = 31,
};

// The colour of a system colour index; 0 (black) for an index that is not one.
COLORREF GetSysColor(int nIndex) noexcept;
// Changes nCount colours; false (nothing changed) when an index is not a system colour.
BOOL SetSysColors(int nCount, const int* pIndices, const COLORREF* pColors) noexcept;
// Back to the classic scheme.
void ResetSysColors() noexcept;

// Dots per inch of the screen, the same horizontally and vertically: 96 unless set.
int GetScreenDpi() noexcept;
void SetScreenDpi(int nDpi) noexcept;  // values below 1 are ignored
