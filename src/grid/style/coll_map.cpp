#include "grid/style/coll_map.h"

IMPLEMENT_SERIAL(CGXCollMapDWordToString, CObject, VERSIONABLE_SCHEMA | 0)
IMPLEMENT_SERIAL(CGXCollMapStringToWord, CObject, VERSIONABLE_SCHEMA | 0)
IMPLEMENT_DYNAMIC(CGXCollMapDWordToPtr, CObject)

namespace {
// The smallest stored entry: a 4-byte id and a 1-byte empty text, or a 1-byte name and a 2-byte id.
constexpr ULONGLONG nMinDWordStringEntry = 5;
constexpr ULONGLONG nMinStringWordEntry = 3;
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
    if (ar.IsStoring()) {
        ar.WriteCount(m_map.size());
        for (const auto& [key, value] : m_map) ar << key << value;
        return;
    }
    RemoveAll();
    ULONGLONG nCount = ar.ReadCount();
    if (nCount > ar.GetRemaining() / nMinDWordStringEntry) AfxThrowArchiveException(CArchiveException::endOfFile);
    for (ULONGLONG i = 0; i < nCount; ++i) {
        DWORD key;
        CString value;
        ar >> key >> value;
        m_map[key] = std::move(value);
    }
}

bool CGXCollMapStringToWord::Lookup(const char* key, WORD& rValue) const {
    auto it = m_map.find(std::string_view(key == nullptr ? "" : key));
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}

void CGXCollMapStringToWord::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_map.size());
        for (const auto& [key, value] : m_map) ar << key << value;
        return;
    }
    RemoveAll();
    ULONGLONG nCount = ar.ReadCount();
    if (nCount > ar.GetRemaining() / nMinStringWordEntry) AfxThrowArchiveException(CArchiveException::endOfFile);
    for (ULONGLONG i = 0; i < nCount; ++i) {
        CString key;
        WORD value;
        ar >> key >> value;
        m_map[std::move(key)] = value;
    }
}

bool CGXCollMapDWordToPtr::Lookup(DWORD key, void*& rValue) const {
    auto it = m_map.find(key);
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}
