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
#include "platform/win/dib.h"

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

    return PackedDib4(kWidth, kBox, kColors, 6, [&](int x, int y) { return images[x / kBox][y][x % kBox]; });
}

}  // namespace host_resources
