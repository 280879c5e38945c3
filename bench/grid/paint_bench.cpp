// A full repaint of a 1920 by 1080 grid (24 columns of 80 pixels, 54 rows of 20 pixels with the
// header row and column, a short text in every cell, grid lines) through the grid's paint into a
// memory device context, and the same picture drawn with plain Cairo calls. The grid's paint is
// to cost at most 1.3 times the plain drawing; a repaint of an unchanged grid composes no style
// and allocates nothing per cell (allocs_per_iter counts every heap allocation of a repaint). Also
// the heap bytes of the composed-style cache that a full repaint fills.
#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "grid/controls/static_control.h"
#include "grid/core/grid_core.h"
#include "host/resources/host_resources.h"
#include "platform/framework/dc.h"
#include "alloc_counter.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kColWidth = 80, kRowHeight = 20;
constexpr int kCols = kWidth / kColWidth, kRows = kHeight / kRowHeight;

// A grid whose cells say where they are, with the static text control drawing every cell.
struct PaintGrid {
    CGXGridCore grid;
    PaintGrid() {
        host_resources::RegisterForProcess();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, kWidth, kHeight));
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), true);
        grid.GetData()->SetRowCount(1000);
        grid.GetData()->SetColCount(kCols - 1);
        grid.SetDefaultRowHeight(kRowHeight, GX_INVALIDATE, gxNoRecord);
        grid.SetDefaultColWidth(kColWidth, GX_INVALIDATE, gxNoRecord);
        grid.SetRowHeight(0, 0, kRowHeight, nullptr, GX_INVALIDATE, gxNoRecord);
        grid.SetColWidth(0, 0, kColWidth, nullptr, GX_INVALIDATE, gxNoRecord);
        char text[16];
        for (int r = 1; r < kRows; ++r)
            for (int c = 1; c < kCols; ++c) {
                std::snprintf(text, sizeof text, "%d.%d", r, c);
                CGXStyle s;
                s.SetValue(text);
                grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override);
            }
    }
};

void BM_GridPaint(benchmark::State& state) {
    PaintGrid g;
    CDC dc;
    dc.CreateImage(kWidth, kHeight);
    g.grid.DrawGrid(&dc);  // the first paint composes and creates what later ones reuse
    long nAllocs = 0;
    for (auto _ : state) {
        long n0 = g_allocations.load();
        g.grid.DrawGrid(&dc);
        nAllocs += g_allocations.load() - n0;
    }
    state.counters["allocs_per_iter"] = double(nAllocs) / double(state.iterations());
}
BENCHMARK(BM_GridPaint)->Unit(benchmark::kMicrosecond);

// The heap that the composed-style cache of the full window holds: the styles that a repaint
// looks up, one per visible cell, composed into the cache before the first paint (which then
// composes nothing more). Counted in bytes and per visible cell.
void BM_StyleCacheBytes(benchmark::State& state) {
    long long nBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto pGrid = std::make_unique<PaintGrid>();
        state.ResumeTiming();
        const long long nBefore = g_heapBytes.load();
        for (ROWCOL r = 0; r < ROWCOL(kRows); ++r)
            for (ROWCOL c = 0; c < ROWCOL(kCols); ++c) benchmark::DoNotOptimize(&pGrid->grid.LookupStyleRowCol(r, c));
        nBytes = g_heapBytes.load() - nBefore;
        state.PauseTiming();
        pGrid.reset();
        state.ResumeTiming();
    }
    state.counters["cache_bytes"] = double(nBytes);
    state.counters["bytes_per_cell"] = double(nBytes) / double(kRows * kCols);
}
BENCHMARK(BM_StyleCacheBytes)->Unit(benchmark::kMicrosecond)->Iterations(3);

// The same picture with Cairo alone: a white table, grey headers, the texts, and one line per
// row and column.
void BM_PlainCairo(benchmark::State& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    FT_Library ft = nullptr;
    FT_Face face = nullptr;
    FT_Init_FreeType(&ft);
    if (FT_New_Face(ft, "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 0, &face) != 0) {
        state.SkipWithError("Liberation Sans not found");
        return;
    }
    cairo_font_face_t* cface = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr, cface);
    cairo_set_font_size(cr, 11);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    char text[16];
    long nAllocs = 0;
    for (auto _ : state) {
        long n0 = g_allocations.load();
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_rectangle(cr, 0, 0, kWidth, kHeight);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
        cairo_rectangle(cr, 0, 0, kWidth, kRowHeight);
        cairo_rectangle(cr, 0, 0, kColWidth, kHeight);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                if (r == 0 && c == 0) continue;
                std::snprintf(text, sizeof text, "%d.%d", r, c);
                cairo_move_to(cr, c * kColWidth + 3, r * kRowHeight + 14);
                cairo_show_text(cr, text);
            }
        cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
        for (int r = 0; r < kRows; ++r) cairo_rectangle(cr, 0, r * kRowHeight, kWidth, 1);
        for (int c = 0; c < kCols; ++c) cairo_rectangle(cr, c * kColWidth, 0, 1, kHeight);
        cairo_fill(cr);
        cairo_surface_flush(surface);
        nAllocs += g_allocations.load() - n0;
    }
    state.counters["allocs_per_iter"] = double(nAllocs) / double(state.iterations());
    cairo_destroy(cr);
    cairo_font_face_destroy(cface);
    cairo_surface_destroy(surface);
    FT_Done_Face(face);
    FT_Done_FreeType(ft);
}
BENCHMARK(BM_PlainCairo)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
