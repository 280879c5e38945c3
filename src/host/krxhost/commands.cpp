#include "host/krxhost/commands.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

#include "host/mckernel/read_log.h"

namespace {

// Output is gathered and written in large blocks: translating many items must not cost a
// system call per line.
class OutputBuffer {
public:
    ~OutputBuffer() { Flush(); }
    void Write(std::string_view text) {
        m_buffer.append(text);
        if (m_buffer.size() >= (1u << 20)) Flush();
    }
    void Flush() {
        if (!m_buffer.empty()) std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        std::fflush(stdout);
        m_buffer.clear();
    }

private:
    std::string m_buffer;
};

void Report(const char* kind, const std::string& where, const CString& message) {
    std::fprintf(stderr, "krxhost: %s: %s%s\n", kind, where.c_str(), message.GetString());
}

// Translates one item. Warnings about entries the kernel did not take go to standard error;
// under --strict they fail the item before anything is written.
int TranslateOne(PluginLibrary& plugin, const CMC_Setup& setup, const CString& text, bool strict,
                 const std::string& where, CMC_ReadLog& log, OutputBuffer& out) {
    CMC_Motion motion;
    CString output;
    log.Clear();
    int ok = plugin.TranslateMotionSequence(setup, motion, text, output);
    std::vector<CString> warnings = log.Warnings(text.view());
    for (const CString& warning : warnings) Report(strict ? "error" : "warning", where, warning);
    if (!ok) {
        out.Flush();
        std::fprintf(stderr, "%s%s\n", where.c_str(), output.GetString());
        return kExitFailed;
    }
    if (strict && !warnings.empty()) return kExitFailed;
    out.Write(output.view());
    return kExitOk;
}

bool ReadAll(std::istream& in, std::string& content) {
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int TranslateItems(PluginLibrary& plugin, const CMC_Setup& setup, const TranslateOptions& options) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (options.itemsFile != "-") {
        file.open(options.itemsFile, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "krxhost: %s: cannot be read\n", options.itemsFile.c_str());
            return kExitUsage;
        }
        in = &file;
    }
    std::string content;
    if (!ReadAll(*in, content)) {
        std::fprintf(stderr, "krxhost: %s: cannot be read\n", options.itemsFile.c_str());
        return kExitUsage;
    }

    CMC_ReadLog log;
    OutputBuffer out;
    std::string_view rest(content);
    for (int line = 1; !rest.empty(); ++line) {
        size_t end = rest.find('\n');
        std::string_view item = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!item.empty() && item.back() == '\r') item.remove_suffix(1);
        size_t first = item.find_first_not_of(" \t");
        if (first == std::string_view::npos || item[first] == '#') continue;
        std::string where = options.itemsFile + ":" + std::to_string(line) + ": ";
        int rc = TranslateOne(plugin, setup, CString(item), options.strict, where, log, out);
        if (rc != kExitOk) return rc;
    }
    return kExitOk;
}

}  // namespace

int RunInfo(PluginLibrary& plugin, const CMC_Setup& setup) {
    unsigned order = plugin.GetOrderID();
    std::printf("name: %s\n", plugin.GetName());
    std::printf("class name: %s\n", plugin.GetClassName());
    std::printf("order: 0x%04X (%u)\n", order, order);
    std::printf("enabled: %s\n", plugin.IsEnabled(setup) ? "yes" : "no");
    return kExitOk;
}

int RunDefault(PluginLibrary& plugin, const CMC_Setup& setup) {
    CMC_Motion motion;
    CString text;
    plugin.GetDefaultParameters(setup, motion, text);
    std::fwrite(text.GetString(), 1, static_cast<size_t>(text.GetLength()), stdout);
    return kExitOk;
}

int RunTranslate(PluginLibrary& plugin, const CMC_Setup& setup, const TranslateOptions& options) {
    if (!options.itemsFile.empty()) return TranslateItems(plugin, setup, options);
    std::string text = options.text;
    if (text == "-" && !ReadAll(std::cin, text)) {
        std::fprintf(stderr, "krxhost: standard input cannot be read\n");
        return kExitUsage;
    }
    CMC_ReadLog log;
    OutputBuffer out;
    return TranslateOne(plugin, setup, CString(text), options.strict, "", log, out);
}
