#pragma once
// Global memory blocks, as the clipboard and packed bitmaps use them: allocate, lock, unlock,
// size, reallocate, free. Handles are checked; a bad handle fails instead of touching memory.
#include <cstddef>

#include "platform/win/windef.h"

struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;
using SIZE_T = std::size_t;

enum : UINT {
    GMEM_FIXED = 0x0000, GMEM_MOVEABLE = 0x0002, GMEM_NOCOMPACT = 0x0010, GMEM_NODISCARD = 0x0020,
    GMEM_ZEROINIT = 0x0040, GMEM_MODIFY = 0x0080, GMEM_DISCARDABLE = 0x0100, GMEM_SHARE = 0x2000,
    GMEM_DDESHARE = 0x2000, GHND = GMEM_MOVEABLE | GMEM_ZEROINIT, GPTR = GMEM_FIXED | GMEM_ZEROINIT,
    GMEM_LOCKCOUNT = 0x00FF, GMEM_INVALID_HANDLE = 0x8000,
};

// Null when the size cannot be had (blocks are limited to 1 GiB).
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// Keeps the contents up to the smaller size; GMEM_ZEROINIT zeroes what grows. Null on failure,
// the block unchanged.
HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
void* GlobalLock(HGLOBAL hMem);
// TRUE while the block stays locked.
BOOL GlobalUnlock(HGLOBAL hMem);
SIZE_T GlobalSize(HGLOBAL hMem);
UINT GlobalFlags(HGLOBAL hMem);
// The handle of the block a locked pointer belongs to.
HGLOBAL GlobalHandle(const void* pMem);
// Null on success, the handle when it is not a block.
HGLOBAL GlobalFree(HGLOBAL hMem);

// Bytes from p to the end of the global block that holds p; SIZE_MAX when p is not in one.
SIZE_T GlobalBytesFrom(const void* p) noexcept;
