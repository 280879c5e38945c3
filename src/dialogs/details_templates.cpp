// Templates of the plug-in's dialogs: the editor, Software Protections, Capture, Limit Switch and
// Time, popups with caption, system menu and modal frame in 8-point "MS Sans Serif" (the builder's
// default header style). Items are in
// template order, which is the tab order; a radio group runs from an item that starts a group to
// the next one.
#include <vector>

#include "dialogs/dialog_resources.h"
#include "dialogs/resource.h"
#include "platform/win/controls.h"
#include "platform/win/dialog_template.h"
#include "platform/win/module_resources.h"

namespace {

constexpr DWORD kGroupStart = WS_GROUP | WS_TABSTOP;

// The grid placeholder both grid dialogs hold, which their grid window takes over.
constexpr DWORD kGridStyle = WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP;

const DialogItem kEditorItems[] = {
    Control(IDC_INTERRUPT_GRID, "GXWND", "InterruptGridWnd", 7, 7, 417, 210, kGridStyle),
    DefPushButton(IDOK, "OK", 124, 223, 50, 14),
    PushButton(IDCANCEL, "Cancel", 190, 223, 50, 14),
    PushButton(ID_HELP, "Help", 256, 223, 50, 14),
};

const DialogItem kSwProtItems[] = {
    Control(IDC_INTERRUPT_GRID, "GXWND", "InterruptGridWnd", 7, 7, 272, 210, kGridStyle),
    DefPushButton(IDOK, "OK", 52, 223, 50, 14),
    PushButton(IDCANCEL, "Cancel", 118, 223, 50, 14),
    PushButton(ID_HELP, "Help", 184, 223, 50, 14),
};

const DialogItem kCaptureItems[] = {
    AutoRadioButton(IDC_CAPTURE_INDEX, "Generate capture interrupt on first encoder index", 7, 7, 168, 10, kGroupStart),
    AutoRadioButton(IDC_CAPTURE_INDEX2, "Generate capture interrupt on second encoder index", 7, 75, 181, 10),
    AutoRadioButton(IDC_INDEX_RISING, "transition low -> high", 27, 22, 80, 10, kGroupStart),
    AutoRadioButton(IDC_INDEX_FALLING, "transition high -> low", 27, 37, 80, 10),
    LText(kNoId,
          "When transition occurs, position computed from first encoder signals is stored in variable CAPPOS", 7, 50,
          181, 18, WS_GROUP),
    BlackRect(kNoId, 7, 70, 181, 1),
    AutoRadioButton(IDC_INDEX2_RISING, "transition low -> high", 27, 89, 80, 10, kGroupStart),
    AutoRadioButton(IDC_INDEX2_FALLING, "transition high -> low", 27, 104, 80, 10),
    LText(IDC_INDEX2_TEXT,
          "When transition occurs, position computed from second encoder signals is stored in variable CAPPOS2", 7,
          117, 181, 18, WS_GROUP),
    DefPushButton(IDOK, "OK", 11, 141, 50, 14),
    PushButton(IDCANCEL, "Cancel", 72, 141, 50, 14),
    PushButton(ID_HELP, "Help", 133, 141, 50, 14),
};

const DialogItem kLimitSwitchItems[] = {
    GroupBox(kNoId, "Generate limit switch interrupt on", 7, 7, 172, 80),
    AutoRadioButton(IDC_LIMIT_RISING, "transition low -> high", 27, 22, 80, 10, kGroupStart),
    AutoRadioButton(IDC_LIMIT_FALLING, "transition high -> low", 27, 37, 80, 10),
    LText(kNoId,
          "When transition occurs, position computed from first encoder signals is stored in variable CAPPOS and "
          "position computed from second encoder signals is stored in variable CAPPOS2.",
          14, 50, 159, 34),
    DefPushButton(IDOK, "OK", 9, 90, 50, 14),
    PushButton(IDCANCEL, "Cancel", 68, 90, 50, 14),
    PushButton(ID_HELP, "Help", 127, 90, 50, 14),
};

const DialogItem kTimeItems[] = {
    LText(kNoId, "Generate time interrupt every", 7, 10, 92, 8),
    EditText(IDC_PERIOD_VALUE, 104, 7, 46, 14, ES_AUTOHSCROLL | WS_TABSTOP),
    ComboBox(IDC_PERIOD_UNIT, 154, 8, 38, 108, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP),
    DefPushButton(IDOK, "OK", 12, 26, 50, 14),
    PushButton(IDCANCEL, "Cancel", 74, 26, 50, 14),
    PushButton(ID_HELP, "Help", 136, 26, 50, 14),
};

BOOL AddTemplate(HMODULE hModule, UINT nID, const std::vector<BYTE>& bytes) {
    return AddModuleResource(hModule, RT_DIALOG, MAKEINTRESOURCEA(nID), bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace

BOOL AddDialogResources(HMODULE hModule) {
    return AddTemplate(hModule, IDD_EDITOR,
                       BuildDialogTemplate(DialogHeader{"Interrupt Settings", 0, 0, 431, 244}, kEditorItems)) &&
           AddTemplate(hModule, IDD_SW_PROTECTIONS,
                       BuildDialogTemplate(DialogHeader{"Software Protections", 0, 0, 286, 244}, kSwProtItems)) &&
           AddTemplate(hModule, IDD_CAPTURE, BuildDialogTemplate(DialogHeader{"Capture", 0, 0, 195, 162}, kCaptureItems)) &&
           AddTemplate(hModule, IDD_LIMIT_SWITCH,
                       BuildDialogTemplate(DialogHeader{"Limit Switch", 0, 0, 186, 111}, kLimitSwitchItems)) &&
           AddTemplate(hModule, IDD_TIME, BuildDialogTemplate(DialogHeader{"Time", 0, 0, 199, 47}, kTimeItems));
}
