// Dialog items by id (texts, numbers, check states) and dialog units.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win/dialog_internal.h"

using namespace dlg_internal;

// a · b / c rounded half away from zero, as the platform's MulDiv; 0 for c = 0.
int DialogMulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const long long p = static_cast<long long>(a) * b;
    const long long q = (p < 0) != (c < 0) ? (p - c / 2) / c : (p + c / 2) / c;
    return static_cast<int>(q);
}

HFONT MakeDialogFont(WORD pointSize, const char* face) {
    LOGFONTA lf{};
    lf.lfHeight = -DialogMulDiv(pointSize, GetScreenDpi(), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face ? face : "", LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

SIZE GetFontDialogBaseUnits(HFONT hFont) {
    SIZE units{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return units;
    HGDIOBJ old = hFont ? SelectObject(dc, hFont) : nullptr;
    TEXTMETRICA tm{};
    SIZE letters{0, 0};
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsA(dc, &tm) && GetTextExtentPoint32A(dc, kLetters, 52, &letters)) {
        // The average width over the letters, rounded, as the platform measures dialog fonts.
        units.cx = (letters.cx / 26 + 1) / 2;
        units.cy = tm.tmHeight;
    }
    if (old) SelectObject(dc, old);
    DeleteDC(dc);
    return units;
}

LONG GetDialogBaseUnits() {
    HFONT f = MakeDialogFont(8, "MS Sans Serif");
    const SIZE u = GetFontDialogBaseUnits(f);
    DeleteObject(f);
    return MAKELONG(static_cast<WORD>(u.cx), static_cast<WORD>(u.cy));
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    const DialogState* st = Find(hDlg);
    if (!st || !lpRect) return FALSE;
    lpRect->left = DialogMulDiv(lpRect->left, st->baseUnits.cx, 4);
    lpRect->right = DialogMulDiv(lpRect->right, st->baseUnits.cx, 4);
    lpRect->top = DialogMulDiv(lpRect->top, st->baseUnits.cy, 8);
    lpRect->bottom = DialogMulDiv(lpRect->bottom, st->baseUnits.cy, 8);
    return TRUE;
}

LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? SendMessageA(h, Msg, wParam, lParam) : 0;
}

BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    const HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? SetWindowTextA(h, lpString) : FALSE;
}

UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    const HWND h = GetDlgItem(hDlg, nIDDlgItem);
    return h ? static_cast<UINT>(GetWindowTextA(h, lpString, cchMax)) : 0;
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
    const std::string text = bSigned ? std::to_string(static_cast<int>(uValue)) : std::to_string(uValue);
    return SetDlgItemTextA(hDlg, nIDDlgItem, text.c_str());
}

UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated) *lpTranslated = FALSE;
    const HWND h = GetDlgItem(hDlg, nIDDlgItem);
    if (!h) return 0;
    const int len = GetWindowTextLengthA(h);
    std::string text(static_cast<std::size_t>(len) + 1, '\0');
    GetWindowTextA(h, text.data(), len + 1);
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    if (!bSigned && *p == '-') return 0;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(p, &end, 10);
    if (end == p) return 0;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0' || errno == ERANGE) return 0;
    if (bSigned ? (v < INT_MIN || v > INT_MAX) : (v < 0 || v > static_cast<long long>(UINT_MAX))) return 0;
    if (lpTranslated) *lpTranslated = TRUE;
    return static_cast<UINT>(v);
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    if (!IsWindow(hDlg)) return FALSE;
    for (HWND c = GetWindow(hDlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(c);
        if (id >= nIDFirstButton && id <= nIDLastButton) SendMessageA(c, BM_SETCHECK, id == nIDCheckButton ? static_cast<WPARAM>(BST_CHECKED) : 0, 0);
    }
    return TRUE;
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    const HWND h = GetDlgItem(hDlg, nIDButton);
    if (!h) return FALSE;
    SendMessageA(h, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    return static_cast<UINT>(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}
