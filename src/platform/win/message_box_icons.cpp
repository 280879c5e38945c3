// The message box icons, drawn pixel by pixel from simple shapes so that they are the same
// everywhere: a red disc with a white cross (error), a yellow triangle with an exclamation mark
// (warning), a white disc with a blue "i" (information) or a blue question mark (question).
// The discs cast a grey shadow to the lower right.
#include "platform/win/message_box_icons.h"

#include "platform/win/dialogs.h"

namespace {

constexpr COLORREF kNone = 0xFFFFFFFFu;  // a pixel left as it is
constexpr int kSize = kMessageBoxIconSize;

class Icon {
public:
    Icon() {
        for (COLORREF& c : m_px) c = kNone;
    }
    void Set(int x, int y, COLORREF c) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) m_px[y * kSize + x] = c;
    }
    // A disc centred between pixels (cx2 / 2, cy2 / 2 in half pixels) with a one-pixel outline.
    void Disc(int cx2, int cy2, int r, COLORREF fill, COLORREF outline) {
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
                const int d2 = dx * dx + dy * dy;  // in quarter pixels
                if (d2 <= 4 * r * r) Set(x, y, d2 > 4 * (r - 1) * (r - 1) ? outline : fill);
            }
        }
    }
    void Box(int left, int top, int right, int bottom, COLORREF c) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) Set(x, y, c);
    }
    // A picture of text rows ('#' marks a pixel) with its top-left corner at (left, top).
    void Glyph(int left, int top, const char* const* rows, int nRows, COLORREF c) {
        for (int y = 0; y < nRows; ++y)
            for (int x = 0; rows[y][x]; ++x)
                if (rows[y][x] == '#') Set(left + x, top + y, c);
    }
    void Draw(HDC hdc, int x0, int y0) const {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (m_px[y * kSize + x] != kNone) SetPixel(hdc, x0 + x, y0 + y, m_px[y * kSize + x]);
    }

private:
    COLORREF m_px[kSize * kSize];
};

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kShadow = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0), kDarkRed = RGB(128, 0, 0), kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

void Error(Icon& icon) {
    icon.Disc(32, 32, 14, kShadow, kShadow);
    icon.Disc(30, 30, 14, kRed, kDarkRed);
    // The cross: two bars three pixels thick along the diagonals.
    for (int y = 8; y < 23; ++y)
        for (int d = -1; d <= 1; ++d) {
            icon.Set(y + d, y, kWhite);
            icon.Set(30 - y + d, y, kWhite);
        }
}

void Warning(Icon& icon) {
    // From the apex at the top down to the base: each row one pixel wider on either side every
    // second row, outlined in black.
    constexpr int kTop = 2, kBottom = 29;
    for (int y = kTop; y <= kBottom; ++y) {
        const int half = (y - kTop) / 2 + 1;
        const int left = 15 - half + 1, right = 16 + half - 1;
        for (int x = left; x <= right; ++x)
            icon.Set(x, y, (y == kBottom || x == left || x == right) ? kBlack : kYellow);
    }
    icon.Box(14, 10, 18, 22, kBlack);
    icon.Box(14, 24, 18, 27, kBlack);
}

void Information(Icon& icon) {
    icon.Disc(32, 32, 14, kShadow, kShadow);
    icon.Disc(30, 30, 14, kWhite, kBlack);
    icon.Box(14, 6, 17, 9, kBlue);    // the dot
    icon.Box(12, 12, 17, 14, kBlue);  // the stem with its serifs
    icon.Box(14, 14, 17, 23, kBlue);
    icon.Box(12, 22, 19, 24, kBlue);
}

void Question(Icon& icon) {
    static const char* const kMark[] = {
        "..######..", ".########.", "###....###", "###....###", ".......###", "......###.", ".....###..",
        "....###...", "....###...", "..........", "....###...", "....###...", "....###...",
    };
    icon.Disc(32, 32, 14, kShadow, kShadow);
    icon.Disc(30, 30, 14, kWhite, kBlack);
    icon.Glyph(10, 8, kMark, static_cast<int>(sizeof kMark / sizeof *kMark), kBlue);
}

}  // namespace

BOOL DrawMessageBoxIcon(HDC hdc, int x, int y, UINT uType) {
    Icon icon;
    switch (uType & MB_ICONMASK) {
    case MB_ICONERROR: Error(icon); break;
    case MB_ICONWARNING: Warning(icon); break;
    case MB_ICONINFORMATION: Information(icon); break;
    case MB_ICONQUESTION: Question(icon); break;
    default: return FALSE;
    }
    icon.Draw(hdc, x, y);
    return TRUE;
}
