// The classic look of buttons, from the system colours:
// - push button: raised 3-D edge on the button face, pressed in when pushed; the default push
//   button has an extra black frame and shows pressed as a flat shadow frame; the text moves a
//   pixel down and right while pushed; the focus is a dotted rectangle inside the edge;
// - check box: a sunken 13 × 13 box, white inside (face colour when pushed or disabled) with
//   the check mark; radio button: a sunken 12 × 12 circle with a dot;
// - group box: an etched frame whose top line the text breaks;
// - disabled text embossed.
#include <algorithm>

#include "platform/win/button.h"

namespace controls {

namespace {

constexpr int kBox = 13;      // check box and radio cell, at 96 dots per inch
constexpr int kTextGap = 4;   // between the box and the text

// The circle of a radio button: O outer ring, I inner ring, W inside.
constexpr const char* kRadio[12] = {
    "....OOOO....", "..OOIIIIOO..", ".OIIWWWWIIO.", ".OIWWWWWWIO.", "OIWWWWWWWWIO", "OIWWWWWWWWIO",
    "OIWWWWWWWWIO", "OIWWWWWWWWIO", ".OIWWWWWWIO.", ".OIIWWWWIIO.", "..OOIIIIOO..", "....OOOO....",
};
constexpr const char* kDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};
constexpr const char* kCheckMark[7] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

void Pixel(HDC hdc, int x, int y, int colorIndex) { SetPixel(hdc, x, y, GetSysColor(colorIndex)); }

HGDIOBJ UseFont(HDC hdc, const ButtonRecord& r) { return SelectObject(hdc, FontOrDefault(r.font)); }

// Horizontal and vertical placement of a button's text from its style, with the kind's default.
UINT TextFormat(DWORD style, UINT hDefault, UINT vDefault) {
    UINT f = 0;
    switch (style & BS_CENTER) {
    case BS_LEFT: f |= DT_LEFT; break;
    case BS_RIGHT: f |= DT_RIGHT; break;
    case BS_CENTER: f |= DT_CENTER; break;
    default: f |= hDefault; break;
    }
    switch (style & BS_VCENTER) {
    case BS_TOP: f |= DT_TOP; break;
    case BS_BOTTOM: f |= DT_BOTTOM; break;
    case BS_VCENTER: f |= DT_VCENTER; break;
    default: f |= vDefault; break;
    }
    return f;
}

// The rectangle the text takes inside `area` with the format (single line or word-wrapped),
// placed vertically as `placed` says.
RECT TextPlace(HDC hdc, const char* text, RECT area, UINT format, UINT placed) {
    if (!(format & DT_WORDBREAK)) return area;
    RECT calc = area;
    const int h = DrawText(hdc, text, -1, &calc, format | DT_CALCRECT);
    RECT out = area;
    if (placed & DT_VCENTER) out.top = area.top + (area.bottom - area.top - h) / 2;
    else if (placed & DT_BOTTOM) out.top = area.bottom - h;
    out.bottom = out.top + h;
    return out;
}

// The format DrawText gets: multi-line text breaks words and is placed by TextPlace.
UINT DrawFormat(DWORD style, UINT placed) {
    if (style & BS_MULTILINE) return (placed & ~(DT_VCENTER | DT_BOTTOM)) | DT_WORDBREAK;
    return placed | DT_SINGLELINE;
}

void PaintPush(HWND hwnd, HDC hdc, const ButtonRecord& r, DWORD style) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    ControlColors(hwnd, hdc, WM_CTLCOLORBTN);  // asked as the platform asks; push buttons keep the face
    FillSys(hdc, rc, COLOR_3DFACE);
    const bool isDefault = ButtonType(style) == BS_DEFPUSHBUTTON;
    if (isDefault) {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
        rc = Inflated(rc, -1);
    }
    const RECT inside = rc;
    if (r.pushed && isDefault)
        DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_ADJUST);
    else
        DrawEdge(hdc, &rc, r.pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);

    const std::string text = TextOf(hwnd);
    if (!text.empty()) {
        HGDIOBJ old = UseFont(hdc, r);
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        RECT area = Inflated(rc, -1);
        if (r.pushed) area = Shifted(area, 1, 1);
        const UINT placed = TextFormat(style, DT_CENTER, DT_VCENTER);
        const UINT format = DrawFormat(style, placed);
        DrawControlText(hdc, text.c_str(), TextPlace(hdc, text.c_str(), area, format, placed), format,
                        IsWindowEnabled(hwnd) != FALSE);
        SelectObject(hdc, old);
    }
    if (r.focused) {
        RECT focus = Inflated(inside, -3);
        if (focus.right > focus.left && focus.bottom > focus.top) DrawFocusRect(hdc, &focus);
    }
}

void PaintCheckBox(HDC hdc, RECT box, UINT check, bool pushed, bool enabled) {
    RECT edge = box;
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillSys(hdc, edge, (pushed || !enabled || check == BST_INDETERMINATE) ? COLOR_3DFACE : COLOR_WINDOW);
    if (check == BST_UNCHECKED) return;
    const int mark = (!enabled || check == BST_INDETERMINATE) ? COLOR_3DSHADOW : COLOR_WINDOWTEXT;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (kCheckMark[y][x] == 'X') Pixel(hdc, box.left + 3 + x, box.top + 3 + y, mark);
}

