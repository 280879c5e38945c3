#pragma once
// Pictures compared with checked-in ones where the picture itself is what matters. Small
// differences in glyph rendering are tolerated (at most 0.5% of the pixels may differ by more than
// anti-aliasing would); moved or missing text, lines and fills are not. Set KRX_UPDATE_REFERENCE
// to write the pictures anew, and look at them before checking them in. Pictures without
// anti-aliasing (lines, fills, bitmaps, one-bit strike text) are compared exactly instead.
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

// The checked-in picture at tests/<relative>, written anew from the device context first when
// KRX_UPDATE_REFERENCE is set; false (with a failure) when it cannot be read or its size differs.
inline bool ReferenceFor(HDC hdc, const std::string& relative, const PngImage& got, PngImage& want) {
    const std::string path = std::string(KRX_SOURCE_DIR) + "/tests/" + relative;
    if (std::getenv("KRX_UPDATE_REFERENCE") != nullptr) {
        EXPECT_TRUE(WritePng(hdc, path.c_str())) << path;
    }
    if (!ReadPng(path.c_str(), want)) {
        ADD_FAILURE() << "cannot read " << path;
        return false;
    }
    EXPECT_EQ(got.width, want.width) << relative;
    EXPECT_EQ(got.height, want.height) << relative;
    return got.width == want.width && got.height == want.height;
}

// Compares what the device context holds with the picture at tests/<relative>. A small picture
// names how many pixels may differ (nMostOff): there 0.5% would hide a glyph moved by a line.
inline void ExpectMatchesReference(HDC hdc, const std::string& relative, int nMostOff = -1) {
    const PngImage got = CapturePixels(hdc);
    PngImage want;
    if (!ReferenceFor(hdc, relative, got, want)) return;
    if (nMostOff < 0) nMostOff = static_cast<int>(got.pixels.size() / 200);
    EXPECT_LE(DifferentPixels(got, want), nMostOff) << relative;
}

// Compares exactly: not one pixel may differ. The first few differences are named.
inline void ExpectExactlyReference(HDC hdc, const std::string& relative) {
    const PngImage got = CapturePixels(hdc);
    PngImage want;
    if (!ReferenceFor(hdc, relative, got, want)) return;
    int off = 0;
    for (size_t i = 0; i < got.pixels.size(); ++i) {
        if (got.pixels[i] == want.pixels[i]) continue;
        if (++off <= 5)
            ADD_FAILURE() << relative << ": pixel " << i % got.width << ", " << i / got.width << " is " << std::hex
                          << got.pixels[i] << ", the picture has " << want.pixels[i];
    }
    EXPECT_EQ(off, 0) << relative << ": pixels that differ";
}
