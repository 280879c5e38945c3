#pragma once
// The single-line edit control's record and the operations its message handling, its editing
// and its painting share.
//
// The text is one line of 8-bit characters. The selection runs between an anchor and the caret
// (either may be the larger); the view starts at the first visible character and, with
// ES_AUTOHSCROLL, follows the caret.
#include <string>

#include "platform/win/controls_internal.h"

namespace controls {

struct EditRecord {
    HFONT font = nullptr;
    std::string text;
    int anchor = 0;
    int caret = 0;
    int first = 0;  // first visible character
    int limit = EDIT_DEFAULT_LIMIT;
    bool modified = false;
    bool focused = false;
    bool tracking = false;  // selecting with the mouse
    // One step of undo: the text and selection before the last change.
    bool canUndo = false;
    std::string undoText;
    int undoAnchor = 0;
    int undoCaret = 0;
    // Widths of the 256 characters in the font, and its line height.
    int advance[256] = {};
    int lineHeight = 16;
};

inline int SelMin(const EditRecord& r) { return r.anchor < r.caret ? r.anchor : r.caret; }
inline int SelMax(const EditRecord& r) { return r.anchor < r.caret ? r.caret : r.anchor; }
inline int Length(const EditRecord& r) { return static_cast<int>(r.text.size()); }

// ---- layout (edit_paint.cpp) ----
// Reads the font's character widths and line height.
void MeasureFont(EditRecord& r);
// The rectangle the text shows in: the client area less the margins.
RECT FormatRect(HWND hwnd, const EditRecord& r);
// Width of characters [from, to) as shown (password characters as '*').
int TextWidth(HWND hwnd, const EditRecord& r, int from, int to);
// Client x of the left edge of character i with the current view.
int CharX(HWND hwnd, const EditRecord& r, int i);
// The character boundary nearest to client x.
int CharAt(HWND hwnd, const EditRecord& r, int x);
// Moves the view so that the caret shows (ES_AUTOHSCROLL); redraws when it moved.
void ScrollToCaret(HWND hwnd, EditRecord& r);
// Puts the caret where the selection's active end is.
void PlaceCaret(HWND hwnd, const EditRecord& r);
void PaintEdit(HWND hwnd, HDC hdc, const EditRecord& r);
// The sunken edge around a control with WS_EX_CLIENTEDGE, in its non-client area.
void PaintClientEdge(HWND hwnd);

// ---- editing (edit_text.cpp) ----
// Selects [anchor, caret) (clamped), shows the caret there and redraws.
void SetSelection(HWND hwnd, EditRecord& r, int anchor, int caret);
// Replaces the selection with text (cut to the limit, to the first line break, and, without
// ES_AUTOHSCROLL, to what fits the width), as typing does. Returns whether anything changed; the
// parent hears EN_MAXTEXT when the text did not fit, then EN_UPDATE and EN_CHANGE when it
// changed. notify false: no notifications (the caller sends them).
bool ReplaceSelection(HWND hwnd, EditRecord& r, const std::string& text, bool canUndo, bool notify = true);
// Sets the whole text (WM_SETTEXT): no limit applies, the caret goes to the start.
void SetText(HWND hwnd, EditRecord& r, const char* text);
bool Undo(HWND hwnd, EditRecord& r);
void CopyToClipboard(HWND hwnd, const EditRecord& r);
void PasteFromClipboard(HWND hwnd, EditRecord& r);
// The word boundary before or after a position (words are runs of non-blanks).
int WordLeft(const EditRecord& r, int pos);
int WordRight(const EditRecord& r, int pos);
// EN_UPDATE then EN_CHANGE; false when the control went away meanwhile.
bool NotifyChange(HWND hwnd);

}  // namespace controls
