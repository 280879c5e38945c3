#pragma once
// A white test surface with pixel helpers. Set KRX_SNAPSHOT_DIR to keep a PNG of each canvas.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/gdi.h"
#include "platform/win/png_writer.h"

class Canvas {
public:
    Canvas(int w, int h, COLORREF fill = RGB(255, 255, 255)) : w_(w), h_(h), dc_(CreateImageDC(w, h)) {
        HBRUSH b = CreateSolidBrush(fill);
        RECT r{0, 0, w, h};
        FillRect(dc_, &r, b);
        DeleteObject(b);
    }
    ~Canvas() {
        if (const char* dir = std::getenv("KRX_SNAPSHOT_DIR")) {
            const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            if (info != nullptr)
                WritePng(dc_, (std::string(dir) + "/" + info->test_suite_name() + "_" + info->name() + ".png").c_str());
        }
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    operator HDC() const { return dc_; }
    // The pixel at device (x, y), whatever the clip region and origins are.
    COLORREF At(int x, int y) const {
        const int saved = SaveDC(dc_);
        SelectClipRgn(dc_, nullptr);
        SetViewportOrgEx(dc_, 0, 0, nullptr);
        SetWindowOrgEx(dc_, 0, 0, nullptr);
        const COLORREF c = GetPixel(dc_, x, y);
        RestoreDC(dc_, saved);
        return c;
    }
    // Pixels of a colour inside [l, r) × [t, b).
    int Count(COLORREF c, int l, int t, int r, int b) const {
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) n += At(x, y) == c;
        return n;
    }
    int Count(COLORREF c) const { return Count(c, 0, 0, w_, h_); }
    // The smallest rectangle around pixels that are not the colour c.
    RECT InkBox(COLORREF background = RGB(255, 255, 255)) const {
        RECT box{w_, h_, 0, 0};
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                if (At(x, y) != background) {
                    box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1), box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

private:
    int w_, h_;
    HDC dc_;
};

// Draws each scene in a cell of its own, left to right in rows of `columns`: the viewport origin at
// the cell's corner, the drawing clipped to the cell, and the drawing state restored after it.
inline void DrawCells(HDC dc, int cellW, int cellH, int columns, const std::vector<std::function<void(HDC)>>& scenes) {
    for (size_t i = 0; i < scenes.size(); ++i) {
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, static_cast<int>(i) % columns * cellW, static_cast<int>(i) / columns * cellH, nullptr);
        IntersectClipRect(dc, 0, 0, cellW, cellH);
        scenes[i](dc);
        RestoreDC(dc, saved);
    }
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
