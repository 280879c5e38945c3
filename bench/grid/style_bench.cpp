// Styles: one merge of a typical cell style, a base-style chain of three, the subset test, and
// the archive write and read of 10 000 styles. The allocs_per_iter counter counts every heap
// allocation made inside the timed loop (malloc is interposed below).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <vector>

#include "grid/style/styles_map.h"
#include "alloc_counter.h"

namespace {
// A cell as a grid stores it: a value, an alignment, a control and one border.
CGXStyle TypicalCell() {
    CGXStyle s;
    s.SetValue("1234.5").SetHorizontalAlignment(2).SetControlId(52523);
    s.SetBorders(gxBorderBottom, StylePen().SetColor(RGB(0, 0, 128)));
    return s;
}

void ReportAllocations(benchmark::State& state, long nBefore) {
    state.counters["allocs_per_iter"] = benchmark::Counter(
        static_cast<double>(g_allocations.load() - nBefore) / static_cast<double>(state.iterations()));
}

void BM_ChangeStyleApplyNew(benchmark::State& state) {
    const CGXStyle source = TypicalCell();
    // The target already owns a font and a border array (and room for the value), as a composed
    // style that is reused from cell to cell does.
    CGXStyle target;
    target.SetFont(CGXFont().SetDefault()).SetBorders(gxBorderTop, StylePen()).SetValue("room for a value");
    long nBefore = g_allocations.load();
    for (auto _ : state) {
        // Take away what the merge gives, keeping the objects: flag stores only.
        target.SetIncludeValue(false).SetIncludeHorizontalAlignment(false).SetIncludeControlId(false);
        target.SetIncludeBorders(gxBorderBottom, false);
        target.ChangeStyle(source, ModifyMode::ApplyNew);
        benchmark::DoNotOptimize(target);
    }
    ReportAllocations(state, nBefore);
}
BENCHMARK(BM_ChangeStyleApplyNew);

void BM_LoadBaseStyleChainOfThree(benchmark::State& state) {
    CGXStylesMap map;
    CGXStyle s;
    s.SetTextColor(RGB(1, 2, 3)).SetWrapText(true);
    WORD a = map.RegisterStyle("A", s, false);
    s.Free();
    s.SetVerticalAlignment(4).SetBaseStyle(a);
    WORD b = map.RegisterStyle("B", s, false);
    s.Free();
    s.SetInterior(RGB(255, 255, 0)).SetBaseStyle(b);
    WORD c = map.RegisterStyle("C", s, false);
    CGXStyle cell = TypicalCell();
    cell.SetBaseStyle(c);
    CGXStyle composed;
    composed.SetFont(CGXFont().SetDefault()).SetBorders(gxBorderBottom, StylePen()).SetValue("room for a value");
    long nBefore = g_allocations.load();
    for (auto _ : state) {
        composed.Assign(cell);
        composed.LoadBaseStyle(map);
        benchmark::DoNotOptimize(composed);
    }
    ReportAllocations(state, nBefore);
}
BENCHMARK(BM_LoadBaseStyleChainOfThree);

void BM_IsSubSet(benchmark::State& state) {
    CGXStyle standard;
    standard.SetDefault();
    standard.ChangeStyle(TypicalCell(), ModifyMode::Override);
    CGXStyle cell = TypicalCell();
    cell.SetFont(CGXFont().SetFaceName("Arial").SetSize(8));
    for (auto _ : state) benchmark::DoNotOptimize(standard.IsSubSet(cell));
}
BENCHMARK(BM_IsSubSet);

std::vector<CGXStyle> TenThousandStyles() {
    std::vector<CGXStyle> styles(10000);
    for (size_t i = 0; i < styles.size(); ++i) {
        styles[i] = TypicalCell();
        styles[i].SetValue(FormatString("value %zu", i)).SetFont(CGXFont().SetBold(i % 2 == 0));
    }
    return styles;
}

void BM_ArchiveWrite10000Styles(benchmark::State& state) {
    std::vector<CGXStyle> styles = TenThousandStyles();
    size_t nBytes = 0;
    for (auto _ : state) {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        for (CGXStyle& s : styles) ar << &s;
        ar.Close();
        nBytes = file.GetLength();
        benchmark::DoNotOptimize(file.GetData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * nBytes));
}
BENCHMARK(BM_ArchiveWrite10000Styles)->Unit(benchmark::kMillisecond);

void BM_ArchiveRead10000Styles(benchmark::State& state) {
    std::vector<CGXStyle> styles = TenThousandStyles();
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (CGXStyle& s : styles) ar << &s;
        ar.Close();
    }
    std::vector<BYTE> bytes = file.GetBytes();
    for (auto _ : state) {
        CMemFile in(bytes.data(), bytes.size());
        CArchive ar(&in, CArchive::load);
        std::vector<std::unique_ptr<CObject>> read;
        read.reserve(styles.size());
        for (size_t i = 0; i < styles.size(); ++i) read.emplace_back(ar.ReadObject(RUNTIME_CLASS(CGXStyle)));
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ArchiveRead10000Styles)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
