#include "platform/framework/string_array.h"

#include <algorithm>
#include <stdexcept>

namespace {
const CString g_empty;
}

void CStringArray::SetSize(int nNewSize) { m_items.resize(static_cast<size_t>(std::max(nNewSize, 0))); }

const CString& CStringArray::GetAt(int nIndex) const noexcept {
    return InRange(nIndex) ? m_items[static_cast<size_t>(nIndex)] : g_empty;
}

void CStringArray::SetAt(int nIndex, const CString& s) {
    if (InRange(nIndex)) m_items[static_cast<size_t>(nIndex)] = s;
}

CString& CStringArray::ElementAt(int nIndex) {
    if (!InRange(nIndex)) throw std::out_of_range("CStringArray index out of range");
    return m_items[static_cast<size_t>(nIndex)];
}

int CStringArray::Add(const CString& s) {
    m_items.push_back(s);
    return GetUpperBound();
}

void CStringArray::SetAtGrow(int nIndex, const CString& s) {
    if (nIndex < 0) return;
    if (nIndex >= GetSize()) SetSize(nIndex + 1);
    m_items[static_cast<size_t>(nIndex)] = s;
}

void CStringArray::InsertAt(int nIndex, const CString& s, int nCount) {
    if (nIndex < 0 || nCount <= 0) return;
    if (nIndex > GetSize()) SetSize(nIndex);
    m_items.insert(m_items.begin() + nIndex, static_cast<size_t>(nCount), s);
}

void CStringArray::RemoveAt(int nIndex, int nCount) {
    if (!InRange(nIndex) || nCount <= 0) return;
    int nEnd = std::min(GetSize(), nIndex + std::min(nCount, GetSize()));
    m_items.erase(m_items.begin() + nIndex, m_items.begin() + nEnd);
}

void CStringArray::Append(const CStringArray& other) {
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
}
