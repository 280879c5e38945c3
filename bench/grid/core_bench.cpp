// The grid core: composing a typical dialog cell's style, and hit-testing a point and computing a
// cell's rectangle in a 1080p grid area of 10^3 and of 10^9 rows scrolled to its middle. The cost
// of the last two must not depend on the row count. Storing a value into 100 000 cells with its
// undo recorded, and undoing it. Inserting a row at the top of 10^6 rows with undo on.
#include <benchmark/benchmark.h>

#include "grid/core/grid_core.h"
#include "host/resources/host_resources.h"

namespace {

// A core with its own parameters, the host's strings registered, and a 1920 by 1080 grid area.
struct BenchGrid {
    CGXGridCore grid;
    explicit BenchGrid(ROWCOL nRows, ROWCOL nCols = 20) {
        host_resources::RegisterForProcess();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 1920, 1080));
        grid.GetData()->SetRowCount(nRows);
        grid.GetData()->SetColCount(nCols);
    }
};

void BM_ComposeDialogCell(benchmark::State& state) {
    BenchGrid b(20, 8);
    CGXGridCore& g = b.grid;
    // A check box cell of the editor: its own value and control, its row's and column's
    // alignment, the table's base style, and the standard style to complete it.
    CGXStyle base;
    base.SetInterior(RGB(255, 255, 225)).SetTextColor(RGB(0, 0, 128));
    WORD wBase = g.GetStylesMap()->RegisterStyle("Interrupt", base, false);
    CGXStyle s;
    g.StoreStyleRowCol(5, 3, &s.SetValue("1").SetControlId(52523), ModifyMode::Override);
    s.Free();
    g.StoreStyleRowCol(5, 0, &s.SetVerticalAlignment(4), ModifyMode::Override, gxRangeStyle);
    s.Free();
    g.StoreStyleRowCol(0, 3, &s.SetHorizontalAlignment(1), ModifyMode::Override, gxRangeStyle);
    s.Free();
    g.StoreStyleRowCol(0, 0, &s.SetBaseStyle(wBase), ModifyMode::Override, gxRangeStyle);
    CGXStyle composed;
    for (auto _ : state) {
        g.ComposeStyleRowCol(5, 3, &composed);
        benchmark::DoNotOptimize(composed);
    }
}
BENCHMARK(BM_ComposeDialogCell);

void BM_HitTest(benchmark::State& state) {
    BenchGrid b(static_cast<ROWCOL>(state.range(0)));
    b.grid.SetTopRow(static_cast<ROWCOL>(state.range(0) / 2));
    ROWCOL nRow = 0, nCol = 0;
    CRect rect;
    for (auto _ : state) {
        // Near the bottom right of the area: the walk over window rows and columns is longest.
        benchmark::DoNotOptimize(b.grid.HitTest(CPoint(1700, 1000), &nRow, &nCol, &rect));
    }
    state.counters["row"] = static_cast<double>(nRow);
}
BENCHMARK(BM_HitTest)->Arg(1000)->Arg(1000000000);

void BM_CalcCellRect(benchmark::State& state) {
    BenchGrid b(static_cast<ROWCOL>(state.range(0)));
    ROWCOL nTop = static_cast<ROWCOL>(state.range(0) / 2);
    b.grid.SetTopRow(nTop);
    for (auto _ : state) benchmark::DoNotOptimize(b.grid.CalcCellRect(nTop + 40, 15));
}
BENCHMARK(BM_CalcCellRect)->Arg(1000)->Arg(1000000000);

// 10 000 rows of 10 cells, each store recording the old styles of all of them.
constexpr ROWCOL kStoreRows = 10000, kStoreCols = 10;

void BM_SetValueRangeWithUndo(benchmark::State& state) {
    BenchGrid b(kStoreRows, kStoreCols);
    const CGXRange range(1, 1, kStoreRows, kStoreCols);
    for (auto _ : state) {
        if (!b.grid.SetValueRange(range, "12.5", ModifyMode::Override, gxCellStyle, GX_INVALIDATE))
            state.SkipWithError("nothing stored");
        state.PauseTiming();
        b.grid.Undo();
        state.ResumeTiming();
    }
    state.counters["cells"] = double(range.GetWidth()) * range.GetHeight();
}
BENCHMARK(BM_SetValueRangeWithUndo)->Unit(benchmark::kMillisecond);

void BM_UndoSetValueRange(benchmark::State& state) {
    BenchGrid b(kStoreRows, kStoreCols);
    const CGXRange range(1, 1, kStoreRows, kStoreCols);
    for (auto _ : state) {
        state.PauseTiming();
        b.grid.SetValueRange(range, "12.5", ModifyMode::Override, gxCellStyle, GX_INVALIDATE);
        state.ResumeTiming();
        if (!b.grid.Undo()) state.SkipWithError("nothing to undo");
    }
}
BENCHMARK(BM_UndoSetValueRange)->Unit(benchmark::kMillisecond);

// One row inserted at row 1 of 10^6 rows, recorded for undo (the undo list stays at its limit of
// 512 steps, dropping the oldest each time). Argument 1: every row holds a styled cell, so that
// the data store moves a million rows; 0: the store holds no style.
void BM_InsertRowAtTop(benchmark::State& state) {
    BenchGrid b(1000000, 20);
    if (state.range(0) != 0) {
        CGXStyle s;
        s.SetValue("x");
        for (ROWCOL r = 1; r <= 1000000; ++r) b.grid.GetData()->StoreStyle(r, 1 + r % 20, s, ModifyMode::Override);
    }
    for (auto _ : state) benchmark::DoNotOptimize(b.grid.InsertRows(1, 1));
    state.counters["rows"] = static_cast<double>(b.grid.GetRowCount());
    state.counters["undo"] = static_cast<double>(b.grid.GetParam()->GetUndoList().GetCount());
}
BENCHMARK(BM_InsertRowAtTop)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
