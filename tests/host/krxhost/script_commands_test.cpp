// Reading scripts: each command's good and bad lines, key names, and whole scripts with their line
// numbers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/krxhost/script.h"

namespace {

struct GoodLine {
    const char* line;
    ScriptOp op;
    uint32_t row, col;
    const char* text;
};

const GoodLine kGood[] = {
    {"click 3 2", ScriptOp::Click, 3, 2, ""},
    {"  click\t0 007  ", ScriptOp::Click, 0, 7, ""},  // a leading zero is no octal prefix
    {"CLICK 1 4294967294", ScriptOp::Click, 1, 4294967294u, ""},
    {"scroll 1000000", ScriptOp::Scroll, 1000000, 0, ""},
    {"button &OK", ScriptOp::Button, 0, 0, "&OK"},
    {"button   transition low -> high  ", ScriptOp::Button, 0, 0, "transition low -> high"},
    {"type hello world ", ScriptOp::Type, 0, 0, "hello world "},  // the rest of the line, as it stands
    {"type  two blanks", ScriptOp::Type, 0, 0, " two blanks"},
    {"type #not a comment", ScriptOp::Type, 0, 0, "#not a comment"},
    {"snapshot out dir/grid.png", ScriptOp::Snapshot, 0, 0, "out dir/grid.png"},
    {"dump", ScriptOp::Dump, 0, 0, ""},
    {"dump   ", ScriptOp::Dump, 0, 0, ""},
};

struct BadLine {
    const char* line;
    const char* reason;
};

const BadLine kBad[] = {
    {"clik 1 2", "unknown command \"clik\" (the commands are click, button, key, type, scroll, snapshot and dump)"},
    {"click 1", "click takes a row and a column: click ROW COL"},
    {"click 1 2 3", "click takes a row and a column: click ROW COL"},
    {"click one 2", "\"one\" is not a row number"},
    {"click 1 -2", "\"-2\" is not a column number"},
    {"click 0x10 2", "\"0x10\" is not a row number"},
    {"click 4294967295 1", "\"4294967295\" is beyond the last row a grid can have"},
    {"click 1 99999999999999999999", "\"99999999999999999999\" is beyond the last column a grid can have"},
    {"scroll", "scroll takes the row to show at the top: scroll ROW"},
    {"scroll 1.5", "\"1.5\" is not a row number"},
    {"button", "button takes the text of a button: button TEXT"},
    {"button   ", "button takes the text of a button: button TEXT"},
    {"type", "type takes the text to type: type TEXT"},
    {"type ", "type takes the text to type: type TEXT"},
    {"snapshot", "snapshot takes a file: snapshot FILE"},
    {"dump now", "dump takes nothing after it"},
    {"key", "key takes one key name, such as Enter, Ctrl+Home or a"},
    {"key Ctrl + A", "key takes one key name, such as Enter, Ctrl+Home or a"},
};

struct KeyCase {
    const char* name;
    UINT vk;
    bool shift, ctrl, alt;
};

const KeyCase kKeys[] = {
    {"Enter", VK_RETURN, false, false, false},
    {"escape", VK_ESCAPE, false, false, false},
    {"PageUp", VK_PRIOR, false, false, false},
    {"PAGEDOWN", VK_NEXT, false, false, false},
    {"Backspace", VK_BACK, false, false, false},
    {"F1", VK_F1, false, false, false},
    {"f12", VK_F12, false, false, false},
    {"Shift+Tab", VK_TAB, true, false, false},
    {"Ctrl+Shift+Home", VK_HOME, true, true, false},
    {"Alt+F4", VK_F4, false, false, true},
    {"a", 'A', false, false, false},
    {"A", 'A', true, false, false},  // the character, as a US keyboard types it
    {"Ctrl+c", 'C', false, true, false},
    {"!", '1', true, false, false},
    {"Ctrl++", VK_OEM_PLUS, true, true, false},
    {"+", VK_OEM_PLUS, true, false, false},
    {"#", '3', true, false, false},
};

const char* const kBadKeys[] = {"Shift+", "F0", "F13", "F01", "Ctrl+Enterr", "ab", "\xC3\xA9", "Win+A", "Shift+Ctrl"};

}  // namespace

