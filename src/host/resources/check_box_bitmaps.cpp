// The two check box strips a host supplies: five 13 by 13 images side by side (unchecked,
// checked, unchecked pressed, checked pressed, indeterminate), as packed device-independent
// bitmaps with a colour table.
//
// The images are drawn in the colours the grid engine replaces by system colours when it loads
// them: green for the window frame, black for the window text (the check mark), red for the
// window background (the box's inside) and light grey for the button face. Dark grey and white
// stay as they are: the 3-D box's shadow and highlight.
#include <array>

#include "host/resources/host_resources.h"

namespace host_resources {
namespace {

constexpr int kBox = 13;
constexpr int kImages = 5;
constexpr int kWidth = kBox * kImages;

// Colour table indices.
enum Ink : BYTE { Black, Green, Red, LightGrey, DarkGrey, White };
// The table as blue, green, red, reserved.
constexpr BYTE kColors[6][4] = {
    {0, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}, {192, 192, 192, 0}, {128, 128, 128, 0}, {255, 255, 255, 0},
};

// The check mark: three pixels thick, its short stroke down from (3, 5), its long one up to (9, 3).
constexpr std::array<const char*, kBox> kMark = {
    ".............",
    ".............",
    ".............",
    ".........X...",
    "........XX...",
    "...X...XXX...",
    "...XX.XXX....",
    "...XXXXX.....",
    "....XXX......",
    ".....X.......",
    ".............",
    ".............",
    ".............",
};

using Image = std::array<std::array<BYTE, kBox>, kBox>;  // [y][x]

// The box without its inside. The 3-D box is sunk: shadow and window frame along the top and
// left, button face and highlight along the bottom and right. The flat box has a one-pixel frame.
// Returns the first and last pixel of the inside.
void DrawFrame(Image& img, bool b3d, int& nFirst, int& nLast) {
    if (!b3d) {
        for (int i = 0; i < kBox; ++i) img[0][i] = img[kBox - 1][i] = img[i][0] = img[i][kBox - 1] = Green;
        nFirst = 1;
        nLast = kBox - 2;
        return;
    }
    for (int i = 0; i < kBox; ++i) img[kBox - 1][i] = img[i][kBox - 1] = White;
    for (int i = 0; i < kBox - 1; ++i) img[0][i] = img[i][0] = DarkGrey;
    for (int i = 1; i < kBox - 1; ++i) img[kBox - 2][i] = img[i][kBox - 2] = LightGrey;
    for (int i = 1; i < kBox - 2; ++i) img[1][i] = img[i][1] = Green;
    nFirst = 2;
    nLast = kBox - 3;
}

Image DrawImage(bool b3d, int nIndex) {
    Image img{};
    int nFirst = 0, nLast = 0;
    DrawFrame(img, b3d, nFirst, nLast);
    const bool bPressed = nIndex == 2 || nIndex == 3;
    const bool bIndeterminate = nIndex == 4;
    for (int y = nFirst; y <= nLast; ++y)
        for (int x = nFirst; x <= nLast; ++x) {
            // Indeterminate: a grey mark on a checkered face and highlight.
            const BYTE inside = bIndeterminate ? ((x + y) % 2 == 0 ? LightGrey : White) : bPressed ? LightGrey : Red;
            img[y][x] = inside;
            if (kMark[y][x] == 'X' && nIndex != 0 && nIndex != 2) img[y][x] = bIndeterminate ? DarkGrey : Black;
        }
    return img;
}

}  // namespace

std::vector<BYTE> CheckBoxStrip(bool b3d) {
    std::array<Image, kImages> images;
    for (int i = 0; i < kImages; ++i) images[i] = DrawImage(b3d, i);

    // Four bits a pixel; every row padded to four bytes.
    constexpr int kRowBytes = ((kWidth * 4 + 31) / 32) * 4;
    std::vector<BYTE> bytes;
    auto put32 = [&](DWORD v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(v >> (8 * i)));
    };
    auto put16 = [&](WORD v) {
        bytes.push_back(static_cast<BYTE>(v & 0xFF));
        bytes.push_back(static_cast<BYTE>(v >> 8));
    };
    put32(40);                   // header size
    put32(kWidth);
    put32(kBox);                 // positive: bottom row first
    put16(1);                    // planes
    put16(4);                    // bits per pixel
    put32(0);                    // no compression
    put32(kRowBytes * kBox);     // image size
    put32(0);
    put32(0);
    put32(6);                    // colours used
    put32(0);
    for (const auto& colour : kColors) bytes.insert(bytes.end(), colour, colour + 4);
    for (int y = kBox - 1; y >= 0; --y) {
        std::array<BYTE, kRowBytes> row{};
        for (int x = 0; x < kWidth; ++x) {
            const BYTE ink = images[x / kBox][y][x % kBox];
            row[x / 2] |= static_cast<BYTE>(x % 2 == 0 ? ink << 4 : ink);
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

}  // namespace host_resources
