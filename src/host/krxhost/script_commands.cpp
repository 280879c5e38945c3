// Reading scripts: lines into commands, key names into keys, with reasons a person can act on.
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <string>

#include "host/krxhost/script.h"
#include "host/mckernel/excerpt.h"
#include "platform/framework/read_file.h"
#include "platform/win/synthetic_input.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The blank-separated words of a text.
std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    for (;;) {
        while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
        if (s.empty()) return words;
        size_t n = 0;
        while (n < s.size() && !IsBlank(s[n])) ++n;
        words.push_back(s.substr(0, n));
        s.remove_prefix(n);
    }
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string Quoted(std::string_view text) { return std::string("\"") + CMC_Excerpt(text).GetString() + "\""; }

// A row or column number: decimal digits, 0 up to the last number a grid counts (all ones means
// none). Leading zeros are no octal prefix.
bool ParseNumber(std::string_view word, const char* what, uint32_t& value, std::string& reason) {
    const bool digits = !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) {
        reason = Quoted(word) + " is not a " + what + " number";
        return false;
    }
    uint64_t n = 0;
    for (char c : word) {
        n = n * 10 + static_cast<uint64_t>(c - '0');
        if (n >= 0xFFFFFFFFull) {
            reason = Quoted(word) + " is beyond the last " + what + " a grid can have";
            return false;
        }
    }
    value = static_cast<uint32_t>(n);
    return true;
}

struct NamedKey {
    const char* name;
    UINT vk;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},        {"Space", VK_SPACE},
    {"Up", VK_UP},        {"Down", VK_DOWN},     {"Left", VK_LEFT},      {"Right", VK_RIGHT},
    {"Home", VK_HOME},    {"End", VK_END},       {"PageUp", VK_PRIOR},   {"PageDown", VK_NEXT},
    {"Delete", VK_DELETE}, {"Backspace", VK_BACK},
};

// F1..F12; 0 for anything else.
UINT FunctionKey(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || (name[0] != 'F' && name[0] != 'f')) return 0;
    uint32_t n = 0;
    std::string ignored;
    if (!ParseNumber(name.substr(1), "key", n, ignored) || name[1] == '0' || n < 1 || n > 12) return 0;
    return VK_F1 + n - 1;
}

bool ParseCommand(std::string_view word, std::string_view rest, ScriptCommand& c, std::string& reason) {
    const std::vector<std::string_view> args = Words(rest);
    if (EqualNoCase(word, "click")) {
        c.op = ScriptOp::Click;
        if (args.size() != 2) return reason = "click takes a row and a column: click ROW COL", false;
        return ParseNumber(args[0], "row", c.row, reason) && ParseNumber(args[1], "column", c.col, reason);
    }
    if (EqualNoCase(word, "scroll")) {
        c.op = ScriptOp::Scroll;
        if (args.size() != 1) return reason = "scroll takes the row to show at the top: scroll ROW", false;
        return ParseNumber(args[0], "row", c.row, reason);
    }
    if (EqualNoCase(word, "key")) {
        c.op = ScriptOp::Key;
        if (args.size() != 1) return reason = "key takes one key name, such as Enter, Ctrl+Home or a", false;
        return ParseKeyName(args[0], c.key, reason);
    }
    if (EqualNoCase(word, "type")) {
        // The rest of the line as it stands, blanks included, after the one blank that ends the word.
        c.op = ScriptOp::Type;
        if (!rest.empty()) rest.remove_prefix(1);
        if (rest.empty()) return reason = "type takes the text to type: type TEXT", false;
        c.text = std::string(rest);
        return true;
    }
    if (EqualNoCase(word, "button") || EqualNoCase(word, "snapshot")) {
        const bool button = EqualNoCase(word, "button");
        c.op = button ? ScriptOp::Button : ScriptOp::Snapshot;
        c.text = std::string(TrimBlanks(rest));
        if (c.text.empty())
            return reason = button ? "button takes the text of a button: button TEXT" : "snapshot takes a file: snapshot FILE",
                   false;
        return true;
    }
    if (EqualNoCase(word, "dump")) {
        c.op = ScriptOp::Dump;
        if (!args.empty()) return reason = "dump takes nothing after it", false;
        return true;
    }
    reason = "unknown command " + Quoted(word) + " (the commands are click, button, key, type, scroll, snapshot and dump)";
    return false;
}

}  // namespace

bool ParseKeyName(std::string_view name, ScriptKey& key, std::string& reason) {
    key = ScriptKey{};
    const std::string_view whole = name;
    // Modifiers come first; "Ctrl++" is Ctrl with the plus key, "Shift+" alone is no key.
    for (bool more = true; more;) {
        more = false;
        for (const char* modifier : {"Shift+", "Ctrl+", "Alt+"}) {
            const size_t n = std::strlen(modifier);
            if (name.size() > n && EqualNoCase(name.substr(0, n), modifier)) {
                bool& held = modifier[0] == 'S' ? key.shift : modifier[0] == 'C' ? key.ctrl : key.alt;
                held = true;
                name.remove_prefix(n);
                more = true;
            }
        }
    }
    for (const NamedKey& k : kNamedKeys) {
        if (EqualNoCase(name, k.name)) return key.vk = k.vk, true;
    }
    if (const UINT vk = FunctionKey(name)) return key.vk = vk, true;
    if (name.size() == 1 && name[0] > ' ' && name[0] < 0x7F) {
        bool shift = false;
        if (synthetic::KeyForCharacter(static_cast<unsigned char>(name[0]), key.vk, shift)) {
            key.shift = key.shift || shift;
            return true;
        }
    }
    reason = Quoted(whole) +
             " is no key: the keys are Enter, Escape, Tab, Space, Up, Down, Left, Right, Home, End, PageUp, "
             "PageDown, Delete, Backspace, F1 to F12 and single printable characters, after Shift+, Ctrl+ or Alt+";
    return false;
}

bool ParseScriptLine(std::string_view line, ScriptCommand& command, bool& isCommand, std::string& reason) {
    isCommand = false;
    if (line.find('\0') != std::string_view::npos) return reason = "the line holds a NUL byte", false;
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == '#') return true;
    size_t n = 0;
    while (n < line.size() && !IsBlank(line[n])) ++n;
    const int number = command.line;
    command = ScriptCommand{};
    command.line = number;
    if (!ParseCommand(line.substr(0, n), line.substr(n), command, reason)) return false;
    isCommand = true;
    return true;
}

bool ParseScript(std::string_view text, std::vector<ScriptCommand>& commands, int& errorLine, std::string& reason) {
    commands.clear();
    for (int number = 1; !text.empty(); ++number) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ScriptCommand command;
        command.line = number;
        bool isCommand = false;
        if (!ParseScriptLine(line, command, isCommand, reason)) {
            errorLine = number;
            return false;
        }
        if (isCommand) commands.push_back(std::move(command));
    }
    return true;
}

bool LoadScript(const std::string& path, Script& script, std::string& error) {
    std::string text, reason;
    script.name = path == "-" ? "standard input" : path;
    const bool read = path == "-" ? ReadStream(STDIN_FILENO, kMaxScriptSize, text, reason)
                                  : ReadRegularFile(path, kMaxScriptSize, text, reason) == ReadFileResult::ok;
    if (!read) {
        // As every input of the command line says it.
        error = (path == "-" ? script.name + " cannot be read: " : script.name + ": cannot be read: ") + reason;
        return false;
    }
    int line = 0;
    if (!ParseScript(text, script.commands, line, reason)) {
        error = script.name + ":" + std::to_string(line) + ": " + reason;
        return false;
    }
    return true;
}
