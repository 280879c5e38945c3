#pragma once
// Synthetic input for tests and scripts: the pointer, buttons and keys driven by program, through
// the very path real devices take (the input queue, then routing as messages are retrieved).
// Points are client coordinates of the window named; whatever window is really at that spot on
// the screen gets the input, as it would for a person. Nothing is dispatched here: pump the
// messages (PumpMessages) or let a modal loop run.
#include "platform/win/input.h"

namespace synthetic {

// FALSE when the window does not exist.
BOOL MouseMove(HWND hwnd, POINT ptClient);
BOOL MouseDown(HWND hwnd, POINT ptClient, MouseButton button = MouseButton::Left);
BOOL MouseUp(HWND hwnd, POINT ptClient, MouseButton button = MouseButton::Left);
BOOL Click(HWND hwnd, POINT ptClient, MouseButton button = MouseButton::Left);
// Two clicks at the same moment of the virtual clock.
BOOL DoubleClick(HWND hwnd, POINT ptClient, MouseButton button = MouseButton::Left);

void KeyDown(UINT vk);
void KeyUp(UINT vk);
void KeyPress(UINT vk);
// Each character as the keys a US keyboard types it with (Shift where needed, Enter for a line
// break); characters without a key come as VK_PACKET.
void TypeText(const char* text);
// The key and the Shift state that type a character on a US keyboard; false when no key does.
bool KeyForCharacter(unsigned char ch, UINT& vk, bool& shift);

}  // namespace synthetic
