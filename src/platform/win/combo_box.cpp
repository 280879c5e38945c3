// The drop-down list combo box's messages: the items (add, insert, delete, find, select, item
// data), the selection, the field's text, the mouse opening the list, the keys on the closed
// box (Up/Down, Home/End, Page Up/Down, letters) and on the open list (the same, Enter, Escape,
// F4, Alt+Up/Down), the focus, and the field's height kept to one line.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/combo_box.h"

namespace controls {

namespace {

int CompareNoCase(const std::string& a, const char* b) {
    for (std::size_t i = 0;; ++i) {
        const int ca = i < a.size() ? std::tolower(static_cast<unsigned char>(a[i])) : 0;
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb || ca == 0) return ca - cb;
    }
}

bool StartsWithNoCase(const std::string& s, const char* prefix) {
    const std::size_t n = std::strlen(prefix);
    if (n > s.size()) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) return false;
    return true;
}

// The first item after `after` (from the start for -1), wrapping round, that matches.
int Find(const ComboRecord& r, int after, const char* text, bool exact) {
    const int n = Count(r);
    if (!text || n == 0) return CB_ERR;
    const int start = (after < -1 || after >= n) ? -1 : after;
    for (int k = 1; k <= n; ++k) {
        const int i = (start + k) % n;
        const std::string& t = r.items[static_cast<std::size_t>(i)].text;
        if (exact ? CompareNoCase(t, text) == 0 : StartsWithNoCase(t, text)) return i;
    }
    return CB_ERR;
}

void Redraw(HWND combo) { InvalidateRect(combo, nullptr, FALSE); }

void RedrawList(const ComboRecord& r) {
    if (r.dropped && IsWindow(r.list)) InvalidateRect(r.list, nullptr, FALSE);
}

