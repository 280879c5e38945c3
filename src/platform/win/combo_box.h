#pragma once
// The drop-down list combo box: its record and what its field, its items and its drop-down list
// window share.
//
// The combo box holds the items and the selection; its list is a popup window owned by the
// combo box's top-level window, shown below the field while dropped. While dropped the list
// holds the mouse capture and the combo box keeps the focus (keys come to it); the list's
// highlight follows the mouse, and the keys move highlight and selection together. Closing
// accepts the highlight (Enter, a click on an item) or cancels back to the selection the list
// opened with (Escape, a click elsewhere, the focus leaving).
#include <string>
#include <vector>

#include "platform/win/controls_internal.h"

namespace controls {

struct ComboItem {
    std::string text;
    ULONG_PTR data = 0;
};

struct ComboRecord {
    HFONT font = nullptr;
    std::vector<ComboItem> items;
    int cur = -1;             // the selection, -1 for none
    HWND list = nullptr;      // the drop-down list window
    bool dropped = false;
    int openSel = -1;         // the selection when the list opened
    int hot = -1;             // the list's highlighted item
    int top = 0;              // the list's first visible item
    int itemHeight = 15;
    int droppedHeight = 100;  // the whole height asked for at creation: field and list
    int fieldSet = -1;        // the window height the combo box last gave itself
    bool focused = false;
    bool arrowPushed = false;  // the drop button shows pressed while the mouse holds it
    bool closing = false;      // the list is being hidden: its capture loss is expected
    bool listScrollBar = false;  // WS_VSCROLL was asked for: it belongs to the list, not the field
};

inline int Count(const ComboRecord& r) { return static_cast<int>(r.items.size()); }

// ---- field (combo_box_paint.cpp) ----
// Height of the closed field for the record's item height.
int FieldHeight(const ComboRecord& r);
// Item height for the record's font.
int ItemHeightFor(const ComboRecord& r);
RECT ArrowRect(HWND combo);
void PaintField(HWND combo, HDC hdc, const ComboRecord& r);

// ---- the list (combo_box_list.cpp) ----
// Makes the (hidden) list window of a combo box.
HWND MakeList(HWND combo);
// Opens the list with CBN_DROPDOWN; nothing when it is open already or the combo box is disabled.
void DropDown(HWND combo, ComboRecord& r);
// Closes the list: accept takes the highlighted item (CBN_SELCHANGE when it changed, or always
// with forceChange), then CBN_SELENDOK; otherwise the selection goes back to the one the list
// opened with and CBN_SELENDCANCEL. Then CBN_CLOSEUP. False when the combo box went away.
bool CloseUp(HWND combo, ComboRecord& r, bool accept, bool forceChange = false);
// Rows the open list shows.
int VisibleRows(const ComboRecord& r);
// Makes the highlighted item visible in the open list and redraws it.
void ShowHot(HWND combo, ComboRecord& r);

// ---- shared ----
// The combo box's record, for its list: null when the window is no combo box any more.
ComboRecord* ComboOf(HWND combo);
// Selects item i (held to the items) as the user does: CBN_SELCHANGE, and with endOk also
// CBN_SELENDOK, when the selection changed. False when the combo box went away.
bool UserSelect(HWND combo, ComboRecord& r, int i, bool endOk);

}  // namespace controls
