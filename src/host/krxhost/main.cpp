// krxhost: the stand-in for the motion-programming host. It loads the "Interrupt Settings"
// plug-in the way the host does and offers its services on the command line.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/krxhost/commands.h"
#include "host/krxhost/standard_streams.h"
#include "host/mckernel/excerpt.h"
#include "host/resources/host_resources.h"

namespace {

struct CommonOptions {
    std::string setupFile;
    std::string pluginPath;
};

// An empty path is a mistake (an unset shell variable, say), not a request for the default.
const CLI::Validator kNamesAFile(
    [](std::string& path) { return path.empty() ? std::string("an empty path names no file") : std::string(); }, "",
    "FILE");

// A row count as a person types it: decimal digits, 1 up to the most rows a grid counts. The
// parser's own conversion would take hexadecimal and exponents, read a leading zero as octal and
// call a word out of range; the count goes on without its leading zeros.
const CLI::Validator kRowCount(
    [](std::string& text) {
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
            return FormatString("\"%s\" is not a whole number", CMC_Excerpt(text).GetString()).str();
        // Leading zeros aside, more than ten digits are beyond any count.
        const size_t first = text.find_first_not_of('0');
        const std::string digits = first == std::string::npos ? "0" : text.substr(first);
        const unsigned long long n = digits.size() > 10 ? ~0ull : std::stoull(digits);
        if (n < 1 || n > kMaxDemoGridRows)
            return FormatString("%s is not between 1 and %lu", CMC_Excerpt(text).GetString(),
                                static_cast<unsigned long>(kMaxDemoGridRows))
                .str();
        text = digits;
        return std::string();
    },
    "", "N");

void AddCommon(CLI::App* command, CommonOptions& common) {
    command->add_option("--setup", common.setupFile, "drive setup file (JSON); the built-in default drive if none")
        ->type_name("FILE")
        ->check(kNamesAFile);
    command->add_option("--plugin", common.pluginPath, "the plug-in to load instead of the one next to krxhost")
        ->type_name("PATH")
        ->check(kNamesAFile);
}

CLI::Option* AddScript(CLI::App* command, std::string& script) {
    return command
        ->add_option("--script", script,
                     "run the commands of FILE (- for standard input) on the windows instead of a person; see "
                     "docs/command-line.md")
        ->type_name("FILE")
        ->check(kNamesAFile);
}

// The parser only says that a command is missing when the first word is not one; name the word.
std::string ParseErrorText(const CLI::App& app, const CLI::ParseError& e) {
    std::vector<std::string> rest = app.remaining();
    if (!app.get_subcommands().empty() || rest.empty() || rest.front().empty() || rest.front()[0] == '-')
        return e.what();
    return FormatString("unknown command \"%s\" (the commands are info, default, translate, edit, demo-window, "
                        "demo-dialog and demo-grid)",
                        CMC_Excerpt(rest.front()).GetString())
        .str();
}

}  // namespace

