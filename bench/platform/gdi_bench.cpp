// The graphics layer against the same work done directly in Cairo: small rectangle fills, short
// texts, and one full-screen frame of a 60 × 20 cell grid.
#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win/gdi.h"
#include "platform/win/png_writer.h"

namespace {

constexpr int kW = 1920, kH = 1080, kCols = 60, kRows = 20;
constexpr int kCellW = kW / kCols, kCellH = kH / kRows;

COLORREF ColorAt(int i) {
    static const COLORREF kColors[4] = {RGB(255, 255, 255), RGB(212, 208, 200), RGB(255, 255, 225), RGB(166, 202, 240)};
    return kColors[i & 3];
}

void SetRgb(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// ---- direct Cairo with FreeType, done the way a careful Cairo program would ------------------

struct CairoText {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    cairo_font_face_t* cface = nullptr;
    cairo_scaled_font_t* font = nullptr;
    unsigned long glyph[256]{};
    int advance[256]{};
    int ascent = 0;
    CairoText() {
        FT_Init_FreeType(&lib);
        FT_New_Face(lib, "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 0, &face);
        cface = cairo_ft_font_face_create_for_ft_face(face, 0);
        cairo_matrix_t fm, ctm;
        cairo_matrix_init_scale(&fm, 11, 11);
        cairo_matrix_init_identity(&ctm);
        cairo_font_options_t* opt = cairo_font_options_create();
        cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
        font = cairo_scaled_font_create(cface, &fm, &ctm, opt);
        cairo_font_options_destroy(opt);
        for (int c = 0; c < 256; ++c) {
            glyph[c] = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
            cairo_glyph_t g{glyph[c], 0, 0};
            cairo_text_extents_t e;
            cairo_scaled_font_glyph_extents(font, &g, 1, &e);
            advance[c] = static_cast<int>(e.x_advance + 0.5);
        }
        ascent = 10;
    }
    ~CairoText() {
        cairo_scaled_font_destroy(font);
        cairo_font_face_destroy(cface);
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
    }
    int Width(const char* s, int n) const {
        int w = 0;
        for (int i = 0; i < n; ++i) w += advance[static_cast<unsigned char>(s[i])];
        return w;
    }
    void Show(cairo_t* cr, int x, int y, const char* s, int n) const {
        cairo_glyph_t g[64];
        for (int i = 0; i < n; ++i) {
            g[i] = {glyph[static_cast<unsigned char>(s[i])], static_cast<double>(x), static_cast<double>(y + ascent)};
            x += advance[static_cast<unsigned char>(s[i])];
        }
        cairo_set_scaled_font(cr, font);
        cairo_show_glyphs(cr, g, n);
    }
};

HFONT Arial11() {
    LOGFONT lf{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "Arial");
    return CreateFontIndirect(&lf);
}

// ---- 10 000 small rectangle fills -----------------------------------------------------------

void BM_Rects_Layer(benchmark::State& state) {
    HDC dc = CreateImageDC(kW, kH);
    HBRUSH brushes[4];
    for (int i = 0; i < 4; ++i) brushes[i] = CreateSolidBrush(ColorAt(i));
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const RECT r{(i * 37) % (kW - 20), (i * 53) % (kH - 12), 0, 0};
            const RECT rr{r.left, r.top, r.left + 16, r.top + 10};
            FillRect(dc, &rr, brushes[i & 3]);
        }
        benchmark::DoNotOptimize(GetPixel(dc, 0, 0));
    }
    for (HBRUSH b : brushes) DeleteObject(b);
    DeleteDC(dc);
}
BENCHMARK(BM_Rects_Layer)->Unit(benchmark::kMillisecond);

void BM_Rects_Cairo(benchmark::State& state) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
    cairo_t* cr = cairo_create(s);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            SetRgb(cr, ColorAt(i));
            cairo_rectangle(cr, (i * 37) % (kW - 20), (i * 53) % (kH - 12), 16, 10);
            cairo_fill(cr);
        }
        cairo_surface_flush(s);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(s)[0]);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}
BENCHMARK(BM_Rects_Cairo)->Unit(benchmark::kMillisecond);

// ---- 10 000 short texts ---------------------------------------------------------------------

void BM_Texts_Layer(benchmark::State& state) {
    HDC dc = CreateImageDC(kW, kH);
    HFONT font = Arial11();
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    char text[16];
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const int n = std::snprintf(text, sizeof text, "Cell %d", i % 1000);
            TextOut(dc, (i * 37) % (kW - 60), (i * 53) % (kH - 14), text, n);
        }
        benchmark::DoNotOptimize(GetPixel(dc, 0, 0));
    }
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
}
BENCHMARK(BM_Texts_Layer)->Unit(benchmark::kMillisecond);

void BM_Texts_Cairo(benchmark::State& state) {
    CairoText ct;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
    cairo_t* cr = cairo_create(s);
    char text[16];
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const int n = std::snprintf(text, sizeof text, "Cell %d", i % 1000);
            cairo_set_source_rgb(cr, 0, 0, 0);
            ct.Show(cr, (i * 37) % (kW - 60), (i * 53) % (kH - 14), text, n);
        }
        cairo_surface_flush(s);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(s)[0]);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}
