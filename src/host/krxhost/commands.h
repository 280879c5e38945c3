#pragma once
// The host program's commands. Each returns the process exit code: 0 success, 1 a failed
// translation (or a warning under --strict) or output that cannot be written, 2 a usage error or
// a file that cannot be read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/krxhost/plugin_library.h"
#include "host/mckernel/setup.h"

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// An items file or a text from standard input is refused beyond this: far more than any real
// program's items, and a bound on what a mistaken input (a device, an endless pipe) can take.
constexpr size_t kMaxInputSize = size_t{64} << 20;

struct TranslateOptions {
    std::string text;       // the parameter text, or "-" for standard input
    std::string itemsFile;  // one text per line, instead of text
    bool strict = false;
};

struct DemoWindowOptions {
    std::string display = "auto";  // the display backend: headless, sdl or auto
    std::string screenshot;         // where to write what the window shows, then exit
    std::string script;             // a script that drives the window instead of a person
};

struct DemoGridOptions {
    std::string display = "auto";  // as for the demo window
    std::string screenshot;         // where to write what the window shows, then exit
    std::string script;             // as for the demo window
    uint32_t rows = 1000000;        // 1 to kMaxDemoGridRows
};
// The most rows a grid counts: one less than the number that means "no row".
constexpr uint32_t kMaxDemoGridRows = 0xFFFFFFFE;
// The demo grid's window, frame and caption included.
constexpr int kDemoGridWidth = 1000;
constexpr int kDemoGridHeight = 480;

struct DemoDialogOptions {
    std::string display = "auto";  // as for the demo window
    std::string screenshot;         // where to write the dialog once it is shown, then cancel it
    std::string script;             // as for the demo window
};

struct EditOptions {
    std::string display = "auto";  // as for the demo window
    std::string script;             // a script that drives the editor and its dialogs
    std::string text;               // the item's parameter text, or "-" for standard input
};

// The whole of a named file ("-": standard input), bounded; a usage error with the reason on
// standard error when it cannot be read.
bool ReadInput(const std::string& path, std::string& content);

int RunInfo(PluginLibrary& plugin, const CMC_Setup& setup);
int RunDefault(PluginLibrary& plugin, const CMC_Setup& setup);
int RunTranslate(PluginLibrary& plugin, const CMC_Setup& setup, const TranslateOptions& options);
// Opens a window with a caption and painted content on the display; runs until it is closed, or
// writes a screenshot and exits (so on the headless display unless a script drives the window).
// Each demo runs a script (--script) instead when given one, and exits with 2 when a line of it
// cannot be carried out.
int RunDemoWindow(const DemoWindowOptions& options);
// Runs the loaded plug-in's Limit Switch dialog modally; prints what the person chose and, for
// OK, the parameter text. With a screenshot (always so on the headless display) writes the
// dialog with its frame once it is shown and cancels it; with a script, prints what the script
// chose.
int RunDemoDialog(const DemoDialogOptions& options);
// Opens a grid of options.rows rows in a window: on the display until it is closed, or written as
// a screenshot once shown (always so on the headless display).
int RunDemoGrid(const DemoGridOptions& options);
// Runs the plug-in's editor on the text, for a person or a script (a script is needed without a
// display): prints the new text and exits 0 on OK, prints nothing and exits 1 on Cancel.
int RunEdit(PluginLibrary& plugin, const CMC_Setup& setup, const EditOptions& options);
