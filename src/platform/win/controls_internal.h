#pragma once
// What the standard controls share, and nothing outside them uses: their window procedures,
// the per-window record behind the first extra bytes, notifications, colours from the parent,
// fonts and the classic drawing helpers.
#include <string>

#include "platform/win/controls.h"
#include "platform/win/gdi.h"
#include "platform/win/window.h"

namespace controls {

LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboListProc(HWND, UINT, WPARAM, LPARAM);

// Each control keeps its record behind the first pointer of its extra bytes: made on
// WM_NCCREATE, deleted on WM_NCDESTROY.
constexpr int kRecordBytes = sizeof(void*);

template <class T>
T* RecordOf(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtr(hwnd, 0));
}

template <class T>
T* MakeRecord(HWND hwnd) {
    T* r = new T;
    SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(r));
    return r;
}

template <class T>
void DropRecord(HWND hwnd) {
    delete RecordOf<T>(hwnd);
    SetWindowLongPtr(hwnd, 0, 0);
}

DWORD StyleOf(HWND hwnd);
std::string TextOf(HWND hwnd);

// The font set with WM_SETFONT, else the system font.
HFONT FontOrDefault(HFONT font);

// WM_COMMAND with the control's id and the code to its parent (child windows only).
void Notify(HWND hwnd, UINT code);

// Asks the parent for the colours of a control with a WM_CTLCOLOR* message, after setting the
// platform's defaults into the device context; a parent that does not answer gets the defaults
// (window colours for edits and lists, the button face for the rest).
HBRUSH ControlColors(HWND hwnd, HDC hdc, UINT ctlColorMsg);

// Text as the classic look draws it on a disabled control: embossed, a highlight copy one pixel
// down and right under a shadow-coloured copy.
void DrawDisabledText(HDC hdc, const char* text, RECT rc, UINT format);
// Normal or disabled text in the current text colour (transparent background).
void DrawControlText(HDC hdc, const char* text, RECT rc, UINT format, bool enabled);

// The height of a line of text in a font, as the controls lay lines out.
int LineHeight(HFONT font);

// Rectangle arithmetic.
inline RECT Inflated(RECT r, int d) { return RECT{r.left - d, r.top - d, r.right + d, r.bottom + d}; }
inline RECT Shifted(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
inline RECT Intersection(RECT a, RECT b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top, a.right < b.right ? a.right : b.right,
           a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}
inline bool Contains(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// Fills with a system colour.
void FillSys(HDC hdc, const RECT& rc, int colorIndex);

}  // namespace controls
