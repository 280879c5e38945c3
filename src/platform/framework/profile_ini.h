#pragma once
// An initialisation file in memory, with the platform's semantics: "[section]" lines, "key=value"
// entries, ';' comment lines kept but never listed; section and key names compare without regard
// to case after trimming; the first matching section and key win; a value that is wrapped in one
// pair of matching quotes is read without them. Written back as "[section]\r\nkey=value\r\n".
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/string_array.h"

class CIniFile {
public:
    // Replaces the content by the parse of a text (the content of a file).
    void Parse(std::string_view text);
    std::string Text() const;

    // False when the section or the key is missing (or the key has no '=').
    bool GetString(std::string_view section, std::string_view key, CString& rValue) const;
    // Replaces the first matching key in place, or appends it to its section (a new section at the end).
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);
    // The names of the section's keys in file order (entries without '=' are not keys).
    void GetKeys(std::string_view section, CStringArray& rKeys) const;
    void GetSections(CStringArray& rSections) const;

private:
    struct Line {
        enum Kind { entry, nameOnly, comment } kind;
        std::string name;   // the comment's text for a comment
        std::string value;
    };
    struct Section {
        std::string name;
        bool bUnnamed = false;  // the lines before the first section: kept, not addressable
        std::vector<Line> lines;
    };

    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section) {
        return const_cast<Section*>(static_cast<const CIniFile*>(this)->FindSection(section));
    }

    std::vector<Section> m_sections;
};

// Compares names the way the platform's profiles do: trimmed, without regard to ASCII case.
bool ProfileNamesEqual(std::string_view a, std::string_view b) noexcept;
std::string_view TrimProfileName(std::string_view s) noexcept;
