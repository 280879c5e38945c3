#pragma once
// A registry-like store: a hierarchy of keys, each with named string values and subkeys. Key
// paths separate names by '\'; names compare without regard to case and keep the case they were
// first written with. Subkeys and values are listed in the order of their names (ignoring case),
// as the platform's registry lists them. The whole tree persists to one text file; the root's own
// values are under "[]".
//
// A file decides how deep the tree is, so nothing here recurses along its depth: destroying,
// writing and deleting walk the tree with a list of their own.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/framework/profile_names.h"
#include "platform/framework/string_array.h"

class CRegistryStore {
public:
    // Replaces the content by the parse of a file's text; lines that are not understood are skipped.
    void Parse(std::string_view text);
    std::string Text() const;

    bool GetValue(std::string_view keyPath, std::string_view name, CString& rValue) const;
    // Creates the key (and those above it) when needed.
    void SetValue(std::string_view keyPath, std::string_view name, std::string_view value);
    bool DeleteValue(std::string_view keyPath, std::string_view name);
    // Deletes the key with its values and all its subkeys.
    bool DeleteKey(std::string_view keyPath);
    bool KeyExists(std::string_view keyPath) const { return Find(keyPath) != nullptr; }
    void GetValueNames(std::string_view keyPath, CStringArray& rNames) const;
    void GetSubkeyNames(std::string_view keyPath, CStringArray& rNames) const;

private:
    struct Key {
        Key() = default;
        ~Key();  // takes the subtree apart without recursion
        Key(const Key&) = delete;
        Key& operator=(const Key&) = delete;
        void Clear();

        std::map<std::string, std::string, ProfileNameLess> values;
        std::map<std::string, std::unique_ptr<Key>, ProfileNameLess> subkeys;
    };

    const Key* Find(std::string_view keyPath) const;
    Key* Create(std::string_view keyPath);

    Key m_root;
};
