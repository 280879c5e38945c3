#pragma once
// What the dialog sources share: the state of each dialog window.
#include "platform/win/controls.h"
#include "platform/win/dialogs.h"

namespace dlg_internal {

struct DialogState {
    HFONT font = nullptr;  // owned
    SIZE baseUnits{0, 0};
    int defId = 0;         // 0: none set
    HWND focus = nullptr;  // the item that had the focus when the dialog lost activation
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};

// The state of a dialog window; null for any other window.
DialogState* Find(HWND hDlg);
DialogState& Add(HWND hDlg);
void Remove(HWND hDlg);

// Registers the dialog class when it is not yet there.
void EnsureDialogClass();

// Moves the focus to an item the dialog's way: an edit gets its text selected (with select),
// and the default push button follows the focus among push buttons.
void SetDlgFocus(HWND hDlg, HWND hCtl, bool select);
// The item of the dialog hCtl lies in (hCtl itself, or its ancestor that is a child of hDlg).
HWND DialogItemOf(HWND hDlg, HWND hCtl);
UINT DlgCode(HWND hCtl, const MSG* pMsg = nullptr);

}  // namespace dlg_internal
