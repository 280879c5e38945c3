#pragma once
// An initialisation file in memory, with the platform's semantics: "[section]" lines, "key=value"
// entries, ';' comment lines kept but never listed; section and key names compare without regard
// to case after trimming; the first matching section and key win; a value that is wrapped in one
// pair of matching quotes is read without them. CR, LF and CR LF each end a line. Written back as
// "[section]\r\nkey=value\r\n", names and values that a plain line cannot hold in their escaped
// form (profile_ini_escape.h).
//
// Sections and keys are indexed by name, so that reading a profile with thousands of sections
// costs log n per look-up, not a scan of the file.
#include <list>
#include <map>
#include <string>
#include <string_view>

#include "platform/framework/profile_names.h"
#include "platform/framework/string_array.h"

class CIniFile {
public:
    CIniFile();
    // The indexes point into the lines: a copy would point into the original.
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

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
        std::string name;   // the key; the line as written for a comment or a name without '='
        std::string value;  // as written in the file (trimmed), escaped or quoted
    };
    using Lines = std::list<Line>;
    // Keys in the views are the names of lines and sections, which a list never moves.
    using KeyIndex = std::multimap<std::string_view, Lines::iterator, ProfileNameLess>;
    struct Section {
        std::string name;
        bool bUnnamed = false;  // the lines before the first section: kept, not addressable
        Lines lines;
        KeyIndex keys;  // entries and names without '=', in file order among equal names
    };
    using Sections = std::list<Section>;

    Section& AddSection(std::string name, bool bUnnamed);
    static void AddLine(Section& section, Line line);
    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section) {
        return const_cast<Section*>(static_cast<const CIniFile*>(this)->FindSection(section));
    }
    static KeyIndex::const_iterator FindKey(const Section& section, std::string_view key);

    Sections m_sections;
    std::multimap<std::string_view, Sections::iterator, ProfileNameLess> m_index;
};
