// Synthetic input: window points to screen points, characters to key strokes.
#include <cstring>

#include "platform/win/synthetic_input.h"
#include "platform/win/window.h"

namespace {

bool ToScreen(HWND hwnd, POINT& pt) { return IsWindow(hwnd) && ClientToScreen(hwnd, &pt); }

}  // namespace

namespace synthetic {

bool KeyForCharacter(unsigned char ch, UINT& vk, bool& shift) {
    shift = false;
    if (ch >= 'a' && ch <= 'z') return vk = ch - 'a' + 'A', true;
    if (ch >= 'A' && ch <= 'Z') return vk = ch, shift = true, true;
    if (ch >= '0' && ch <= '9') return vk = ch, true;
    static const char shiftedDigits[] = ")!@#$%^&*(";
    if (const char* p = std::strchr(shiftedDigits, ch); p && ch) return vk = '0' + static_cast<UINT>(p - shiftedDigits), shift = true, true;
    struct Oem { UINT vk; char plain, shifted; };
    static const Oem oem[] = {
        {VK_OEM_1, ';', ':'}, {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
        {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'}, {VK_OEM_3, '`', '~'}, {VK_OEM_4, '[', '{'},
        {VK_OEM_5, '\\', '|'}, {VK_OEM_6, ']', '}'}, {VK_OEM_7, '\'', '"'},
    };
    for (const Oem& o : oem) {
        if (ch == static_cast<unsigned char>(o.plain)) return vk = o.vk, true;
        if (ch == static_cast<unsigned char>(o.shifted)) return vk = o.vk, shift = true, true;
    }
    switch (ch) {
    case ' ': return vk = VK_SPACE, true;
    case '\n': case '\r': return vk = VK_RETURN, true;
    case '\t': return vk = VK_TAB, true;
    case '\b': return vk = VK_BACK, true;
    case 0x1B: return vk = VK_ESCAPE, true;
    default: return false;
    }
}

BOOL MouseMove(HWND hwnd, POINT pt) {
    if (!ToScreen(hwnd, pt)) return FALSE;
    InputMouseMove(pt);
    return TRUE;
}

BOOL MouseDown(HWND hwnd, POINT pt, MouseButton button) {
    if (!MouseMove(hwnd, pt)) return FALSE;
    InputMouseButton(button, TRUE);
    return TRUE;
}

BOOL MouseUp(HWND hwnd, POINT pt, MouseButton button) {
    if (!MouseMove(hwnd, pt)) return FALSE;
    InputMouseButton(button, FALSE);
    return TRUE;
}

BOOL Click(HWND hwnd, POINT pt, MouseButton button) {
    if (!MouseDown(hwnd, pt, button)) return FALSE;
    InputMouseButton(button, FALSE);
    return TRUE;
}

BOOL DoubleClick(HWND hwnd, POINT pt, MouseButton button) {
    if (!Click(hwnd, pt, button)) return FALSE;
    InputMouseButton(button, TRUE);
    InputMouseButton(button, FALSE);
    return TRUE;
}

void KeyDown(UINT vk) { InputKey(vk, TRUE); }
void KeyUp(UINT vk) { InputKey(vk, FALSE); }

void KeyPress(UINT vk) {
    InputKey(vk, TRUE);
    InputKey(vk, FALSE);
}

void TypeText(const char* text) {
    if (!text) return;
    for (const char* p = text; *p; ++p) {
        const auto ch = static_cast<unsigned char>(*p);
        UINT vk = 0;
        bool shift = false;
        if (!KeyForCharacter(ch, vk, shift)) {
            InputCharacter(ch);
            continue;
        }
        // Shift as the character needs it, leaving a Shift the caller holds alone.
        const bool held = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
        if (shift && !held) InputKey(VK_SHIFT, TRUE);
        if (!shift && held) InputKey(VK_SHIFT, FALSE);
        KeyPress(vk);
        if (shift && !held) InputKey(VK_SHIFT, FALSE);
        if (!shift && held) InputKey(VK_SHIFT, TRUE);
    }
}

}  // namespace synthetic
