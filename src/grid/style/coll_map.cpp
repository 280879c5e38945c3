#include "grid/style/coll_map.h"

IMPLEMENT_SERIAL(CGXCollMapDWordToString, CObject, VERSIONABLE_SCHEMA | 0)
IMPLEMENT_SERIAL(CGXCollMapStringToWord, CObject, VERSIONABLE_SCHEMA | 0)
IMPLEMENT_DYNAMIC(CGXCollMapDWordToPtr, CObject)

namespace {
// The smallest stored entry: a 4-byte id and a 1-byte empty text, or a 1-byte name and a 2-byte id.
constexpr ULONGLONG nMinDWordStringEntry = 5;
constexpr ULONGLONG nMinStringWordEntry = 3;

// Both maps store a count, then each key followed by its value, in key order. A count that the
// remaining bytes cannot hold is damage, refused before anything is read.
template <typename Key, typename Value, typename Map>
void SerializeMap(CArchive& ar, Map& map, ULONGLONG nMinEntry) {
    if (ar.IsStoring()) {
        ar.WriteCount(map.size());
        for (const auto& [key, value] : map) ar << key << value;
        return;
    }
    map.clear();
    ULONGLONG nCount = ar.ReadCount();
    if (nCount > ar.GetRemaining() / nMinEntry) AfxThrowArchiveException(CArchiveException::endOfFile);
    for (ULONGLONG i = 0; i < nCount; ++i) {
        Key key{};
        Value value{};
        ar >> key >> value;
        map[std::move(key)] = std::move(value);
    }
}
}  // namespace

bool CGXCollMapDWordToString::Lookup(DWORD key, CString& rValue) const {
    auto it = m_map.find(key);
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}

const CString* CGXCollMapDWordToString::Find(DWORD key) const {
    auto it = m_map.find(key);
    return it == m_map.end() ? nullptr : &it->second;
}

void CGXCollMapDWordToString::Serialize(CArchive& ar) {
    SerializeMap<DWORD, CString>(ar, m_map, nMinDWordStringEntry);
}

bool CGXCollMapStringToWord::Lookup(const char* key, WORD& rValue) const {
    auto it = m_map.find(std::string_view(key == nullptr ? "" : key));
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}

void CGXCollMapStringToWord::Serialize(CArchive& ar) {
    SerializeMap<CString, WORD>(ar, m_map, nMinStringWordEntry);
}

bool CGXCollMapDWordToPtr::Lookup(DWORD key, void*& rValue) const {
    auto it = m_map.find(key);
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}
