#pragma once
// Colour references of the grid: a high byte of 0, 1 or 2 is the platform's RGB, palette-index or
// palette-RGB form; a high byte from 65 to 254 refers to system colour number 254 minus the high
// byte and is resolved to that colour's current value whenever it is used.
#include "platform/win/sys_colors.h"
#include "platform/win/windef.h"

// A reference to a system colour, holding the colour's present RGB value in its low 24 bits.
inline COLORREF GXSYSCOLOR(int nIndex) noexcept {
    return (static_cast<COLORREF>(254 - nIndex) << 24) | (GetSysColor(nIndex) & 0x00FFFFFF);
}

inline bool GXIsSysColor(COLORREF c) noexcept {
    DWORD nHigh = c >> 24;
    return nHigh >= 65 && nHigh <= 254;
}

// The colour to use: a system-colour reference becomes the current system colour (black for an
// index the table does not have), every other colour stays as it is.
inline COLORREF GXGetColor(COLORREF c) noexcept {
    return GXIsSysColor(c) ? GetSysColor(254 - static_cast<int>(c >> 24)) : c;
}