BENCHMARK(BM_Texts_Cairo)->Unit(benchmark::kMillisecond);

// ---- one frame of a 60 × 20 grid: backgrounds in runs, grid lines, a text per cell, a few
// pattern-brush cells ---------------------------------------------------------------------------

void BM_GridFrame_Layer(benchmark::State& state) {
    HDC dc = CreateImageDC(kW, kH);
    HFONT font = Arial11();
    HBRUSH brushes[4];
    for (int i = 0; i < 4; ++i) brushes[i] = CreateSolidBrush(ColorAt(i));
    HBRUSH line = CreateSolidBrush(RGB(192, 192, 192));
    const WORD bits[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP bm = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH pattern = CreatePatternBrush(bm);
    SelectObject(dc, font);
    char text[16];
    for (auto _ : state) {
        SetBkMode(dc, OPAQUE);
        for (int r = 0; r < kRows; ++r) {
            // One fill per run of equal backgrounds: the header column, then the body.
            RECT head{0, r * kCellH, kCellW, (r + 1) * kCellH};
            FillRect(dc, &head, brushes[1]);
            RECT body{kCellW, r * kCellH, kW, (r + 1) * kCellH};
            FillRect(dc, &body, brushes[r == 0 ? 1 : (r & 1) * 2]);
        }
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        for (int i = 0; i < 8; ++i) {
            RECT cell{(5 + i * 7) * kCellW, (3 + i * 2) * kCellH, (6 + i * 7) * kCellW, (4 + i * 2) * kCellH};
            FillRect(dc, &cell, pattern);
        }
        for (int c = 0; c <= kCols; ++c) PatBlt(dc, c * kCellW, 0, 1, kH, PATCOPY);  // current brush: white
        SelectObject(dc, line);
        for (int c = 0; c <= kCols; ++c) PatBlt(dc, c * kCellW, 0, 1, kH, PATCOPY);
        for (int r = 0; r <= kRows; ++r) PatBlt(dc, 0, r * kCellH, kW, 1, PATCOPY);
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SetBkMode(dc, TRANSPARENT);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                const int n = std::snprintf(text, sizeof text, "%d", r * kCols + c);
                RECT cell{c * kCellW + 2, r * kCellH + 1, (c + 1) * kCellW - 2, (r + 1) * kCellH};
                DrawText(dc, text, n, &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (c & 1 ? DT_RIGHT : DT_LEFT));
            }
        benchmark::DoNotOptimize(GetPixel(dc, 0, 0));
    }
    // KRX_BENCH_PNG=file keeps a picture of the frame, to look at what was measured.
    if (const char* path = std::getenv("KRX_BENCH_PNG")) WritePng(dc, path);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    for (HBRUSH b : brushes) DeleteObject(b);
    DeleteObject(line);
    DeleteObject(pattern);
    DeleteObject(bm);
    DeleteDC(dc);
}
BENCHMARK(BM_GridFrame_Layer)->Unit(benchmark::kMillisecond);

void BM_GridFrame_Cairo(benchmark::State& state) {
    CairoText ct;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
    cairo_t* cr = cairo_create(s);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
    auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(tile));
    const int tstride = cairo_image_surface_get_stride(tile) / 4;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) px[y * tstride + x] = ((x + y) & 1) ? 0xFFFFFF : 0;
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    char text[16];
    for (auto _ : state) {
        for (int r = 0; r < kRows; ++r) {
            SetRgb(cr, ColorAt(1));
            cairo_rectangle(cr, 0, r * kCellH, kCellW, kCellH);
            cairo_fill(cr);
            SetRgb(cr, ColorAt(r == 0 ? 1 : (r & 1) * 2));
            cairo_rectangle(cr, kCellW, r * kCellH, kW - kCellW, kCellH);
            cairo_fill(cr);
        }
        for (int i = 0; i < 8; ++i) {
            cairo_set_source(cr, pattern);
            cairo_rectangle(cr, (5 + i * 7) * kCellW, (3 + i * 2) * kCellH, kCellW, kCellH);
            cairo_fill(cr);
        }
        for (int pass = 0; pass < 2; ++pass) {
            SetRgb(cr, pass == 0 ? RGB(255, 255, 255) : RGB(192, 192, 192));
            for (int c = 0; c <= kCols; ++c) {
                cairo_rectangle(cr, c * kCellW, 0, 1, kH);
                cairo_fill(cr);
            }
        }
        for (int r = 0; r <= kRows; ++r) {
            cairo_rectangle(cr, 0, r * kCellH, kW, 1);
            cairo_fill(cr);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                const int n = std::snprintf(text, sizeof text, "%d", r * kCols + c);
                const int left = c * kCellW + 2, right = (c + 1) * kCellW - 2, top = r * kCellH + 1;
                const int w = ct.Width(text, n);
                const int x = c & 1 ? right - w : left;
                cairo_save(cr);
                cairo_rectangle(cr, left, top, right - left, (r + 1) * kCellH - top);
                cairo_clip(cr);
                ct.Show(cr, x, top + ((r + 1) * kCellH - top - 13) / 2, text, n);
                cairo_restore(cr);
            }
        cairo_surface_flush(s);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(s)[0]);
    }
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}
BENCHMARK(BM_GridFrame_Cairo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
