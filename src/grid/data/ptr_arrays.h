#pragma once
// Growable pointer arrays that own what they hold: per outer index an optional inner array of
// pointers (CGXPtrArrayPtrArray) or of 32-bit values (CGXDWordArrayPtrArray). Deleting or
// removing entries deletes the inner arrays; moving entries moves the pointers, never copies what
// they point at. The outer arrays are sparse: memory follows the stored entries, so an archive or
// a caller naming index 2^31 - 2 costs one entry, not 16 GB of empty ones. The inner arrays are
// the framework's dense ones.
#include <climits>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/framework/archive.h"
#include "grid/data/sparse_array.h"
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

// Drops empty trailing entries of a dense inner array; a sparse one holds none.
template <typename TInner>
void GXTrimInner(TInner& a) {
    using T = std::remove_cvref_t<decltype(a.GetAt(0))>;
    if constexpr (std::is_base_of_v<CArray<T>, TInner>) GXTrimEntries<T>(a);
}

// An array of owned pointers to TInner, indexed by int, sparse (see CGXSparseArray): a grid with
// entries at row 10^9 holds those entries, not 10^9 empty ones.
template <typename TInner>
class CGXOwnedPtrArray : public CObject {
public:
    CGXOwnedPtrArray() = default;
    ~CGXOwnedPtrArray() override { DeleteAll(); }
    CGXOwnedPtrArray(const CGXOwnedPtrArray&) = delete;
    CGXOwnedPtrArray& operator=(const CGXOwnedPtrArray&) = delete;

    // One past the last stored entry.
    int GetSize() const noexcept { return m_entries.GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_entries.IsEmpty(); }
    TInner* GetAt(int nIndex) const noexcept { return m_entries.GetAt(nIndex); }
    TInner* operator[](int nIndex) const noexcept { return GetAt(nIndex); }

    // The entry at nIndex, made when missing.
    TInner* Ensure(int nIndex) {
        if (nIndex < 0) return nullptr;
        if (TInner* p = GetAt(nIndex)) return p;
        auto pNew = std::make_unique<TInner>();
        m_entries.SetAt(nIndex, pNew.get());
        return pNew.release();
    }
    // Takes ownership of p (which may be null) and deletes what was at nIndex.
    void SetAtGrow(int nIndex, TInner* p) {
        std::unique_ptr<TInner> pOwned(p);
        if (nIndex < 0) return;
        std::unique_ptr<TInner> pOld(GetAt(nIndex));
        try {
            m_entries.SetAt(nIndex, pOwned.get());
        } catch (...) {
            pOld.release();  // still in place
            throw;
        }
        pOwned.release();
    }
    // Gives up the entry at nIndex to the caller; the slot becomes empty.
    TInner* Detach(int nIndex) {
        std::unique_ptr<TInner> p(GetAt(nIndex));
        if (p != nullptr) m_entries.SetAt(nIndex, nullptr);  // cleared before anything can fail
        return p.release();
    }
    void InsertEmpty(int nIndex, int nCount) { m_entries.InsertEmpty(nIndex, nCount); }
    // Deletes and removes up to nCount entries from nIndex; later entries move down.
    void DeleteAt(int nIndex, int nCount = 1) {
        if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize()) return;
        std::vector<std::unique_ptr<TInner>> gone;
        const int nTo = static_cast<int>(std::min<LONGLONG>(static_cast<LONGLONG>(nIndex) + nCount, INT_MAX));
        Collect(nIndex, nTo, gone);
        m_entries.RemoveAt(nIndex, nCount);
    }
    void DeleteAll() noexcept {
        m_entries.ForEach([](int, TInner* p) { delete p; });
        m_entries.RemoveAll();
    }
    // Moves the block of n entries at nFrom so that its first entry ends at nDest of the
    // resulting array (entries between move the other way). Nothing happens (false) when nDest
    // is nFrom, n is not positive, or both lie beyond the array. The caller keeps nDest + n and
    // the array's size + n within int.
    bool MoveEntries(int nFrom, int n, int nDest) {
        if (nDest == nFrom || n <= 0 || nFrom < 0 || nDest < 0 || (nFrom >= GetSize() && nDest >= GetSize())) return false;
        const int nTo = static_cast<int>(std::min<LONGLONG>(static_cast<LONGLONG>(nFrom) + n, INT_MAX));
        // The block's entries belong to this frame until each is back in the array.
        std::vector<int> offsets;
        m_entries.ForEach(nFrom, nTo, [&](int i, TInner*) { offsets.push_back(i - nFrom); });
        std::vector<std::unique_ptr<TInner>> held;
        Collect(nFrom, nTo, held);
        m_entries.RemoveAt(nFrom, n);
        m_entries.InsertEmpty(nDest, n);
        for (size_t j = 0; j < held.size(); ++j) {
            m_entries.SetAt(nDest + offsets[j], held[j].get());
            held[j].release();
        }
        return true;
    }
    // Takes the stored entries from nFrom up to nTo out of the array, leaving empty entries: the
    // caller owns them now. Should memory run out part way, what was taken out is deleted.
    std::vector<std::pair<int, std::unique_ptr<TInner>>> TakeOut(int nFrom, int nTo) {
        std::vector<std::pair<int, std::unique_ptr<TInner>>> out;
        size_t n = 0;
        m_entries.ForEach(nFrom, nTo, [&](int, TInner*) { ++n; });
        out.reserve(n);
        m_entries.ForEach(nFrom, nTo, [&](int i, TInner*) { out.emplace_back(i, nullptr); });
        // From the back, so that each entry cleared is at the end of what is left of its run.
        for (size_t j = out.size(); j-- > 0;) {
            out[j].second.reset(GetAt(out[j].first));
            m_entries.SetAt(out[j].first, nullptr);  // cleared before anything can fail
        }
        return out;
    }
    // Deletes the entry at nIndex when it holds nothing but empty entries (trimming it otherwise).
    void Compact(int nIndex) noexcept {
        if (TInner* p = GetAt(nIndex)) {
            GXTrimInner(*p);
            if (p->IsEmpty()) delete Detach(nIndex);
        }
    }
    void CompactAll() {
        std::vector<int> empty;
        m_entries.ForEach([&](int i, TInner* p) {
            GXTrimInner(*p);
            if (p->IsEmpty()) empty.push_back(i);
        });
        for (int i : empty) delete Detach(i);
    }
    void Swap(CGXOwnedPtrArray& other) noexcept { m_entries.Swap(other.m_entries); }

    // f(index, entry) for every stored entry (from nFrom up to nTo), in index order.
    template <typename F>
    void ForEach(F f) const {
        m_entries.ForEach(f);
    }
    template <typename F>
    void ForEach(int nFrom, int nTo, F f) const {
        m_entries.ForEach(nFrom, nTo, f);
    }
    // The runs of stored entries, for checks of the array's form.
    const CGXSparseArray<TInner*>& GetEntries() const noexcept { return m_entries; }

