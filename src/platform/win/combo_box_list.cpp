// The drop-down list of a combo box: opening and closing it with the notifications in the
// platform's order (CBN_DROPDOWN; then CBN_SELCHANGE, CBN_SELENDOK or CBN_SELENDCANCEL,
// CBN_CLOSEUP), the mouse in the open list (the highlight follows it, a release on an item
// chooses it, a press outside cancels, the scroll bar scrolls), and its painting: items with
// the highlight and focus rectangle, the black border and the classic scroll bar.
#include <algorithm>

#include "platform/win/combo_box.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_surface.h"

namespace controls {

namespace {

struct ListRecord {
    HWND combo = nullptr;
    bool scrolling = false;  // the scroll bar holds the capture for a while
};

constexpr int kBorder = 1;

ComboRecord* Owner(HWND list, ListRecord** out = nullptr) {
    ListRecord* lr = RecordOf<ListRecord>(list);
    if (out) *out = lr;
    return lr ? ComboOf(lr->combo) : nullptr;
}

// The item under a client point of the list; -1 when none is.
int ItemAt(HWND list, const ComboRecord& r, POINT pt) {
    RECT rc;
    GetClientRect(list, &rc);
    if (!Contains(rc, pt.x, pt.y) || r.itemHeight <= 0) return -1;
    const int i = r.top + pt.y / r.itemHeight;
    return i < Count(r) ? i : -1;
}

void ScrollTo(HWND list, ComboRecord& r, int top) {
    const int most = std::max(0, Count(r) - VisibleRows(r));
    top = std::clamp(top, 0, most);
    if (top == r.top) return;
    r.top = top;
    SetScrollPos(list, SB_VERT, top, TRUE);
    InvalidateRect(list, nullptr, FALSE);
}

void Triangle(HDC hdc, const RECT& box, bool up) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int y = up ? cy - 2 + i : cy + 1 - i;
        const RECT row{cx - i, y, cx + i + 1, y + 1};
        FillSys(hdc, row, COLOR_BTNTEXT);
    }
}

void ArrowButton(HDC hdc, RECT box, bool up) {
    FillSys(hdc, box, COLOR_3DFACE);
    RECT edge = box;
    DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
    Triangle(hdc, box, up);
}

// The border and the vertical scroll bar, in the list's window coordinates.
void PaintFrame(HWND list) {
    HDC hdc = GetWindowDC(list);
    if (!hdc) return;
    RECT wr;
    GetWindowRect(list, &wr);
    const RECT whole{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    if (StyleOf(list) & WS_BORDER) FrameRect(hdc, &whole, GetSysColorBrush(COLOR_WINDOWFRAME));
    win_internal::ScrollBarLayout l{};
    if ((StyleOf(list) & WS_VSCROLL) && win_internal::GetScrollBarLayout(list, SB_VERT, l)) {
        const RECT bar = Shifted(l.bar, -wr.left, -wr.top);
        // The track is the classic dither of highlight and face.
        const COLORREF hi = GetSysColor(COLOR_3DHILIGHT), face = GetSysColor(COLOR_3DFACE);
        for (int y = bar.top; y < bar.bottom; ++y)
            for (int x = bar.left; x < bar.right; ++x) SetPixel(hdc, x, y, ((x + y) & 1) ? face : hi);
        ArrowButton(hdc, RECT{bar.left, bar.top, bar.right, bar.top + l.arrow}, true);
        ArrowButton(hdc, RECT{bar.left, bar.bottom - l.arrow, bar.right, bar.bottom}, false);
        if (l.thumbLength > 0) {
            RECT thumb{bar.left, bar.top + l.thumbStart, bar.right, bar.top + l.thumbStart + l.thumbLength};
            FillSys(hdc, thumb, COLOR_3DFACE);
            DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
        }
    }
    ReleaseDC(list, hdc);
}

void PaintItems(HWND list, const ComboRecord& r, HWND combo) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(list, &ps);
    if (hdc) {
        RECT rc;
        GetClientRect(list, &rc);
        HBRUSH brush = ControlColors(combo, hdc, WM_CTLCOLORLISTBOX);
        const COLORREF text = GetTextColor(hdc);
        FillRect(hdc, &rc, brush);
        HGDIOBJ old = SelectObject(hdc, FontOrDefault(r.font));
        SetBkMode(hdc, TRANSPARENT);
        for (int row = 0;; ++row) {
            const int i = r.top + row;
            const int y = row * r.itemHeight;
            if (i >= Count(r) || y >= rc.bottom) break;
            const RECT item{rc.left, y, rc.right, y + r.itemHeight};
            if (i == r.hot) {
                FillSys(hdc, item, COLOR_HIGHLIGHT);
                SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            } else {
                SetTextColor(hdc, text);
            }
            RECT t{item.left + 2, item.top, item.right, item.bottom};
            DrawText(hdc, r.items[static_cast<std::size_t>(i)].text.c_str(), -1, &t,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (i == r.hot) DrawFocusRect(hdc, &item);
        }
        SelectObject(hdc, old);
    }
    EndPaint(list, &ps);
    // Nothing else draws the list's non-client area yet.
    PaintFrame(list);
}

void Press(HWND list, ListRecord& lr, ComboRecord& r, POINT pt) {
    const int i = ItemAt(list, r, pt);
    if (i >= 0) {
        if (i != r.hot) {
            r.hot = i;
            InvalidateRect(list, nullptr, FALSE);
        }
        return;
    }
    POINT screen = pt;
    ClientToScreen(list, &screen);
    RECT wr;
    GetWindowRect(list, &wr);
    if (Contains(wr, screen.x, screen.y)) {
        // On the scroll bar: it scrolls, and the list takes the capture back afterwards.
        const LRESULT hit = SendMessage(list, WM_NCHITTEST, 0, MAKEPOINTLPARAM(screen.x, screen.y));
        if (hit == HTVSCROLL) {
            lr.scrolling = true;
            DefWindowProc(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKEPOINTLPARAM(screen.x, screen.y));
            if (RecordOf<ListRecord>(list)) lr.scrolling = false;
            ComboRecord* still = Owner(list);
            if (still && still->dropped && GetCapture() != list) SetCapture(list);
        }
        return;
    }
    // Anywhere else, the field included, closes the list without a choice.
    CloseUp(lr.combo, r, false);
}

}  // namespace

