#include "platform/win/system_metrics.h"

#include "platform/win/sys_colors.h"

namespace {

int g_screenWidth = 1024;
int g_screenHeight = 768;

struct Metric {
    int index;
    int value;    // at 96 dots per inch
    bool scales;  // a size in pixels, which grows with the resolution
};

// The classic look: 1-pixel borders, 4-pixel sizing frames, 16-pixel scroll bars, 18-pixel captions.
constexpr Metric kMetrics[] = {
    {SM_CXVSCROLL, 16, true},  {SM_CYHSCROLL, 16, true},  {SM_CYCAPTION, 19, true},
    {SM_CXBORDER, 1, false},   {SM_CYBORDER, 1, false},   {SM_CXDLGFRAME, 3, true},
    {SM_CYDLGFRAME, 3, true},  {SM_CYVTHUMB, 16, true},   {SM_CXHTHUMB, 16, true},
    {SM_CXICON, 32, true},     {SM_CYICON, 32, true},     {SM_CXCURSOR, 32, true},
    {SM_CYCURSOR, 32, true},   {SM_CYMENU, 19, true},     {SM_CYKANJIWINDOW, 0, false},
    {SM_MOUSEPRESENT, 1, false}, {SM_CYVSCROLL, 16, true}, {SM_CXHSCROLL, 16, true},
    {SM_DEBUG, 0, false},      {SM_SWAPBUTTON, 0, false}, {SM_CXMIN, 112, true},
    {SM_CYMIN, 27, true},      {SM_CXSIZE, 18, true},     {SM_CYSIZE, 18, true},
    {SM_CXFRAME, 4, true},     {SM_CYFRAME, 4, true},     {SM_CXMINTRACK, 112, true},
    {SM_CYMINTRACK, 27, true}, {SM_CXDOUBLECLK, 4, false}, {SM_CYDOUBLECLK, 4, false},
    {SM_CXICONSPACING, 75, true}, {SM_CYICONSPACING, 75, true}, {SM_MENUDROPALIGNMENT, 0, false},
    {SM_DBCSENABLED, 0, false}, {SM_CMOUSEBUTTONS, 3, false}, {SM_CXEDGE, 2, true},
    {SM_CYEDGE, 2, true},      {SM_CXSMICON, 16, true},   {SM_CYSMICON, 16, true},
    {SM_CYSMCAPTION, 16, true}, {SM_CXSMSIZE, 12, true},  {SM_CYSMSIZE, 15, true},
    {SM_CXMENUSIZE, 18, true}, {SM_CYMENUSIZE, 18, true}, {SM_CXDRAG, 4, false},
    {SM_CYDRAG, 4, false},     {SM_CXMENUCHECK, 13, true}, {SM_CYMENUCHECK, 13, true},
    {SM_MOUSEWHEELPRESENT, 1, false}, {SM_CMONITORS, 1, false}, {SM_CXFOCUSBORDER, 1, false},
    {SM_CYFOCUSBORDER, 1, false}, {SM_CXPADDEDBORDER, 0, false},
};

int Scaled(int v) { return (v * GetScreenDpi() + 48) / 96; }

}  // namespace

int GetSystemMetrics(int nIndex) noexcept {
    switch (nIndex) {
        case SM_CXSCREEN:
        case SM_CXVIRTUALSCREEN: return g_screenWidth;
        case SM_CYSCREEN:
        case SM_CYVIRTUALSCREEN: return g_screenHeight;
        case SM_CXFULLSCREEN: return g_screenWidth;
        case SM_CYFULLSCREEN: return g_screenHeight - GetSystemMetrics(SM_CYCAPTION);
        case SM_CXMAXTRACK: return g_screenWidth + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXTRACK: return g_screenHeight + 2 * GetSystemMetrics(SM_CYFRAME);
        case SM_CXMAXIMIZED: return g_screenWidth + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXIMIZED: return g_screenHeight + 2 * GetSystemMetrics(SM_CYFRAME);
        default: break;
    }
    for (const Metric& m : kMetrics)
        if (m.index == nIndex) return m.scales ? Scaled(m.value) : m.value;
    return 0;
}

void SetScreenSize(int cx, int cy) noexcept {
    if (cx >= 1 && cy >= 1) {
        g_screenWidth = cx;
        g_screenHeight = cy;
    }
}
