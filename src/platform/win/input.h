#pragma once
// What an input source delivers to the window system: pointer moves, button and key
// transitions, in screen coordinates. The display backend calls these for real devices and the
// synthetic input for tests and scripts; either way the events wait in the input queue and
// become window messages when they are retrieved.
#include "platform/win/winuser.h"

enum class MouseButton { Left = 0, Right = 1, Middle = 2 };

// Consecutive moves are merged into one, as the platform does.
void InputMouseMove(POINT ptScreen);
// At the pointer's position.
void InputMouseButton(MouseButton button, BOOL bDown);
void InputKey(UINT vk, BOOL bDown);
// A character without a key of its own (VK_PACKET down and up).
void InputCharacter(unsigned char ch);
