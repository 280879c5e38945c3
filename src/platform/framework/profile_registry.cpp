#include "platform/framework/profile_registry.h"

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

CRegistryStore::Key::~Key() { Clear(); }

void CRegistryStore::Key::Clear() {
    values.clear();
    // Subtrees are moved out to a list and emptied one key at a time, so that each key is
    // destroyed without subkeys and no destructor calls another.
    std::vector<std::unique_ptr<Key>> pending;
    for (auto& [name, sub] : subkeys) pending.push_back(std::move(sub));
    subkeys.clear();
    while (!pending.empty()) {
        std::unique_ptr<Key> key = std::move(pending.back());
        pending.pop_back();
        for (auto& [name, sub] : key->subkeys) pending.push_back(std::move(sub));
        key->subkeys.clear();
    }
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

std::string CRegistryStore::Text() const {
    std::string out(kHeader);
    out += "\n";
    if (!m_root.values.empty()) {
        out += "[]\n";
        for (const auto& [name, value] : m_root.values)
            out.append(Escape(name, true)).append("=").append(Escape(value, false)).append("\n");
    }
    // Depth first, in the order of the names, with one path that grows and shrinks as the walk
    // goes down and up. A key is written when it holds values or nothing at all; one that only
    // has subkeys is implied by theirs.
    struct Level {
        const Key* key;
        std::map<std::string, std::unique_ptr<Key>, ProfileNameLess>::const_iterator next;
        size_t pathLength;
    };
    std::vector<Level> levels{{&m_root, m_root.subkeys.begin(), 0}};
    std::string path;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.key->subkeys.end()) {
            levels.pop_back();
            continue;
        }
        const auto& [name, sub] = *level.next++;
        path.resize(level.pathLength);
        if (!path.empty()) path += '\\';
        path += Escape(name, true);
        if (!sub->values.empty() || sub->subkeys.empty()) {
            out.append("[").append(path).append("]\n");
            for (const auto& [valueName, value] : sub->values)
                out.append(Escape(valueName, true)).append("=").append(Escape(value, false)).append("\n");
        }
        levels.push_back({sub.get(), sub->subkeys.begin(), path.size()});
    }
    return out;
}

void CRegistryStore::Parse(std::string_view text) {
    m_root.Clear();
    Key* current = nullptr;
    while (!text.empty()) {
        // CR, LF and CR LF each end a line (the file is written with LF, and escapes every CR).
        size_t n = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, n);
        if (n == std::string_view::npos) n = text.size();
        else if (text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n') n += 2;
        else ++n;
        text.remove_prefix(n);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string path;
            for (std::string_view part : SplitPath(line.substr(1, line.size() - 2))) {
                if (!path.empty()) path += '\\';
                path += Unescape(part);
            }
            current = Create(path);  // "[]" is the root
        } else if (current != nullptr) {
            size_t nEq = line.find('=');
            if (nEq == std::string_view::npos) continue;
            std::string name = Unescape(line.substr(0, nEq));
            current->values[name] = Unescape(line.substr(nEq + 1));
        }
    }
}
