#pragma once
// Counts every heap allocation of the program (malloc, calloc and realloc are interposed), so that a
// benchmark can report the allocations of its timed loop, and the heap bytes in use: each block
// counts its usable size plus the allocator's 8-byte header. Include it in one source of a program.
#include <malloc.h>

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);

static std::atomic<long> g_allocations{0};
static std::atomic<long long> g_heapBytes{0};
static long long BlockCost(void* p) { return p != nullptr ? static_cast<long long>(malloc_usable_size(p)) + 8 : 0; }
void* malloc(size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    void* p = __libc_malloc(n);
    g_heapBytes.fetch_add(BlockCost(p), std::memory_order_relaxed);
    return p;
}
void* calloc(size_t n, size_t m) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    void* p = __libc_calloc(n, m);
    g_heapBytes.fetch_add(BlockCost(p), std::memory_order_relaxed);
    return p;
}
void* realloc(void* p, size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    g_heapBytes.fetch_sub(BlockCost(p), std::memory_order_relaxed);
    void* q = __libc_realloc(p, n);
    // A failed realloc leaves the old block in place.
    g_heapBytes.fetch_add(BlockCost(q != nullptr ? q : (n != 0 ? p : nullptr)), std::memory_order_relaxed);
    return q;
}
void free(void* p) {
    g_heapBytes.fetch_sub(BlockCost(p), std::memory_order_relaxed);
    __libc_free(p);
}
}
