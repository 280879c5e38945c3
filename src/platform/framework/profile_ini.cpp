#include "platform/framework/profile_ini.h"

#include "platform/framework/profile_ini_escape.h"

namespace {
// The next line of a text; CR, LF and CR LF each end one.
std::string_view NextLine(std::string_view& text) noexcept {
    size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) end = text.size();
    else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') end += 2;
    else ++end;
    text.remove_prefix(end);
    return line;
}

// A section line's name: between '[' and the last ']' (or the line's end), escaped form decoded,
// trimmed.
std::string SectionName(std::string_view line) {
    size_t close = line.rfind(']');
    std::string_view name = TrimProfileName(line.substr(1, close == std::string_view::npos || close == 0 ? std::string_view::npos : close - 1));
    std::string decoded;
    if (DecodeIniEscaped(name, decoded) == name.size() && !name.empty()) return std::string(TrimProfileName(decoded));
    return std::string(name);
}

// An escaped key: its text and what follows its '=', when the line is one.
bool EscapedEntry(std::string_view line, std::string& rKey, std::string_view& rValue) {
    size_t taken = DecodeIniEscaped(line, rKey);
    if (taken == 0) return false;
    rKey = std::string(TrimProfileName(rKey));  // names are trimmed, however written
    std::string_view rest = TrimProfileName(line.substr(taken));
    if (rest.empty() || rest.front() != '=') return false;
    rValue = TrimProfileName(rest.substr(1));
    return true;
}
}  // namespace

CIniFile::CIniFile() { AddSection("", true); }

CIniFile::Section& CIniFile::AddSection(std::string name, bool bUnnamed) {
    Section& s = m_sections.emplace_back();
    s.name = std::move(name);
    s.bUnnamed = bUnnamed;
    // Indexed after it has its place: the index keeps a view of the name in the list.
    if (!bUnnamed) m_index.emplace(s.name, std::prev(m_sections.end()));
    return s;
}

void CIniFile::AddLine(Section& section, Line line) {
    Line& l = section.lines.emplace_back(std::move(line));
    if (l.kind != Line::comment) section.keys.emplace(l.name, std::prev(section.lines.end()));
}

void CIniFile::Parse(std::string_view text) {
    m_index.clear();
    m_sections.clear();
    Section* current = &AddSection("", true);
    while (!text.empty()) {
        std::string_view line = TrimProfileName(NextLine(text));
        if (line.empty()) continue;
        std::string key;
        std::string_view value;
        if (line.front() == ';') {
            AddLine(*current, Line{Line::comment, std::string(line), {}});
        } else if (line.front() == '[') {
            current = &AddSection(SectionName(line), false);
        } else if (EscapedEntry(line, key, value)) {
            AddLine(*current, Line{Line::entry, std::move(key), std::string(value)});
        } else if (size_t eq = line.find('='); eq == std::string_view::npos) {
            AddLine(*current, Line{Line::nameOnly, std::string(line), {}});
        } else {
            AddLine(*current, Line{Line::entry, std::string(TrimProfileName(line.substr(0, eq))),
                                   std::string(TrimProfileName(line.substr(eq + 1)))});
        }
    }
}

std::string CIniFile::Text() const {
    std::string out;
    for (const Section& s : m_sections) {
        if (!s.bUnnamed) out.append("[").append(EncodeIniSection(s.name)).append("]\r\n");
        for (const Line& l : s.lines) {
            if (l.kind == Line::entry) out.append(EncodeIniKey(l.name)).append("=").append(l.value);
            else out.append(l.name);
            out.append("\r\n");
        }
    }
    return out;
}

namespace {
// The first of the equal names (multimap::find may give any of them): the one the file has first.
template <typename Index>
auto FirstNamed(Index& index, std::string_view name) {
    name = TrimProfileName(name);
    auto it = index.lower_bound(name);
    return it != index.end() && !ProfileNameLess()(name, it->first) ? it : index.end();
}
}  // namespace

const CIniFile::Section* CIniFile::FindSection(std::string_view section) const {
    auto it = FirstNamed(m_index, section);
    return it == m_index.end() ? nullptr : &*it->second;
}

CIniFile::KeyIndex::const_iterator CIniFile::FindKey(const Section& section, std::string_view key) {
    return FirstNamed(section.keys, key);
}

bool CIniFile::GetString(std::string_view section, std::string_view key, CString& rValue) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return false;
    auto it = FindKey(*s, key);
    if (it == s->keys.end() || it->second->kind == Line::nameOnly) return false;
    rValue = std::string_view(DecodeIniValue(it->second->value));
    return true;
}

void CIniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) s = &AddSection(std::string(TrimProfileName(section)), false);
    auto it = FindKey(*s, key);
    if (it != s->keys.end()) {
        it->second->kind = Line::entry;
        it->second->value = EncodeIniValue(value);
        return;
    }
    AddLine(*s, Line{Line::entry, std::string(TrimProfileName(key)), EncodeIniValue(value)});
}

bool CIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (s == nullptr) return false;
    auto it = FindKey(*s, key);
    if (it == s->keys.end()) return false;
    Lines::iterator line = it->second;
    s->keys.erase(it);
    s->lines.erase(line);
    return true;
}

bool CIniFile::DeleteSection(std::string_view section) {
    auto it = FirstNamed(m_index, section);
    if (it == m_index.end()) return false;
    Sections::iterator s = it->second;
    m_index.erase(it);
    m_sections.erase(s);
    return true;
}

void CIniFile::GetKeys(std::string_view section, CStringArray& rKeys) const {
    rKeys.RemoveAll();
    const Section* s = FindSection(section);
    if (s == nullptr) return;
    for (const Line& l : s->lines)
        if (l.kind == Line::entry) rKeys.Add(CString(std::string_view(l.name)));
}

void CIniFile::GetSections(CStringArray& rSections) const {
    rSections.RemoveAll();
    for (const Section& s : m_sections)
        if (!s.bUnnamed) rSections.Add(CString(std::string_view(s.name)));
}
