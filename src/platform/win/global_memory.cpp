#include "platform/win/global_memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <unordered_map>

namespace {

constexpr SIZE_T kMaxBlock = SIZE_T{1} << 30;

struct Block {
    std::byte* data = nullptr;
    SIZE_T size = 0;
    UINT flags = 0;
    UINT locks = 0;
};

struct Heap {
    std::unordered_map<Block*, std::unique_ptr<Block>> blocks;
    std::map<const std::byte*, Block*> byAddress;  // for finding the block of a pointer
};

Heap& TheHeap() {
    static auto* heap = new Heap();  // lives as long as the process
    return *heap;
}

Block* Find(HGLOBAL h) {
    auto& blocks = TheHeap().blocks;
    auto it = blocks.find(reinterpret_cast<Block*>(h));
    return it == blocks.end() ? nullptr : it->second.get();
}

// Zero-sized blocks still get one byte, so that every block has its own address.
std::byte* Allocate(SIZE_T n, bool zero) {
    void* p = zero ? std::calloc(n == 0 ? 1 : n, 1) : std::malloc(n == 0 ? 1 : n);
    return static_cast<std::byte*>(p);
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    if (dwBytes > kMaxBlock) return nullptr;
    std::byte* data = Allocate(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
    if (data == nullptr) return nullptr;
    auto block = std::make_unique<Block>();
    block->data = data;
    block->size = dwBytes;
    block->flags = uFlags & (GMEM_MOVEABLE | GMEM_DISCARDABLE | GMEM_SHARE);
    Block* raw = block.get();
    Heap& heap = TheHeap();
    heap.blocks.emplace(raw, std::move(block));
    heap.byAddress.emplace(data, raw);
    return reinterpret_cast<HGLOBAL>(raw);
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
    Block* b = Find(hMem);
    if (b == nullptr) return nullptr;
    if (uFlags & GMEM_MODIFY) {
        b->flags = (b->flags & ~(GMEM_MOVEABLE | GMEM_DISCARDABLE)) | (uFlags & (GMEM_MOVEABLE | GMEM_DISCARDABLE));
        return hMem;
    }
    if (dwBytes > kMaxBlock) return nullptr;
    // A locked fixed block cannot move.
    if (b->locks > 0 && !(b->flags & GMEM_MOVEABLE) && dwBytes > b->size) return nullptr;
    std::byte* data = Allocate(dwBytes, false);
    if (data == nullptr) return nullptr;
    std::memcpy(data, b->data, std::min(b->size, dwBytes));
    if (dwBytes > b->size && (uFlags & GMEM_ZEROINIT)) std::memset(data + b->size, 0, dwBytes - b->size);
    Heap& heap = TheHeap();
    heap.byAddress.erase(b->data);
    std::free(b->data);
    b->data = data;
    b->size = dwBytes;
    heap.byAddress.emplace(data, b);
    return hMem;
}

void* GlobalLock(HGLOBAL hMem) {
    Block* b = Find(hMem);
    if (b == nullptr) return nullptr;
    if (b->locks < GMEM_LOCKCOUNT) ++b->locks;
    return b->data;
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    Block* b = Find(hMem);
    if (b == nullptr || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
    Block* b = Find(hMem);
    return b == nullptr ? 0 : b->size;
}

UINT GlobalFlags(HGLOBAL hMem) {
    Block* b = Find(hMem);
    if (b == nullptr) return GMEM_INVALID_HANDLE;
    return (b->flags & GMEM_DISCARDABLE) | b->locks;
}

HGLOBAL GlobalHandle(const void* pMem) {
    if (pMem == nullptr) return nullptr;
    auto& byAddress = TheHeap().byAddress;
    auto it = byAddress.find(static_cast<const std::byte*>(pMem));
    return it == byAddress.end() ? nullptr : reinterpret_cast<HGLOBAL>(it->second);
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    Block* b = Find(hMem);
    if (b == nullptr) return hMem;
    Heap& heap = TheHeap();
    heap.byAddress.erase(b->data);
    std::free(b->data);
    heap.blocks.erase(b);
    return nullptr;
}

SIZE_T GlobalBytesFrom(const void* p) noexcept {
    if (p == nullptr) return std::numeric_limits<SIZE_T>::max();
    auto& byAddress = TheHeap().byAddress;
    const auto* q = static_cast<const std::byte*>(p);
    auto it = byAddress.upper_bound(q);
    if (it == byAddress.begin()) return std::numeric_limits<SIZE_T>::max();
    --it;
    const Block* b = it->second;
    // Compare as integers: p may lie in no block at all.
    const auto start = reinterpret_cast<std::uintptr_t>(b->data), at = reinterpret_cast<std::uintptr_t>(q);
    if (at >= start + b->size) return std::numeric_limits<SIZE_T>::max();
    return b->size - (at - start);
}
