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
// Should memory run out part way, the framework's memory exception propagates; the content is
// then still right, at worst with a long stretch of empty entries kept inside a run.
#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/framework/exceptions.h"

template <typename T>
class CGXSparseArray {
public:
    static constexpr int nMaxHole = 8;
    struct Run {
        int nFirst = 0;
        std::vector<T> items;
        int End() const noexcept { return nFirst + static_cast<int>(items.size()); }
    };

    int GetSize() const noexcept { return m_runs.empty() ? 0 : m_runs.back().End(); }
    bool IsEmpty() const noexcept { return m_runs.empty(); }
    const std::vector<Run>& GetRuns() const noexcept { return m_runs; }

    T GetAt(int i) const noexcept {
        const size_t k = FindRun(i);
        if (k == m_runs.size() || m_runs[k].nFirst > i) return T{};
        return m_runs[k].items[static_cast<size_t>(i - m_runs[k].nFirst)];
    }

    // Stores v at i (i >= 0); the empty value clears the entry.
    void SetAt(int i, T v) {
        if (i < 0) return;
        Guard([&] {
            const size_t k = FindRun(i);
            const bool bInside = k < m_runs.size() && m_runs[k].nFirst <= i;
            if (v == T{}) {
                if (bInside) {
                    m_runs[k].items[static_cast<size_t>(i - m_runs[k].nFirst)] = T{};
                    Heal(i);
                }
                return;
            }
            if (bInside) {
                m_runs[k].items[static_cast<size_t>(i - m_runs[k].nFirst)] = v;
                return;
            }
            // In a gap: join the run before or after when the hole left is short enough.
            const bool bJoinPrev = k > 0 && i - m_runs[k - 1].End() <= nMaxHole;
            const bool bJoinNext = k < m_runs.size() && m_runs[k].nFirst - i - 1 <= nMaxHole;
            if (bJoinPrev && bJoinNext) {
                Merge(k - 1);
                m_runs[k - 1].items[static_cast<size_t>(i - m_runs[k - 1].nFirst)] = v;
            } else if (bJoinPrev) {
                Run& r = m_runs[k - 1];
                r.items.resize(static_cast<size_t>(i - r.nFirst) + 1, T{});
                r.items.back() = v;
            } else if (bJoinNext) {
                Run& r = m_runs[k];
                r.items.insert(r.items.begin(), static_cast<size_t>(r.nFirst - i), T{});
                r.items.front() = v;
                r.nFirst = i;
            } else {
                m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(k), Run{i, {v}});
            }
        });
    }

    // Makes room for n empty entries at nAt: the entries from nAt on move n places up. Nothing
    // to move at or after the end. Entries pushed beyond INT_MAX raise the memory exception.
    void InsertEmpty(int nAt, int n) {
        if (nAt < 0 || n <= 0 || nAt >= GetSize()) return;
        if (GetSize() > INT_MAX - n) ThrowMemory();
        Guard([&] {
            size_t k = FindRun(nAt);
            size_t kShift = k;
            Run& r = m_runs[k];
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
                    m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(tail));
                    m_runs[k].items.resize(p - nLeft);
                    kShift = k + 2;
                }
            }
            for (size_t j = kShift; j < m_runs.size(); ++j) m_runs[j].nFirst += n;
        });
    }

    // Removes up to n entries from nAt (as far as the array reaches); later entries move down.
    // What the removed entries point at is the caller's business.
    void RemoveAt(int nAt, int n) {
        if (nAt < 0 || n <= 0 || nAt >= GetSize()) return;
        const int nEnd = static_cast<int>(std::min<long long>(static_cast<long long>(nAt) + n, GetSize()));
        const int nRemoved = nEnd - nAt;
        size_t j = FindRun(nAt);
        // A run that begins before nAt loses its entries from nAt (up to nEnd).
        if (j < m_runs.size() && m_runs[j].nFirst < nAt) {
            Run& r = m_runs[j];
            const auto itFrom = r.items.begin() + (nAt - r.nFirst);
            r.items.erase(itFrom, itFrom + (std::min(r.End(), nEnd) - nAt));
            ++j;
        }
        // Runs wholly inside go; a run reaching past nEnd loses its entries before nEnd.
        size_t jEnd = j;
        while (jEnd < m_runs.size() && m_runs[jEnd].End() <= nEnd) ++jEnd;
        m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(j), m_runs.begin() + static_cast<std::ptrdiff_t>(jEnd));
        if (j < m_runs.size() && m_runs[j].nFirst < nEnd) {
            Run& r = m_runs[j];
            r.items.erase(r.items.begin(), r.items.begin() + (nEnd - r.nFirst));
            r.nFirst = nEnd;
        }
        for (size_t q = j; q < m_runs.size(); ++q) m_runs[q].nFirst -= nRemoved;
        Guard([&] { Heal(nAt); });
    }

    void RemoveAll() noexcept { m_runs.clear(); }
    void Swap(CGXSparseArray& other) noexcept { m_runs.swap(other.m_runs); }

    // f(index, value) for every stored entry from nFrom up to (not including) nTo, in index order.
    // f must not change the array.
    template <typename F>
    void ForEach(int nFrom, int nTo, F f) const {
        for (size_t k = FindRun(nFrom); k < m_runs.size() && m_runs[k].nFirst < nTo; ++k) {
            const Run& r = m_runs[k];
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
    // The first run that ends after i: the one holding i, or the first after it.
    size_t FindRun(int i) const noexcept {
        return static_cast<size_t>(
            std::partition_point(m_runs.begin(), m_runs.end(), [i](const Run& r) { return r.End() <= i; }) -
            m_runs.begin());
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
        Run& a = m_runs[k];
        Run& b = m_runs[k + 1];
        const size_t nHole = static_cast<size_t>(b.nFirst - a.End());
        // The shorter run's entries move; the longer one's stay where they are when they can.
        if (a.items.size() >= b.items.size()) {
            a.items.reserve(a.items.size() + nHole + b.items.size());
            a.items.insert(a.items.end(), nHole, T{});
            a.items.insert(a.items.end(), b.items.begin(), b.items.end());
            m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(k + 1));
        } else {
            b.items.reserve(a.items.size() + nHole + b.items.size());
            b.items.insert(b.items.begin(), nHole, T{});
            b.items.insert(b.items.begin(), a.items.begin(), a.items.end());
            b.nFirst = a.nFirst;
            m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }

    // Drops the empty entries at both ends of run k, and the run when nothing is left. False
    // when the run went.
    bool Trim(size_t k) {
        Run& r = m_runs[k];
        const size_t nLead = EmptiesFrom(r, 0);
        if (nLead == r.items.size()) {
            m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(k));
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
        if (k < m_runs.size() && m_runs[k].nFirst < p) {
            // Inside a run: the stretch of empty entries through p may reach an end of the run
            // or have grown too long.
            Run& r = m_runs[k];
            const size_t q = static_cast<size_t>(p - r.nFirst);
            const size_t nLo = q - EmptiesBefore(r, q), nHi = q + EmptiesFrom(r, q);
            if (nLo == 0 || nHi == r.items.size()) {
                Trim(k);
            } else if (nHi - nLo > static_cast<size_t>(nMaxHole)) {
                Run tail{r.nFirst + static_cast<int>(nHi),
                         std::vector<T>(r.items.begin() + static_cast<std::ptrdiff_t>(nHi), r.items.end())};
                m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(k + 1), std::move(tail));
                m_runs[k].items.resize(nLo);
            }
            return;
        }
        // Between runs: their facing ends may be empty, and they may have come close.
        if (k < m_runs.size()) Trim(k);
        if (k > 0 && !Trim(k - 1)) --k;
        if (k > 0 && k < m_runs.size() && m_runs[k].nFirst - m_runs[k - 1].End() <= nMaxHole) Merge(k - 1);
    }

    template <typename F>
    static void Guard(F f) {
        try {
            f();
        } catch (const std::bad_alloc&) {
            ThrowMemory();
        } catch (const std::length_error&) {
            ThrowMemory();
        }
    }
    [[noreturn]] static void ThrowMemory() { AfxThrowMemoryException(); }

    std::vector<Run> m_runs;
};
