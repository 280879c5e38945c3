#pragma once
// SDL2 key codes to the platform's virtual keys.
#include <SDL.h>

#include "platform/win/winuser.h"

namespace sdl_keys {

// The virtual key of a key: letters, digits and the punctuation of a US keyboard by the
// character the layout gives the key; the rest by what the key is. A key that types a character
// no US key types unshifted gets VK_OEM_102 (a key without a character of its own: its text comes
// as a character event); 0 for keys the platform has no key for.
UINT VirtualKey(SDL_Keycode key, SDL_Scancode scan);
// Whether TranslateMessage types a character for the key: its text event must then be dropped.
bool TypesCharacter(UINT vk);

}  // namespace sdl_keys
