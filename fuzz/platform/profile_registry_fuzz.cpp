// Hostile registry files and hostile key paths, names and values. A file reads as some tree of
// keys and values; written and read again it is the very same tree, and writes the same text.
// Values set one by one under paths and names of any bytes read back exactly from the written file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/framework/profile_registry.h"
#include "profile_round.h"

namespace {
// Every key of a tree, by its path, with its values; walked with a list, as a file decides the
// depth.
std::map<std::string, std::map<std::string, std::string>> Read(const CRegistryStore& reg) {
    std::map<std::string, std::map<std::string, std::string>> tree;
    std::vector<std::string> pending{""};
    CStringArray names;
    while (!pending.empty()) {
        std::string path = std::move(pending.back());
        pending.pop_back();
        auto& values = tree[path];
        reg.GetValueNames(path, names);
        for (const CString& name : names) {
            CString value;
            if (!reg.GetValue(path, name.view(), value)) std::abort();
            values[name.str()] = value.str();
        }
        reg.GetSubkeyNames(path, names);
        for (const CString& name : names) pending.push_back(path.empty() ? name.str() : path + "\\" + name.str());
    }
    return tree;
}

// A key path as the store takes it: its names between backslashes, empty ones dropped, any case.
std::string FoldedPath(std::string_view path) {
    std::string folded;
    while (!path.empty()) {
        size_t n = path.find('\\');
        std::string_view part = path.substr(0, n);
        path.remove_prefix(n == std::string_view::npos ? path.size() : n + 1);
        if (part.empty()) continue;
        if (!folded.empty()) folded += '\\';
        for (char c : part) folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return folded;
}

void CheckWrittenValues(FuzzedDataProvider& data) {
    CRegistryStore reg;
    struct Written {
        std::string path, name, value;
    };
    std::map<std::string, std::map<std::string, Written, ProfileNameLess>> expected;
    while (data.remaining_bytes() > 0) {
        Written w{data.ConsumeRandomLengthString(64), data.ConsumeRandomLengthString(32),
                  data.ConsumeRandomLengthString(256)};
        reg.SetValue(w.path, w.name, w.value);
        auto& values = expected[FoldedPath(w.path)];
        auto it = values.find(w.name);
        if (it == values.end()) values.emplace(w.name, w);
        else it->second.value = w.value;
    }
    CRegistryStore read;
    read.Parse(reg.Text());
    for (const auto& [path, values] : expected) {
        for (const auto& [name, w] : values) {
            CString got;
            if (!read.GetValue(w.path, w.name, got) || got.view() != w.value) std::abort();
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckHostileFile<CRegistryStore>(std::string_view(reinterpret_cast<const char*>(data), size), Read);
    FuzzedDataProvider provider(data, size);
    CheckWrittenValues(provider);
    return 0;
}
