#pragma once
// Dialog templates stated in source code as tables, and their binary form.
//
//   const DialogItem kItems[] = {
//       AutoRadioButton(5003, "transition low -> high", 27, 22, 80, 10, WS_GROUP | WS_TABSTOP),
//       AutoRadioButton(5004, "transition high -> low", 27, 37, 80, 10),
//       DefPushButton(IDOK, "OK", 11, 141, 50, 14),
//       Control(5000, "GXWND", "InterruptGridWnd", 7, 7, 417, 210, WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
//   };
//   const std::vector<BYTE> bytes = BuildDialogTemplate(DialogHeader{"Capture", 0, 0, 195, 162}, kItems);
//
// Positions and sizes are in dialog units. Every item is a visible child; the kind's own style
// is added to the extra style given. The header's style defaults to a popup with caption, system
// menu and modal frame in 8-point "MS Sans Serif".
//
// ParseDialogTemplate reads the binary form back, within a byte bound, and refuses what does not
// fit: dialog creation works from what it gives.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/dialogs.h"

constexpr DWORD kDialogDefaultStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

struct DialogHeader {
    const char* caption = "";
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD style = kDialogDefaultStyle;
    DWORD exStyle = 0;
    WORD pointSize = 8;
    const char* face = "MS Sans Serif";
    const char* className = nullptr;  // null: the dialog class
};

struct DialogItem {
    WORD id;
    WORD classOrdinal;      // DLGCLASS_*, or 0 when className names the class
    const char* className;
    const char* text;
    short x, y, cx, cy;
    DWORD style;            // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle;
};

// The ids of items that have none (static texts, frames).
constexpr WORD kNoId = 0xFFFF;

// ---- items by kind -------------------------------------------------------------------------------
constexpr DialogItem PushButton(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = WS_TABSTOP) {
    return {id, DLGCLASS_BUTTON, nullptr, text, x, y, cx, cy, style | BS_PUSHBUTTON, 0};
}
constexpr DialogItem DefPushButton(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = WS_TABSTOP) {
    return {id, DLGCLASS_BUTTON, nullptr, text, x, y, cx, cy, style | BS_DEFPUSHBUTTON, 0};
}
constexpr DialogItem AutoCheckBox(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = WS_TABSTOP) {
    return {id, DLGCLASS_BUTTON, nullptr, text, x, y, cx, cy, style | BS_AUTOCHECKBOX, 0};
}
constexpr DialogItem AutoRadioButton(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = 0) {
    return {id, DLGCLASS_BUTTON, nullptr, text, x, y, cx, cy, style | BS_AUTORADIOBUTTON, 0};
}
constexpr DialogItem GroupBox(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = 0) {
    return {id, DLGCLASS_BUTTON, nullptr, text, x, y, cx, cy, style | BS_GROUPBOX, 0};
}
constexpr DialogItem LText(WORD id, const char* text, short x, short y, short cx, short cy, DWORD style = 0) {
    return {id, DLGCLASS_STATIC, nullptr, text, x, y, cx, cy, style | SS_LEFT, 0};
}
constexpr DialogItem BlackRect(WORD id, short x, short y, short cx, short cy, DWORD style = 0) {
    return {id, DLGCLASS_STATIC, nullptr, "", x, y, cx, cy, style | SS_BLACKRECT, 0};
}
// An edit box with a border.
constexpr DialogItem EditText(WORD id, short x, short y, short cx, short cy, DWORD style = WS_TABSTOP) {
    return {id, DLGCLASS_EDIT, nullptr, "", x, y, cx, cy, style | WS_BORDER, 0};
}
// cy is the height with the list dropped down.
constexpr DialogItem ComboBox(WORD id, short x, short y, short cx, short cy, DWORD style) {
    return {id, DLGCLASS_COMBOBOX, nullptr, "", x, y, cx, cy, style, 0};
}
// A control of a window class named in the template (a custom control).
constexpr DialogItem Control(WORD id, const char* className, const char* text, short x, short y, short cx, short cy,
                             DWORD style, DWORD exStyle = 0) {
    return {id, 0, className, text, x, y, cx, cy, style, exStyle};
}

// ---- the binary form -------------------------------------------------------------------------------
std::vector<BYTE> BuildDialogTemplate(const DialogHeader& header, const DialogItem* pItems, size_t nItems);
template <size_t N>
std::vector<BYTE> BuildDialogTemplate(const DialogHeader& header, const DialogItem (&items)[N]) {
    return BuildDialogTemplate(header, items, N);
}

// What a template says, read back. Names given by ordinal keep it in the ordinal fields.
struct ParsedDialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    WORD classOrdinal = 0;
    std::string className;
    WORD textOrdinal = 0;
    std::string text;
    std::vector<BYTE> creationData;
};

struct ParsedDialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD menuOrdinal = 0;
    std::string menu;
    WORD classOrdinal = 0;
    std::string className;
    std::string caption;
    WORD pointSize = 0;  // DS_SETFONT only
    std::string face;
    std::vector<ParsedDialogItem> items;
};

// False when the template runs past nBytes or says something impossible (text without its end).
bool ParseDialogTemplate(const void* pTemplate, size_t nBytes, ParsedDialogTemplate& out);
// The bytes a template may occupy: its resource's or global block's size when it lies in one,
// else an upper bound that trusts the caller's memory.
size_t DialogTemplateBound(const void* pTemplate);
