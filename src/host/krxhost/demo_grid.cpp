// demo-grid: a general grid in a window, to look at what the grid engine draws: for a person on a
// desktop until the window is closed, or shown once and written as a screenshot.
#include <cstdio>
#include <memory>
#include <string>

#include "host/krxhost/commands.h"
#include "host/krxhost/demo_grid_model.h"
#include "host/krxhost/grid_window.h"
#include "host/krxhost/run_until_presented.h"
#include "host/krxhost/standard_streams.h"
#include "platform/win/display.h"

int RunDemoGrid(const DemoGridOptions& options) {
    if (!SetDisplayBackend(options.display.c_str())) {
        std::fprintf(stderr, "krxhost: the %s display cannot be opened\n", options.display.c_str());
        return kExitUsage;
    }
    Script script;
    if (!options.script.empty() && !ReadScriptOption(options.script, script)) return kExitUsage;
    const bool shoot = options.script.empty() && !GetDisplayBackend().DeliversEvents();
    const std::string screenshot = options.screenshot.empty() && shoot ? "demo-grid.png" : options.screenshot;

    GridWindow window(std::make_unique<DemoGrid>(options.rows));
    CString caption;
    caption.Format("krxhost demo grid: %lu %s", static_cast<unsigned long>(options.rows), options.rows == 1 ? "row" : "rows");
    if (!window.CreateTopLevel(caption, 60, 60, kDemoGridWidth, kDemoGridHeight)) {
        std::fprintf(stderr, "krxhost: the demo grid's window cannot be made\n");
        return kExitFailed;
    }
    if (!options.script.empty()) return RunScripted(window.GetSafeHwnd(), std::move(script));
    return ShowOrScreenshot(window.GetSafeHwnd(), screenshot);
}
