#pragma once
// Growable pointer arrays that own what they hold: per outer index an optional inner array of
// pointers (CGXPtrArrayPtrArray) or of 32-bit values (CGXDWordArrayPtrArray). Deleting, shrinking
// or removing entries deletes the inner arrays; moving entries moves the pointers, never copies
// what they point at.
//
// The owning operations below hide the raw ones of CPtrArray on purpose; whoever reaches for the
// raw ones through the base class takes over the bookkeeping of what the entries own.
#include <memory>

#include "platform/framework/archive.h"
#include "platform/framework/collections.h"

// Moves the block of n entries at nFrom so that its first entry ends at nDest of the resulting
// array: empty entries are made room for at the destination (nDest + n when moving towards higher
// indexes), the block's entries, as far as the array holds them, are moved there and the old block
// is removed. Nothing happens (false) when nDest is nFrom, n is 0, or both lie beyond the array.
// The caller checks that the array stays within int.
template <typename T>
bool GXMoveEntries(CArray<T>& a, int nFrom, int n, int nDest) {
    if (nDest == nFrom || n <= 0 || (nFrom >= a.GetSize() && nDest >= a.GetSize())) return false;
    int nSrc = nFrom, nIns = nDest;
    if (nDest < nFrom) {
        a.InsertAt(nDest, T{}, n);
        nSrc = nFrom + n;
    } else {
        a.InsertAt(nDest + n, T{}, n);
        nIns = nDest + n;
    }
    for (int i = 0; i < n && nSrc + i < a.GetSize(); ++i) {
        a.SetAt(nIns + i, a.GetAt(nSrc + i));
        a.SetAt(nSrc + i, T{});
    }
    a.RemoveAt(nSrc, n);
    return true;
}

// Drops empty trailing entries, so that an array is as long as its last stored entry plus one.
template <typename T>
void GXTrimEntries(CArray<T>& a) {
    int n = a.GetSize();
    while (n > 0 && a.GetAt(n - 1) == T{}) --n;
    if (n < a.GetSize()) a.RemoveAt(n, a.GetSize() - n);
}

template <typename TInner>
class CGXOwnedArrayPtrArray : public CPtrArray {
public:
    CGXOwnedArrayPtrArray() = default;
    ~CGXOwnedArrayPtrArray() override { DeleteAll(); }
    CGXOwnedArrayPtrArray(const CGXOwnedArrayPtrArray&) = delete;
    CGXOwnedArrayPtrArray& operator=(const CGXOwnedArrayPtrArray&) = delete;

    TInner* GetAt(int nIndex) const noexcept { return static_cast<TInner*>(CPtrArray::GetAt(nIndex)); }
    TInner* operator[](int nIndex) const noexcept { return GetAt(nIndex); }
    // The inner array at nIndex, made (and the outer array grown) when missing.
    TInner* Ensure(int nIndex) {
        if (nIndex < 0) return nullptr;
        if (TInner* p = GetAt(nIndex)) return p;
        auto pNew = std::make_unique<TInner>();
        CPtrArray::SetAtGrow(nIndex, pNew.get());
        return pNew.release();
    }
    // Takes ownership of p (which may be null) and deletes what was at nIndex.
    void SetAtGrow(int nIndex, TInner* p) {
        std::unique_ptr<TInner> pOwned(p);
        if (nIndex < 0) return;
        if (nIndex >= GetSize()) CPtrArray::SetSize(nIndex + 1);
        delete GetAt(nIndex);
        CPtrArray::SetAt(nIndex, pOwned.release());
    }
    void InsertEmpty(int nIndex, int nCount) { CPtrArray::InsertAt(nIndex, nullptr, nCount); }
    // Deletes and removes up to nCount entries from nIndex.
    void DeleteAt(int nIndex, int nCount = 1) noexcept {
        if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize()) return;
        const int nEnd = nIndex + std::min(nCount, GetSize() - nIndex);
        for (int i = nIndex; i < nEnd; ++i) delete GetAt(i);
        CPtrArray::RemoveAt(nIndex, nEnd - nIndex);
    }
    void DeleteAll() noexcept { DeleteAt(0, GetSize()); }
    void SetSize(int nNewSize) {
        if (nNewSize < GetSize()) DeleteAt(std::max(nNewSize, 0), GetSize());
        else CPtrArray::SetSize(nNewSize);
    }
    bool MoveEntries(int nFrom, int n, int nDest) { return GXMoveEntries<void*>(*this, nFrom, n, nDest); }
    // Deletes the inner array at nIndex when it holds nothing but empty entries (trimming it
    // otherwise), then trims the outer array.
    void Compact(int nIndex) noexcept {
        if (TInner* p = GetAt(nIndex)) {
            GXTrimEntries(*p);
            if (p->IsEmpty()) {
                delete p;
                CPtrArray::SetAt(nIndex, nullptr);
            }
        }
        GXTrimEntries<void*>(*this);
    }
    void CompactAll() noexcept {
        for (int i = 0; i < GetSize(); ++i) Compact(i);
    }
    void Swap(CGXOwnedArrayPtrArray& other) noexcept { m_items.swap(other.m_items); }

    // Hidden: they would lose or alias what the entries own.
    void SetAt(int, void*) = delete;
    void RemoveAt(int, int) = delete;
    void RemoveAll() = delete;
    int Add(void*) = delete;
};

class CGXPtrArrayPtrArray : public CGXOwnedArrayPtrArray<CPtrArray> {
    DECLARE_DYNAMIC(CGXPtrArrayPtrArray)
};

class CGXDWordArrayPtrArray : public CGXOwnedArrayPtrArray<CDWordArray> {
    DECLARE_SERIAL(CGXDWordArrayPtrArray)
public:
    // Schema 1: 16 bits schema, 32 bits length, per stored entry its 32-bit index and the inner
    // array's own form, then 0xFFFFFFFF. Reading keeps an array as long as its last stored entry.
    void Serialize(CArchive& ar) override;
};
