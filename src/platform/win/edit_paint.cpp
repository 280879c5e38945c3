// The single-line edit control's layout and painting: character positions from the font's
// widths, the view that follows the caret, the text with its selection in the highlight
// colours, the caret, and the sunken edge.
#include <algorithm>

#include "platform/win/edit.h"
#include "platform/win/window_surface.h"

namespace controls {

namespace {

constexpr int kMargin = 1;  // between the edge and the text, on either side
constexpr char kPasswordChar = '*';

char Shown(DWORD style, char c) { return (style & ES_PASSWORD) ? kPasswordChar : c; }

std::string ShownText(DWORD style, const std::string& text) {
    return (style & ES_PASSWORD) ? std::string(text.size(), kPasswordChar) : text;
}

// Where the text starts in the format rectangle: centred and right-aligned text that fits is
// placed so; text that does not fit starts at the left.
int AlignOffset(HWND hwnd, const EditRecord& r, const RECT& area) {
    const DWORD style = StyleOf(hwnd);
    const int free = (area.right - area.left) - TextWidth(hwnd, r, 0, Length(r));
    if (free <= 0 || r.first > 0) return 0;
    if (style & ES_CENTER) return free / 2;
    if (style & ES_RIGHT) return free;
    return 0;
}

}  // namespace

void MeasureFont(EditRecord& r) {
    HDC hdc = CreateCompatibleDC(nullptr);
    if (!hdc) return;
    HGDIOBJ old = SelectObject(hdc, FontOrDefault(r.font));
    GetCharWidth32A(hdc, 0, 255, r.advance);
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);
    r.lineHeight = tm.tmHeight > 0 ? static_cast<int>(tm.tmHeight) : 16;
    SelectObject(hdc, old);
    DeleteDC(hdc);
}

RECT FormatRect(HWND hwnd, const EditRecord& r) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    RECT area{rc.left + kMargin, rc.top, std::max<LONG>(rc.left + kMargin, rc.right - kMargin), rc.bottom};
    const int spare = (rc.bottom - rc.top) - r.lineHeight;
    area.top = rc.top + (spare > 0 ? spare / 2 : 0);
    area.bottom = std::min<LONG>(rc.bottom, area.top + r.lineHeight);
    return area;
}

int TextWidth(HWND hwnd, const EditRecord& r, int from, int to) {
    const DWORD style = StyleOf(hwnd);
    from = std::clamp(from, 0, Length(r));
    to = std::clamp(to, from, Length(r));
    int w = 0;
    for (int i = from; i < to; ++i) w += r.advance[static_cast<unsigned char>(Shown(style, r.text[static_cast<std::size_t>(i)]))];
    return w;
}

int CharX(HWND hwnd, const EditRecord& r, int i) {
    const RECT area = FormatRect(hwnd, r);
    const int base = area.left + AlignOffset(hwnd, r, area);
    return i >= r.first ? base + TextWidth(hwnd, r, r.first, i) : base - TextWidth(hwnd, r, i, r.first);
}

int CharAt(HWND hwnd, const EditRecord& r, int x) {
    // The boundary whose position is nearest: past the middle of a character is after it.
    int best = 0, bestDist = 1 << 30;
    for (int i = 0; i <= Length(r); ++i) {
        const int d = std::abs(CharX(hwnd, r, i) - x);
        if (d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

void ScrollToCaret(HWND hwnd, EditRecord& r) {
    const int before = r.first;
    if (!(StyleOf(hwnd) & ES_AUTOHSCROLL)) {
        r.first = 0;
    } else {
        const RECT area = FormatRect(hwnd, r);
        const int width = std::max<int>(1, area.right - area.left);
        r.first = std::clamp(r.first, 0, Length(r));
        if (r.caret < r.first) {
            // Going left out of view: a quarter of the field comes back into view before the caret.
            r.first = r.caret;
            while (r.first > 0 && TextWidth(hwnd, r, r.first - 1, r.caret) <= width / 4) --r.first;
        } else if (TextWidth(hwnd, r, r.first, r.caret) >= width) {
            // Going right out of view: the caret comes to three quarters of the field.
            while (r.first < r.caret && TextWidth(hwnd, r, r.first, r.caret) > width * 3 / 4) ++r.first;
        }
        // No empty room at the right while text is hidden at the left.
        while (r.first > 0 && TextWidth(hwnd, r, r.first - 1, Length(r)) < width) --r.first;
    }
    if (r.first != before) InvalidateRect(hwnd, nullptr, FALSE);
}

void PlaceCaret(HWND hwnd, const EditRecord& r) {
    if (!r.focused || GetCaretWindow() != hwnd) return;
    const RECT area = FormatRect(hwnd, r);
    const int x = std::clamp(CharX(hwnd, r, r.caret), static_cast<int>(area.left) - 1, static_cast<int>(area.right) - 1);
    SetCaretPos(x, area.top);
}

void PaintEdit(HWND hwnd, HDC hdc, const EditRecord& r) {
    const DWORD style = StyleOf(hwnd);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    RECT rc;
    GetClientRect(hwnd, &rc);
    // A field that cannot be typed into asks for the colours of static text, as the platform's does.
    const UINT ask = (!enabled || (style & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = ControlColors(hwnd, hdc, ask);
    FillRect(hdc, &rc, brush);
    if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(hdc, FontOrDefault(r.font));
    const RECT area = FormatRect(hwnd, r);
    SaveDC(hdc);
    IntersectClipRect(hdc, area.left, rc.top, area.right, rc.bottom);
    SetBkMode(hdc, TRANSPARENT);
    const std::string shown = ShownText(style, r.text);
    const int from = SelMin(r), to = SelMax(r);
    const bool showSel = from != to && (r.focused || (style & ES_NOHIDESEL));
    const int n = Length(r);
    auto draw = [&](int a, int b) {
        if (b > a) TextOut(hdc, CharX(hwnd, r, a), area.top, shown.c_str() + a, b - a);
    };
    if (!showSel) {
        draw(r.first, n);
    } else {
        draw(r.first, std::max(r.first, from));
        const int sa = std::max(from, r.first), sb = std::max(to, r.first);
        if (sb > sa) {
            const RECT hl{CharX(hwnd, r, sa), area.top, CharX(hwnd, r, sb), area.top + r.lineHeight};
            FillSys(hdc, hl, COLOR_HIGHLIGHT);
            const COLORREF old = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            draw(sa, sb);
            SetTextColor(hdc, old);
        }
        draw(std::max(to, r.first), n);
    }
    RestoreDC(hdc, -1);
    SelectObject(hdc, oldFont);
    DrawCaret(hwnd, hdc);
}

void PaintClientEdge(HWND hwnd) {
    if (!(GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
    HDC hdc = GetWindowDC(hwnd);
    if (!hdc) return;
    RECT wr;
    GetWindowRect(hwnd, &wr);
    RECT edge{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
    ReleaseDC(hwnd, hdc);
}

}  // namespace controls
