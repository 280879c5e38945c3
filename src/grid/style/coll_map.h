#pragma once
// The grid's maps: from a 32-bit id to a text, from a name to a 16-bit id, from a 32-bit id to a
// pointer. They iterate in ascending order of their keys (names by byte value, case-sensitive),
// so that everything written from them (profiles, archives) comes out the same every time.
// The block size of the framework's maps is accepted and has no effect.
#include <map>
#include <string_view>

#include "platform/framework/archive.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CGXCollMapDWordToString : public CObject {
    DECLARE_SERIAL(CGXCollMapDWordToString)
public:
    explicit CGXCollMapDWordToString(int /*nBlockSize*/ = 10) {}
    CGXCollMapDWordToString(const CGXCollMapDWordToString&) = default;
    CGXCollMapDWordToString& operator=(const CGXCollMapDWordToString&) = default;

    int GetCount() const noexcept { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const noexcept { return m_map.empty(); }
    bool Lookup(DWORD key, CString& rValue) const;
    const CString* Find(DWORD key) const;
    void SetAt(DWORD key, const CString& value) { m_map[key] = value; }
    bool RemoveKey(DWORD key) { return m_map.erase(key) > 0; }
    void RemoveAll() noexcept { m_map.clear(); }
    bool operator==(const CGXCollMapDWordToString& other) const { return m_map == other.m_map; }

    auto begin() const noexcept { return m_map.begin(); }
    auto end() const noexcept { return m_map.end(); }

    // Count, then per entry the id (32 bits) and the text.
    void Serialize(CArchive& ar) override;

private:
    std::map<DWORD, CString> m_map;
};

class CGXCollMapStringToWord : public CObject {
    DECLARE_SERIAL(CGXCollMapStringToWord)
public:
    explicit CGXCollMapStringToWord(int /*nBlockSize*/ = 10) {}
    CGXCollMapStringToWord(const CGXCollMapStringToWord&) = default;
    CGXCollMapStringToWord& operator=(const CGXCollMapStringToWord&) = default;

    int GetCount() const noexcept { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const noexcept { return m_map.empty(); }
    bool Lookup(const char* key, WORD& rValue) const;
    void SetAt(const char* key, WORD value) { m_map[CString(key)] = value; }
    bool RemoveKey(const char* key) { return m_map.erase(CString(key)) > 0; }
    void RemoveAll() noexcept { m_map.clear(); }

    auto begin() const noexcept { return m_map.begin(); }
    auto end() const noexcept { return m_map.end(); }

    // Count, then per entry the name and the id (16 bits).
    void Serialize(CArchive& ar) override;

private:
    // Looks names up without making a string of them.
    struct NameLess {
        using is_transparent = void;
        static std::string_view View(const CString& s) noexcept { return s.view(); }
        static std::string_view View(std::string_view s) noexcept { return s; }
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const noexcept { return View(a) < View(b); }
    };
    std::map<CString, WORD, NameLess> m_map;
};

// Pointers are not stored in archives; whoever puts them in decides who deletes them.
class CGXCollMapDWordToPtr : public CObject {
    DECLARE_DYNAMIC(CGXCollMapDWordToPtr)
public:
    explicit CGXCollMapDWordToPtr(int /*nBlockSize*/ = 10) {}

    int GetCount() const noexcept { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const noexcept { return m_map.empty(); }
    bool Lookup(DWORD key, void*& rValue) const;
    void SetAt(DWORD key, void* value) { m_map[key] = value; }
    bool RemoveKey(DWORD key) { return m_map.erase(key) > 0; }
    void RemoveAll() noexcept { m_map.clear(); }

    auto begin() const noexcept { return m_map.begin(); }
    auto end() const noexcept { return m_map.end(); }

private:
    std::map<DWORD, void*> m_map;
};