int main(int argc, char** argv) {
    ReserveStandardStreams();
    // A reader that goes away is a failed write, reported like any other, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    // The plug-in's grid engine takes these from its host process.
    host_resources::Registration hostResources;
    // Grids take over placeholders and windows of this class; it exists before any of them.
    host_resources::RegisterGridWindowClass();
    CLI::App app{"krxhost: loads the Interrupt Settings plug-in and offers its services."};
    app.require_subcommand(1);
    CommonOptions common;
    TranslateOptions translate;
    DemoWindowOptions demo;
    DemoDialogOptions dialog;
    DemoGridOptions grid;
    app.add_option("--display", demo.display,
                   "where windows show: headless (the virtual screen), sdl (desktop windows), or auto (sdl when a "
                   "display is there, else headless); commands that open no window ignore it")
        ->check(CLI::IsMember({"headless", "sdl", "auto"}))
        ->default_str("auto")
        ->type_name("DISPLAY");

    CLI::App* info = app.add_subcommand("info", "print the plug-in's name, class name, order number and availability");
    AddCommon(info, common);
    CLI::App* defaults = app.add_subcommand("default", "print the parameter text of a new item");
    AddCommon(defaults, common);
    CLI::App* trans = app.add_subcommand("translate", "translate items into KRX lines");
    AddCommon(trans, common);
    auto* text = trans->add_option("TEXT", translate.text, "the item's parameter text, - for standard input");
    auto* items = trans->add_option("--items", translate.itemsFile,
                                    "a file with one parameter text per line (- for standard input); empty lines "
                                    "and lines starting with # are skipped")
                      ->type_name("FILE");
    text->excludes(items);
    trans->add_flag("--strict", translate.strict, "treat every warning about an ignored entry as an error");
    trans->callback([&] {
        if (translate.text.empty() && translate.itemsFile.empty() && text->count() == 0)
            throw CLI::RequiredError("TEXT or --items");
    });

    CLI::App* demoWindow = app.add_subcommand("demo-window", "open a window with a caption and painted content until it is closed");
    auto* windowShot = demoWindow->add_option("--screenshot", demo.screenshot,
                           "write what the window shows as a PNG file, then exit (under headless: default demo-window.png)")
        ->type_name("FILE");
    AddScript(demoWindow, demo.script)->excludes(windowShot);

    CLI::App* demoDialog = app.add_subcommand(
        "demo-dialog", "open the plug-in's Limit Switch dialog until OK or Cancel; print the choice and the parameter text");
    demoDialog->add_option("--plugin", common.pluginPath, "the plug-in to load instead of the one next to krxhost")
        ->type_name("PATH")
        ->check(kNamesAFile);
    auto* dialogShot = demoDialog->add_option("--screenshot", dialog.screenshot,
                           "write the dialog as a PNG file once it is shown, then cancel it (under headless: default "
                           "demo-dialog.png)")
        ->type_name("FILE");
    AddScript(demoDialog, dialog.script)->excludes(dialogShot);

    CLI::App* demoGrid = app.add_subcommand(
        "demo-grid", "open a grid of a dozen columns and many rows in a window with scroll bars, for the mouse and "
                     "keys to move through and select, until it is closed");
    demoGrid->add_option("--rows", grid.rows, "how many rows the grid has; their values are computed, not stored")
        ->transform(kRowCount)
        ->default_str("1000000")
        ->type_name("N");
    auto* gridShot = demoGrid->add_option("--screenshot", grid.screenshot,
                         "write what the window shows as a PNG file, then exit (under headless: default demo-grid.png)")
        ->type_name("FILE");
    AddScript(demoGrid, grid.script)->excludes(gridShot);

    EditOptions edit;
    CLI::App* editCommand = app.add_subcommand(
        "edit", "open the plug-in's editor on an item's parameter text; on OK print the new text (exit 0), on Cancel "
                "nothing (exit 1)");
    AddCommon(editCommand, common);
    AddScript(editCommand, edit.script);
    editCommand->add_option("TEXT", edit.text, "the item's parameter text, - for standard input")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "krxhost: %s\nRun with --help for more information.\n", ParseErrorText(app, e).c_str());
        return kExitUsage;
    }

    // The demos of the display and the grid need neither the plug-in nor a drive.
    if (demoWindow->parsed()) return StdOut::Finish(RunDemoWindow(demo));
    if (demoGrid->parsed()) {
        grid.display = demo.display;
        return StdOut::Finish(RunDemoGrid(grid));
    }

    CMC_Setup setup = CMC_Setup::Default();
    if (!common.setupFile.empty()) {
        CString error;
        if (!setup.LoadFile(common.setupFile.c_str(), error)) {
            std::fprintf(stderr, "krxhost: %s\n", error.GetString());
            return kExitUsage;
        }
        for (const CString& warning : setup.GetWarnings())
            std::fprintf(stderr, "krxhost: warning: %s: %s\n", common.setupFile.c_str(), warning.GetString());
    }

    PluginLibrary plugin;
    std::string error;
    if (!plugin.Load(common.pluginPath.empty() ? PluginLibrary::DefaultPath() : common.pluginPath, error)) {
        std::fprintf(stderr, "krxhost: %s\n", error.c_str());
        return kExitUsage;
    }

    if (demoDialog->parsed()) {
        dialog.display = demo.display;
        return StdOut::Finish(RunDemoDialog(dialog));
    }
    if (editCommand->parsed()) {
        edit.display = demo.display;
        return StdOut::Finish(RunEdit(plugin, setup, edit));
    }
    if (info->parsed()) return StdOut::Finish(RunInfo(plugin, setup));
    if (defaults->parsed()) return StdOut::Finish(RunDefault(plugin, setup));
    return StdOut::Finish(RunTranslate(plugin, setup, translate));
}
