// Scrolling a grid window of 1920 by 1080 pixels (rows of 20 pixels, 24 columns of 80, a short
// text in every cell, supplied from the row and column so that a grid of a billion rows costs no
// memory): one row down and one page down in grids of 10^3 and 10^7 rows, each step scrolled and
// painted as a person's scroll bar click does it, with the cells drawn per step (a one-row step
// is to draw one row's cells); and a thumb jump to the middle and back in grids of 10^3 and 10^9
// rows, whose cost is not to depend on the row count.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "grid/controls/static_control.h"
#include "grid/core/grid_wnd.h"
#include "host/resources/host_resources.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kColWidth = 80, kRowHeight = 20;
constexpr ROWCOL kCols = kWidth / kColWidth - 1;

// Counts the cells it draws.
struct CountingStatic : CGXStatic {
    using CGXStatic::CGXStatic;
    long nDrawn = 0;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override {
        ++nDrawn;
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    }
};

struct ScrollGrid : CGXGridWnd {
    bool GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode, int nType) override {
        if (nType != gxCellStyle || nRow == 0 || nCol == 0) return CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mode, nType);
        char text[24];
        std::snprintf(text, sizeof text, "%lu.%lu", static_cast<unsigned long>(nRow), static_cast<unsigned long>(nCol));
        style.SetValue(text);
        return true;
    }
};

// A top-level window that is the grid, as the demo shows it.
struct ScrollFixture {
    ScrollGrid grid;
    CountingStatic* pControl = nullptr;

    explicit ScrollFixture(ROWCOL nRows) {
        host_resources::RegisterForProcess();
        // Shown once initialised: a grid paints nothing before.
        grid.CreateEx(0, GX_GRID_WNDCLASS, "scroll", WS_POPUP | WS_VSCROLL, 0, 0, kWidth, kHeight, nullptr, 0);
        grid.SetScrollBarMode(SB_VERT, GX_SCROLL_WHENNEEDED | GX_SCROLL_NOEMPTYEND, false);
        grid.Initialize();
        pControl = new CountingStatic(&grid);
        grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl, true);
        grid.GetData()->SetRowCount(nRows);
        grid.GetData()->SetColCount(kCols);
        grid.SetDefaultRowHeight(kRowHeight, GX_INVALIDATE, gxNoRecord);
        grid.SetDefaultColWidth(kColWidth, GX_INVALIDATE, gxNoRecord);
        grid.SetRowHeight(0, 0, kRowHeight, nullptr, GX_INVALIDATE, gxNoRecord);
        grid.UpdateScrollbars();
        grid.ShowWindow(SW_SHOW);
        grid.Invalidate(FALSE);
        grid.UpdateWindow();
    }
};

void Steps(benchmark::State& state, UINT nCode) {
    ScrollFixture f(static_cast<ROWCOL>(state.range(0)));
    long nSteps = 0;
    const long nDrawn0 = f.pControl->nDrawn;
    for (auto _ : state) {
        f.grid.SendMessage(WM_VSCROLL, nCode);
        f.grid.UpdateWindow();
        // At the end of a small grid, back to the top without painting.
        if (f.grid.GetTopRow() >= f.grid.GetLastSensibleTopRow()) {
            f.grid.SetTopRow(1, GX_INVALIDATE);
            f.grid.ValidateRect(nullptr);
        }
        ++nSteps;
    }
    state.counters["cells_per_step"] = double(f.pControl->nDrawn - nDrawn0) / double(nSteps);
}

void BM_ScrollLineDown(benchmark::State& state) { Steps(state, SB_LINEDOWN); }
void BM_ScrollPageDown(benchmark::State& state) { Steps(state, SB_PAGEDOWN); }

// The thumb dragged to the middle of the bar and released, then to the top: each a full repaint.
void BM_ThumbJumpToMiddle(benchmark::State& state) {
    ScrollFixture f(static_cast<ROWCOL>(state.range(0)));
    int nMin = 0, nMax = 0;
    f.grid.GetScrollRange(SB_VERT, &nMin, &nMax);
    const UINT nMiddle = static_cast<UINT>(nMax / 2);
    bool bMiddle = false;
    for (auto _ : state) {
        bMiddle = !bMiddle;
        f.grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bMiddle ? nMiddle : 0));
        f.grid.UpdateWindow();
    }
    if (f.grid.GetScrollFactor(SB_VERT) == 0) state.SkipWithError("no scroll factor");
}

}  // namespace

BENCHMARK(BM_ScrollLineDown)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollPageDown)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThumbJumpToMiddle)->Arg(1000)->Arg(1000000000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
