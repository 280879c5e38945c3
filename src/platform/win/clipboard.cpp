// The in-process clipboard: one owner, formats mapped to byte blocks. CF_TEXT and CF_OEMTEXT
// answer for each other, as the platform synthesises one from the other.
#include <algorithm>
#include <cstring>

#include "platform/win/global_memory.h"
#include "platform/win/window_internal.h"

using namespace win_internal;

namespace {

const std::vector<BYTE>* Data(UINT format) {
    const auto& clip = S().clipboard;
    auto it = clip.find(format);
    if (it == clip.end() && (format == CF_TEXT || format == CF_OEMTEXT))
        it = clip.find(format == CF_TEXT ? CF_OEMTEXT : CF_TEXT);
    return it == clip.end() ? nullptr : &it->second;
}

}  // namespace

namespace win_internal {

void FreeClipboardBlocks() {
    auto& blocks = S().clipboardBlocks;
    for (auto& [format, h] : blocks) GlobalFree(static_cast<HGLOBAL>(h));
    blocks.clear();
}

void ReleaseClipboardFor(HWND hwnd) {
    State& s = S();
    if (s.clipboardIsOpen && s.clipboardOpen == hwnd) {
        s.clipboardIsOpen = false;
        s.clipboardOpen = nullptr;
    }
    if (s.clipboardOwner == hwnd) s.clipboardOwner = nullptr;
}

}  // namespace win_internal

BOOL OpenClipboard(HWND hWndNewOwner) {
    State& s = S();
    if (s.clipboardIsOpen) return FALSE;
    if (hWndNewOwner && !Find(hWndNewOwner)) return FALSE;
    s.clipboardIsOpen = true;
    s.clipboardOpen = hWndNewOwner;
    return TRUE;
}

BOOL CloseClipboard() {
    State& s = S();
    if (!s.clipboardIsOpen) return FALSE;
    s.clipboardIsOpen = false;
    s.clipboardOpen = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    State& s = S();
    if (!s.clipboardIsOpen) return FALSE;
    const HWND previous = s.clipboardOwner;
    s.clipboard.clear();
    FreeClipboardBlocks();
    s.clipboardOwner = s.clipboardOpen;
    if (previous && previous != s.clipboardOwner && Find(previous)) SendMessageA(previous, WM_DESTROYCLIPBOARD, 0, 0);
    return TRUE;
}

HWND GetClipboardOwner() { return S().clipboardOwner; }

HWND GetOpenClipboardWindow() { return S().clipboardOpen; }

BOOL SetClipboardBytes(UINT uFormat, const void* pData, std::size_t nBytes) {
    State& s = S();
    if (!s.clipboardIsOpen || uFormat == 0 || (nBytes && !pData)) return FALSE;
    std::vector<BYTE> bytes(nBytes);
    if (nBytes) std::memcpy(bytes.data(), pData, nBytes);
    s.clipboard[uFormat] = std::move(bytes);
    auto block = s.clipboardBlocks.find(uFormat);
    if (block != s.clipboardBlocks.end()) {
        GlobalFree(static_cast<HGLOBAL>(block->second));
        s.clipboardBlocks.erase(block);
    }
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!S().clipboardIsOpen || !hMem) return nullptr;
    const auto h = static_cast<HGLOBAL>(hMem);
    const void* p = GlobalLock(h);
    if (!p) return nullptr;  // not a block
    const BOOL ok = SetClipboardBytes(uFormat, p, GlobalSize(h));
    GlobalUnlock(h);
    if (!ok) return nullptr;
    GlobalFree(h);
    return GetClipboardData(uFormat);
}

HANDLE GetClipboardData(UINT uFormat) {
    State& s = S();
    if (!s.clipboardIsOpen) return nullptr;
    const std::vector<BYTE>* d = Data(uFormat);
    if (!d) return nullptr;
    auto it = s.clipboardBlocks.find(uFormat);
    if (it != s.clipboardBlocks.end()) return it->second;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, std::max<std::size_t>(d->size(), 1));
    if (!h) return nullptr;
    if (!d->empty()) {
        void* p = GlobalLock(h);
        std::memcpy(p, d->data(), d->size());
        GlobalUnlock(h);
    }
    s.clipboardBlocks.emplace(uFormat, h);
    return h;
}

BOOL GetClipboardBytes(UINT uFormat, std::vector<BYTE>& rData) {
    if (!S().clipboardIsOpen) return FALSE;
    const std::vector<BYTE>* d = Data(uFormat);
    if (!d) return FALSE;
    rData = *d;
    return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT format) { return Data(format) ? TRUE : FALSE; }

int CountClipboardFormats() { return static_cast<int>(S().clipboard.size()); }

UINT EnumClipboardFormats(UINT format) {
    const auto& clip = S().clipboard;
    auto it = format == 0 ? clip.begin() : clip.upper_bound(format);
    return it == clip.end() ? 0 : it->first;
}
