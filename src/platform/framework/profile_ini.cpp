#include "platform/framework/profile_ini.h"

#include <cctype>

namespace {
bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1a'; }

std::string_view Trim(std::string_view s) noexcept {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}
}  // namespace

std::string_view TrimProfileName(std::string_view s) noexcept { return Trim(s); }

bool ProfileNamesEqual(std::string_view a, std::string_view b) noexcept {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void CIniFile::Parse(std::string_view text) {
    m_sections.clear();
    m_sections.push_back(Section{"", true, {}});
    while (!text.empty()) {
        // Lines end at LF; a file of CR-only line ends is split at CR.
        size_t nEnd = text.find('\n');
        if (nEnd == std::string_view::npos && text.find('\r') != std::string_view::npos) nEnd = text.find('\r');
        std::string_view line = text.substr(0, nEnd);
        text.remove_prefix(nEnd == std::string_view::npos ? text.size() : nEnd + 1);
        line = Trim(line);
        if (line.empty()) continue;
        if (line.front() == ';') {
            m_sections.back().lines.push_back(Line{Line::comment, std::string(line), {}});
        } else if (line.front() == '[') {
            size_t nClose = line.rfind(']');
            std::string_view name = line.substr(1, nClose == std::string_view::npos || nClose == 0 ? std::string_view::npos : nClose - 1);
            m_sections.push_back(Section{std::string(Trim(name)), false, {}});
        } else {
            size_t nEq = line.find('=');
            if (nEq == std::string_view::npos) {
                m_sections.back().lines.push_back(Line{Line::nameOnly, std::string(line), {}});
            } else {
                m_sections.back().lines.push_back(
                    Line{Line::entry, std::string(Trim(line.substr(0, nEq))), std::string(Trim(line.substr(nEq + 1)))});
            }
        }
    }
}

std::string CIniFile::Text() const {
    std::string out;
    for (const Section& s : m_sections) {
        if (!s.bUnnamed) out += "[" + s.name + "]\r\n";
        for (const Line& l : s.lines) {
            if (l.kind == Line::entry) out += l.name + "=" + l.value + "\r\n";
            else out += l.name + "\r\n";
        }
    }
    return out;
}

const CIniFile::Section* CIniFile::FindSection(std::string_view section) const {
    for (const Section& s : m_sections)
        if (!s.bUnnamed && ProfileNamesEqual(s.name, section)) return &s;
    return nullptr;
}

bool CIniFile::GetString(std::string_view section, std::string_view key, CString& rValue) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return false;
    for (const Line& l : s->lines) {
        if (l.kind == Line::comment || !ProfileNamesEqual(l.name, key)) continue;
        if (l.kind == Line::nameOnly) return false;
        std::string_view v = l.value;
        if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        rValue = v;
        return true;
    }
    return false;
}

void CIniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        if (m_sections.empty()) m_sections.push_back(Section{"", true, {}});
        m_sections.push_back(Section{std::string(Trim(section)), false, {}});
        s = &m_sections.back();
    }
    for (Line& l : s->lines) {
        if (l.kind != Line::comment && ProfileNamesEqual(l.name, key)) {
            l.kind = Line::entry;
            l.value = value;
            return;
        }
    }
    s->lines.push_back(Line{Line::entry, std::string(Trim(key)), std::string(value)});
}

bool CIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (s == nullptr) return false;
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
        if (it->kind != Line::comment && ProfileNamesEqual(it->name, key)) {
            s->lines.erase(it);
            return true;
        }
    }
    return false;
}

bool CIniFile::DeleteSection(std::string_view section) {
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
        if (!it->bUnnamed && ProfileNamesEqual(it->name, section)) {
            m_sections.erase(it);
            return true;
        }
    }
    return false;
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
