// The standard control classes, registered on the first look-up of their names (the window
// system forgets its classes on a reset, so registering once at load time would not last), and
// what the controls share: notifications, colours from the parent, fonts, disabled text.
#include <cctype>
#include <cstring>

#include "platform/win/controls_internal.h"
#include "platform/win/window_internal.h"

namespace {

struct SystemClass {
    const char* name;
    WNDPROC proc;
    UINT style;
    LPCSTR cursor;
    int background;  // system colour index + 1 of the class brush, 0 for none
};

// The controls paint their whole client area themselves, so their classes erase nothing.
const SystemClass kClasses[] = {
    {"BUTTON", controls::ButtonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0},
    {"STATIC", controls::StaticProc, CS_DBLCLKS, IDC_ARROW, 0},
    {"EDIT", controls::EditProc, CS_DBLCLKS, IDC_IBEAM, 0},
    {"COMBOBOX", controls::ComboBoxProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0},
    {COMBOLBOX_CLASS, controls::ComboListProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0},
};

bool SameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

}  // namespace

namespace win_internal {

bool RegisterSystemClass(LPCSTR name) {
    if (!name || IS_INTRESOURCE(name)) return false;
    for (const SystemClass& c : kClasses) {
        if (!SameName(name, c.name)) continue;
        WNDCLASSA wc{};
        wc.style = c.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = c.proc;
        wc.cbWndExtra = controls::kRecordBytes;
        wc.hCursor = LoadCursorA(nullptr, c.cursor);
        wc.hbrBackground = c.background ? reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(c.background)) : nullptr;
        wc.lpszClassName = c.name;
        return RegisterClassA(&wc) != 0;
    }
    return false;
}

}  // namespace win_internal

namespace controls {

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }

std::string TextOf(HWND hwnd) {
    const int n = GetWindowTextLength(hwnd);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    const int got = GetWindowText(hwnd, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return s;
}

HFONT FontOrDefault(HFONT font) {
    if (font && GetObjectType(font) == OBJ_FONT) return font;
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void Notify(HWND hwnd, UINT code) {
    if (!(StyleOf(hwnd) & WS_CHILD)) return;
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(hwnd));
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, static_cast<WORD>(code)), reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH ControlColors(HWND hwnd, HDC hdc, UINT ctlColorMsg) {
    const bool window = ctlColorMsg == WM_CTLCOLOREDIT || ctlColorMsg == WM_CTLCOLORLISTBOX;
    SetTextColor(hdc, GetSysColor(window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(hdc, GetSysColor(window ? COLOR_WINDOW : COLOR_3DFACE));
    HBRUSH fallback = GetSysColorBrush(window ? COLOR_WINDOW : COLOR_3DFACE);
    HWND parent = (StyleOf(hwnd) & WS_CHILD) ? GetParent(hwnd) : nullptr;
    if (!parent) return fallback;
    const LRESULT r = SendMessage(parent, ctlColorMsg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd));
    HBRUSH answered = reinterpret_cast<HBRUSH>(r);
    // A parent that leaves the message to the default handling answers 0 (or something that is
    // no brush): the defaults stand, and so do the colours set above.
    if (!answered) return fallback;
    const auto v = static_cast<UINT_PTR>(r);
    if (v >= 1 && v <= static_cast<UINT_PTR>(COLOR_COUNT)) return answered;  // a colour index + 1
    return GetObjectType(answered) == OBJ_BRUSH ? answered : fallback;
}

void DrawDisabledText(HDC hdc, const char* text, RECT rc, UINT format) {
    const COLORREF old = GetTextColor(hdc);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    RECT shifted{rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1};
    SetTextColor(hdc, GetSysColor(COLOR_3DHILIGHT));
    DrawText(hdc, text, -1, &shifted, format);
    SetTextColor(hdc, GetSysColor(COLOR_3DSHADOW));
    DrawText(hdc, text, -1, &rc, format);
    SetTextColor(hdc, old);
    SetBkMode(hdc, oldMode);
}

void DrawControlText(HDC hdc, const char* text, RECT rc, UINT format, bool enabled) {
    if (!enabled) {
        DrawDisabledText(hdc, text, rc, format);
        return;
    }
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    DrawText(hdc, text, -1, &rc, format);
    SetBkMode(hdc, oldMode);
}

int LineHeight(HFONT font) {
    HDC hdc = CreateCompatibleDC(nullptr);
    if (!hdc) return 16;
    HGDIOBJ old = SelectObject(hdc, FontOrDefault(font));
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return tm.tmHeight > 0 ? static_cast<int>(tm.tmHeight) : 16;
}

void FillSys(HDC hdc, const RECT& rc, int colorIndex) { FillRect(hdc, &rc, GetSysColorBrush(colorIndex)); }

}  // namespace controls
