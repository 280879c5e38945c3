// The script driver's reader: any text is either read into commands, or refused with the number of
// a line of it and a reason. Every command read names a line of the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/krxhost/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptCommand> commands;
    int errorLine = 0;
    std::string reason;
    if (!ParseScript(text, commands, errorLine, reason)) {
        if (errorLine < 1 || reason.empty()) std::abort();  // a refusal says where and why
        return 0;
    }
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (const ScriptCommand& c : commands)
        if (c.line < 1 || static_cast<size_t>(c.line) > lines) std::abort();
    return 0;
}
