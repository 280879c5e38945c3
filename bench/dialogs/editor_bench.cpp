// The editor: from its being run (what EditMotionSequence does: construct it on the item's text
// and run it modally) to its first complete paint on the headless display, on the default drive;
// and a whole `krxhost edit --script` process of ten clicks and OK, as a host would pay for it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "dialogs/dialog_resources.h"
#include "dialogs/editor_dlg.h"
#include "host/mckernel/motion.h"
#include "host/mckernel/setup.h"
#include "host/resources/host_resources.h"
#include "platform/win/dialog_script.h"
#include "platform/win/module_resources.h"

namespace {

void BM_EditorFirstPaint(benchmark::State& state) {
    host_resources::RegisterForProcess();
    CModuleRegistration module("EditorBench");
    AddDialogResources(module);
    const CMC_Setup setup = CMC_Setup::Default();
    CMC_Motion motion(module);
    for (auto _ : state) {
        CString text("SetupInterrupt=1;Unmask=0x3;");
        CEditorDlg dlg(setup, motion, text, nullptr);
        // The first idle turn of the dialog's loop comes once it is shown and painted.
        ModalScript script;
        script.Then([](HWND hDlg) { EndDialog(hDlg, IDCANCEL); });
        if (dlg.DoModal() != IDCANCEL) state.SkipWithError("the editor did not run");
    }
}
BENCHMARK(BM_EditorFirstPaint)->Unit(benchmark::kMillisecond);

// The krxhost next to this program.
std::string Krxhost() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string dir = n > 0 ? std::string(path, size_t(n)) : std::string();
    return dir.substr(0, dir.find_last_of('/') + 1) + "krxhost";
}

void BM_EditProcessTenClicks(benchmark::State& state) {
    const std::string script = "/tmp/krx_edit_bench.script";
    {
        std::ofstream out(script);
        for (int r = 4; r <= 8; ++r) out << "click " << r << " 2\nclick " << r << " 3\n";
        out << "button OK\n";
    }
    const std::string command = Krxhost() + " --display headless edit --script " + script + " '' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("krxhost edit failed");
    std::remove(script.c_str());
}
BENCHMARK(BM_EditProcessTenClicks)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
