// Reading scripts: good and bad lines of each command and key names in one table, whole scripts
// with their line numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/krxhost/script.h"

namespace {

// What a line reads as, in a form a table can state: the command with its arguments, "skip", or
// the reason it is refused.
std::string Read(std::string_view line) {
    ScriptCommand c;
    bool isCommand = false;
    std::string reason;
    if (!ParseScriptLine(line, c, isCommand, reason)) return "error: " + reason;
    if (!isCommand) return "skip";
    const char* const names[] = {"click", "button", "key", "type", "scroll", "snapshot", "dump"};
    std::string s = names[static_cast<int>(c.op)];
    if (c.op == ScriptOp::Click || c.op == ScriptOp::Scroll) s.append(" ").append(std::to_string(c.row));
    if (c.op == ScriptOp::Click) s.append(" ").append(std::to_string(c.col));
    if (c.op == ScriptOp::Key) {
        char vk[8];
        std::snprintf(vk, sizeof vk, " 0x%02X", c.key.vk);
        s += std::string(c.key.ctrl ? " ctrl" : "") + (c.key.alt ? " alt" : "") + (c.key.shift ? " shift" : "") + vk;
    }
    if (!c.text.empty()) s += " [" + c.text + "]";
    return s;
}

const char* const kNoKey = "is no key: the keys are Enter, Escape, Tab, Space, Up, Down, Left, Right, Home, End, PageUp, "
                           "PageDown, Delete, Backspace, F1 to F12 and single printable characters, after Shift+, Ctrl+ or Alt+";

struct Case {
    const char* line;
    std::string read;
};

const Case kCases[] = {
    {"", "skip"},
    {"  # indented comment", "skip"},
    {"#click 1 2", "skip"},
    {"click 3 2", "click 3 2"},
    {"  CLICK\t0 007  ", "click 0 7"},  // a leading zero is no octal prefix
    {"click 1 4294967294", "click 1 4294967294"},
    {"click 4294967295 1", "error: \"4294967295\" is beyond the last row a grid can have"},
    {"click 1 99999999999999999999", "error: \"99999999999999999999\" is beyond the last column a grid can have"},
    {"click 1", "error: click takes a row and a column: click ROW COL"},
    {"click one 2", "error: \"one\" is not a row number"},
    {"click 1 -2", "error: \"-2\" is not a column number"},
    {"scroll", "error: scroll takes the row to show at the top: scroll ROW"},
    {"button   transition low -> high  ", "button [transition low -> high]"},
    {"button", "error: button takes the text of a button: button TEXT"},
    {"type hello world ", "type [hello world ]"},  // the rest of the line, as it stands
    {"type  two blanks", "type [ two blanks]"},
    {"type #not a comment", "type [#not a comment]"},
    {"type", "error: type takes the text to type: type TEXT"},
    {"snapshot out dir/grid.png", "snapshot [out dir/grid.png]"},
    {"snapshot", "error: snapshot takes a file: snapshot FILE"},
    {"dump", "dump"},
    {"dump now", "error: dump takes nothing after it"},
    {"clik 1 2", "error: unknown command \"clik\" (the commands are click, button, key, type, scroll, snapshot and dump)"},
    {"key Enter", "key 0x0D"},
    {"key pageup", "key 0x21"},
    {"key f12", "key 0x7B"},
    {"key Ctrl+Shift+Home", "key ctrl shift 0x24"},
    {"key Alt+F4", "key alt 0x73"},
    {"key a", "key 0x41"},
    {"key A", "key shift 0x41"},  // the character, as a US keyboard types it
    {"key !", "key shift 0x31"},
    {"key Ctrl++", "key ctrl shift 0xBB"},
    {"key", "error: key takes one key name, such as Enter, Ctrl+Home or a"},
    {"key Ctrl + A", "error: key takes one key name, such as Enter, Ctrl+Home or a"},
    {"key Shift+", std::string("error: \"Shift+\" ") + kNoKey},
    {"key F13", std::string("error: \"F13\" ") + kNoKey},
    {"key F01", std::string("error: \"F01\" ") + kNoKey},
    {"key ab", std::string("error: \"ab\" ") + kNoKey},
    {"key Win+A", std::string("error: \"Win+A\" ") + kNoKey},
    {"key \xC3\xA9", std::string("error: \"\xC3\xA9\" ") + kNoKey},
};

}  // namespace

TEST(ScriptLines, EachLineReadsAsItsCommandOrSaysWhatIsWrong) {
    for (const Case& c : kCases) EXPECT_EQ(Read(c.line), c.read) << c.line;
    // A NUL byte would end the text early wherever it is passed on as a C string.
    EXPECT_EQ(Read(std::string_view("type a\0b", 8)), "error: the line holds a NUL byte");
}

TEST(Scripts, CommandsKeepTheirLineNumbersAndTheFirstBadLineStopsTheReading) {
    std::vector<ScriptCommand> commands;
    int line = 0;
    std::string reason;
    ASSERT_TRUE(ParseScript("# demo\r\nclick 2 3\r\n\r\n  type x\r\nkey Enter", commands, line, reason)) << reason;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].line, 2);
    EXPECT_EQ(commands[1].line, 4);
    EXPECT_EQ(commands[1].text, "x");  // the line break's carriage return is not typed
    EXPECT_EQ(commands[2].line, 5);
    EXPECT_FALSE(ParseScript("dump\n\nclick 1\ndump\nbogus", commands, line, reason));
    EXPECT_EQ(line, 3);
    EXPECT_EQ(reason, "click takes a row and a column: click ROW COL");

    const std::string path = (std::filesystem::temp_directory_path() / ("krx_" + std::to_string(getpid()) + ".script")).string();
    std::ofstream(path) << "dump\nscroll x\n";
    Script script;
    std::string error;
    EXPECT_FALSE(LoadScript(path, script, error));
    EXPECT_EQ(error, path + ":2: \"x\" is not a row number");
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadScript(path, script, error));
    EXPECT_EQ(error, path + ": cannot be read: No such file or directory");
}
