#pragma once
// Watches the heap while one input runs: the peak of the bytes allocated for it must stay within
// a small multiple of the input's size, so that no length or count in the data is believed before
// the data is there to back it.
#include <sanitizer/allocator_interface.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace alloc_guard {
inline long long g_live = 0;
inline long long g_peak = 0;
inline bool g_active = false;

inline void OnMalloc(const volatile void*, size_t n) {
    if (!g_active) return;
    g_live += static_cast<long long>(n);
    if (g_live > g_peak) g_peak = g_live;
}
inline void OnFree(const volatile void* p) {
    if (!g_active || p == nullptr) return;
    g_live -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
}

inline void Install() { __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree); }

// Runs one input and aborts when its allocations went beyond the bound.
template <typename F>
void Run(size_t nInput, F f) {
    g_live = g_peak = 0;
    g_active = true;
    f();
    g_active = false;
    const long long nBound = 64LL * static_cast<long long>(nInput) + 64 * 1024;
    if (g_peak > nBound) {
        std::fprintf(stderr, "allocated %lld bytes for an input of %zu\n", g_peak, nInput);
        std::abort();
    }
}
}  // namespace alloc_guard
