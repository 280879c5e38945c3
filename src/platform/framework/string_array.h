#pragma once
// CStringArray: the framework's growable array of strings, indexed from 0.
#include <vector>

#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CStringArray : public CObject {
public:
    CStringArray() = default;

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_items.empty(); }
    void SetSize(int nNewSize);

    // The element at an index; an index outside the array reads as the empty string and writes
    // nothing, so a bad index never touches memory outside the array.
    const CString& GetAt(int nIndex) const noexcept;
    void SetAt(int nIndex, const CString& s);
    CString& ElementAt(int nIndex);
    const CString& operator[](int nIndex) const noexcept { return GetAt(nIndex); }
    CString& operator[](int nIndex) { return ElementAt(nIndex); }

    int Add(const CString& s);
    void SetAtGrow(int nIndex, const CString& s);
    void InsertAt(int nIndex, const CString& s, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll() noexcept { m_items.clear(); }
    void Append(const CStringArray& other);
    void Copy(const CStringArray& other) { m_items = other.m_items; }

    auto begin() const noexcept { return m_items.begin(); }
    auto end() const noexcept { return m_items.end(); }

private:
    bool InRange(int nIndex) const noexcept { return nIndex >= 0 && nIndex < GetSize(); }
    std::vector<CString> m_items;
};
