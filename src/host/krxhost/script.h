#pragma once
// Scripts that drive the host program's windows without a person: the commands of a script, read
// from a file or standard input, one a line. Reading checks every line before any window opens, so
// that a mistake in line 40 does not first run 39 lines; what a line does to a window is
// script_driver.h's business.
//
//   click ROW COL     a left click at the centre of a cell of the active window's grid
//   button TEXT       a left click on the first button, in tab order, whose text less & is TEXT
//   key NAME          a key pressed and released, with Shift+, Ctrl+ and Alt+ before its name
//   type TEXT         the rest of the line typed
//   scroll ROW        the grid scrolled so that ROW is its top row, or the nearest row it allows
//   snapshot FILE     a PNG of the active window with its frame
//   dump              the active window's grid as text on standard error
//
// Blank lines and lines starting with # are skipped.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/winuser.h"

enum class ScriptOp { Click, Button, Key, Type, Scroll, Snapshot, Dump };

// A key with the modifiers held around it.
struct ScriptKey {
    UINT vk = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct ScriptCommand {
    int line = 0;  // 1 for the first line of the script
    ScriptOp op = ScriptOp::Dump;
    uint32_t row = 0;  // click, scroll
    uint32_t col = 0;  // click
    std::string text;  // button's text, the text typed, the snapshot's file
    ScriptKey key;     // key
};

struct Script {
    std::string name;  // as messages name it: the file, or "standard input"
    std::vector<ScriptCommand> commands;
};

// A script is refused beyond this: far more than anyone writes by hand or by program.
constexpr size_t kMaxScriptSize = size_t{16} << 20;

// One line (without its line break). True with isCommand false for a blank or comment line;
// false with the reason for a line that is no command.
bool ParseScriptLine(std::string_view line, ScriptCommand& command, bool& isCommand, std::string& reason);

// Every line of a text; false with the number and reason of the first bad line.
bool ParseScript(std::string_view text, std::vector<ScriptCommand>& commands, int& errorLine, std::string& reason);

// Reads and parses the script named by --script ("-": standard input). False with a message for
// standard error ("NAME:LINE: reason", or why the file cannot be read).
bool LoadScript(const std::string& path, Script& script, std::string& error);

// A key name as a script writes it ("Ctrl+Shift+Home", "a", "F5"); false with the reason.
bool ParseKeyName(std::string_view name, ScriptKey& key, std::string& reason);
