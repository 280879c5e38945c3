#pragma once
// The button control's record and its painting, shared by the button's behaviour and drawing.
#include "platform/win/controls_internal.h"

namespace controls {

struct ButtonRecord {
    HFONT font = nullptr;
    UINT check = BST_UNCHECKED;
    bool pushed = false;    // drawn pressed in
    bool focused = false;
    bool tracking = false;  // the left button went down on it and it holds the capture
    bool spaceDown = false;
};

inline UINT ButtonType(DWORD style) { return style & BS_TYPEMASK; }
inline bool IsRadioType(UINT type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
inline bool IsCheckType(UINT type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// Paints the whole client area in the classic look.
void PaintButton(HWND hwnd, HDC hdc, const ButtonRecord& r);

}  // namespace controls
