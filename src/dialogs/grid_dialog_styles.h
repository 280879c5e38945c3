#pragma once
// What the editor and the Software Protections dialog set up alike in their grids: the look of the
// whole table and of the standard style, the border pens of the header cells, and storing a style
// into a range as both dialogs do it (mode Override, painted at once).
#include "grid/core/grid_core.h"

namespace grid_dialog {

// Rows from 4 on belong to interrupts (protections) 0, 1, ...; the 32-bit masks hold 32 of them.
constexpr ROWCOL kFirstRow = 4;
constexpr ROWCOL kMaskBits = 32;

// Whether bit nBit of the mask is set; false for a bit the mask cannot hold.
inline bool HasBit(DWORD dw, ROWCOL nBit) { return nBit < kMaskBits && (dw & (DWORD{1} << nBit)) != 0; }

// Enable and disable exclude each other: checking one sets its bit and clears the other's (none:
// a box that stands alone); unchecking clears its own.
inline void Toggle(DWORD& dwThis, DWORD* pOther, DWORD dwBit, bool bChecked) {
    if (bChecked) {
        dwThis |= dwBit;
        if (pOther != nullptr) *pOther &= ~dwBit;
    } else {
        dwThis &= ~dwBit;
    }
}

// A solid pen of width 1 in the button-face colour.
StylePen BorderPen();
// Stores the style into the range, painted at once.
void Apply(CGXGridCore& grid, const CGXRange& range, const CGXStyle& style);
// The whole table centred both ways in static text cells that wrap; column 1 left aligned; the
// standard style's font of weight 400 and an empty value.
void ApplyTableLook(CGXGridCore& grid);
// A check box cell of the grid: its label (none for an empty text).
CGXStyle CheckBox(const char* pszLabel);
// The cell's value is "1" when the condition holds, else "0".
void SetCheck(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol, bool bChecked);
// Whether the cell's value is "1".
bool IsChecked(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol);

}  // namespace grid_dialog
