// edit: the plug-in's editor on an item's parameter text, as the host application opens it when a
// user double-clicks an "Interrupt Settings" item: for a person on a desktop, or driven by a script.
// On OK the item's new text is printed; Cancel prints nothing.
#include <cstdio>
#include <string>

#include "host/krxhost/commands.h"
#include "host/krxhost/run_until_presented.h"
#include "host/krxhost/script_driver.h"
#include "host/krxhost/standard_streams.h"
#include "host/mckernel/motion.h"
#include "platform/win/display.h"
#include "platform/win/module_resources.h"

int RunEdit(PluginLibrary& plugin, const CMC_Setup& setup, const EditOptions& options) {
    // Standard input holds one of the two: the script would find nothing left after the text.
    if (options.text == "-" && options.script == "-") {
        std::fprintf(stderr, "krxhost: the text and the script cannot both come from standard input\n");
        return kExitUsage;
    }
    std::string text = options.text;
    if (text == "-" && !ReadInput("-", text)) return kExitUsage;
    // The plug-in takes a C string: a NUL byte would end the text early, and OK would then write
    // back an item that lost everything after it.
    if (size_t nul = text.find('\0'); nul != std::string::npos) {
        std::fprintf(stderr, "krxhost: a NUL byte at offset %zu: a parameter text cannot hold one\n", nul);
        return kExitUsage;
    }
    if (!SetDisplayBackend(options.display.c_str())) {
        std::fprintf(stderr, "krxhost: the %s display cannot be opened\n", options.display.c_str());
        return kExitUsage;
    }
    // Nobody could close an editor on the virtual screen.
    if (options.script.empty() && !GetDisplayBackend().DeliversEvents()) {
        std::fprintf(stderr, "krxhost: edit needs a display for a person, or a script (--script)\n");
        return kExitUsage;
    }
    Script script;
    if (!options.script.empty() && !ReadScriptOption(options.script, script)) return kExitUsage;

    // The plug-in's dialogs come from the module it registered itself under.
    CMC_Motion motion(GetModuleHandleA("InterruptSettings"));
    CString strText(text);
    int nResult = 0;
    if (options.script.empty()) {
        nResult = plugin.EditMotionSequence(setup, motion, strText);
    } else {
        ScriptDriver driver(std::move(script));
        nResult = plugin.EditMotionSequence(setup, motion, strText);
        if (!driver.Finish()) return kExitUsage;
    }
    if (nResult != 1) return kExitFailed;
    StdOut::Write(strText.view());
    StdOut::Write("\n");
    return kExitOk;
}