TEST(ScriptLines, GoodLinesGiveTheirCommand) {
    for (const GoodLine& g : kGood) {
        ScriptCommand c;
        bool isCommand = false;
        std::string reason;
        ASSERT_TRUE(ParseScriptLine(g.line, c, isCommand, reason)) << g.line << ": " << reason;
        EXPECT_TRUE(isCommand) << g.line;
        EXPECT_EQ(c.op, g.op) << g.line;
        EXPECT_EQ(c.row, g.row) << g.line;
        EXPECT_EQ(c.col, g.col) << g.line;
        EXPECT_EQ(c.text, g.text) << g.line;
    }
}

TEST(ScriptLines, BadLinesSayWhatIsWrong) {
    for (const BadLine& b : kBad) {
        ScriptCommand c;
        bool isCommand = true;
        std::string reason;
        EXPECT_FALSE(ParseScriptLine(b.line, c, isCommand, reason)) << b.line;
        EXPECT_EQ(reason, b.reason) << b.line;
    }
    // A NUL byte would end the text early wherever it is passed on as a C string.
    ScriptCommand c;
    bool isCommand = true;
    std::string reason;
    EXPECT_FALSE(ParseScriptLine(std::string_view("type a\0b", 8), c, isCommand, reason));
    EXPECT_EQ(reason, "the line holds a NUL byte");
}

TEST(ScriptLines, BlankAndCommentLinesAreSkipped) {
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented", "#click 1 2"}) {
        ScriptCommand c;
        bool isCommand = true;
        std::string reason;
        EXPECT_TRUE(ParseScriptLine(line, c, isCommand, reason)) << line;
        EXPECT_FALSE(isCommand) << line;
    }
}

TEST(ScriptKeys, NamesModifiersAndCharacters) {
    for (const KeyCase& k : kKeys) {
        ScriptKey key;
        std::string reason;
        ASSERT_TRUE(ParseKeyName(k.name, key, reason)) << k.name << ": " << reason;
        EXPECT_EQ(key.vk, k.vk) << k.name;
        EXPECT_EQ(key.shift, k.shift) << k.name;
        EXPECT_EQ(key.ctrl, k.ctrl) << k.name;
        EXPECT_EQ(key.alt, k.alt) << k.name;
    }
    for (const char* name : kBadKeys) {
        ScriptKey key;
        std::string reason;
        EXPECT_FALSE(ParseKeyName(name, key, reason)) << name;
        EXPECT_NE(reason.find(" is no key: the keys are Enter"), std::string::npos) << reason;
    }
}

TEST(Scripts, CommandsKeepTheirLineNumbersAndTheFirstBadLineStopsTheReading) {
    std::vector<ScriptCommand> commands;
    int line = 0;
    std::string reason;
    ASSERT_TRUE(ParseScript("# demo\r\nclick 2 3\r\n\r\n  type x\nkey Enter", commands, line, reason)) << reason;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].line, 2);
    EXPECT_EQ(commands[1].line, 4);
    EXPECT_EQ(commands[1].text, "x");  // the line break's carriage return is not typed
    EXPECT_EQ(commands[2].line, 5);

    EXPECT_FALSE(ParseScript("dump\n\nclick 1\ndump\nbogus", commands, line, reason));
    EXPECT_EQ(line, 3);
    EXPECT_EQ(reason, "click takes a row and a column: click ROW COL");
}

TEST(Scripts, LoadingNamesTheFileAndTheLine) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("krx_script_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "s.txt";
    std::ofstream(file) << "dump\nscroll x\n";
    Script script;
    std::string error;
    EXPECT_FALSE(LoadScript(file.string(), script, error));
    EXPECT_EQ(error, file.string() + ":2: \"x\" is not a row number");
    EXPECT_FALSE(LoadScript((dir / "none.txt").string(), script, error));
    EXPECT_EQ(error, (dir / "none.txt").string() + ": cannot be read: No such file or directory");
    EXPECT_FALSE(LoadScript(dir.string(), script, error));
    EXPECT_EQ(error, dir.string() + ": cannot be read: Is a directory");
    std::ofstream(file) << "dump\n";
    ASSERT_TRUE(LoadScript(file.string(), script, error)) << error;
    EXPECT_EQ(script.name, file.string());
    EXPECT_EQ(script.commands.size(), 1u);
    fs::remove_all(dir);
}
