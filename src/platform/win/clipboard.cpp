// The in-process clipboard: one owner, formats mapped to byte blocks. CF_TEXT and CF_OEMTEXT
// answer for each other, as the platform synthesises one from the other.
#include <cstring>

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
    return TRUE;
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