private:
    // Room is made first, so that taking ownership cannot fail half way.
    void Collect(int nFrom, int nTo, std::vector<std::unique_ptr<TInner>>& out) const {
        size_t n = 0;
        m_entries.ForEach(nFrom, nTo, [&](int, TInner*) { ++n; });
        out.reserve(n);
        m_entries.ForEach(nFrom, nTo, [&](int, TInner* p) { out.emplace_back(p); });
    }

    CGXSparseArray<TInner*> m_entries;
};

// The framing of an array's archive form: schema 1 and the length before the entries, each
// stored entry's 32-bit index, 0xFFFFFFFF after them. Reading checks the schema (bad-schema cause),
// the length (at most 0x80000000) and that indexes ascend within the length (generic cause).
struct GXArrayArchive {
    // Writes or reads the whole form of an owned pointer array; what follows each index is the
    // entry's own: writeEntry(entry) writes it, readEntry(array, index) reads one and stores it in
    // the array given. Reading fills a new array, which replaces this one only once the whole form
    // is read, so that a damaged archive leaves the array as it was.
    template <typename TArray, typename FWrite, typename FRead>
    static void Serialize(TArray& a, CArchive& ar, FWrite writeEntry, FRead readEntry) {
        if (ar.IsStoring()) {
            WriteHead(ar, a.GetSize());
            a.ForEach([&](int i, auto* p) {
                ar << static_cast<DWORD>(i);
                writeEntry(p);
            });
            WriteEnd(ar);
            return;
        }
        GXArrayArchive in;
        in.nLength = ReadHead(ar);
        TArray read;
        for (int nIndex; (nIndex = in.ReadIndex(ar)) >= 0;) readEntry(read, nIndex);
        a.Swap(read);
    }

    static void WriteHead(CArchive& ar, int nLength);
    static void WriteEnd(CArchive& ar);
    // The length read.
    static DWORD ReadHead(CArchive& ar);
    // The next index, or -1 at the end.
    int ReadIndex(CArchive& ar);

    DWORD nLength = 0;
    LONGLONG nLast = -1;
};

class CGXPtrArrayPtrArray : public CGXOwnedPtrArray<CPtrArray> {
    DECLARE_DYNAMIC(CGXPtrArrayPtrArray)
};

class CGXDWordArrayPtrArray : public CGXOwnedPtrArray<CDWordArray> {
    DECLARE_SERIAL(CGXDWordArrayPtrArray)
public:
    // Schema 1: 16 bits schema, 32 bits length, per stored entry its 32-bit index and the inner
    // array's own form, then 0xFFFFFFFF. Reading keeps an array as long as its last stored entry.
    void Serialize(CArchive& ar) override;
};
