// The cache of sized fonts keeps only the instances used last: a font that stays selected while
// hundreds of other sizes come and go (as a hostile template or stored style can make happen)
// keeps its own instance, measuring and drawing exactly as before.
#include <cstring>
#include <vector>

#include "canvas.h"

namespace {

HFONT Sized(LONG height, LONG weight = FW_NORMAL) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName, "Arial", LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

std::vector<COLORREF> Ink(const Canvas& c, int w, int h) {
    std::vector<COLORREF> px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px.push_back(c.At(x, y));
    return px;
}

TEST(FontCache, AFontOutlivesItsInstancesTimeInTheCache) {
    Canvas c(60, 24);
    HFONT kept = Sized(-13, FW_BOLD);
    HGDIOBJ old = SelectObject(c, kept);
    TEXTMETRIC before{};
    GetTextMetrics(c, &before);
    TextOut(c, 2, 2, "Ab1", 3);
    const std::vector<COLORREF> drawn = Ink(c, 60, 24);

    // Far more sizes than the cache keeps, each measured and drawn through a second device context.
    Canvas other(20, 20);
    for (LONG h = -200; h < -20; ++h) {
        HFONT f = Sized(h);
        HGDIOBJ o = SelectObject(other, f);
        TextOut(other, 0, 0, "x", 1);
        SelectObject(other, o);
        DeleteObject(f);
    }

    TEXTMETRIC after{};
    GetTextMetrics(c, &after);
    EXPECT_EQ(before.tmHeight, after.tmHeight);
    EXPECT_EQ(before.tmAveCharWidth, after.tmAveCharWidth);
    EXPECT_EQ(before.tmWeight, after.tmWeight);
    RECT all{0, 0, 60, 24};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(c, &all, white);
    DeleteObject(white);
    TextOut(c, 2, 2, "Ab1", 3);
    EXPECT_EQ(Ink(c, 60, 24), drawn);

    // A new font of the same description, made again after its instance left the cache, matches.
    HFONT again = Sized(-13, FW_BOLD);
    SelectObject(c, again);
    TEXTMETRIC remade{};
    GetTextMetrics(c, &remade);
    EXPECT_EQ(remade.tmHeight, before.tmHeight);
    EXPECT_EQ(remade.tmMaxCharWidth, before.tmMaxCharWidth);
    SelectObject(c, old);
    DeleteObject(kept);
    DeleteObject(again);
}

}  // namespace
