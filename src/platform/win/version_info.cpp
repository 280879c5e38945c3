#include "platform/win/version_info.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {

// ---- writing ---------------------------------------------------------------------------------

class RecordWriter {
public:
    // Starts a record; its length is filled in by End.
    size_t Begin(WORD wValueLength, WORD wType, std::string_view key) {
        Align();
        const size_t start = m_bytes.size();
        PutWord(0);
        PutWord(wValueLength);
        PutWord(wType);
        PutText(key);
        Align();
        return start;
    }
    void End(size_t start) {
        const size_t length = m_bytes.size() - start;
        if (length > 0xFFFF) throw std::length_error("a version record is longer than 65535 bytes");
        m_bytes[start] = static_cast<BYTE>(length & 0xFF);
        m_bytes[start + 1] = static_cast<BYTE>(length >> 8);
    }
    void PutWord(WORD w) {
        m_bytes.push_back(static_cast<BYTE>(w & 0xFF));
        m_bytes.push_back(static_cast<BYTE>(w >> 8));
    }
    void PutDword(DWORD d) {
        PutWord(static_cast<WORD>(d & 0xFFFF));
        PutWord(static_cast<WORD>(d >> 16));
    }
    // 8-bit characters as 16-bit code units, with the terminating zero.
    void PutText(std::string_view text) {
        for (unsigned char c : text) PutWord(c);
        PutWord(0);
    }
    void Align() {
        while (m_bytes.size() % 4 != 0) m_bytes.push_back(0);
    }
    std::vector<BYTE> Take() { return std::move(m_bytes); }

private:
    std::vector<BYTE> m_bytes;
};

DWORD High(const WORD v[4]) { return static_cast<DWORD>(v[0]) << 16 | v[1]; }
DWORD Low(const WORD v[4]) { return static_cast<DWORD>(v[2]) << 16 | v[3]; }

// ---- reading -----------------------------------------------------------------------------------

struct Record {
    size_t end = 0;          // one past the record
    WORD wValueLength = 0;
    WORD wType = 0;
    std::string key;
    size_t value = 0;        // offset of the value
    size_t children = 0;     // offset of the first child
};

size_t AlignUp(size_t n) { return (n + 3) & ~size_t{3}; }

WORD WordAt(const BYTE* p, size_t at) { return static_cast<WORD>(p[at] | p[at + 1] << 8); }

// Reads the record at `at` that must end by `limit`.
bool ReadRecord(const BYTE* p, size_t at, size_t limit, Record& r) {
    if (at + 6 > limit) return false;
    const WORD wLength = WordAt(p, at);
    if (wLength < 6 || at + wLength > limit) return false;
    r.end = at + wLength;
    r.wValueLength = WordAt(p, at + 2);
    r.wType = WordAt(p, at + 4);
    r.key.clear();
    size_t pos = at + 6;
    for (;;) {
        if (pos + 2 > r.end) return false;
        const WORD c = WordAt(p, pos);
        pos += 2;
        if (c == 0) break;
        r.key.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    }
    r.value = AlignUp(pos);
    const size_t valueBytes = r.wType == 1 ? size_t{r.wValueLength} * 2 : r.wValueLength;
    if (r.value + valueBytes > r.end) {
        // A record without a value may end right after its key.
        if (r.wValueLength != 0) return false;
        r.value = r.end;
    }
    r.children = AlignUp(r.value + valueBytes);
    return true;
}

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Finds the record a path such as "\\StringFileInfo\\040904b0\\FileDescription" names.
bool FindRecord(const BYTE* p, size_t cb, std::string_view path, Record& found) {
    if (!ReadRecord(p, 0, cb, found)) return false;
    while (!path.empty()) {
        while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
        if (path.empty()) break;
        const size_t cut = path.find('\\');
        const std::string_view name = path.substr(0, cut);
        path = cut == std::string_view::npos ? std::string_view{} : path.substr(cut);
        bool bFound = false;
        Record child;
        for (size_t at = found.children; at < found.end; at = AlignUp(child.end)) {
            if (!ReadRecord(p, at, found.end, child)) return false;
            if (SameKey(child.key, name)) {
                bFound = true;
                break;
            }
        }
        if (!bFound) return false;
        found = child;
    }
    return true;
}

}  // namespace

std::vector<BYTE> BuildVersionInfo(const VersionInfoSource& source) {
    RecordWriter w;
    const size_t root = w.Begin(sizeof(VS_FIXEDFILEINFO), 0, "VS_VERSION_INFO");
    const DWORD fixed[] = {VS_FFI_SIGNATURE, 0x00010000, High(source.fileVersion), Low(source.fileVersion),
                           High(source.productVersion), Low(source.productVersion), 0x3F, 0, VOS__WINDOWS32,
                           source.fileType, 0, 0, 0};
    for (DWORD d : fixed) w.PutDword(d);

    const size_t fileInfo = w.Begin(0, 1, "StringFileInfo");
    const size_t table = w.Begin(0, 1, source.stringTable);
    for (const auto& [name, text] : source.strings) {
        const size_t entry = w.Begin(static_cast<WORD>(text.size() + 1), 1, name);
        w.PutText(text);
        w.End(entry);
    }
    w.End(table);
    w.End(fileInfo);

    const size_t varInfo = w.Begin(0, 1, "VarFileInfo");
    const size_t translation = w.Begin(4, 0, "Translation");
    const DWORD code = static_cast<DWORD>(std::strtoul(source.stringTable, nullptr, 16));
    w.PutWord(static_cast<WORD>(code >> 16));     // language
    w.PutWord(static_cast<WORD>(code & 0xFFFF));  // code page
    w.End(translation);
    w.End(varInfo);
    w.End(root);
    return w.Take();
}

BOOL VerQueryFixedFileInfo(const void* pBlock, size_t cbBlock, VS_FIXEDFILEINFO& info) {
    Record root;
    const BYTE* p = static_cast<const BYTE*>(pBlock);
    if (p == nullptr || !ReadRecord(p, 0, cbBlock, root) || root.wValueLength != sizeof info) return FALSE;
    std::memcpy(&info, p + root.value, sizeof info);
    return info.dwSignature == VS_FFI_SIGNATURE ? TRUE : FALSE;
}

BOOL VerQueryString(const void* pBlock, size_t cbBlock, const char* lpSubBlock, std::string& text) {
    Record r;
    const BYTE* p = static_cast<const BYTE*>(pBlock);
    if (p == nullptr || lpSubBlock == nullptr || !FindRecord(p, cbBlock, lpSubBlock, r) || r.wType != 1) return FALSE;
    text.clear();
    for (size_t i = 0; i < r.wValueLength; ++i) {
        const WORD c = WordAt(p, r.value + 2 * i);
        if (c == 0) break;
        text.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    }
    return TRUE;
}
