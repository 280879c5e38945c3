#pragma once
// The framework's collections of pointers and 32-bit values: CPtrArray and CDWordArray, growable
// arrays indexed from 0, and CPtrList, a doubly linked list walked by positions.
//
// Indexes are int, as the grid's coordinates stay below 0x80000000. A bad index never touches
// memory outside a collection: reading it gives the empty value, writing it does nothing.
// Growth that cannot be satisfied raises the framework's memory exception.
// Only CDWordArray has an archive form; pointers are not stored in archives.
#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/framework/exceptions.h"
#include "platform/framework/object.h"

class CArchive;

// A growable array of plain values; the common part of CPtrArray and CDWordArray.
template <typename T>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_items.empty(); }
    // The growth step is the allocator's business here; it is accepted for the callers' sake.
    void SetSize(int nNewSize, int /*nGrowBy*/ = -1) { Resize(static_cast<size_t>(std::max(nNewSize, 0))); }
    void FreeExtra() { m_items.shrink_to_fit(); }

    T GetAt(int nIndex) const noexcept { return InRange(nIndex) ? m_items[static_cast<size_t>(nIndex)] : T{}; }
    T operator[](int nIndex) const noexcept { return GetAt(nIndex); }
    void SetAt(int nIndex, T value) noexcept {
        if (InRange(nIndex)) m_items[static_cast<size_t>(nIndex)] = value;
    }
    const T* GetData() const noexcept { return m_items.data(); }
    T* GetData() noexcept { return m_items.data(); }

    int Add(T value) {
        AfxGrowOrThrowMemory([&] { m_items.push_back(value); });
        return GetUpperBound();
    }
    // Grows the array when the index lies beyond its end.
    void SetAtGrow(int nIndex, T value) {
        if (nIndex < 0) return;
        if (nIndex >= GetSize()) SetSize(nIndex + 1);
        m_items[static_cast<size_t>(nIndex)] = value;
    }
    // Inserts nCount copies of value at nIndex; an index beyond the end first grows the array to it.
    void InsertAt(int nIndex, T value, int nCount = 1) {
        if (nIndex < 0 || nCount <= 0) return;
        if (nIndex > GetSize()) SetSize(nIndex);
        AfxGrowOrThrowMemory([&] { m_items.insert(m_items.begin() + nIndex, static_cast<size_t>(nCount), value); });
    }
    // Removes up to nCount entries from nIndex, as many as the array holds.
    void RemoveAt(int nIndex, int nCount = 1) noexcept {
        if (!InRange(nIndex) || nCount <= 0) return;
        const int nEnd = nIndex + std::min(nCount, GetSize() - nIndex);
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + nEnd);
    }
    void RemoveAll() noexcept { m_items.clear(); }
    void Copy(const CArray& other) { AfxGrowOrThrowMemory([&] { m_items = other.m_items; }); }
    void Append(const CArray& other) {
        AfxGrowOrThrowMemory([&] { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); });
    }

    auto begin() const noexcept { return m_items.begin(); }
    auto end() const noexcept { return m_items.end(); }

protected:
    bool InRange(int nIndex) const noexcept { return nIndex >= 0 && nIndex < GetSize(); }
    void Resize(size_t n) {
        AfxGrowOrThrowMemory([&] { m_items.resize(n); });
    }

    std::vector<T> m_items;
};

class CPtrArray : public CArray<void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};

class CDWordArray : public CArray<DWORD> {
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;

    // The count, then the values as 4 little-endian bytes each.
    void Serialize(CArchive& ar) override;
};

// A position in a CPtrList: the address of one of its nodes, or null for none.
struct POSITION_node;
using POSITION = POSITION_node*;

class CPtrList : public CObject {
    DECLARE_DYNAMIC(CPtrList)
public:
    // The block size of the framework's lists is accepted and has no effect: nodes come one by one.
    explicit CPtrList(int nBlockSize = 10);
    ~CPtrList() override;
    CPtrList(const CPtrList&) = delete;
    CPtrList& operator=(const CPtrList&) = delete;

    int GetCount() const noexcept { return m_nCount; }
    int GetSize() const noexcept { return m_nCount; }
    bool IsEmpty() const noexcept { return m_nCount == 0; }
    int GetBlockSize() const noexcept { return m_nBlockSize; }

    // Head and tail of an empty list are null.
    void* GetHead() const noexcept;
    void* GetTail() const noexcept;
    POSITION AddHead(void* p);
    POSITION AddTail(void* p);
    void AddTail(CPtrList* pOther);
    // Null for an empty list.
    void* RemoveHead() noexcept;
    void* RemoveTail() noexcept;
    void RemoveAll() noexcept;

    POSITION GetHeadPosition() const noexcept;
    POSITION GetTailPosition() const noexcept;
    // The element at pos; pos moves to the next (previous) one, null after the last (first).
    void* GetNext(POSITION& pos) const noexcept;
    void* GetPrev(POSITION& pos) const noexcept;
    void* GetAt(POSITION pos) const noexcept;
    void SetAt(POSITION pos, void* p) noexcept;
    void RemoveAt(POSITION pos) noexcept;
    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION pos, void* p);
    POSITION InsertAfter(POSITION pos, void* p);
    // The first element equal to p after pStartAfter (from the head when null), or null.
    POSITION Find(void* p, POSITION pStartAfter = nullptr) const noexcept;
    // The position of the element nIndex from the head, or null.
    POSITION FindIndex(int nIndex) const noexcept;

private:
    POSITION NewNode(void* p, POSITION pPrev, POSITION pNext);

    POSITION m_pHead = nullptr;
    POSITION m_pTail = nullptr;
    int m_nCount = 0;
    int m_nBlockSize;
};
