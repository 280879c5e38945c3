// The cell data store: storing and looking up cell styles, inserting and removing row 1 of a
// store of a million rows with a styled cell in every row, SetRowCount(10^9) on an empty store,
// insert at index 1 of a million dense entries of a sparse array, and the heap bytes a stored
// short-value cell costs (heap bytes as alloc_counter.h counts them).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>

#include "alloc_counter.h"
#include "grid/data/data.h"


namespace {
constexpr ROWCOL nMillion = 1000000;

CGXStyle ShortValue() {
    CGXStyle s;
    s.SetValue("12.5");
    return s;
}

// A million rows, each with a styled cell in column 1, and a styled column header, so that row 1
// lies inside the run of stored rows rather than at its start.
CGXData& MillionRows() {
    static CGXData* pData = [] {
        auto* p = new CGXData;
        const CGXStyle s = ShortValue();
        for (ROWCOL r = 0; r <= nMillion; ++r) p->StoreStyle(r, 1, s, ModifyMode::Override);
        return p;
    }();
    return *pData;
}

void BM_StoreStyle(benchmark::State& state) {
    CGXData data;
    const CGXStyle s = ShortValue();
    ROWCOL r = 1, c = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.StoreStyle(r, c, s, ModifyMode::Override));
        if (++c > 10) {
            c = 1;
            if (++r > 100000) r = 1;  // later rounds combine into the stored styles
        }
    }
}
BENCHMARK(BM_StoreStyle);

void BM_LookupStyle(benchmark::State& state) {
    CGXData data;
    const CGXStyle s = ShortValue();
    for (ROWCOL r = 1; r <= 1000; ++r)
        for (ROWCOL c = 1; c <= 10; ++c) data.StoreStyle(r, c, s, ModifyMode::Override);
    ROWCOL r = 1, c = 1;
    CGXStyle target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.LookupStyle(r, c, target, ModifyMode::Copy));
        if (++c > 10) {
            c = 1;
            if (++r > 1000) r = 1;
        }
    }
}
BENCHMARK(BM_LookupStyle);

void BM_InsertRows(benchmark::State& state) {
    CGXData& data = MillionRows();
    for (auto _ : state) {
        data.InsertRows(1, 1);
        state.PauseTiming();
        data.RemoveRows(1, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertRows)->Unit(benchmark::kMillisecond);

void BM_RemoveRows(benchmark::State& state) {
    CGXData& data = MillionRows();
    const CGXStyle s = ShortValue();
    for (auto _ : state) {
        data.RemoveRows(1, 1);
        state.PauseTiming();
        data.InsertRows(1, 1);
        data.StoreStyle(1, 1, s, ModifyMode::Override);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveRows)->Unit(benchmark::kMillisecond);

void BM_SetRowCount(benchmark::State& state) {
    CGXData data;
    const long long nBefore = g_heapBytes.load();
    long long nGrowth = 0;
    for (auto _ : state) {
        data.SetRowCount(1000000000);
        nGrowth = std::max(nGrowth, g_heapBytes.load() - nBefore);
        data.SetRowCount(0);
    }
    state.counters["heap_bytes"] = static_cast<double>(nGrowth);
}
BENCHMARK(BM_SetRowCount);

void BM_SparseInsertAtOne(benchmark::State& state) {
    CGXSparseArray<DWORD> a;
    for (int i = 0; i < static_cast<int>(nMillion); ++i) a.SetAt(i, 1);
    for (auto _ : state) {
        a.InsertEmpty(1, 1);
        state.PauseTiming();
        a.RemoveAt(1, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SparseInsertAtOne)->Unit(benchmark::kMillisecond);

// Heap bytes per stored cell: 100 000 short-value cells as rows of the given width.
void BM_BytesPerCell(benchmark::State& state) {
    const ROWCOL nWidth = static_cast<ROWCOL>(state.range(0));
    const ROWCOL nCells = 100000, nRows = nCells / nWidth;
    const CGXStyle s = ShortValue();
    double nPerCell = 0;
    for (auto _ : state) {
        const long long nBefore = g_heapBytes.load();
        {
            CGXData data;
            for (ROWCOL r = 1; r <= nRows; ++r)
                for (ROWCOL c = 1; c <= nWidth; ++c) data.StoreStyle(r, c, s, ModifyMode::Override);
            nPerCell = static_cast<double>(g_heapBytes.load() - nBefore) / nCells;
        }
    }
    state.counters["bytes_per_cell"] = nPerCell;
}
BENCHMARK(BM_BytesPerCell)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