int VisibleRows(const ComboRecord& r) {
    const int room = r.droppedHeight - FieldHeight(r) - 2 * kBorder;
    const int rows = std::max(1, r.itemHeight > 0 ? room / r.itemHeight : 1);
    return Count(r) > 0 ? std::min(rows, Count(r)) : 1;
}

HWND MakeList(HWND combo) {
    const ComboRecord* r = ComboOf(combo);
    const DWORD style = WS_POPUP | WS_BORDER | (r != nullptr && r->listScrollBar ? DWORD{WS_VSCROLL} : DWORD{0});
    return CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, COMBOLBOX_CLASS, "", style, 0, 0, 10, 10, combo, nullptr,
                          nullptr, combo);
}

void ShowHot(HWND combo, ComboRecord& r) {
    if (!r.dropped || !IsWindow(r.list)) return;
    const int rows = VisibleRows(r);
    int top = r.top;
    if (r.hot >= 0 && r.hot < top) top = r.hot;
    if (r.hot >= 0 && r.hot >= top + rows) top = r.hot - rows + 1;
    ScrollTo(r.list, r, top);
    InvalidateRect(r.list, nullptr, FALSE);
    (void)combo;
}

void DropDown(HWND combo, ComboRecord& r) {
    if (r.dropped || !IsWindowEnabled(combo) || !IsWindow(r.list)) return;
    // The parent may fill the list now.
    Notify(combo, CBN_DROPDOWN);
    ComboRecord* p = ComboOf(combo);
    if (!p || p->dropped || !IsWindow(p->list)) return;
    p->openSel = p->cur;
    p->hot = p->cur;
    const int rows = VisibleRows(*p);
    const int height = rows * p->itemHeight + 2 * kBorder;
    RECT wr;
    GetWindowRect(combo, &wr);
    int y = wr.bottom;
    if (y + height > GetSystemMetrics(SM_CYSCREEN) && wr.top - height >= 0) y = wr.top - height;
    const int most = std::max(0, Count(*p) - rows);
    p->top = p->hot >= 0 ? std::clamp(p->hot - rows + 1, 0, most) : 0;
    if (p->hot >= 0 && p->hot < p->top) p->top = p->hot;
    if (p->listScrollBar) {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, Count(*p) - 1),
                      static_cast<UINT>(rows), p->top, 0};
        SetScrollInfo(p->list, SB_VERT, &si, FALSE);
    }
    p->dropped = true;
    SetWindowPos(p->list, HWND_TOP, wr.left, y, wr.right - wr.left, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(p->list, nullptr, FALSE);
    SetCapture(p->list);
    InvalidateRect(combo, nullptr, FALSE);
}

