#include "grid/data/grid_param_size_map.h"

IMPLEMENT_SERIAL(CGXMapDWordToLong, CObject, 0)

bool CGXMapDWordToLong::Lookup(DWORD key, LONG& rValue) const {
    auto it = m_map.find(key);
    if (it == m_map.end()) return false;
    rValue = it->second;
    return true;
}

void CGXMapDWordToLong::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_map.size());
        for (const auto& [key, value] : m_map) ar << key << value;
        return;
    }
    const ULONGLONG nCount = ar.ReadCount();
    if (nCount > ar.GetRemaining() / 8) AfxThrowArchiveException(CArchiveException::endOfFile);
    std::map<DWORD, LONG> map;
    for (ULONGLONG i = 0; i < nCount; ++i) {
        DWORD key;
        LONG value;
        ar >> key >> value;
        map[key] = value;
    }
    m_map.swap(map);
}
