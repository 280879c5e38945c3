#pragma once
// CGXSparseArray<T>: an int-indexed array whose memory follows what it holds, not its length.
// The empty value T{} is not stored: the stored entries lie in runs, each a first index and the
// consecutive entries from there, kept in index order. Between two stored entries a run holds at
// most nMaxHole empty ones; a longer stretch of empty entries is a gap between two runs. A run
// begins and ends with a stored entry, so the array is as long as its last stored entry plus one.
//
// This form is the same for the same content, whatever operations led to it. Shifting entries
// (insert, remove) moves the first indexes of the later runs and the entries of at most one run,
// one block move; a cell at row 10^9 costs one run, not 10^9 empty entries.
//
// A single stored entry, the common case of a grid row with one styled cell, is held in the array
// object itself; two or more live in a vector of runs on the heap. Which form holds is fixed by the
// content too: one stored entry is always held inline, so the array costs no allocation of its own.
//
// Should memory run out part way, the framework's memory exception propagates; the content is
// then still right, at worst with a long stretch of empty entries kept inside a run.
#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/framework/exceptions.h"

template <typename T>
class CGXSparseArray {
    // The inline entry shares its room with the pointer to the runs.
    static_assert(std::is_trivially_copyable_v<T> && sizeof(T) <= sizeof(void*), "entries are small values");

public:
    static constexpr int nMaxHole = 8;
    struct Run {
        int nFirst = 0;
        std::vector<T> items;
        int End() const noexcept { return nFirst + static_cast<int>(items.size()); }
    };
    // A run as the checks of the form see it, in either form.
    struct RunView {
        int nFirst = 0;
        std::span<const T> items;
        int End() const noexcept { return nFirst + static_cast<int>(items.size()); }
    };
    // The runs in index order: none, the inline entry as a run of one, or the heap runs.
    class Runs {
    public:
        explicit Runs(const CGXSparseArray& a) noexcept : m_a(a) {}
        size_t size() const noexcept { return m_a.IsOne() ? 1 : m_a.IsMany() ? m_a.Many().size() : 0; }
        bool empty() const noexcept { return size() == 0; }
        RunView operator[](size_t k) const noexcept {
            if (m_a.IsOne()) return {m_a.m_nOne, std::span<const T>(&m_a.m_store.one, 1)};
            const Run& r = m_a.Many()[k];
            return {r.nFirst, std::span<const T>(r.items)};
        }
        RunView front() const noexcept { return (*this)[0]; }
        RunView back() const noexcept { return (*this)[size() - 1]; }
        struct Iterator {
            const Runs* pRuns;
            size_t k;
            RunView operator*() const noexcept { return (*pRuns)[k]; }
            Iterator& operator++() noexcept { ++k; return *this; }
            bool operator==(const Iterator& o) const noexcept { return k == o.k; }
        };
        Iterator begin() const noexcept { return {this, 0}; }
        Iterator end() const noexcept { return {this, size()}; }

    private:
        const CGXSparseArray& m_a;
    };

    CGXSparseArray() noexcept = default;
    ~CGXSparseArray() { RemoveAll(); }
    CGXSparseArray(const CGXSparseArray&) = delete;
    CGXSparseArray& operator=(const CGXSparseArray&) = delete;

    int GetSize() const noexcept { return IsOne() ? m_nOne + 1 : IsMany() ? Many().back().End() : 0; }
    bool IsEmpty() const noexcept { return !IsOne() && !IsMany(); }
    Runs GetRuns() const noexcept { return Runs(*this); }
    // Whether the single stored entry is held in the array object (true exactly when one is stored).
    bool HoldsOneInline() const noexcept { return IsOne(); }

    T GetAt(int i) const noexcept {
        if (IsOne()) return i == m_nOne ? m_store.one : T{};
        if (!IsMany()) return T{};
        const std::vector<Run>& runs = Many();
        const size_t k = FindRun(i);
        if (k == runs.size() || runs[k].nFirst > i) return T{};
        return runs[k].items[static_cast<size_t>(i - runs[k].nFirst)];
    }

