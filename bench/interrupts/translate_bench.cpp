// Parsing and translating items: in process, through the plug-in's export, and through the host
// program as a whole process over a file of 100 000 items.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/mckernel/plugin_abi.h"
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

}  // namespace

BENCHMARK_MAIN();
