// Parsing and translating items: in process, through the plug-in's export, and through the host
// program as a whole process over a file of 100 000 items and over a 10 MB text of distinct keys.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/mckernel/plugin_abi.h"
#include "host/mckernel/read_log.h"
#include "interrupts/internal_data.h"
#include "support/worked_example.h"

namespace {

const char* const kWorkedExample = kWorkedExampleText;

void BM_ParseAndTranslate(benchmark::State& state) {
    const CMC_Setup& setup = CMC_Setup::Default();
    CMC_Motion motion;
    const CString text(kWorkedExample);
    for (auto _ : state) {
        CInternalData block(setup, motion);
        CString error;
        bool ok = block.ReadParameters(text, error);
        CString lines = block.Translate();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(lines.GetString());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseAndTranslate);

void BM_TranslateMotionSequenceExport(benchmark::State& state) {
    void* handle = dlopen(KRX_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        state.SkipWithError(dlerror());
        return;
    }
    auto translate = reinterpret_cast<CMC_TranslateMotionSequenceFn>(dlsym(handle, "TranslateMotionSequence"));
    const CMC_Setup& setup = CMC_Setup::Default();
    CMC_Motion motion;
    const CString text(kWorkedExample);
    CString output;
    for (auto _ : state) {
        int ok = translate(setup, motion, text, output);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(output.GetString());
    }
    state.SetItemsProcessed(state.iterations());
    dlclose(handle);
}
BENCHMARK(BM_TranslateMotionSequenceExport);

// The whole host program: start, load the plug-in, read, translate and write 100 000 items.
void BM_HostTranslateItems(benchmark::State& state) {
    const int kItems = static_cast<int>(state.range(0));
    auto dir = std::filesystem::temp_directory_path() / ("krx_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    auto items = dir / "items.txt";
    {
        std::ofstream out(items);
        const char* variants[] = {kWorkedExample, "SetupInterrupt=2;", "Unmask=0x00000014;LSP=1;KRXINTPER=5 ms;",
                                  "Mask=0x000000FF;Reset=0x0000000F;"};
        for (int i = 0; i < kItems; ++i) out << variants[i % 4] << '\n';
    }
    std::string command = std::string(KRX_HOST_PATH) + " translate --items " + items.string() + " > /dev/null";
    for (auto _ : state) {
        int rc = std::system(command.c_str());
        if (rc != 0) {
            state.SkipWithError("krxhost failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kItems);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_HostTranslateItems)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A text of distinct unknown keys, about 10 MB: every entry gets a warning, and finding the
// repeated keys among a million must stay linear in practice (n log n).
std::string DistinctKeysText(size_t nBytes) {
    std::string text;
    for (int i = 0; text.size() < nBytes; ++i) {
        text += 'K';
        text += std::to_string(i);
        text += "=1;";
    }
    return text;
}

void BM_WarningsOfDistinctKeys(benchmark::State& state) {
    const std::string text = DistinctKeysText(static_cast<size_t>(state.range(0)));
    CMC_ReadLog log;
    for (auto _ : state) {
        std::vector<CString> warnings = log.Warnings(text);
        benchmark::DoNotOptimize(warnings.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_WarningsOfDistinctKeys)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// The whole host program on that text from standard input, warnings going to /dev/null.
void BM_HostTranslateDistinctKeys(benchmark::State& state) {
    auto dir = std::filesystem::temp_directory_path() / ("krx_bench_keys_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    auto input = dir / "keys.txt";
    std::ofstream(input, std::ios::binary) << DistinctKeysText(static_cast<size_t>(state.range(0)));
    std::string command = std::string(KRX_HOST_PATH) + " translate - < " + input.string() + " > /dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("krxhost failed");
            break;
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_HostTranslateDistinctKeys)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
