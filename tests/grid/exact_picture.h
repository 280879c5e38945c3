#pragma once
// Small pictures compared with checked-in ones tightly enough that one pixel of a line or a glyph
// moved is a fault: without anti-aliasing (lines, fills, bitmaps, frames) pixel for pixel, with
// text at most a few pixels off by more than glyph rendering varies. A tolerance in proportion to
// the picture would hide a moved glyph. Set KRX_UPDATE_REFERENCE to write the pictures anew, and
// look at them before checking them in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win/png_writer.h"

namespace grid_picture {

// Compares what the device context holds with the picture at tests/<relative>: at most nSlack
// pixels may differ by more than nNoise in a channel.
inline void ExpectPicture(HDC hdc, const std::string& relative, int nSlack, int nNoise) {
    const std::string path = std::string(KRX_SOURCE_DIR) + "/tests/" + relative;
    if (std::getenv("KRX_UPDATE_REFERENCE") != nullptr) {
        ASSERT_TRUE(WritePng(hdc, path.c_str()));
    }
    PngImage want;
    ASSERT_TRUE(ReadPng(path.c_str(), want)) << path;
    const PngImage got = CapturePixels(hdc);
    ASSERT_EQ(got.width, want.width) << relative;
    ASSERT_EQ(got.height, want.height) << relative;
    int nOff = 0, nFirst = -1;
    for (size_t i = 0; i < got.pixels.size(); ++i) {
        int nDiff = 0;
        for (int shift = 0; shift < 24; shift += 8)
            nDiff = std::max(nDiff, std::abs(static_cast<int>((got.pixels[i] >> shift) & 0xFF) -
                                             static_cast<int>((want.pixels[i] >> shift) & 0xFF)));
        if (nDiff > nNoise && nOff++ == 0) nFirst = static_cast<int>(i);
    }
    EXPECT_LE(nOff, nSlack) << relative << ": first at " << nFirst % got.width << "," << nFirst / got.width;
}

inline void ExpectExact(HDC hdc, const std::string& relative) { ExpectPicture(hdc, relative, 0, 0); }
// Text: glyph rendering may shift a few edge pixels a little.
inline void ExpectText(HDC hdc, const std::string& relative) { ExpectPicture(hdc, relative, 8, 48); }

}  // namespace grid_picture
