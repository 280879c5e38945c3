// The closed field of a drop-down list combo box in the classic look: a sunken edge, the
// selected item's text (in the highlight colours with a focus rectangle while the box has the
// focus), and the drop button with its arrow at the right, pressed in while the mouse holds it.
#include <algorithm>

#include "platform/win/combo_box.h"
#include "platform/win/system_metrics.h"

namespace controls {

namespace {

constexpr int kEdge = 2;

// The arrow: a triangle 7 pixels wide and 4 high, pointing down, centred in the button.
void PaintArrow(HDC hdc, const RECT& button, bool pushed, bool enabled) {
    const int cx = (button.left + button.right) / 2 + (pushed ? 1 : 0);
    const int cy = (button.top + button.bottom) / 2 - 1 + (pushed ? 1 : 0);
    auto row = [hdc](int left, int y, int width, int colorIndex) {
        const RECT r{left, y, left + width, y + 1};
        FillSys(hdc, r, colorIndex);
    };
    for (int i = 0; i < 4; ++i) {
        if (!enabled) row(cx - 3 + i + 1, cy - 1 + i + 1, 7 - 2 * i, COLOR_3DHILIGHT);
        row(cx - 3 + i, cy - 1 + i, 7 - 2 * i, enabled ? COLOR_BTNTEXT : COLOR_3DSHADOW);
    }
}

}  // namespace

int ItemHeightFor(const ComboRecord& r) { return LineHeight(r.font) + 2; }

int FieldHeight(const ComboRecord& r) { return r.itemHeight + 2 * kEdge + 2; }

RECT ArrowRect(HWND combo) {
    RECT rc;
    GetClientRect(combo, &rc);
    const RECT inner = Inflated(rc, -kEdge);
    const int w = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), std::max<int>(0, inner.right - inner.left));
    return RECT{inner.right - w, inner.top, inner.right, inner.bottom};
}

void PaintField(HWND combo, HDC hdc, const ComboRecord& r) {
    const bool enabled = IsWindowEnabled(combo) != FALSE;
    RECT rc;
    GetClientRect(combo, &rc);
    RECT inner = rc;
    DrawEdge(hdc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const RECT button = ArrowRect(combo);
    RECT field{inner.left, inner.top, button.left, inner.bottom};

    HBRUSH brush = ControlColors(combo, hdc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(hdc, &field, brush);
    if (r.cur >= 0 && r.cur < Count(r)) {
        RECT item = Inflated(field, -1);
        const bool highlight = r.focused && enabled;
        if (highlight) {
            FillSys(hdc, item, COLOR_HIGHLIGHT);
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else if (!enabled) {
            SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        }
        HGDIOBJ old = SelectObject(hdc, FontOrDefault(r.font));
        SetBkMode(hdc, TRANSPARENT);
        RECT text{item.left + 2, item.top, item.right, item.bottom};
        DrawText(hdc, r.items[static_cast<std::size_t>(r.cur)].text.c_str(), -1, &text,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(hdc, old);
        if (highlight) DrawFocusRect(hdc, &item);
    } else if (r.focused && enabled) {
        RECT item = Inflated(field, -1);
        DrawFocusRect(hdc, &item);
    }

    RECT face = button;
    FillSys(hdc, face, COLOR_3DFACE);
    if (r.arrowPushed)
        FrameRect(hdc, &face, GetSysColorBrush(COLOR_3DSHADOW));
    else
        DrawEdge(hdc, &face, EDGE_RAISED, BF_RECT | BF_SOFT);
    PaintArrow(hdc, button, r.arrowPushed, enabled);
}

}  // namespace controls
