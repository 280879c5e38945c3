#pragma once
// Resource ids of the plug-in's dialog templates and of their controls.
#include "platform/win/windef.h"

enum : UINT {
    IDD_EDITOR = 5000,
    IDD_SW_PROTECTIONS = 5001,
    IDD_CAPTURE = 5002,
    IDD_LIMIT_SWITCH = 5003,
    IDD_TIME = 5004,
};

// The framework's help command; the Help buttons carry it.
constexpr UINT ID_HELP = 57671;

// The grid placeholder of the editor and the Software Protections dialog.
constexpr UINT IDC_INTERRUPT_GRID = 5000;

// Capture dialog.
enum : UINT {
    IDC_CAPTURE_INDEX = 5001,         // first encoder index
    IDC_CAPTURE_INDEX2 = 5002,        // second encoder index
    IDC_INDEX_RISING = 5003,
    IDC_INDEX_FALLING = 5004,
    IDC_INDEX2_RISING = 5006,
    IDC_INDEX2_FALLING = 5007,
    IDC_INDEX2_TEXT = 5008,
};

// Limit Switch dialog.
enum : UINT { IDC_LIMIT_RISING = 5003, IDC_LIMIT_FALLING = 5004 };

// Time dialog.
enum : UINT { IDC_PERIOD_VALUE = 5004, IDC_PERIOD_UNIT = 5005 };
