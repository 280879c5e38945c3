// Message boxes: a small modal dialog made from a template at run time, with the text measured
// in the dialog font, the icon of the box's type left of the text, a row of buttons by the
// box's type, and the id of the button pressed as the answer.
#include <algorithm>
#include <cstring>

#include "platform/win/controls.h"
#include "platform/win/dialog_template.h"
#include "platform/win/message_box_icons.h"

HFONT MakeDialogFont(WORD pointSize, const char* face);  // dialog_items.cpp

namespace {

constexpr WORD kTextId = 0xFFFF;
constexpr short kMargin = 10;    // dialog units around the text and the buttons
constexpr short kButtonCx = 50;
constexpr short kButtonCy = 14;
constexpr short kButtonGap = 6;
constexpr int kMaxTextWidth = 420;  // pixels; longer lines wrap
constexpr short kIconGap = 8;       // dialog units between the icon and the text

struct Box {
    int ids[3];
    int count;
    int def;  // index of the default button
    UINT type;
    bool icon;  // an icon of the type, in the top-left corner inside the margin
};

const char* ButtonText(int id) {
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    default: return "";
    }
}

INT_PTR BoxProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        if (const auto* box = reinterpret_cast<const Box*>(lParam))
            SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, box->ids[box->def])), TRUE);
        return FALSE;
    case WM_COMMAND: {
        const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrA(hDlg, DWLP_USER));
        if (!box) return FALSE;
        const int id = LOWORD(wParam);
        for (int i = 0; i < box->count; ++i) {
            if (box->ids[i] == id) {
                EndDialog(hDlg, id);
                return TRUE;
            }
        }
        // Escape and the close box: a box with OK alone answers OK; one without Cancel stays.
        if (id == IDCANCEL && (box->type & MB_TYPEMASK) == MB_OK) EndDialog(hDlg, IDOK);
        return TRUE;
    }
    case WM_PAINT: {
        const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrA(hDlg, DWLP_USER));
        if (!box || !box->icon) return FALSE;
        RECT at{kMargin, kMargin, kMargin, kMargin};
        MapDialogRect(hDlg, &at);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hDlg, &ps);
        if (dc) DrawMessageBoxIcon(dc, at.left, at.top, box->type);
        EndPaint(hDlg, &ps);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// The size of the text in dialog units of the box's font, wrapped at the widest line allowed.
SIZE TextSize(const char* text, SIZE& baseUnits) {
    HFONT font = MakeDialogFont(8, "MS Sans Serif");
    baseUnits = GetFontDialogBaseUnits(font);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    // Lines that fit keep their own width: the box is as wide as the widest of them, not as wide
    // as a wrapped text may be (measuring a text of several lines keeps the width it is given).
    const char* measured = *text ? text : " ";
    RECT unwrapped{0, 0, 0, 0};
    DrawTextA(dc, measured, -1, &unwrapped, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    RECT r{0, 0, std::min<LONG>(unwrapped.right, kMaxTextWidth), 0};
    DrawTextA(dc, measured, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    if (baseUnits.cx <= 0 || baseUnits.cy <= 0) return SIZE{0, 0};
    // Rounded up, so that the static shows the whole text.
    return SIZE{(r.right * 4 + baseUnits.cx - 1) / baseUnits.cx + 1, (r.bottom * 8 + baseUnits.cy - 1) / baseUnits.cy};
}

}  // namespace

int GetMessageBoxButtons(UINT uType, int ids[3]) {
    switch (uType & MB_TYPEMASK) {
    case MB_OK: ids[0] = IDOK; return 1;
    case MB_OKCANCEL: ids[0] = IDOK, ids[1] = IDCANCEL; return 2;
    case MB_ABORTRETRYIGNORE: ids[0] = IDABORT, ids[1] = IDRETRY, ids[2] = IDIGNORE; return 3;
    case MB_YESNOCANCEL: ids[0] = IDYES, ids[1] = IDNO, ids[2] = IDCANCEL; return 3;
    case MB_YESNO: ids[0] = IDYES, ids[1] = IDNO; return 2;
    case MB_RETRYCANCEL: ids[0] = IDRETRY, ids[1] = IDCANCEL; return 2;
    default: return 0;
    }
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    Box box{};
    box.type = uType;
    box.count = GetMessageBoxButtons(uType, box.ids);
    if (box.count == 0) return 0;
    if (hWnd && !IsWindow(hWnd)) hWnd = nullptr;
    SIZE bu{};
    const char* text = lpText ? lpText : "";
    const SIZE ts = TextSize(text, bu);
    if (ts.cx == 0) return 0;
    // The icon takes 32 by 32 pixels in the top-left corner; the text starts right of it and is
    // centred on it when it is lower.
    box.icon = (uType & MB_ICONMASK) == MB_ICONERROR || (uType & MB_ICONMASK) == MB_ICONWARNING ||
               (uType & MB_ICONMASK) == MB_ICONINFORMATION || (uType & MB_ICONMASK) == MB_ICONQUESTION;
    const short iconCx = static_cast<short>(box.icon ? (kMessageBoxIconSize * 4 + bu.cx - 1) / bu.cx : 0);
    const short iconCy = static_cast<short>(box.icon ? (kMessageBoxIconSize * 8 + bu.cy - 1) / bu.cy : 0);
    const short textX = static_cast<short>(kMargin + (box.icon ? iconCx + kIconGap : 0));
    const short row = static_cast<short>(box.count * kButtonCx + (box.count - 1) * kButtonGap);
    const short textCx = static_cast<short>(std::clamp<LONG>(ts.cx, 0, 2000));
    const short inner = std::max<short>(static_cast<short>(textX - kMargin + textCx), row);
    const short cx = static_cast<short>(inner + 2 * kMargin);
    const short textCy = static_cast<short>(std::clamp<LONG>(ts.cy, 8, 2000));
    const short textY = static_cast<short>(kMargin + (textCy < iconCy ? (iconCy - textCy) / 2 : 0));
    const short buttonsY = static_cast<short>(kMargin + std::max(textCy, iconCy) + kMargin);
    const short cy = static_cast<short>(buttonsY + kButtonCy + 7);

    int defIndex = static_cast<int>((uType & MB_DEFMASK) >> 8);
    if (defIndex >= box.count) defIndex = 0;
    box.def = defIndex;
    DialogItem items[4];
    items[0] = LText(kTextId, text, textX, textY, static_cast<short>(cx - kMargin - textX), textCy, SS_NOPREFIX);
    short x = static_cast<short>(kMargin + (inner - row) / 2);
    for (int i = 0; i < box.count; ++i) {
        const auto id = static_cast<WORD>(box.ids[i]);
        items[i + 1] = i == defIndex ? DefPushButton(id, ButtonText(id), x, buttonsY, kButtonCx, kButtonCy)
                                     : PushButton(id, ButtonText(id), x, buttonsY, kButtonCx, kButtonCy);
        x = static_cast<short>(x + kButtonCx + kButtonGap);
    }
    DialogHeader header;
    header.caption = lpCaption ? lpCaption : "Error";
    header.cx = cx;
    header.cy = cy;
    header.style = kDialogDefaultStyle | DS_CENTER;
    const std::vector<BYTE> t = BuildDialogTemplate(header, items, static_cast<size_t>(box.count) + 1);
    const INT_PTR r = DialogBoxIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(t.data()), hWnd, BoxProc,
                                              reinterpret_cast<LPARAM>(&box));
    return r < 0 ? 0 : static_cast<int>(r);
}
