#pragma once
// The icons of message boxes: 32 by 32 pixels in the classic look, drawn left of the text.
#include "platform/win/gdi.h"

constexpr int kMessageBoxIconSize = 32;

// Draws the icon of a box type (MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION)
// with its top-left corner at (x, y); the pixels around the shape are left as they are. FALSE,
// drawing nothing, for a type without an icon.
BOOL DrawMessageBoxIcon(HDC hdc, int x, int y, UINT uType);
