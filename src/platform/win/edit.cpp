// The single-line edit control's messages: text, selection and limit messages, typing, the
// keys that move the caret and extend the selection (Shift), Backspace and Delete, the mouse
// selecting by dragging (double click: a word), the clipboard keys (Ctrl+X/C/V, Shift+Delete,
// Ctrl+Insert, Shift+Insert), undo (Ctrl+Z), the caret with the focus, EN_* notifications.
#include <algorithm>
#include <cstring>

#include "platform/win/edit.h"

namespace controls {

namespace {

bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

bool ReadOnly(HWND hwnd) { return (StyleOf(hwnd) & ES_READONLY) != 0; }

// Moves the caret; with extend the anchor stays, else the selection collapses there.
void MoveTo(HWND hwnd, EditRecord& r, int pos, bool extend) { SetSelection(hwnd, r, extend ? r.anchor : pos, pos); }

void KeyDown(HWND hwnd, EditRecord& r, WPARAM vk) {
    const bool shift = Held(VK_SHIFT), ctrl = Held(VK_CONTROL);
    switch (vk) {
    case VK_LEFT:
        // Without Shift a selection collapses to its start.
        if (!shift && !ctrl && SelMin(r) != SelMax(r)) MoveTo(hwnd, r, SelMin(r), false);
        else MoveTo(hwnd, r, ctrl ? WordLeft(r, r.caret) : r.caret - 1, shift);
        break;
    case VK_RIGHT:
        if (!shift && !ctrl && SelMin(r) != SelMax(r)) MoveTo(hwnd, r, SelMax(r), false);
        else MoveTo(hwnd, r, ctrl ? WordRight(r, r.caret) : r.caret + 1, shift);
        break;
    case VK_HOME: MoveTo(hwnd, r, 0, shift); break;
    case VK_END: MoveTo(hwnd, r, Length(r), shift); break;
    case VK_DELETE:
        if (ReadOnly(hwnd)) break;
        if (shift) {
            SendMessage(hwnd, WM_CUT, 0, 0);
        } else if (SelMin(r) != SelMax(r)) {
            ReplaceSelection(hwnd, r, std::string(), true);
        } else if (r.caret < Length(r)) {
            r.anchor = r.caret + 1;
            ReplaceSelection(hwnd, r, std::string(), true);
        }
        break;
    case VK_INSERT:
        if (ctrl) SendMessage(hwnd, WM_COPY, 0, 0);
        else if (shift) SendMessage(hwnd, WM_PASTE, 0, 0);
        break;
    default:
        break;
    }
}

void Char(HWND hwnd, EditRecord& r, WPARAM ch) {
    switch (ch) {
    case 0x03: SendMessage(hwnd, WM_COPY, 0, 0); return;   // Ctrl+C
    case 0x16: SendMessage(hwnd, WM_PASTE, 0, 0); return;  // Ctrl+V
    case 0x18: SendMessage(hwnd, WM_CUT, 0, 0); return;    // Ctrl+X
    case 0x1A: SendMessage(hwnd, WM_UNDO, 0, 0); return;   // Ctrl+Z
    case 0x01: SetSelection(hwnd, r, 0, Length(r)); return;  // Ctrl+A
    default: break;
    }
    if (ReadOnly(hwnd)) return;
    if (ch == 0x08) {  // Backspace
        if (SelMin(r) == SelMax(r)) {
            if (r.caret == 0) return;
            r.anchor = r.caret - 1;
        }
        ReplaceSelection(hwnd, r, std::string(), true);
        return;
    }
    // Tab, Enter, Escape and the other control characters are the dialog's, not text.
    if (ch < 0x20 || ch == 0x7F || ch > 0xFF) return;
    ReplaceSelection(hwnd, r, std::string(1, static_cast<char>(ch)), true);
}

void Focus(HWND hwnd, EditRecord& r, bool gained) {
    r.focused = gained;
    if (gained) {
        CreateCaret(hwnd, nullptr, 1, r.lineHeight);
        PlaceCaret(hwnd, r);
        ShowCaret(hwnd);
    } else {
        if (r.tracking) {
            r.tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
        }
        if (GetCaretWindow() == hwnd) DestroyCaret();
    }
    // The selection shows only while the control has the focus.
    if (SelMin(r) != SelMax(r)) InvalidateRect(hwnd, nullptr, FALSE);
    Notify(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

void Paint(HWND hwnd, const EditRecord& r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) PaintEdit(hwnd, hdc, r);
    EndPaint(hwnd, &ps);
    // Nothing else draws the non-client edge yet; drawing it again is harmless.
    PaintClientEdge(hwnd);
}

LRESULT GetSel(const EditRecord& r, WPARAM wParam, LPARAM lParam) {
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(SelMin(r));
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(SelMax(r));
    return MAKELRESULT(static_cast<WORD>(std::min(SelMin(r), 0xFFFF)), static_cast<WORD>(std::min(SelMax(r), 0xFFFF)));
}

// EM_SETSEL: start -1 removes the selection (the caret stays), end -1 is the end of the text.
void SetSel(HWND hwnd, EditRecord& r, WPARAM wParam, LPARAM lParam) {
    const int start = static_cast<int>(static_cast<LONG>(wParam));
    const int end = static_cast<int>(static_cast<LONG>(lParam));
    if (start == -1) {
        SetSelection(hwnd, r, r.caret, r.caret);
        return;
    }
    const int n = Length(r);
    SetSelection(hwnd, r, start < 0 ? n : start, end < 0 ? n : end);
}

LRESULT GetLine(const EditRecord& r, LPARAM lParam) {
    char* buf = reinterpret_cast<char*>(lParam);
    if (!buf) return 0;
    WORD size = 0;
    std::memcpy(&size, buf, sizeof size);
    const int n = std::min<int>(size, Length(r));
    std::memcpy(buf, r.text.data(), static_cast<std::size_t>(n));
    return n;
}

}  // namespace

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        EditRecord* made = MakeRecord<EditRecord>(hwnd);
        MeasureFont(*made);
        // The classic look of a bordered field is the sunken edge.
        const DWORD style = StyleOf(hwnd);
        if (style & WS_BORDER) {
            SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_BORDER));
            SetWindowLongPtr(hwnd, GWL_EXSTYLE, GetWindowLongPtr(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) SetText(hwnd, *made, cs->lpszName);
        return TRUE;
    }
    EditRecord* r = RecordOf<EditRecord>(hwnd);
    if (!r) return DefWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY:
        if (GetCaretWindow() == hwnd) DestroyCaret();
        DropRecord<EditRecord>(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETFONT:
        r->font = reinterpret_cast<HFONT>(wParam);
        MeasureFont(*r);
        if (r->focused && GetCaretWindow() == hwnd) {
            CreateCaret(hwnd, nullptr, 1, r->lineHeight);
            ShowCaret(hwnd);
        }
        ScrollToCaret(hwnd, *r);
        PlaceCaret(hwnd, *r);
        if (LOWORD(static_cast<UINT_PTR>(lParam))) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(r->font);
    case WM_SETTEXT:
        SetText(hwnd, *r, reinterpret_cast<const char*>(lParam));
        NotifyChange(hwnd);
        return TRUE;
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(lParam);
        if (!buf || wParam == 0) return 0;
        const std::size_t n = std::min<std::size_t>(r->text.size(), wParam - 1);
        std::memcpy(buf, r->text.data(), n);
        buf[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return Length(*r);
    case WM_ENABLE:
    case WM_SIZE:
        ScrollToCaret(hwnd, *r);
        PlaceCaret(hwnd, *r);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        PaintClientEdge(hwnd);
        return 0;
    case WM_PAINT:
        Paint(hwnd, *r);
        return 0;
    case WM_SETFOCUS:
        Focus(hwnd, *r, true);
        return 0;
    case WM_KILLFOCUS:
        Focus(hwnd, *r, false);
        return 0;

    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        r = RecordOf<EditRecord>(hwnd);
        if (!r || GetFocus() != hwnd) return 0;
        const int at = CharAt(hwnd, *r, GET_X_LPARAM(lParam));
        MoveTo(hwnd, *r, at, (wParam & MK_SHIFT) != 0);
        r->tracking = true;
        SetCapture(hwnd);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        const int at = CharAt(hwnd, *r, GET_X_LPARAM(lParam));
        // The word under the pointer, with the blanks after it.
        SetSelection(hwnd, *r, WordLeft(*r, std::min(at + 1, Length(*r))), WordRight(*r, at));
        return 0;
    }
    case WM_MOUSEMOVE:
        // Dragging past either end scrolls the text along.
        if (r->tracking && GetCapture() == hwnd) MoveTo(hwnd, *r, CharAt(hwnd, *r, GET_X_LPARAM(lParam)), true);
        return 0;
    case WM_LBUTTONUP:
        if (r->tracking) {
            r->tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        r->tracking = false;
        return 0;

    case WM_KEYDOWN:
        KeyDown(hwnd, *r, wParam);
        return 0;
    case WM_CHAR:
        Char(hwnd, *r, wParam);
        return 0;

    case WM_CUT:
        if (ReadOnly(hwnd) || (StyleOf(hwnd) & ES_PASSWORD)) return 0;
        CopyToClipboard(hwnd, *r);
        if (SelMin(*r) != SelMax(*r)) ReplaceSelection(hwnd, *r, std::string(), true);
        return 0;
    case WM_COPY:
        CopyToClipboard(hwnd, *r);
        return 0;
    case WM_PASTE:
        if (!ReadOnly(hwnd)) PasteFromClipboard(hwnd, *r);
        return 0;
    case WM_CLEAR:
        if (!ReadOnly(hwnd) && SelMin(*r) != SelMax(*r)) ReplaceSelection(hwnd, *r, std::string(), true);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        return Undo(hwnd, *r) ? TRUE : FALSE;
    case EM_CANUNDO:
        return r->canUndo ? TRUE : FALSE;

    case EM_GETSEL:
        return GetSel(*r, wParam, lParam);
    case EM_SETSEL:
        SetSel(hwnd, *r, wParam, lParam);
        return 0;
    case EM_SCROLLCARET:
        ScrollToCaret(hwnd, *r);
        PlaceCaret(hwnd, *r);
        return TRUE;
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, *r, lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
        return 0;
    case EM_LIMITTEXT: {
        const auto n = static_cast<long long>(static_cast<LONG>(wParam));
        r->limit = (n <= 0 || n > EDIT_MAX_LIMIT) ? EDIT_MAX_LIMIT : static_cast<int>(n);
        return 0;
    }
    case EM_GETLIMITTEXT:
        return r->limit;
    case EM_GETLINE:
        return GetLine(*r, lParam);
    case EM_LINELENGTH:
        return Length(*r);
    case EM_GETLINECOUNT:
        return 1;
    case EM_LINEINDEX:
        return (static_cast<LONG>(wParam) <= 0) ? 0 : -1;
    case EM_GETFIRSTVISIBLELINE:
        return r->first;  // for a single line, the first visible character
    case EM_GETMODIFY:
        return r->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        r->modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = StyleOf(hwnd);
        SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(wParam ? (style | ES_READONLY) : (style & ~ES_READONLY)));
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    }
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = FormatRect(hwnd, *r);
        return 0;
    case EM_POSFROMCHAR: {
        const int i = static_cast<int>(wParam);
        if (i < 0 || i > Length(*r)) return -1;
        return MAKELRESULT(static_cast<WORD>(static_cast<SHORT>(CharX(hwnd, *r, i))), static_cast<WORD>(FormatRect(hwnd, *r).top));
    }
    case EM_CHARFROMPOS:
        return MAKELRESULT(static_cast<WORD>(CharAt(hwnd, *r, GET_X_LPARAM(lParam))), 0);
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace controls