    // Stores v at i (i >= 0); the empty value clears the entry.
    void SetAt(int i, T v) {
        if (i < 0) return;
        if (!IsMany()) {
            // Nothing or one entry: changed in place, unless a second entry comes.
            const bool bEmpty = v == T{};
            if (IsOne() && i == m_nOne) {
                if (bEmpty) RemoveAll();
                else m_store.one = v;
                return;
            }
            if (bEmpty) return;
            if (!IsOne()) {
                m_store.one = v;
                m_nOne = i;
                return;
            }
            AfxGrowOrThrowMemory([&] { Spill(); });
        }
        Change([&] {
            std::vector<Run>& runs = Many();
            const size_t k = FindRun(i);
            const bool bInside = k < runs.size() && runs[k].nFirst <= i;
            if (v == T{}) {
                if (bInside) {
                    runs[k].items[static_cast<size_t>(i - runs[k].nFirst)] = T{};
                    Heal(i);
                }
                return;
            }
            if (bInside) {
                runs[k].items[static_cast<size_t>(i - runs[k].nFirst)] = v;
                return;
            }
            // In a gap: join the run before or after when the hole left is short enough.
            const bool bJoinPrev = k > 0 && i - runs[k - 1].End() <= nMaxHole;
            const bool bJoinNext = k < runs.size() && runs[k].nFirst - i - 1 <= nMaxHole;
            if (bJoinPrev && bJoinNext) {
                Merge(k - 1);
                runs[k - 1].items[static_cast<size_t>(i - runs[k - 1].nFirst)] = v;
            } else if (bJoinPrev) {
                Run& r = runs[k - 1];
                r.items.resize(static_cast<size_t>(i - r.nFirst) + 1, T{});
                r.items.back() = v;
            } else if (bJoinNext) {
                Run& r = runs[k];
                r.items.insert(r.items.begin(), static_cast<size_t>(r.nFirst - i), T{});
                r.items.front() = v;
                r.nFirst = i;
            } else {
                runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(k), Run{i, {v}});
            }
        });
    }

    // Makes room for n empty entries at nAt: the entries from nAt on move n places up. Nothing
    // to move at or after the end. Entries pushed beyond INT_MAX raise the memory exception.
    void InsertEmpty(int nAt, int n) {
        if (nAt < 0 || n <= 0 || nAt >= GetSize()) return;
        if (GetSize() > INT_MAX - n) AfxThrowMemoryException();
        if (IsOne()) {
            m_nOne += n;  // nAt lies at or before the one entry
            return;
        }
        AfxGrowOrThrowMemory([&] {
            std::vector<Run>& runs = Many();
            size_t k = FindRun(nAt);
            size_t kShift = k;
            Run& r = runs[k];
            if (r.nFirst < nAt) {
                // Inside a run: a short hole stays in it, a long one splits it.
                const size_t p = static_cast<size_t>(nAt - r.nFirst);
                const size_t nLeft = EmptiesBefore(r, p), nRight = EmptiesFrom(r, p);
                if (nLeft + static_cast<size_t>(n) + nRight <= static_cast<size_t>(nMaxHole)) {
                    r.items.insert(r.items.begin() + static_cast<std::ptrdiff_t>(p), static_cast<size_t>(n), T{});
                    kShift = k + 1;
                } else {
                    Run tail{nAt + n + static_cast<int>(nRight),
                             std::vector<T>(r.items.begin() + static_cast<std::ptrdiff_t>(p + nRight), r.items.end())};
                    runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(tail));
                    runs[k].items.resize(p - nLeft);
                    kShift = k + 2;
                }
            }
            for (size_t j = kShift; j < runs.size(); ++j) runs[j].nFirst += n;
        });
    }

    // Removes up to n entries from nAt (as far as the array reaches); later entries move down.
    // What the removed entries point at is the caller's business.
    void RemoveAt(int nAt, int n) {
        if (nAt < 0 || n <= 0 || nAt >= GetSize()) return;
        if (IsOne()) {
            // nAt lies at or before the one entry: it goes, or moves down by n.
            if (static_cast<long long>(nAt) + n > m_nOne) RemoveAll();
            else m_nOne -= n;
            return;
        }
        const int nEnd = static_cast<int>(std::min<long long>(static_cast<long long>(nAt) + n, GetSize()));
        const int nRemoved = nEnd - nAt;
        Change([&] {
            std::vector<Run>& runs = Many();
            size_t j = FindRun(nAt);
            // A run that begins before nAt loses its entries from nAt (up to nEnd).
            if (j < runs.size() && runs[j].nFirst < nAt) {
                Run& r = runs[j];
                const auto itFrom = r.items.begin() + (nAt - r.nFirst);
                r.items.erase(itFrom, itFrom + (std::min(r.End(), nEnd) - nAt));
                ++j;
            }
            // Runs wholly inside go; a run reaching past nEnd loses its entries before nEnd.
            size_t jEnd = j;
            while (jEnd < runs.size() && runs[jEnd].End() <= nEnd) ++jEnd;
            runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(j), runs.begin() + static_cast<std::ptrdiff_t>(jEnd));
            if (j < runs.size() && runs[j].nFirst < nEnd) {
                Run& r = runs[j];
                r.items.erase(r.items.begin(), r.items.begin() + (nEnd - r.nFirst));
                r.nFirst = nEnd;
            }
            for (size_t q = j; q < runs.size(); ++q) runs[q].nFirst -= nRemoved;
            Heal(nAt);
        });
    }

    void RemoveAll() noexcept {
        if (IsMany()) delete m_store.pRuns;
        m_store.pRuns = nullptr;
        m_nOne = -1;
    }
    void Swap(CGXSparseArray& other) noexcept {
        std::swap(m_store, other.m_store);
        std::swap(m_nOne, other.m_nOne);
    }

    // f(index, value) for every stored entry from nFrom up to (not including) nTo, in index order.
    // f must not change the array.
    template <typename F>
    void ForEach(int nFrom, int nTo, F f) const {
        if (IsOne()) {
            if (m_nOne >= nFrom && m_nOne < nTo) f(m_nOne, m_store.one);
            return;
        }
        if (!IsMany()) return;
        const std::vector<Run>& runs = Many();
        for (size_t k = FindRun(nFrom); k < runs.size() && runs[k].nFirst < nTo; ++k) {
            const Run& r = runs[k];
            const int nLo = std::max(nFrom, r.nFirst), nHi = std::min(nTo, r.End());
            for (int i = nLo; i < nHi; ++i) {
                const T v = r.items[static_cast<size_t>(i - r.nFirst)];
                if (v != T{}) f(i, v);
            }
        }
    }
    template <typename F>
    void ForEach(F f) const {
        ForEach(0, INT_MAX, f);
    }

