#pragma once
// What the window surfaces tell the display layer, and what the display layer shares between its
// sources. Not part of the library's interface.
#include <string>

#include "platform/win/display.h"

namespace display_internal {

// Drops the records of the natives (the backend that holds them is going away).
void ForgetNatives();

// Something was drawn onto the surface of top-level window `top` within rc (window coordinates).
void NoteDamage(HWND top, const RECT& rc);

// The desktop clipboard and the in-process clipboard's CF_TEXT follow each other.
void ResetClipboardSync();
void SyncClipboard(DisplayBackend& backend);
void NoteDesktopClipboardChanged();

// CF_TEXT (the Western code page, CR LF line ends) to desktop text (UTF-8, LF) and back;
// characters the other side cannot hold become '?'.
std::string DesktopTextFromCfText(const std::string& text);
std::string CfTextFromDesktopText(const std::string& text);

// The SDL2 backend; null when its video cannot start.
std::unique_ptr<DisplayBackend> OpenSdlBackend();

}  // namespace display_internal
