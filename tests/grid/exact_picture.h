#pragma once
// Pictures without anti-aliasing (lines, fills, bitmaps, frames) compared with checked-in ones
// pixel for pixel: one pixel off is a fault here, where the tolerance meant for glyph rendering
// would hide it. Set KRX_UPDATE_REFERENCE to write the pictures anew, and look at them before
// checking them in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/win/png_writer.h"

namespace grid_picture {

// Compares what the device context holds with the picture at tests/<relative>.
inline void ExpectExact(HDC hdc, const std::string& relative) {
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
    for (size_t i = 0; i < got.pixels.size(); ++i)
        if (((got.pixels[i] ^ want.pixels[i]) & 0xFFFFFF) != 0 && nOff++ == 0) nFirst = static_cast<int>(i);
    EXPECT_EQ(nOff, 0) << relative << ": first at " << nFirst % got.width << "," << nFirst / got.width;
}

}  // namespace grid_picture
