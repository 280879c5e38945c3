#include "platform/win/sys_colors.h"

namespace {

// The classic ("Windows Standard") scheme.
constexpr COLORREF kClassic[COLOR_COUNT] = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
    RGB(212, 208, 200),
};

struct State {
    COLORREF colors[COLOR_COUNT];
    int dpi = 96;
    State() { ResetColors(); }
    void ResetColors() {
        for (int i = 0; i < COLOR_COUNT; ++i) colors[i] = kClassic[i];
    }
};

State& TheState() noexcept {
    static State state;
    return state;
}

}  // namespace

COLORREF GetSysColor(int nIndex) noexcept {
    return nIndex >= 0 && nIndex < COLOR_COUNT ? TheState().colors[nIndex] : 0;
}

BOOL SetSysColors(int nCount, const int* pIndices, const COLORREF* pColors) noexcept {
    if (nCount < 0 || (nCount > 0 && (pIndices == nullptr || pColors == nullptr))) return FALSE;
    for (int i = 0; i < nCount; ++i)
        if (pIndices[i] < 0 || pIndices[i] >= COLOR_COUNT) return FALSE;
    for (int i = 0; i < nCount; ++i) TheState().colors[pIndices[i]] = pColors[i] & 0x00FFFFFF;
    return TRUE;
}

void ResetSysColors() noexcept { TheState().ResetColors(); }

int GetScreenDpi() noexcept { return TheState().dpi; }

void SetScreenDpi(int nDpi) noexcept {
    if (nDpi >= 1) TheState().dpi = nDpi;
}