// Keeps the window's height to the field. A height that the combo box did not set itself (at
// creation, or a move by its parent) is the dropped height: field and list together.
void FitHeight(HWND combo, ComboRecord& r, bool adopt) {
    RECT wr;
    GetWindowRect(combo, &wr);
    const int h = wr.bottom - wr.top, want = FieldHeight(r);
    if (adopt && h != r.fieldSet && h > want) r.droppedHeight = h;
    r.fieldSet = want;
    if (h == want) return;
    HWND parent = GetParent(combo);
    POINT at{wr.left, wr.top};
    if (parent && (StyleOf(combo) & WS_CHILD)) ScreenToClient(parent, &at);
    SetWindowPos(combo, nullptr, at.x, at.y, wr.right - wr.left, want, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Insert(HWND combo, ComboRecord& r, int index, const char* text, bool sorted) {
    const int n = Count(r);
    if (index < -1 || index > n) return CB_ERR;
    ComboItem item{text ? text : "", 0};
    if (sorted) {
        index = 0;
        while (index < n && CompareNoCase(r.items[static_cast<std::size_t>(index)].text, item.text.c_str()) <= 0) ++index;
    } else if (index == -1) {
        index = n;
    }
    r.items.insert(r.items.begin() + index, std::move(item));
    if (r.cur >= index) ++r.cur;
    if (r.openSel >= index) ++r.openSel;
    if (r.hot >= index) ++r.hot;
    Redraw(combo);
    RedrawList(r);
    return index;
}

LRESULT Delete(HWND combo, ComboRecord& r, int index) {
    if (index < 0 || index >= Count(r)) return CB_ERR;
    r.items.erase(r.items.begin() + index);
    auto shift = [index](int& i) {
        if (i == index) i = -1;
        else if (i > index) --i;
    };
    shift(r.cur);
    shift(r.openSel);
    shift(r.hot);
    r.top = std::clamp(r.top, 0, std::max(0, Count(r) - 1));
    Redraw(combo);
    RedrawList(r);
    return Count(r);
}

// Letters jump to the next item that starts with the letter.
int ItemForChar(const ComboRecord& r, char ch) {
    const char text[2] = {ch, '\0'};
    return Find(r, r.dropped ? r.hot : r.cur, text, false);
}

// The item a navigation key leads to from `from`; -1 for a key that does not navigate.
int Navigate(const ComboRecord& r, WPARAM vk, int from) {
    const int n = Count(r);
    if (n == 0) return -1;
    const int page = std::max(1, VisibleRows(r) - 1);
    switch (vk) {
    case VK_UP: case VK_LEFT: return from < 0 ? 0 : std::max(0, from - 1);
    case VK_DOWN: case VK_RIGHT: return from < 0 ? 0 : std::min(n - 1, from + 1);
    case VK_HOME: return 0;
    case VK_END: return n - 1;
    case VK_PRIOR: return from < 0 ? 0 : std::max(0, from - page);
    case VK_NEXT: return from < 0 ? 0 : std::min(n - 1, from + page);
    default: return -1;
    }
}

void KeyDown(HWND combo, ComboRecord& r, WPARAM vk, bool alt) {
    if ((vk == VK_F4 && !alt) || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (r.dropped) CloseUp(combo, r, true);
        else DropDown(combo, r);
        return;
    }
    if (r.dropped) {
        if (vk == VK_RETURN) {
            CloseUp(combo, r, true);
            return;
        }
        if (vk == VK_ESCAPE) {
            CloseUp(combo, r, false);
            return;
        }
        const int to = Navigate(r, vk, r.hot);
        if (to < 0) return;
        // In the open list the selection moves with the highlight, and the field shows it.
        r.hot = to;
        ShowHot(combo, r);
        UserSelect(combo, r, to, false);
        return;
    }
    const int to = Navigate(r, vk, r.cur);
    if (to >= 0) UserSelect(combo, r, to, true);
}

void Char(HWND combo, ComboRecord& r, WPARAM ch) {
    if (ch < 0x20 || ch > 0xFF) return;
    const int to = ItemForChar(r, static_cast<char>(ch));
    if (to < 0) return;
    if (r.dropped) {
        r.hot = to;
        ShowHot(combo, r);
        UserSelect(combo, r, to, false);
    } else {
        UserSelect(combo, r, to, true);
    }
}

void Focus(HWND combo, ComboRecord& r, bool gained) {
    r.focused = gained;
    Redraw(combo);
    if (!gained && r.dropped) {
        // The focus leaving closes the list as Escape would.
        if (!CloseUp(combo, r, false)) return;
    }
    Notify(combo, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

void Paint(HWND combo, const ComboRecord& r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(combo, &ps);
    if (hdc) PaintField(combo, hdc, r);
    EndPaint(combo, &ps);
}

LRESULT CopyItem(const ComboRecord& r, int index, char* buf) {
    if (index < 0 || index >= Count(r)) return CB_ERR;
    const std::string& t = r.items[static_cast<std::size_t>(index)].text;
    if (buf) {
        std::memcpy(buf, t.data(), t.size());
        buf[t.size()] = '\0';
    }
    return static_cast<LRESULT>(t.size());
}

bool WantsMessage(const ComboRecord& r, LPARAM lParam) {
    const MSG* m = reinterpret_cast<const MSG*>(lParam);
    return m && r.dropped && m->message == WM_KEYDOWN && (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE);
}

}  // namespace

ComboRecord* ComboOf(HWND combo) {
    char name[16];
    if (!IsWindow(combo) || GetClassName(combo, name, sizeof name) == 0 || strcasecmp(name, "COMBOBOX") != 0) return nullptr;
    return RecordOf<ComboRecord>(combo);
}

bool UserSelect(HWND combo, ComboRecord& r, int i, bool endOk) {
    i = std::clamp(i, -1, Count(r) - 1);
    if (i == r.cur) return true;
    r.cur = i;
    Redraw(combo);
    Notify(combo, CBN_SELCHANGE);
    if (!endOk) return ComboOf(combo) != nullptr;
    if (!ComboOf(combo)) return false;
    Notify(combo, CBN_SELENDOK);
    return ComboOf(combo) != nullptr;
}

LRESULT ComboBoxProc(HWND combo, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        ComboRecord* made = MakeRecord<ComboRecord>(combo);
        made->itemHeight = ItemHeightFor(*made);
        // The scroll bar styles are the list's; the closed field never shows a scroll bar.
        const DWORD asked = StyleOf(combo);
        made->listScrollBar = (asked & WS_VSCROLL) != 0;
        SetWindowLong(combo, GWL_STYLE, static_cast<LONG>(asked & ~(WS_VSCROLL | WS_HSCROLL)));
        return DefWindowProc(combo, msg, wParam, lParam);
    }
    ComboRecord* r = RecordOf<ComboRecord>(combo);
    if (!r) return DefWindowProc(combo, msg, wParam, lParam);
    const DWORD style = StyleOf(combo);
    switch (msg) {
    case WM_CREATE:
        r->list = MakeList(combo);
        if (!r->list) return -1;
        FitHeight(combo, *r, true);
        return 0;
    case WM_DESTROY:
        if (IsWindow(r->list)) DestroyWindow(r->list);
        r->list = nullptr;
        r->dropped = false;
        return 0;
    case WM_NCDESTROY:
        DropRecord<ComboRecord>(combo);
        return DefWindowProc(combo, msg, wParam, lParam);
    case WM_SIZE:
        FitHeight(combo, *r, true);
        Redraw(combo);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS | (WantsMessage(*r, lParam) ? DLGC_WANTMESSAGE : 0u);
    case WM_SETFONT:
        r->font = reinterpret_cast<HFONT>(wParam);
        r->itemHeight = ItemHeightFor(*r);
        FitHeight(combo, *r, false);
        if (LOWORD(static_cast<UINT_PTR>(lParam))) Redraw(combo);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(r->font);
    case WM_SETTEXT: {
        // A drop-down list shows only its items: the text names the item to select.
        const int i = Find(*r, -1, reinterpret_cast<const char*>(lParam), true);
        if (i < 0) return CB_ERR;
        r->cur = i;
        Redraw(combo);
        return TRUE;
    }
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(lParam);
        if (!buf || wParam == 0) return 0;
        const std::string t = r->cur >= 0 ? r->items[static_cast<std::size_t>(r->cur)].text : std::string();
        const std::size_t n = std::min<std::size_t>(t.size(), wParam - 1);
        std::memcpy(buf, t.data(), n);
        buf[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return r->cur >= 0 ? static_cast<LRESULT>(r->items[static_cast<std::size_t>(r->cur)].text.size()) : 0;
    case WM_ENABLE:
        if (!wParam && r->dropped) CloseUp(combo, *r, false);
        if (ComboOf(combo)) Redraw(combo);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(combo, *r);
        return 0;
    case WM_SETFOCUS:
        Focus(combo, *r, true);
        return 0;
    case WM_KILLFOCUS:
        Focus(combo, *r, false);
        return 0;

    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != combo) SetFocus(combo);
        r = ComboOf(combo);
        if (!r || GetFocus() != combo) return 0;
        if (r->dropped) {
            CloseUp(combo, *r, false);
            return 0;
        }
        r->arrowPushed = true;
        DropDown(combo, *r);
        return 0;

    case WM_KEYDOWN:
        KeyDown(combo, *r, wParam, false);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP) {
            KeyDown(combo, *r, wParam, true);
            return 0;
        }
        return DefWindowProc(combo, msg, wParam, lParam);
    case WM_CHAR:
        Char(combo, *r, wParam);
        return 0;

    case CB_ADDSTRING:
        return Insert(combo, *r, -1, reinterpret_cast<const char*>(lParam), (style & CBS_SORT) != 0);
    case CB_INSERTSTRING:
        return Insert(combo, *r, static_cast<int>(static_cast<LONG>(wParam)), reinterpret_cast<const char*>(lParam), false);
    case CB_DELETESTRING:
        return Delete(combo, *r, static_cast<int>(static_cast<LONG>(wParam)));
    case CB_RESETCONTENT:
        r->items.clear();
        r->cur = r->hot = r->openSel = -1;
        r->top = 0;
        Redraw(combo);
        RedrawList(*r);
        return CB_OKAY;
    case CB_GETCOUNT:
        return Count(*r);
    case CB_GETCURSEL:
        return r->cur;
    case CB_SETCURSEL: {
        const int i = static_cast<int>(static_cast<LONG>(wParam));
        r->cur = (i >= 0 && i < Count(*r)) ? i : -1;
        if (r->dropped) {
            r->hot = r->cur;
            ShowHot(combo, *r);
        }
        Redraw(combo);
        return r->cur >= 0 ? r->cur : CB_ERR;
    }
    case CB_GETLBTEXT:
        return CopyItem(*r, static_cast<int>(static_cast<LONG>(wParam)), reinterpret_cast<char*>(lParam));
    case CB_GETLBTEXTLEN:
        return CopyItem(*r, static_cast<int>(static_cast<LONG>(wParam)), nullptr);
    case CB_FINDSTRING:
        return Find(*r, static_cast<int>(static_cast<LONG>(wParam)), reinterpret_cast<const char*>(lParam), false);
    case CB_FINDSTRINGEXACT:
        return Find(*r, static_cast<int>(static_cast<LONG>(wParam)), reinterpret_cast<const char*>(lParam), true);
    case CB_SELECTSTRING: {
        const int i = Find(*r, static_cast<int>(static_cast<LONG>(wParam)), reinterpret_cast<const char*>(lParam), false);
        if (i >= 0) {
            r->cur = i;
            Redraw(combo);
        }
        return i;
    }
    case CB_GETITEMDATA: {
        const int i = static_cast<int>(static_cast<LONG>(wParam));
        if (i < 0 || i >= Count(*r)) return CB_ERR;
        return static_cast<LRESULT>(r->items[static_cast<std::size_t>(i)].data);
    }
    case CB_SETITEMDATA: {
        const int i = static_cast<int>(static_cast<LONG>(wParam));
        if (i < 0 || i >= Count(*r)) return CB_ERR;
        r->items[static_cast<std::size_t>(i)].data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    }
    case CB_SHOWDROPDOWN:
        if (wParam) DropDown(combo, *r);
        else if (r->dropped) CloseUp(combo, *r, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return r->dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        RECT* out = reinterpret_cast<RECT*>(lParam);
        if (!out) return CB_ERR;
        GetWindowRect(combo, out);
        out->bottom = out->top + std::max(r->droppedHeight, FieldHeight(*r));
        return CB_OKAY;
    }
    case CB_GETITEMHEIGHT:
        return static_cast<LONG>(wParam) == -1 ? FieldHeight(*r) - 6 : r->itemHeight;
    case CB_SETITEMHEIGHT: {
        const int h = static_cast<int>(static_cast<SHORT>(LOWORD(static_cast<UINT_PTR>(lParam))));
        if (h <= 0 || h > 255) return CB_ERR;
        r->itemHeight = h;
        FitHeight(combo, *r, false);
        Redraw(combo);
        return CB_OKAY;
    }
    case CB_GETTOPINDEX:
        return r->top;
    default:
        return DefWindowProc(combo, msg, wParam, lParam);
    }
}

}  // namespace controls