void PaintRadio(HDC hdc, RECT box, bool checked, bool pushed, bool enabled) {
    const int inside = (pushed || !enabled) ? COLOR_3DFACE : COLOR_WINDOW;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool upperLeft = x + y < 11;
            int c;
            switch (kRadio[y][x]) {
            case 'O': c = upperLeft ? COLOR_3DSHADOW : COLOR_3DHILIGHT; break;
            case 'I': c = upperLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT; break;
            case 'W': c = inside; break;
            default: continue;
            }
            Pixel(hdc, box.left + x, box.top + y, c);
        }
    }
    if (!checked) return;
    const int dot = enabled ? COLOR_WINDOWTEXT : COLOR_3DSHADOW;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (kDot[y][x] == 'X') Pixel(hdc, box.left + 4 + x, box.top + 4 + y, dot);
}

void PaintCheckOrRadio(HWND hwnd, HDC hdc, const ButtonRecord& r, DWORD style) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(hdc, &rc, ControlColors(hwnd, hdc, WM_CTLCOLORSTATIC));
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    const int top = rc.top + (rc.bottom - rc.top - kBox) / 2;
    const RECT box = leftText ? RECT{rc.right - kBox, top, rc.right, top + kBox} : RECT{rc.left, top, rc.left + kBox, top + kBox};
    if (IsRadioType(ButtonType(style)))
        PaintRadio(hdc, box, r.check == BST_CHECKED, r.pushed, enabled);
    else
        PaintCheckBox(hdc, box, r.check, r.pushed, enabled);

    const std::string text = TextOf(hwnd);
    if (text.empty()) return;
    HGDIOBJ old = UseFont(hdc, r);
    RECT area = rc;
    if (leftText) area.right -= kBox + kTextGap;
    else area.left += kBox + kTextGap;
    const UINT placed = TextFormat(style, DT_LEFT, DT_VCENTER);
    const UINT format = DrawFormat(style, placed);
    const RECT place = TextPlace(hdc, text.c_str(), area, format, placed);
    DrawControlText(hdc, text.c_str(), place, format, enabled);
    if (r.focused) {
        // The focus frames the text itself, a pixel around it.
        RECT calc = place;
        DrawText(hdc, text.c_str(), -1, &calc, (format & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
        const int w = calc.right - calc.left, h = calc.bottom - calc.top;
        RECT focus = place;
        if (format & DT_SINGLELINE) {
            if (placed & DT_VCENTER) focus.top = place.top + (place.bottom - place.top - h) / 2;
            else if (placed & DT_BOTTOM) focus.top = place.bottom - h;
            focus.bottom = focus.top + h;
        }
        if (placed & DT_CENTER) focus.left = place.left + (place.right - place.left - w) / 2;
        else if (placed & DT_RIGHT) focus.left = place.right - w;
        focus.right = focus.left + w;
        focus = Inflated(focus, 1);
        focus = Intersection(focus, rc);
        DrawFocusRect(hdc, &focus);
    }
    SelectObject(hdc, old);
}

void PaintGroupBox(HWND hwnd, HDC hdc, const ButtonRecord& r) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HBRUSH brush = ControlColors(hwnd, hdc, WM_CTLCOLORSTATIC);
    HGDIOBJ old = UseFont(hdc, r);
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);
    // The frame's top line runs through the middle of the text; inside, the controls it holds
    // show through (the group box paints only its frame and its text).
    RECT frame = rc;
    frame.top += tm.tmHeight / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string text = TextOf(hwnd);
    if (!text.empty()) {
        RECT calc{0, 0, 0, 0};
        DrawText(hdc, text.c_str(), -1, &calc, DT_SINGLELINE | DT_CALCRECT);
        RECT label{rc.left + 6, rc.top, std::min<LONG>(rc.left + 6 + (calc.right - calc.left) + 4, rc.right - 2),
                   rc.top + tm.tmHeight};
        FillRect(hdc, &label, brush);
        RECT textRect{label.left + 2, label.top, label.right, label.bottom};
        DrawControlText(hdc, text.c_str(), textRect, DT_LEFT | DT_TOP | DT_SINGLELINE, IsWindowEnabled(hwnd) != FALSE);
    }
    SelectObject(hdc, old);
}

}  // namespace

void PaintButton(HWND hwnd, HDC hdc, const ButtonRecord& r) {
    const DWORD style = StyleOf(hwnd);
    const UINT type = ButtonType(style);
    if (type == BS_GROUPBOX)
        PaintGroupBox(hwnd, hdc, r);
    else if (IsCheckType(type) || IsRadioType(type))
        PaintCheckOrRadio(hwnd, hdc, r, style);
    else
        PaintPush(hwnd, hdc, r, style);
}

}  // namespace controls
