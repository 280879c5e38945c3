#include "host/mckernel/parameter_text.h"

#include <charconv>

#include "host/mckernel/quantity.h"

namespace {
CMC_ReadObserver g_observer = nullptr;
void* g_observerContext = nullptr;
}  // namespace

bool CMC_EntryScanner::Next(CMC_TextEntry& entry) noexcept {
    while (!m_rest.empty()) {
        size_t end = m_rest.find(';');
        std::string_view piece = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        piece = CMC_TrimSpace(piece);
        if (piece.empty()) continue;
        entry.whole = piece;
        size_t eq = piece.find('=');
        std::string_view key = eq == std::string_view::npos ? std::string_view() : CMC_TrimSpace(piece.substr(0, eq));
        entry.wellFormed = !key.empty();
        entry.key = entry.wellFormed ? key : std::string_view();
        entry.value = entry.wellFormed ? CMC_TrimSpace(piece.substr(eq + 1)) : std::string_view();
        return true;
    }
    return false;
}

std::vector<CMC_TextEntry> CMC_ParseParameterText(std::string_view text) {
    std::vector<CMC_TextEntry> entries;
    CMC_EntryScanner scanner(text);
    CMC_TextEntry entry;
    while (scanner.Next(entry)) entries.push_back(entry);
    return entries;
}

bool CMC_FindEntry(std::string_view text, std::string_view key, std::string_view& value) noexcept {
    // Every read of a block looks up one key in the whole text, so this is the hot loop of
    // parsing: entries are compared in place, and only the one that matches is trimmed.
    if (key.empty()) return false;
    const size_t n = text.size();
    size_t pos = 0;
    while (pos < n) {
        size_t end = text.find(';', pos);
        if (end == std::string_view::npos) end = n;
        size_t k = pos;
        while (k < end && CMC_IsSpace(text[k])) ++k;
        if (end - k > key.size() && text.compare(k, key.size(), key) == 0) {
            size_t eq = k + key.size();
            while (eq < end && CMC_IsSpace(text[eq])) ++eq;
            if (eq < end && text[eq] == '=') {
                value = CMC_TrimSpace(text.substr(eq + 1, end - eq - 1));
                return true;
            }
        }
        pos = end + 1;
    }
    return false;
}

bool CMC_ParseRadioValue(std::string_view value, int& n) noexcept {
    bool plus = !value.empty() && value.front() == '+';
    if (plus) value.remove_prefix(1);
    if (value.empty() || (plus && (value.front() == '+' || value.front() == '-'))) return false;
    int result = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), result, 10);
    if (ec != std::errc() || end != value.data() + value.size()) return false;
    n = result;
    return true;
}

bool CMC_ParseHexaValue(std::string_view value, DWORD& n) noexcept {
    if (value.size() < 3 || value.size() > 10 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X'))
        return false;
    value.remove_prefix(2);
    DWORD result = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), result, 16);
    if (ec != std::errc() || end != value.data() + value.size()) return false;
    n = result;
    return true;
}

void CMC_SetReadObserver(CMC_ReadObserver observer, void* pContext) noexcept {
    g_observer = observer;
    g_observerContext = pContext;
}

void CMC_NotifyRead(std::string_view key, CMC_ReadOutcome outcome) noexcept {
    if (g_observer != nullptr) g_observer(g_observerContext, key, outcome);
}
