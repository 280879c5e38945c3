#pragma once
// Pictures compared with checked-in ones where the picture itself is what matters. Small
// differences in glyph rendering are tolerated (at most 0.5% of the pixels may differ by more than
// anti-aliasing would); moved or missing text, lines and fills are not. Set KRX_UPDATE_REFERENCE
// to write the pictures anew, and look at them before checking them in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win/png_writer.h"

inline int DifferentPixels(const PngImage& a, const PngImage& b) {
    int off = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        int diff = 0;
        for (int shift = 0; shift < 24; shift += 8)
            diff = std::max(diff, std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                           static_cast<int>((b.pixels[i] >> shift) & 0xFF)));
        off += diff > 48;
    }
    return off;
}

// Compares what the device context holds with the picture at tests/<relative>.
inline void ExpectMatchesReference(HDC hdc, const std::string& relative) {
    const std::string path = std::string(KRX_SOURCE_DIR) + "/tests/" + relative;
    if (std::getenv("KRX_UPDATE_REFERENCE") != nullptr) {
        ASSERT_TRUE(WritePng(hdc, path.c_str()));
    }
    PngImage want;
    ASSERT_TRUE(ReadPng(path.c_str(), want)) << path;
    const PngImage got = CapturePixels(hdc);
    ASSERT_EQ(got.width, want.width) << relative;
    ASSERT_EQ(got.height, want.height) << relative;
    EXPECT_LE(DifferentPixels(got, want), static_cast<int>(got.pixels.size() / 200)) << relative;
}
