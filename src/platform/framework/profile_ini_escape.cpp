#include "platform/framework/profile_ini_escape.h"

#include "platform/framework/profile_names.h"

namespace {
constexpr std::string_view kOpen = "\\\"";

bool HasLineBreak(std::string_view s) noexcept { return s.find_first_of("\r\n") != std::string_view::npos; }

bool LooksEscaped(std::string_view s) noexcept { return s.substr(0, 2) == kOpen; }

std::string Escaped(std::string_view s) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out(kOpen);
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    out += "\\x";
                    out += hex[c >> 4];
                    out += hex[c & 15];
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

int HexDigit(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::string EncodeIniSection(std::string_view name) {
    return HasLineBreak(name) || LooksEscaped(name) ? Escaped(name) : std::string(name);
}

std::string EncodeIniKey(std::string_view name) {
    bool plain = !HasLineBreak(name) && !LooksEscaped(name) && name.find('=') == std::string_view::npos &&
                 (name.empty() || (name.front() != ';' && name.front() != '['));
    return plain ? std::string(name) : Escaped(name);
}

std::string EncodeIniValue(std::string_view value) {
    bool plain = !HasLineBreak(value) && !LooksEscaped(value) &&
                 (value.empty() || (!IsProfileBlank(value.front()) && !IsProfileBlank(value.back()))) &&
                 !(value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
    return plain ? std::string(value) : Escaped(value);
}

size_t DecodeIniEscaped(std::string_view s, std::string& rText) {
    if (!LooksEscaped(s)) return 0;
    std::string text;
    for (size_t i = kOpen.size(); i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            rText = std::move(text);
            return i + 1;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == s.size()) return 0;
        switch (s[i]) {
            case '\\': text += '\\'; break;
            case '"': text += '"'; break;
            case 'r': text += '\r'; break;
            case 'n': text += '\n'; break;
            case 't': text += '\t'; break;
            case 'x': {
                int hi = i + 2 < s.size() ? HexDigit(s[i + 1]) : -1;
                int lo = hi >= 0 ? HexDigit(s[i + 2]) : -1;
                if (lo < 0) return 0;
                text += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: return 0;
        }
    }
    return 0;  // no closing quote
}

std::string DecodeIniValue(std::string_view raw) {
    std::string text;
    if (DecodeIniEscaped(raw, text) == raw.size() && !raw.empty()) return text;
    if (raw.size() > 1 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        raw = raw.substr(1, raw.size() - 2);
    return std::string(raw);
}
