#pragma once
// Cursor resources: the form in which a module registers a cursor (type RT_CURSOR, by id or by
// name), and the image LoadCursor makes of it.
//
// The bytes of a cursor resource, little-endian, with nothing before or after:
//
//   WORD xHotspot, yHotspot   the point of the image that is the pointer's position, inside it
//   WORD width, height        1 to 256 pixels each
//   WORD bitsPerPixel         1 (monochrome) or 32 (colour with alpha)
//   bitsPerPixel 1:           the AND mask, then the XOR mask: height rows each, top row first,
//                             (width + 7) / 8 bytes a row, the leftmost pixel in the high bit.
//                             AND 0 XOR 0 black, AND 0 XOR 1 white, AND 1 XOR 0 transparent,
//                             AND 1 XOR 1 the screen inverted (shown black where the desktop
//                             cannot invert).
//   bitsPerPixel 32:          width * height DWORDs 0xAARRGGBB, top row first, alpha not
//                             premultiplied (0 transparent, 255 opaque).
//
// A resource whose size is not exactly what its header says, or whose header says something
// impossible, is no cursor: LoadCursor gives null for it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/winuser.h"

// A cursor as the display shows it: 0xAARRGGBB pixels, top row first, alpha not premultiplied.
struct CursorImage {
    int width = 0;
    int height = 0;
    POINT hotspot{};
    std::vector<std::uint32_t> argb;
};

constexpr int kMaxCursorSize = 256;

// False, with out unchanged, for bytes that are no cursor resource.
bool ParseCursorResource(const void* pData, std::size_t cbData, CursorImage& out);

// The resource bytes of a monochrome cursor drawn as text rows of equal length, top row first:
// '.' transparent, '#' black, 'o' white, '~' inverted. Empty for rows that are no picture (none,
// unequal, too large, an unknown character) or a hotspot outside.
std::vector<BYTE> BuildMonochromeCursor(POINT hotspot, const std::vector<std::string>& rows);
// The resource bytes of a colour cursor; empty for an impossible size or hotspot.
std::vector<BYTE> BuildColorCursor(POINT hotspot, int width, int height, const std::vector<std::uint32_t>& argb);

// The image of a cursor loaded from a module's resources, with a number that differs for every
// cursor loaded; null for a standard cursor, null or an unknown handle.
const CursorImage* GetCursorImage(HCURSOR hCursor, unsigned* pSerial = nullptr);