bool CloseUp(HWND combo, ComboRecord& r, bool accept, bool forceChange) {
    if (!r.dropped) return true;
    ComboRecord* p = &r;
    if (accept) {
        const int chosen = p->hot;
        if (chosen >= 0 && (chosen != p->cur || forceChange)) {
            p->cur = chosen;
            InvalidateRect(combo, nullptr, FALSE);
            Notify(combo, CBN_SELCHANGE);
            if (!(p = ComboOf(combo))) return false;
        }
        Notify(combo, CBN_SELENDOK);
    } else {
        if (p->cur != p->openSel) {
            p->cur = p->openSel;
            InvalidateRect(combo, nullptr, FALSE);
        }
        Notify(combo, CBN_SELENDCANCEL);
    }
    if (!(p = ComboOf(combo))) return false;
    if (!p->dropped) return true;  // a handler closed it meanwhile
    p->dropped = false;
    p->arrowPushed = false;
    p->closing = true;
    if (IsWindow(p->list)) {
        if (GetCapture() == p->list) ReleaseCapture();
        ShowWindow(p->list, SW_HIDE);
    }
    if (!(p = ComboOf(combo))) return false;
    p->closing = false;
    InvalidateRect(combo, nullptr, FALSE);
    Notify(combo, CBN_CLOSEUP);
    return ComboOf(combo) != nullptr;
}

LRESULT ComboListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        ListRecord* made = MakeRecord<ListRecord>(list);
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        made->combo = cs ? static_cast<HWND>(cs->lpCreateParams) : nullptr;
        return DefWindowProc(list, msg, wParam, lParam);
    }
    ListRecord* lr = nullptr;
    ComboRecord* r = Owner(list, &lr);
    if (!lr) return DefWindowProc(list, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        if (r && r->list == list) {
            r->list = nullptr;
            r->dropped = false;
        }
        DropRecord<ListRecord>(list);
        return DefWindowProc(list, msg, wParam, lParam);
    }
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (!r) return DefWindowProc(list, msg, wParam, lParam);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintItems(list, *r, lr->combo);
        return 0;
    case WM_NCPAINT:
        PaintFrame(list);
        return 0;
    case WM_MOUSEMOVE: {
        if (!r->dropped) return 0;
        const int i = ItemAt(list, *r, pt);
        if (i >= 0 && i != r->hot) {
            r->hot = i;
            InvalidateRect(list, nullptr, FALSE);
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (r->dropped) Press(list, *lr, *r, pt);
        return 0;
    case WM_LBUTTONUP: {
        if (r->arrowPushed) {
            r->arrowPushed = false;
            InvalidateRect(lr->combo, nullptr, FALSE);
        }
        // A release on an item chooses it, also at the end of the press that opened the list.
        const int i = r->dropped ? ItemAt(list, *r, pt) : -1;
        if (i >= 0) {
            r->hot = i;
            CloseUp(lr->combo, *r, true, true);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (r->dropped && !r->closing && !lr->scrolling) CloseUp(lr->combo, *r, false);
        return 0;
    case WM_VSCROLL: {
        const int page = std::max(1, VisibleRows(*r) - 1);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollTo(list, *r, r->top - 1); break;
        case SB_LINEDOWN: ScrollTo(list, *r, r->top + 1); break;
        case SB_PAGEUP: ScrollTo(list, *r, r->top - page); break;
        case SB_PAGEDOWN: ScrollTo(list, *r, r->top + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(list, *r, static_cast<SHORT>(HIWORD(wParam))); break;
        case SB_TOP: ScrollTo(list, *r, 0); break;
        case SB_BOTTOM: ScrollTo(list, *r, Count(*r)); break;
        default: break;
        }
        return 0;
    }
    case LB_GETCOUNT:
        return Count(*r);
    case LB_GETCURSEL:
        return r->hot;
    case LB_GETTOPINDEX:
        return r->top;
    case LB_SETTOPINDEX:
        ScrollTo(list, *r, static_cast<int>(wParam));
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return r->itemHeight;
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
        return SendMessage(lr->combo, msg == LB_GETTEXT ? CB_GETLBTEXT : CB_GETLBTEXTLEN, wParam, lParam);
    case LB_GETITEMRECT: {
        const int i = static_cast<int>(wParam);
        RECT* out = reinterpret_cast<RECT*>(lParam);
        if (!out || i < 0 || i >= Count(*r)) return LB_ERR;
        RECT rc;
        GetClientRect(list, &rc);
        *out = RECT{0, (i - r->top) * r->itemHeight, rc.right, (i - r->top + 1) * r->itemHeight};
        return LB_OKAY;
    }
    default:
        return DefWindowProc(list, msg, wParam, lParam);
    }
}

}  // namespace controls
