#include "platform/framework/profile_registry.h"

#include <cctype>
#include <vector>

namespace {
std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        size_t n = path.find('\\');
        std::string_view part = path.substr(0, n);
        if (!part.empty()) parts.push_back(part);
        path.remove_prefix(n == std::string_view::npos ? path.size() : n + 1);
    }
    return parts;
}

// The file escapes what would break its lines: control characters, '%', and in names the
// characters that delimit them.
std::string Escape(std::string_view s, bool bName) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == '%' || (bName && (c == '=' || c == '[' || c == ']' || c == '\\'))) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string Unescape(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        int hi, lo;
        if (s[i] == '%' && i + 2 < s.size() + 0 && (hi = HexDigit(s[i + 1])) >= 0 && (lo = HexDigit(s[i + 2])) >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

constexpr std::string_view kHeader = "KRX registry 1";
}  // namespace

bool CRegistryStore::NoCaseLess::operator()(std::string_view a, std::string_view b) const noexcept {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

const CRegistryStore::Key* CRegistryStore::Find(std::string_view keyPath) const {
    const Key* p = &m_root;
    for (std::string_view part : SplitPath(keyPath)) {
        auto it = p->subkeys.find(part);
        if (it == p->subkeys.end()) return nullptr;
        p = it->second.get();
    }
    return p;
}

CRegistryStore::Key* CRegistryStore::Create(std::string_view keyPath) {
    Key* p = &m_root;
    for (std::string_view part : SplitPath(keyPath)) {
        auto it = p->subkeys.find(part);
        if (it == p->subkeys.end()) it = p->subkeys.emplace(std::string(part), std::make_unique<Key>()).first;
        p = it->second.get();
    }
    return p;
}

bool CRegistryStore::GetValue(std::string_view keyPath, std::string_view name, CString& rValue) const {
    const Key* k = Find(keyPath);
    if (k == nullptr) return false;
    auto it = k->values.find(name);
    if (it == k->values.end()) return false;
    rValue = std::string_view(it->second);
    return true;
}

void CRegistryStore::SetValue(std::string_view keyPath, std::string_view name, std::string_view value) {
    Key* k = Create(keyPath);
    auto it = k->values.find(name);
    if (it == k->values.end()) k->values.emplace(std::string(name), std::string(value));
    else it->second = value;
}

bool CRegistryStore::DeleteValue(std::string_view keyPath, std::string_view name) {
    const Key* k = Find(keyPath);
    if (k == nullptr) return false;
    auto& values = const_cast<Key*>(k)->values;
    auto it = values.find(name);
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

bool CRegistryStore::DeleteKey(std::string_view keyPath) {
    auto parts = SplitPath(keyPath);
    if (parts.empty()) return false;  // the root is not a key one can delete
    Key* parent = &m_root;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        auto it = parent->subkeys.find(parts[i]);
        if (it == parent->subkeys.end()) return false;
        parent = it->second.get();
    }
    return parent->subkeys.erase(std::string(parts.back())) > 0;
}

void CRegistryStore::GetValueNames(std::string_view keyPath, CStringArray& rNames) const {
    rNames.RemoveAll();
    if (const Key* k = Find(keyPath))
        for (const auto& [name, value] : k->values) rNames.Add(CString(std::string_view(name)));
}

void CRegistryStore::GetSubkeyNames(std::string_view keyPath, CStringArray& rNames) const {
    rNames.RemoveAll();
    if (const Key* k = Find(keyPath))
        for (const auto& [name, sub] : k->subkeys) rNames.Add(CString(std::string_view(name)));
}

void CRegistryStore::Write(const Key& key, const std::string& path, std::string& out) {
    // A key is written when it holds values or nothing at all; one that only has subkeys is
    // implied by theirs.
    if (!path.empty() && (!key.values.empty() || key.subkeys.empty())) {
        out += "[" + path + "]\n";
        for (const auto& [name, value] : key.values) out += Escape(name, true) + "=" + Escape(value, false) + "\n";
    }
    for (const auto& [name, sub] : key.subkeys)
        Write(*sub, path.empty() ? Escape(name, true) : path + "\\" + Escape(name, true), out);
}

std::string CRegistryStore::Text() const {
    std::string out(kHeader);
    out += "\n";
    Write(m_root, "", out);
    return out;
}

void CRegistryStore::Parse(std::string_view text) {
    m_root = Key{};
    Key* current = nullptr;
    while (!text.empty()) {
        size_t n = text.find('\n');
        std::string_view line = text.substr(0, n);
        text.remove_prefix(n == std::string_view::npos ? text.size() : n + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string path;
            for (std::string_view part : SplitPath(line.substr(1, line.size() - 2))) {
                if (!path.empty()) path += '\\';
                path += Unescape(part);
            }
            current = path.empty() ? nullptr : Create(path);
        } else if (current != nullptr) {
            size_t nEq = line.find('=');
            if (nEq == std::string_view::npos) continue;
            std::string name = Unescape(line.substr(0, nEq));
            current->values[name] = Unescape(line.substr(nEq + 1));
        }
    }
}
