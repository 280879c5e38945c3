// Reading an application profile of 10 000 styles the way the grid's styles map reads it: the
// list of style names, then each style's section key by key (most keys absent), in both profile
// modes. Every grid that is created reads its profile so.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/framework/win_app.h"

namespace {

// The keys a style looks up, whether the profile has them or not.
const char* const kStyleKeys[] = {
    "VerticalAlignment", "HorizontalAlignment", "ReadOnly", "FloatCell", "FloodCell", "MergeCell",
    "Draw3dFrame", "MaxLength", "VerticalScrollbar", "ControlId", "TextColor", "WrapText", "AutoSize",
    "AllowEnter", "Enabled", "TriState", "Value", "BaseStyle", "ChoicesList", "Font", "Interior", "Borders",
    "UA1", "UA2", "UA3",
};

std::string StyleName(int i) { return "Style " + std::to_string(i); }

// Each style has eight of the keys, as a style with a font, colours and a value written does.
void WriteStyles(CWinApp& app, bool bRegistry, int nStyles) {
    CProfileBatch batch(&app);
    for (int i = 0; i < nStyles; ++i) {
        std::string name = StyleName(i);
        if (!bRegistry) app.WriteProfileString("Styles", name.c_str(), "1");
        std::string section = "Styles" + std::string(bRegistry ? "\\" : ".") + name;
        for (int k = 10; k < 18; ++k) app.WriteProfileString(section.c_str(), kStyleKeys[k], "1");
    }
}

void ReadStyles(CWinApp& app, bool bRegistry) {
    CStringArray names;
    if (bRegistry) app.GetProfileSubkeys("Styles", names);
    else app.GetProfileKeys("Styles", names);
    for (const CString& name : names) {
        std::string section = "Styles" + std::string(bRegistry ? "\\" : ".") + name.str();
        for (const char* key : kStyleKeys) benchmark::DoNotOptimize(app.GetProfileString(section.c_str(), key, ""));
    }
    if (names.GetSize() == 0) std::abort();
}

void BM_ReadStylesProfile(benchmark::State& state) {
    const bool bRegistry = state.range(0) != 0;
    const int nStyles = static_cast<int>(state.range(1));
    auto dir = std::filesystem::temp_directory_path() / ("krx_profile_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / (bRegistry ? "styles.registry" : "styles.ini")).string();
    auto open = [&](CWinApp& app) {
        if (bRegistry) {
            app.SetRegistryKey("Maker");
            app.SetRegistryFile(path.c_str());
        } else {
            app.SetProfileFile(path.c_str());
        }
    };
    {
        CWinApp writer("ProfileBench");
        open(writer);
        WriteStyles(writer, bRegistry, nStyles);
    }
    for (auto _ : state) {
        CWinApp app("ProfileBench");
        open(app);
        ReadStyles(app, bRegistry);
    }
    state.SetItemsProcessed(state.iterations() * nStyles);
    state.SetLabel(bRegistry ? "registry" : "initialisation file");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadStylesProfile)->Args({0, 10000})->Args({1, 10000})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