private:
    bool IsOne() const noexcept { return m_nOne >= 0; }
    bool IsMany() const noexcept { return m_nOne < 0 && m_store.pRuns != nullptr; }
    std::vector<Run>& Many() noexcept { return *m_store.pRuns; }
    const std::vector<Run>& Many() const noexcept { return *m_store.pRuns; }

    // The one inline entry moves into heap runs, ahead of a second one.
    void Spill() {
        auto pRuns = std::make_unique<std::vector<Run>>();
        pRuns->push_back(Run{m_nOne, {m_store.one}});
        m_store.pRuns = pRuns.release();
        m_nOne = -1;
    }
    // Back to the inline form when the heap runs hold one entry or none.
    void Gather() noexcept {
        if (!IsMany()) return;
        std::vector<Run>* pRuns = m_store.pRuns;
        if (pRuns->size() > 1 || (pRuns->size() == 1 && pRuns->front().items.size() > 1)) return;
        const bool bOne = pRuns->size() == 1;
        const int nIndex = bOne ? pRuns->front().nFirst : -1;
        const T v = bOne ? pRuns->front().items.front() : T{};
        delete pRuns;
        m_store.pRuns = nullptr;
        if (bOne) {
            m_store.one = v;
            m_nOne = nIndex;
        }
    }

    // The first run that ends after i: the one holding i, or the first after it.
    size_t FindRun(int i) const noexcept {
        const std::vector<Run>& runs = Many();
        return static_cast<size_t>(
            std::partition_point(runs.begin(), runs.end(), [i](const Run& r) { return r.End() <= i; }) -
            runs.begin());
    }
    static size_t EmptiesBefore(const Run& r, size_t p) noexcept {
        size_t n = 0;
        while (n < p && r.items[p - n - 1] == T{}) ++n;
        return n;
    }
    static size_t EmptiesFrom(const Run& r, size_t p) noexcept {
        size_t n = 0;
        while (p + n < r.items.size() && r.items[p + n] == T{}) ++n;
        return n;
    }

    // Joins run k + 1 to run k, the gap between them becoming empty entries.
    void Merge(size_t k) {
        Run& a = Many()[k];
        Run& b = Many()[k + 1];
        const size_t nHole = static_cast<size_t>(b.nFirst - a.End());
        // The shorter run's entries move; the longer one's stay where they are when they can.
        if (a.items.size() >= b.items.size()) {
            a.items.reserve(a.items.size() + nHole + b.items.size());
            a.items.insert(a.items.end(), nHole, T{});
            a.items.insert(a.items.end(), b.items.begin(), b.items.end());
            Many().erase(Many().begin() + static_cast<std::ptrdiff_t>(k + 1));
        } else {
            b.items.reserve(a.items.size() + nHole + b.items.size());
            b.items.insert(b.items.begin(), nHole, T{});
            b.items.insert(b.items.begin(), a.items.begin(), a.items.end());
            b.nFirst = a.nFirst;
            Many().erase(Many().begin() + static_cast<std::ptrdiff_t>(k));
        }
    }

    // Drops the empty entries at both ends of run k, and the run when nothing is left. False
    // when the run went.
    bool Trim(size_t k) {
        Run& r = Many()[k];
        const size_t nLead = EmptiesFrom(r, 0);
        if (nLead == r.items.size()) {
            Many().erase(Many().begin() + static_cast<std::ptrdiff_t>(k));
            return false;
        }
        r.items.erase(r.items.begin(), r.items.begin() + static_cast<std::ptrdiff_t>(nLead));
        r.nFirst += static_cast<int>(nLead);
        r.items.resize(r.items.size() - EmptiesBefore(r, r.items.size()));
        return true;
    }

    // Restores the form around index p, where entries were cleared or removed and what lay on
    // either side now meets; everywhere else the form holds.
    void Heal(int p) {
        size_t k = FindRun(p);
        if (k < Many().size() && Many()[k].nFirst < p) {
            // Inside a run: the stretch of empty entries through p may reach an end of the run
            // or have grown too long.
            Run& r = Many()[k];
            const size_t q = static_cast<size_t>(p - r.nFirst);
            const size_t nLo = q - EmptiesBefore(r, q), nHi = q + EmptiesFrom(r, q);
            if (nLo == 0 || nHi == r.items.size()) {
                Trim(k);
            } else if (nHi - nLo > static_cast<size_t>(nMaxHole)) {
                Run tail{r.nFirst + static_cast<int>(nHi),
                         std::vector<T>(r.items.begin() + static_cast<std::ptrdiff_t>(nHi), r.items.end())};
                Many().insert(Many().begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(tail));
                Many()[k].items.resize(nLo);
            }
            return;
        }
        // Between runs: their facing ends may be empty, and they may have come close.
        if (k < Many().size()) Trim(k);
        if (k > 0 && !Trim(k - 1)) --k;
        if (k > 0 && k < Many().size() && Many()[k].nFirst - Many()[k - 1].End() <= nMaxHole) Merge(k - 1);
    }

    // A change of the heap runs, after which (also when it fails) one entry left goes inline.
    template <typename F>
    void Change(F f) {
        try {
            AfxGrowOrThrowMemory(f);
        } catch (...) {
            Gather();
            throw;
        }
        Gather();
    }

    // One entry inline (m_nOne its index, at least 0), or m_nOne -1 and the heap runs, null when
    // nothing is stored. Two or more entries are always on the heap.
    union Store {
        T one;
        std::vector<Run>* pRuns;
    };
    Store m_store{.pRuns = nullptr};
    int m_nOne = -1;
};
