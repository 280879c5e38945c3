// Hostile initialisation files and hostile names and values. A file reads as some sections and
// keys; written and read again it reads as the very same ones, and writes the same text. Sections,
// keys and values of any bytes, set one by one, read back exactly from the written file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/framework/profile_ini.h"
#include "profile_round.h"

namespace {
// What a file reads as: per section (first of equal names), per key (likewise), the value, or
// nothing for a key that a name without '=' hides.
using Keys = std::map<std::string, std::optional<std::string>, ProfileNameLess>;
using Contents = std::map<std::string, Keys, ProfileNameLess>;

Contents Read(const CIniFile& ini) {
    Contents contents;
    CStringArray sections, keys;
    ini.GetSections(sections);
    for (const CString& section : sections) {
        if (contents.count(section.view()) != 0) continue;
        Keys& out = contents[section.str()];
        ini.GetKeys(section.view(), keys);
        for (const CString& key : keys) {
            if (out.count(key.view()) != 0) continue;
            CString value;
            out[key.str()] = ini.GetString(section.view(), key.view(), value) ? std::optional(value.str()) : std::nullopt;
        }
    }
    return contents;
}

void CheckWrittenValues(FuzzedDataProvider& data) {
    CIniFile ini;
    std::map<std::string, std::map<std::string, std::string, ProfileNameLess>, ProfileNameLess> expected;
    while (data.remaining_bytes() > 0) {
        std::string section = data.ConsumeRandomLengthString(64);
        std::string key = data.ConsumeRandomLengthString(64);
        std::string value = data.ConsumeRandomLengthString(256);
        ini.SetString(section, key, value);
        // Names are trimmed; an existing key keeps its first spelling.
        auto& keys = expected[std::string(TrimProfileName(section))];
        auto it = keys.find(TrimProfileName(key));
        if (it == keys.end()) keys.emplace(std::string(TrimProfileName(key)), value);
        else it->second = value;
    }
    CIniFile read;
    read.Parse(ini.Text());
    CStringArray names;
    for (const auto& [section, keys] : expected) {
        read.GetKeys(section, names);
        if (names.GetSize() != static_cast<int>(keys.size())) std::abort();
        for (const auto& [key, value] : keys) {
            CString got;
            if (!read.GetString(section, key, got) || got.view() != value) std::abort();
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckHostileFile<CIniFile>(std::string_view(reinterpret_cast<const char*>(data), size), Read);
    FuzzedDataProvider provider(data, size);
    CheckWrittenValues(provider);
    return 0;
}
