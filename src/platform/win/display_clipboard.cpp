// The desktop clipboard and the in-process clipboard's text follow each other. Text copied in the
// process goes to the desktop when the display next looks; text the desktop holds comes in when
// the desktop says it changed (and when the display starts). Each side's last known text is kept,
// so that nothing bounces back and forth.
//
// CF_TEXT holds the Western code page with CR LF line ends; the desktop holds UTF-8 with LF.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/win/display_internal.h"
#include "platform/win/window_internal.h"

namespace {

struct ClipboardSync {
    bool knowInProcess = false;
    std::string inProcess;  // CF_TEXT bytes last seen or set, without the terminating zero
    std::string desktop;    // desktop text last seen or set
    bool desktopChanged = true;
};

ClipboardSync& C() {
    static auto* sync = new ClipboardSync();
    return *sync;
}

// The length of the character starting at p: a UTF-8 sequence by its lead byte, as far as its
// continuation bytes go; else one byte.
std::size_t CharLength(const char* p, std::size_t left, bool utf8) {
    const auto lead = static_cast<unsigned char>(*p);
    std::size_t n = 1;
    if (utf8 && lead >= 0xC0 && lead < 0xF8) n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    n = std::min(n, left);
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return i;
    return n;
}

// Converts between encodings; a character the target cannot hold (or a broken one) becomes '?'.
std::string Convert(const std::string& in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    const bool fromUtf8 = std::string(from) == "UTF-8";
    std::string out;
    std::vector<char> buffer(4 * in.size() + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        out.push_back('?');
        const std::size_t skip = CharLength(src, srcLeft, fromUtf8);
        src += skip;
        srcLeft -= skip;
    }
    iconv_close(cd);
    return out;
}

// The in-process clipboard's text, up to its terminating zero; false when it has none.
bool InProcessText(std::string& text) {
    const auto& clip = win_internal::S().clipboard;
    auto it = clip.find(CF_TEXT);
    if (it == clip.end()) it = clip.find(CF_OEMTEXT);
    if (it == clip.end()) return false;
    const std::vector<BYTE>& bytes = it->second;
    std::size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0) ++n;
    text.assign(reinterpret_cast<const char*>(bytes.data()), n);
    return true;
}

}  // namespace

namespace display_internal {

std::string DesktopTextFromCfText(const std::string& text) {
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf.push_back(text[i]);
    return Convert(lf, "UTF-8", "WINDOWS-1252");
}

std::string CfTextFromDesktopText(const std::string& text) {
    const std::string western = Convert(text, "WINDOWS-1252", "UTF-8");
    std::string crlf;
    crlf.reserve(western.size() + western.size() / 8);
    for (std::size_t i = 0; i < western.size(); ++i) {
        if (western[i] == '\n' && (i == 0 || western[i - 1] != '\r')) crlf.push_back('\r');
        crlf.push_back(western[i]);
    }
    return crlf;
}

void ResetClipboardSync() { C() = ClipboardSync{}; }

void NoteDesktopClipboardChanged() { C().desktopChanged = true; }

void SyncClipboard(DisplayBackend& backend) {
    ClipboardSync& c = C();
    std::string now;
    if (InProcessText(now) && (!c.knowInProcess || now != c.inProcess)) {
        c.inProcess = now;
        c.knowInProcess = true;
        c.desktop = DesktopTextFromCfText(now);
        backend.SetClipboardText(c.desktop);
        c.desktopChanged = false;
        return;
    }
    if (!c.desktopChanged) return;
    // Taken up only while nobody has the clipboard open; otherwise at the next look.
    win_internal::State& s = win_internal::S();
    if (s.clipboardIsOpen) return;
    c.desktopChanged = false;
    std::string desktop;
    if (!backend.GetClipboardText(desktop) || desktop == c.desktop) return;
    c.desktop = desktop;
    const std::string bytes = CfTextFromDesktopText(desktop);
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    SetClipboardBytes(CF_TEXT, bytes.c_str(), bytes.size() + 1);
    CloseClipboard();
    c.inProcess = bytes;
    c.knowInProcess = true;
}

}  // namespace display_internal
