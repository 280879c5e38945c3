#pragma once
// CGXMapDWordToLong: a map from a row or column number to its size, as the grid parameters keep
// the rows' heights and the columns' widths that differ from the default. It iterates in ascending
// order of its keys, so that its archive form comes out the same every time.
#include <map>

#include "platform/framework/archive.h"
#include "platform/framework/object.h"

class CGXMapDWordToLong : public CObject {
    DECLARE_SERIAL(CGXMapDWordToLong)
public:
    explicit CGXMapDWordToLong(int /*nBlockSize*/ = 10) {}

    int GetCount() const noexcept { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const noexcept { return m_map.empty(); }
    bool Lookup(DWORD key, LONG& rValue) const;
    void SetAt(DWORD key, LONG value) { m_map[key] = value; }
    bool RemoveKey(DWORD key) { return m_map.erase(key) > 0; }
    void RemoveAll() noexcept { m_map.clear(); }
    bool operator==(const CGXMapDWordToLong& other) const { return m_map == other.m_map; }

    auto begin() const noexcept { return m_map.begin(); }
    auto end() const noexcept { return m_map.end(); }

    // The count, then per entry the key and the value, 32 bits each. A damaged archive leaves
    // the map as it was.
    void Serialize(CArchive& ar) override;

private:
    std::map<DWORD, LONG> m_map;
};
