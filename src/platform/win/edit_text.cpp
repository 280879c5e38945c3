// Editing a single-line edit control's text: selection, replacing what is selected (with the
// text limit, the width limit of a field that does not scroll and the single line), one step of
// undo, and the clipboard.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "platform/win/edit.h"

namespace controls {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

// What typing or pasting may add: only the first line, in the case the style asks for, digits
// only with ES_NUMBER.
std::string Filtered(DWORD style, const std::string& in) {
    std::string out;
    for (char ch : in) {
        if (ch == '\r' || ch == '\n' || ch == '\0') break;
        if (style & ES_NUMBER && !std::isdigit(static_cast<unsigned char>(ch))) continue;
        if (style & ES_UPPERCASE) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        else if (style & ES_LOWERCASE) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        out.push_back(ch);
    }
    return out;
}

}  // namespace

int WordLeft(const EditRecord& r, int pos) {
    pos = std::clamp(pos, 0, Length(r));
    while (pos > 0 && IsBlank(r.text[static_cast<std::size_t>(pos - 1)])) --pos;
    while (pos > 0 && !IsBlank(r.text[static_cast<std::size_t>(pos - 1)])) --pos;
    return pos;
}

int WordRight(const EditRecord& r, int pos) {
    const int n = Length(r);
    pos = std::clamp(pos, 0, n);
    while (pos < n && !IsBlank(r.text[static_cast<std::size_t>(pos)])) ++pos;
    while (pos < n && IsBlank(r.text[static_cast<std::size_t>(pos)])) ++pos;
    return pos;
}

bool NotifyChange(HWND hwnd) {
    Notify(hwnd, EN_UPDATE);
    if (!RecordOf<EditRecord>(hwnd)) return false;
    Notify(hwnd, EN_CHANGE);
    return RecordOf<EditRecord>(hwnd) != nullptr;
}

void SetSelection(HWND hwnd, EditRecord& r, int anchor, int caret) {
    const int n = Length(r);
    anchor = std::clamp(anchor, 0, n);
    caret = std::clamp(caret, 0, n);
    if (anchor != r.anchor || caret != r.caret) Redraw(hwnd);
    r.anchor = anchor;
    r.caret = caret;
    ScrollToCaret(hwnd, r);
    PlaceCaret(hwnd, r);
}

bool ReplaceSelection(HWND hwnd, EditRecord& r, const std::string& in, bool canUndo, bool notify) {
    const DWORD style = StyleOf(hwnd);
    std::string add = Filtered(style, in);
    const int from = SelMin(r), to = SelMax(r);
    bool full = false;
    // The limit counts the text that stays.
    const long long room = static_cast<long long>(r.limit) - (Length(r) - (to - from));
    if (static_cast<long long>(add.size()) > room) {
        add.resize(static_cast<std::size_t>(std::max(0LL, room)));
        full = true;
    }
    std::string next = r.text.substr(0, static_cast<std::size_t>(from)) + add + r.text.substr(static_cast<std::size_t>(to));
    if (!(style & ES_AUTOHSCROLL)) {
        // A field that does not scroll takes only what it can show.
        const RECT area = FormatRect(hwnd, r);
        const int width = area.right - area.left;
        EditRecord probe;
        std::copy(std::begin(r.advance), std::end(r.advance), probe.advance);
        probe.text = next;
        while (!add.empty() && TextWidth(hwnd, probe, 0, Length(probe)) > width) {
            add.pop_back();
            full = true;
            probe.text = r.text.substr(0, static_cast<std::size_t>(from)) + add + r.text.substr(static_cast<std::size_t>(to));
        }
        next = probe.text;
    }
    if (full && notify) {
        Notify(hwnd, EN_MAXTEXT);
        if (!RecordOf<EditRecord>(hwnd)) return false;
    }
    if (next == r.text) {
        // Nothing to add and nothing selected to remove: no change.
        return false;
    }
    if (canUndo) {
        r.canUndo = true;
        r.undoText = r.text;
        r.undoAnchor = r.anchor;
        r.undoCaret = r.caret;
    }
    r.text = std::move(next);
    r.modified = true;
    const int at = from + static_cast<int>(add.size());
    r.anchor = r.caret = at;
    r.first = std::min(r.first, Length(r));
    Redraw(hwnd);
    ScrollToCaret(hwnd, r);
    PlaceCaret(hwnd, r);
    if (notify) return NotifyChange(hwnd);
    return true;
}

void SetText(HWND hwnd, EditRecord& r, const char* text) {
    r.text = text ? Filtered(0, text) : std::string();
    r.anchor = r.caret = 0;
    r.first = 0;
    r.modified = false;
    r.canUndo = false;
    Redraw(hwnd);
    PlaceCaret(hwnd, r);
}

bool Undo(HWND hwnd, EditRecord& r) {
    if (!r.canUndo) return false;
    // Undo is its own undo, as the platform's one step is.
    std::swap(r.text, r.undoText);
    std::swap(r.anchor, r.undoAnchor);
    std::swap(r.caret, r.undoCaret);
    r.anchor = std::clamp(r.anchor, 0, Length(r));
    r.caret = std::clamp(r.caret, 0, Length(r));
    r.first = std::min(r.first, Length(r));
    r.modified = true;
    Redraw(hwnd);
    ScrollToCaret(hwnd, r);
    PlaceCaret(hwnd, r);
    return NotifyChange(hwnd);
}

void CopyToClipboard(HWND hwnd, const EditRecord& r) {
    // A password is not handed out.
    if (SelMin(r) == SelMax(r) || (StyleOf(hwnd) & ES_PASSWORD)) return;
    if (!OpenClipboard(hwnd)) return;
    EmptyClipboard();
    const std::string sel = r.text.substr(static_cast<std::size_t>(SelMin(r)), static_cast<std::size_t>(SelMax(r) - SelMin(r)));
    SetClipboardBytes(CF_TEXT, sel.c_str(), sel.size() + 1);
    CloseClipboard();
}

void PasteFromClipboard(HWND hwnd, EditRecord& r) {
    if (!OpenClipboard(hwnd)) return;
    std::vector<BYTE> bytes;
    const bool have = GetClipboardBytes(CF_TEXT, bytes) != FALSE;
    CloseClipboard();
    if (!have) return;
    // The text ends at its terminator, or at the end of the block when it has none.
    std::string text(bytes.begin(), bytes.end());
    text.resize(std::strlen(text.c_str()));
    ReplaceSelection(hwnd, r, text, true);
}

}  // namespace controls
