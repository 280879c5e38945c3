// Merged cells: evaluating the three header rows of the Interrupt Settings editor's grid, from
// cleared pools (the first paint after the mode is set) and again over the runs already found
// (every later paint of the header rows).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "grid/core/grid_core.h"
#include "grid/style/color.h"
#include "host/resources/host_resources.h"

namespace {

constexpr DWORD kStatic = 52513;
constexpr DWORD kCheckBox = 52523;
constexpr DWORD kPushButton = 52514;
constexpr ROWCOL kInterrupts = 16;

// The editor's grid as its dialog builds it: five columns, three frozen header rows with their
// captions, and one row per interrupt with a caption, three check boxes and, in five rows, a
// details button.
struct EditorGrid {
    CGXGridCore grid;

    EditorGrid() {
        host_resources::RegisterForProcess();
        grid.Initialize();
        grid.GetData()->SetColCount(5);
        grid.GetData()->SetRowCount(kInterrupts + 3);
        grid.GetParam()->SetHeaderRows(3);
        grid.GetParam()->SetFrozenRows(3);
        grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);

        CGXStyle s;
        Range(0, 0, gxRangeStyle, s.SetHorizontalAlignment(1).SetVerticalAlignment(4).SetControlId(kStatic).SetWrapText(true));
        Range(0, 1, gxRangeStyle, Fresh(s).SetHorizontalAlignment(0));

        const StylePen pen = StylePen().SetColor(GXSYSCOLOR(COLOR_BTNFACE));
        Cell(1, 1, Fresh(s).SetControlId(kCheckBox).SetChoicesList("Globally enable KRX Interrupts").SetValue("1").SetHorizontalAlignment(0));
        Cell(2, 1, Fresh(s).SetControlId(kCheckBox).SetChoicesList("Globally disable KRX Interrupts").SetValue("0").SetHorizontalAlignment(0));
        Cell(3, 1, Fresh(s).SetValue("KRX Interrupts"));
        Cell(1, 2, Fresh(s).SetHorizontalAlignment(0).SetBorders(gxBorderRight, pen).SetBorders(gxBorderBottom, pen));
        Cell(1, 3, Fresh(s).SetHorizontalAlignment(0).SetBorders(gxBorderLeft, pen).SetBorders(gxBorderBottom, pen));
        Fresh(s).SetValue("Enable/Disable KRX Interrupts").SetMergeCell(1).SetBorders(gxBorderTop, pen);
        for (ROWCOL c = 2; c <= 3; ++c) Cell(2, c, s);
        Cell(3, 2, Fresh(s).SetValue("Enable"));
        Cell(3, 3, Fresh(s).SetValue("Disable"));
        Fresh(s).SetValue("Reset previous KRX interrupt requests").SetMergeCell(2);
        for (ROWCOL r = 1; r <= 3; ++r) Cell(r, 4, s);
        Fresh(s).SetValue(" ").SetMergeCell(6);
        for (ROWCOL r = 1; r <= 3; ++r) Cell(r, 5, s);

        char text[64];
        for (ROWCOL i = 0; i < kInterrupts; ++i) {
            const ROWCOL r = i + 4;
            std::snprintf(text, sizeof text, "Int%u - Interrupt %u", i, i);
            Cell(r, 1, Fresh(s).SetValue(text));
            for (ROWCOL c = 2; c <= 4; ++c) Cell(r, c, Fresh(s).SetControlId(kCheckBox).SetValue(i % 3 == c - 2 ? "1" : "0"));
            if (i < 5) Cell(r, 5, Fresh(s).SetControlId(kPushButton).SetChoicesList("Details").SetValue("Capture"));
        }
    }
    static CGXStyle& Fresh(CGXStyle& s) {
        s.Free();
        return s;
    }
    void Cell(ROWCOL r, ROWCOL c, const CGXStyle& s) { grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override); }
    void Range(ROWCOL r, ROWCOL c, int nType, const CGXStyle& s) { grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override, nType); }

    // The header runs the dialog expects, or a message for the benchmark to stop with.
    const char* CheckRuns() {
        CGXRange range;
        if (!grid.GetMergedCellsRowCol(2, 3, range) || range != CGXRange(2, 2, 2, 3)) return "no run of the Enable/Disable caption";
        if (!grid.GetMergedCellsRowCol(2, 4, range) || range != CGXRange(1, 4, 3, 4)) return "no run of the Reset caption";
        if (!grid.GetMergedCellsRowCol(3, 5, range) || range != CGXRange(1, 5, 3, 5)) return "no run of the blank caption";
        return nullptr;
    }
};

const CGXRange kHeaderRows = CGXRange().SetRows(1, 3);

void BM_EvalHeaderMergeFromClearedPools(benchmark::State& state) {
    EditorGrid e;
    for (auto _ : state) {
        state.PauseTiming();
        e.grid.SetMergeCellsMode(gxnMergeDisable, false);
        e.grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
        state.ResumeTiming();
        benchmark::DoNotOptimize(e.grid.EvalMergeCells(kHeaderRows));
    }
    if (const char* pszError = e.CheckRuns()) state.SkipWithError(pszError);
}
BENCHMARK(BM_EvalHeaderMergeFromClearedPools);

void BM_EvalHeaderMergeAgain(benchmark::State& state) {
    EditorGrid e;
    e.grid.EvalMergeCells(kHeaderRows);
    for (auto _ : state) benchmark::DoNotOptimize(e.grid.EvalMergeCells(kHeaderRows));
    if (const char* pszError = e.CheckRuns()) state.SkipWithError(pszError);
}
BENCHMARK(BM_EvalHeaderMergeAgain);

}  // namespace

BENCHMARK_MAIN();
